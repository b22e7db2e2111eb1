#pragma once

// A casino game keeps its own money and statistics in game-<id>.dat beside poker.dat, so
// playing it never touches the table's own files. Text, one "key value..." a line, each key
// once, in any order, every line ending in '\n':
//   game jacks-9-6             the id the book belongs to; another id is a damaged book
//   credit 1000                0..2147483647
//   win 0                      0..2147483647, a win still on the table
//   bet 1                      1..10, or 20..500 in tens (what the table lets a player bet)
//   inserted 1000              account totals, 0..9223372036854775807
//   cashout 0
//   record 0
//   rb-won 0 0 0 0 0           double-up guesses 1..5: Red-Black won, lost; Low-High won, lost
//   rb-lost 0 0 0 0 0
//   lh-won 0 0 0 0 0
//   lh-lost 0 0 0 0 0
//   hands 0 0                  hands dealt, hands drawn
//   class jacks-or-better 0 0  dealt, final; by the class's id, not its place, so the counts
//   ...                        follow a class when the game is re-priced or re-ranked; a class
//                              the game does not have is ignored, a missing one counts 0
//   check 1234567890           last: CRC-32 (zlib's) of every byte before this line, decimal
// Counts are 0..4294967295. A file that breaks any of this is damaged, and none of it is trusted.
// game.cfg, the game chosen at the table, is one line: "game <id>", or "game" for the table's own.

#include "engine/game.h"
#include "engine/settings.h"
#include "storage/gamefiles.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tarvelle {

constexpr const char* GameChoiceFileName = "game.cfg";
constexpr size_t MaxCasinoFileSize = 4096; // a whole book is under 1 KB

// A casino game's own book: its money and account totals, double-up counts (in a Counters whose
// hand arrays and Bonus stay 0) and its hand counts by its own classes.
struct CasinoBook {
    Counters money; // default: Credit 1000, InsertedTotal 1000, Bet 1, the rest 0 (hand arrays and Bonus 0)
    GameCounts counts;
    bool operator==(const CasinoBook&) const = default;
};
CasinoBook defaultCasinoBook();

// "game-<id>.dat" (ids are a-z, 0-9 and '-' only, 1 to 64 of them, so every name made from it fits
// a file system; anything else gives "" and nothing is read or written).
std::string casinoFileName(std::string_view gameId);

// Never throws, never blocks on a FIFO/device. Missing: the defaults. Damaged (unreadable content,
// bad numbers, out-of-range values, a checksum mismatch): the file is kept as name.damaged and the
// defaults are returned, state Damaged. A FIFO or device is left alone (NotRegular); a game id that
// names no file gives Unreadable with ioCode EINVAL.
CasinoBook loadCasinoBook(const Game& game, const std::string& dir, LoadState* state = nullptr,
                          int* ioCode = nullptr);
// Atomic replace; false on failure, the old file kept. The hand arrays and Bonus of book.money
// and counts past the game's classes are not kept.
bool saveCasinoBook(const Game& game, const CasinoBook& book, const std::string& dir, int* ioCode = nullptr);

// The text saveCasinoBook writes, and the check of a book's content (every byte before the check
// line), for tests and tools that make books of their own.
std::string casinoBookText(const Game& game, const CasinoBook& book);
uint32_t casinoBookCheck(std::string_view content);

// The game chosen at the table: "" (the table's own game) when missing or damaged.
std::string loadGameChoice(const std::string& dir);
bool saveGameChoice(const std::string& gameId, const std::string& dir); // "" chooses the table's own game

} // namespace tarvelle
