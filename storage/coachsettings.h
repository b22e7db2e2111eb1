#pragma once

#include <string>

namespace tarvelle {

// The coach panel's own settings, kept in coach.cfg beside the player's other files
// (never in poker.ini, whose fourteen bytes stay as they are).
struct CoachSettings {
    bool visible = false;
    bool placed = false; // left/top hold a position the player chose
    int left = 0;        // screen position of the panel
    int top = 0;
    bool expert = false; // the table proposes the best hold of the exact analysis
    // Training mode: a draw with a hold worth less than the best by more than the threshold
    // (ten-thousandths of a credit per credit bet; 0: every mistake) waits for a word.
    bool training = false;
    int threshold = 0;
    bool operator==(const CoachSettings&) const = default;
};

// A missing or damaged file gives the defaults, never a part of a damaged file.
CoachSettings loadCoachSettings(const std::string& dir);
bool saveCoachSettings(const CoachSettings& s, const std::string& dir); // false on failure, silent

} // namespace tarvelle
