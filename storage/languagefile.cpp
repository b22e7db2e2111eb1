#include "storage/languagefile.h"

#include "storage/datadirs.h"
#include "storage/gamefiles.h"

#include <array>
#include <string_view>

namespace tarvelle {

namespace {

constexpr std::array<std::string_view, 5> kChoices = {"system", "en", "de", "fr", "es"};

bool known(std::string_view choice)
{
    for (std::string_view c : kChoices) {
        if (c == choice)
            return true;
    }
    return false;
}

} // namespace

std::string loadLanguageChoice(const std::string& dir)
{
    std::string text;
    if (!readRegularFile(filePathIn(dir, LanguageFileName), text, 64))
        return "system";
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    constexpr std::string_view key = "language=";
    if (text.compare(0, key.size(), key) != 0 || !known(std::string_view(text).substr(key.size())))
        return "system";
    return text.substr(key.size());
}

bool saveLanguageChoice(const std::string& choice, const std::string& dir)
{
    if (!known(choice))
        return false;
    const std::string text = "language=" + choice + "\n";
    if (!dir.empty())
        ensureFolder(dir);
    return replaceFileAtomically(filePathIn(dir, LanguageFileName),
                                 reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

} // namespace tarvelle
