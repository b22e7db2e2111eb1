#pragma once

// Strategy charts made from the exact optimal holds: a ranked list of hold patterns in the
// words players use ("4 to a royal flush", "high pair", "unsuited KQJ"), played as written.
// Cards are indices 0..52 as in engine/analysis.h.

#include "engine/game.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvelle {

// The pattern a hold of a dealt hand makes, as the chart writes it ("3 to a royal flush");
// mask bit i holds cards[i]. Draws to a royal and to high cards name their penalty cards
// ("suited QT with a flush penalty"); a chart line without them fits whatever was thrown away.
std::string holdPattern(const Game& game, const std::array<int, 5>& cards, int mask);

struct ChartLine {
    std::string pattern;   // as holdPattern writes it; the chart is played by these texts
    long double share = 0; // the part of all deals this line decides
    long double value = 0; // the average pay per credit bet of the holds it makes
    long double loss = 0;  // what those deals give up against the best holds, per credit bet
};

struct StrategyChart {
    Game game;
    std::vector<ChartLine> lines; // best first; the last is "discard everything"
    long double chartReturn = 0;  // per credit bet, every deal played by the lines
    long double optimalReturn = 0;
    long double loss() const { return optimalReturn - chartReturn; }
};

// Works out the chart of a game from every deal (up to suit relabelling) and measures it.
StrategyChart strategyChart(const Game& game, int threads = 2);

// Plays every deal by the given lines, the first that fits deciding; fills the returns
// and the lines' figures. Lines no hold of the game ever makes are refused: the result is
// nullopt and `unknown`, when given, gets the first of them.
std::optional<StrategyChart> measureChart(const Game& game, const std::vector<std::string>& patterns,
                                          int threads = 2, std::string* unknown = nullptr);

// The hold the chart plays for one dealt hand: the first line that fits; where a line
// fits more than one way, the way with the higher cards (then the first such hold).
// −1 when no line fits; `line`, when given, gets the index of the line that decides.
int chartHold(const StrategyChart& chart, const std::array<int, 5>& cards, int* line = nullptr);

// The chart as a plain table and as a page of its own (for the game's window or a printer).
std::string chartText(const StrategyChart& chart);
// Words gives each English text of the page in the reader's language (the engine's
// source texts; "%1" and the like stand for the figures); by default the page is English.
using ChartWords = std::function<std::string(const char* source)>;
std::string chartHtml(const StrategyChart& chart, const ChartWords& words = {});
// The patterns of a table chartText wrote, best first.
std::vector<std::string> patternsFromChartText(std::string_view text);

} // namespace tarvelle
