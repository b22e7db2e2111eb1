#include "storage/drillfile.h"

#include "storage/gamefiles.h"

#include <algorithm>
#include <sstream>

namespace tarvelle {

namespace {

constexpr size_t kMaxBytes = kMaxDrillHands * 80;

struct Line {
    std::string game;
    DrillHand hand;
};

bool parseLine(const std::string& text, Line& out)
{
    std::istringstream in(text);
    int logged = 0, sibling = 0;
    if (!(in >> out.game))
        return false;
    for (int& c : out.hand.cards)
        if (!(in >> c) || c < 0 || c > 52)
            return false;
    if (!(in >> out.hand.streak >> logged >> sibling) || out.hand.streak < 0 || out.hand.streak > Drill::RetireStreak
        || (logged | sibling) & ~1)
        return false;
    std::string rest;
    if (in >> rest)
        return false;
    std::array<int, 5> sorted = out.hand.cards;
    std::sort(sorted.begin(), sorted.end());
    if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end())
        return false;
    out.hand.logged = logged != 0;
    out.hand.sibling = sibling != 0;
    return true;
}

std::vector<Line> loadAll(const std::string& dir)
{
    std::vector<Line> out;
    std::string text;
    if (!readRegularFile(filePathIn(dir, kDrillFile), text, kMaxBytes))
        return out;
    std::istringstream lines(text);
    std::string line;
    Line l;
    while (std::getline(lines, line))
        if (parseLine(line, l))
            out.push_back(l);
    return out;
}

} // namespace

std::vector<DrillHand> loadDrillHands(const std::string& dir, std::string_view game)
{
    std::vector<DrillHand> out;
    for (const Line& l : loadAll(dir))
        if (l.game == game)
            out.push_back(l.hand);
    return out;
}

bool saveDrillHands(const std::string& dir, std::string_view game, const std::vector<DrillHand>& hands)
{
    if (game.empty() || game.find_first_of(" \t\n") != std::string_view::npos)
        return false;
    std::vector<Line> all = loadAll(dir);
    std::erase_if(all, [&](const Line& l) { return l.game == game; });
    for (const DrillHand& h : hands)
        all.push_back({std::string(game), h});
    // Past the bound the oldest lines go first: other games' before this one's.
    if (all.size() > kMaxDrillHands)
        all.erase(all.begin(), all.begin() + std::ptrdiff_t(all.size() - kMaxDrillHands));
    std::ostringstream out;
    for (const Line& l : all) {
        out << l.game;
        for (int c : l.hand.cards)
            out << ' ' << c;
        out << ' ' << l.hand.streak << ' ' << int(l.hand.logged) << ' ' << int(l.hand.sibling) << '\n';
    }
    const std::string text = out.str();
    return replaceFileAtomically(filePathIn(dir, kDrillFile), reinterpret_cast<const uint8_t*>(text.data()),
                                 text.size());
}

std::vector<DrillHand> drillHands(const std::vector<HandRecord>& history, std::string_view game,
                                  const std::vector<DrillHand>& kept, size_t most)
{
    std::vector<DrillHand> out;
    const auto find = [](const std::vector<DrillHand>& in, const std::array<int, 5>& cards) {
        return std::find_if(in.begin(), in.end(), [&](const DrillHand& h) { return h.cards == cards; });
    };
    size_t open = 0;
    for (const HandRecord& r : mistakes(history, game)) {
        if (open == most)
            break;
        if (find(out, r.dealt) != out.end())
            continue;
        DrillHand h;
        h.cards = r.dealt;
        if (const auto k = find(kept, r.dealt); k != kept.end())
            h = *k;
        h.logged = true;
        out.push_back(h);
        if (h.streak < Drill::RetireStreak)
            ++open;
    }
    for (const DrillHand& k : kept)
        if (!k.logged && find(out, k.cards) == out.end())
            out.push_back(k);
    return out;
}

} // namespace tarvelle
