#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tarvelle {

// help.htm is an outside file: a damaged or hostile one must not crash, freeze or swamp
// the viewer. The check passes only what a help page needs (known tags, sane sizes,
// shallow and properly closed nesting) and runs in one linear pass, so it cannot stall.
struct HelpPageCheck {
    bool ok = false;
    std::string problem;             // why the page was refused, for the log and tests
    std::vector<std::string> images; // every <img src>, each a plain name beside the program
};

constexpr size_t MaxHelpPageBytes = 512 * 1024;
constexpr int MaxHelpNesting = 32;
constexpr int MaxHelpTableNesting = 3;
constexpr size_t MaxHelpImageBytes = 2 * 1024 * 1024;
constexpr int MaxHelpImageSide = 2000;

HelpPageCheck checkHelpPage(std::string_view html);

} // namespace tarvelle
