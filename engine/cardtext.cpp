#include "engine/cardtext.h"

#include "engine/cards.h"

#include <cctype>

namespace tarvelle {

namespace {

// In rank order 2..14 and suit order 1..4.
constexpr std::string_view kRanks = "23456789TAJQK";
constexpr std::string_view kSuits = "hdsc";

char lower(char c)
{
    return char(std::tolower(static_cast<unsigned char>(c)));
}

char upper(char c)
{
    return char(std::toupper(static_cast<unsigned char>(c)));
}

int rankFromName(std::string_view r)
{
    if (r == "10")
        return 10;
    if (r.size() != 1)
        return 0;
    const auto at = kRanks.find(upper(r[0]));
    return at == std::string_view::npos ? 0 : int(at) + 2;
}

} // namespace

int cardCodeFromName(std::string_view name)
{
    if (name.size() < 2)
        return 0;
    if (name.size() == 2 && lower(name[0]) == 'j' && lower(name[1]) == 'k')
        return JokerCode;
    const int rank = rankFromName(name.substr(0, name.size() - 1));
    const auto suit = kSuits.find(lower(name.back()));
    if (rank == 0 || suit == std::string_view::npos)
        return 0;
    return cardCode(int(suit) + 1, rank);
}

std::string cardShortName(int code)
{
    if (code == JokerCode)
        return "Jk";
    if (code < 1 || code > JokerCode)
        return {};
    return {kRanks[size_t(cardRank(code) - 2)], kSuits[size_t(cardSuit(code) - 1)]};
}

} // namespace tarvelle
