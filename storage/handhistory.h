#pragma once

#include "engine/coach.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvelle {

// The hand history: hands.log in the save folder, one line per drawn hand, appended and
// never rewritten in place, so it outlives restarts and kills. A line is written whole
// with a single write(); one torn by a kill is refused when read, as is any line damaged
// or edited by hand (each carries a check sum), and the others are kept.
struct HandRecord {
    int64_t time = 0;           // seconds since the epoch
    std::string game;           // the game's id
    std::array<int, 5> dealt{}; // card indices (engine/cards.h), position 1 first
    int hold = 0;               // the player's hold, a mask over the positions
    int best = 0;               // the best hold; the player's own when it was among the best
    int64_t cost = 0;           // millionths of a credit per credit bet given up
    int bet = 1;
    int64_t won = 0;       // credits the final hand paid
    bool autoplay = false; // drawn by autoplay: kept, but no mistake of the player's

    bool mistake() const { return hold != best; }
    long double creditsLost() const { return (long double)cost * bet / 1000000.0L; }
    bool operator==(const HandRecord&) const = default;
};

// What the player's hands of one game that rolled out of the file added up to (autoplay's not
// counted), kept as a line of its own at the head of the file.
struct HandTotals {
    std::string game;
    int64_t hands = 0;
    int64_t mistakes = 0;
    int64_t lost = 0; // millionths of a credit
    bool operator==(const HandTotals&) const = default;
};

struct HandHistory {
    std::vector<HandRecord> records;   // oldest first
    std::vector<HandTotals> rolledOut; // one per game, by id
    int refused = 0;                   // lines that were not whole, well-formed records or totals
};

inline constexpr const char* kHandHistoryFile = "hands.log";
// Past this size the file keeps its newest half.
inline constexpr size_t kHandHistoryLimit = size_t(2) << 20;

// The line a record is written as, newline included; empty when the record cannot be
// written (an id with spaces, a hold out of range, a card twice).
std::string handLine(const HandRecord& r);
// A line read back (without its newline); nothing unless it is exactly one written line.
std::optional<HandRecord> parseHandLine(std::string_view line);
// The same for a totals line.
std::string totalsLine(const HandTotals& t);
std::optional<HandTotals> parseTotalsLine(std::string_view line);

// Appends one record to dir/hands.log; when the file has grown past limit, it keeps the
// lines of its newest half, the older ones summed into the totals at its head, replaced
// atomically (rolled tells whether it did). False when nothing could be written.
bool appendHand(const std::string& dir, const HandRecord& r, size_t limit = kHandHistoryLimit,
                bool* rolled = nullptr);
// The records of dir/hands.log; a missing file is an empty history, a FIFO or a device is
// left alone.
HandHistory loadHands(const std::string& dir);

// The player's figures over the whole history of a game (autoplay's hands not counted): the
// records kept and what rolled out before them.
SessionFigures allTimeFigures(const std::vector<HandRecord>& records, std::string_view game,
                              const std::vector<HandTotals>& rolledOut = {});

enum class MistakeOrder { Costliest, Newest };
// The player's mistakes, of one game or of all, costliest first (in credits lost; the
// newest first among equals) or newest first.
std::vector<HandRecord> mistakes(const std::vector<HandRecord>& records, std::optional<std::string_view> game,
                                 MistakeOrder order = MistakeOrder::Costliest);

} // namespace tarvelle
