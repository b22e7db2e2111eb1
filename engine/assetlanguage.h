// The language of the built-in assets: the help page, the spoken hand names and the pictures
// with words in them. English is the source and the default.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tarvelle {

// The languages with assets of their own besides English.
inline constexpr std::array<std::string_view, 3> kAssetLanguages{"de", "fr", "es"};

// "de", "de_DE.UTF-8", "fr-CA" -> that language; any language without assets of its own -> "en".
std::string assetLanguageOf(std::string_view code);

// Set once the language is known, before the windows and the sound bank are made.
void setAssetLanguage(std::string_view code);
const std::string& assetLanguage();

} // namespace tarvelle
