#pragma once

#include <string>

namespace tarvelle {

// language.cfg beside the player's other files: the language chosen in the Settings page,
// one line "language=de". A missing, damaged or unknown choice reads as "system".
constexpr const char* LanguageFileName = "language.cfg";

std::string loadLanguageChoice(const std::string& dir); // "system", "en", "de", "fr", "es"
bool saveLanguageChoice(const std::string& choice, const std::string& dir); // false on failure, silent

} // namespace tarvelle
