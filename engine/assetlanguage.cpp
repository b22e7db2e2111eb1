#include "engine/assetlanguage.h"

#include <algorithm>

namespace tarvelle {

namespace {

std::string& current()
{
    static std::string language = "en";
    return language;
}

} // namespace

std::string assetLanguageOf(std::string_view code)
{
    const std::string_view lang = code.substr(0, code.find_first_of("_-.@"));
    const auto it = std::find(kAssetLanguages.begin(), kAssetLanguages.end(), lang);
    return it == kAssetLanguages.end() ? std::string("en") : std::string(*it);
}

void setAssetLanguage(std::string_view code)
{
    current() = assetLanguageOf(code);
}

const std::string& assetLanguage()
{
    return current();
}

} // namespace tarvelle
