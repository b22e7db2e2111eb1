#include "storage/coachsettings.h"

#include "storage/datadirs.h"
#include "storage/gamefiles.h"

#include <charconv>
#include <sstream>

namespace tarvelle {

namespace {

constexpr const char* kFileName = "coach.cfg";
constexpr size_t kMaxSize = 4096;
constexpr int kMaxCoordinate = 100000;
constexpr int kMaxThreshold = 10000000; // 1000 credits per credit bet

bool parseInt(const std::string& text, int lo, int hi, int& out)
{
    int v = 0;
    const char* end = text.data() + text.size();
    const auto [p, ec] = std::from_chars(text.data(), end, v);
    if (ec != std::errc() || p != end || v < lo || v > hi)
        return false;
    out = v;
    return true;
}

} // namespace

CoachSettings loadCoachSettings(const std::string& dir)
{
    const CoachSettings defaults;
    std::string text;
    if (!readRegularFile(filePathIn(dir, kFileName), text, kMaxSize))
        return defaults;

    CoachSettings s;
    bool hasLeft = false;
    bool hasTop = false;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.empty())
            continue;
        const size_t eq = line.find('=');
        if (eq == std::string::npos)
            return defaults;
        const std::string key = line.substr(0, eq);
        const std::string value = line.substr(eq + 1);
        int v = 0;
        if (key == "visible" && parseInt(value, 0, 1, v)) {
            s.visible = v != 0;
        } else if (key == "expert" && parseInt(value, 0, 1, v)) {
            s.expert = v != 0;
        } else if (key == "training" && parseInt(value, 0, 1, v)) {
            s.training = v != 0;
        } else if (key == "threshold" && parseInt(value, 0, kMaxThreshold, v)) {
            s.threshold = v;
        } else if (key == "left" && parseInt(value, -kMaxCoordinate, kMaxCoordinate, v)) {
            s.left = v;
            hasLeft = true;
        } else if (key == "top" && parseInt(value, -kMaxCoordinate, kMaxCoordinate, v)) {
            s.top = v;
            hasTop = true;
        } else {
            return defaults; // an unknown key or a bad value: the file is not ours or is broken
        }
    }
    // A position needs both coordinates; half of one is no position.
    if (hasLeft != hasTop)
        return defaults;
    s.placed = hasLeft;
    if (!s.placed)
        s.left = s.top = 0;
    return s;
}

bool saveCoachSettings(const CoachSettings& s, const std::string& dir)
{
    std::string text = "visible=" + std::to_string(s.visible ? 1 : 0) + "\n";
    if (s.placed)
        text += "left=" + std::to_string(s.left) + "\ntop=" + std::to_string(s.top) + "\n";
    text += "expert=" + std::to_string(s.expert ? 1 : 0) + "\n";
    text += "training=" + std::to_string(s.training ? 1 : 0) + "\n";
    text += "threshold=" + std::to_string(s.threshold) + "\n";
    if (!dir.empty())
        ensureFolder(dir);
    return replaceFileAtomically(filePathIn(dir, kFileName), reinterpret_cast<const uint8_t*>(text.data()),
                                 text.size());
}

} // namespace tarvelle
