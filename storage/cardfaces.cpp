#include "storage/cardfaces.h"

#include "storage/datadirs.h"
#include "storage/gamefiles.h"

namespace tarvelle {

namespace {

constexpr const char* kClassic = "faces classic\n";
constexpr const char* kFourColours = "faces four-colours\n";

} // namespace

CardFaces loadCardFaces(const std::string& dir)
{
    std::string text;
    if (!readRegularFile(filePathIn(dir, CardFacesFileName), text, 64))
        return CardFaces::Classic;
    return text == kFourColours ? CardFaces::FourColours : CardFaces::Classic;
}

bool saveCardFaces(CardFaces faces, const std::string& dir)
{
    const std::string text = faces == CardFaces::FourColours ? kFourColours : kClassic;
    if (!dir.empty())
        ensureFolder(dir);
    return replaceFileAtomically(filePathIn(dir, CardFacesFileName),
                                 reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

} // namespace tarvelle
