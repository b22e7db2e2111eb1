#pragma once

#include <string>

namespace tarvelle {

// The card faces the table shows. Kept in faces.cfg beside the player's other files, one line
// "faces classic" or "faces four-colours" (never in poker.ini, whose fourteen bytes stay as they are).
enum class CardFaces { Classic, FourColours };

constexpr const char* CardFacesFileName = "faces.cfg";

// A missing, damaged or unknown file gives the classic faces.
CardFaces loadCardFaces(const std::string& dir);
bool saveCardFaces(CardFaces faces, const std::string& dir); // false on failure, silent

} // namespace tarvelle
