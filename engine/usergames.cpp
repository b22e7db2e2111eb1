#include "engine/usergames.h"

#include <algorithm>

namespace tarvelle {

namespace {

// What is quoted of a bad line: printable and short.
std::string quoted(std::string_view s)
{
    std::string out;
    for (char c : s.substr(0, 32))
        out += (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7E) ? '?' : c;
    return "'" + out + (s.size() > 32 ? "...'" : "'");
}

bool goodName(std::string_view name)
{
    return !name.empty() && name.size() <= size_t(MaxUserGameName) &&
           std::all_of(name.begin(), name.end(),
                       [](char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-'; });
}

std::vector<std::string_view> words(std::string_view line)
{
    std::vector<std::string_view> out;
    size_t at = 0;
    while (out.size() < 4) {
        at = line.find_first_not_of(" \t\r", at);
        if (at == std::string_view::npos)
            break;
        const size_t end = std::min(line.find_first_of(" \t\r", at), line.size());
        out.push_back(line.substr(at, end - at));
        at = end;
    }
    return out;
}

} // namespace

UserGames parseUserGames(std::string_view text)
{
    UserGames out;
    int lineNo = 0;
    auto refuse = [&](std::string what) {
        ++out.refused;
        if (out.problems.size() < 20)
            out.problems.push_back("line " + std::to_string(lineNo) + ": " + what);
    };
    size_t at = 0;
    while (at < text.size()) {
        const size_t end = std::min(text.find('\n', at), text.size());
        const std::string_view line = text.substr(at, end - at);
        at = end + 1;
        ++lineNo;
        const std::vector<std::string_view> w = words(line);
        if (w.empty() || w[0][0] == '#')
            continue;
        if (w.size() != 3) {
            refuse("not NAME FAMILY PAYS: " + quoted(line));
            continue;
        }
        if (!goodName(w[0]) || findGame(w[0])) {
            refuse("the name " + quoted(w[0]) + " is not free (a-z, 0-9 and -, at most 40, not a catalogue game)");
            continue;
        }
        if (std::any_of(out.games.begin(), out.games.end(), [&](const Game& g) { return g.id == w[0]; })) {
            refuse("the name " + quoted(w[0]) + " is already used");
            continue;
        }
        const Game* family = findGame(w[1]);
        if (!family) {
            refuse("unknown game " + quoted(w[1]));
            continue;
        }
        std::optional<Game> g = editedGame(*family, w[2]);
        if (!g) {
            refuse(quoted(w[2]) + " is not " + std::to_string(family->classCount - 1) + " pays 0.." +
                   std::to_string(MaxGamePay) + " for " + family->id);
            continue;
        }
        if (out.games.size() >= size_t(MaxUserGames)) {
            refuse("more than " + std::to_string(MaxUserGames) + " games");
            break;
        }
        g->id = std::string(w[0]);
        g->family = family->id;
        out.games.push_back(*g);
    }
    return out;
}

std::string formatUserGames(const std::vector<Game>& games)
{
    std::string out = "# Tarvelle games of your own: NAME FAMILY PAYS (lowest class first)\n";
    for (const Game& g : games) {
        out += g.id + ' ' + g.family + ' ';
        for (int c = 1; c < g.classCount; ++c) {
            if (c > 1)
                out += ',';
            out += std::to_string(g.pay[std::size_t(c)]);
        }
        out += '\n';
    }
    return out;
}

std::string addUserGame(std::vector<Game>& games, std::string_view name, std::string_view family,
                        std::string_view pays)
{
    // One word each, or the line would read as something else.
    for (std::string_view w : {name, family, pays}) {
        if (w.empty() || w.front() == '#' ||
            std::any_of(w.begin(), w.end(), [](char c) { return static_cast<unsigned char>(c) <= ' '; }))
            return quoted(w) + " is not one word";
    }
    const std::string line = std::string(name) + ' ' + std::string(family) + ' ' + std::string(pays) + '\n';
    UserGames u = parseUserGames(formatUserGames(games) + line);
    if (!u.problems.empty() || u.games.size() != games.size() + 1) {
        const std::string why = u.problems.empty() ? "refused" : u.problems.front();
        return why.substr(why.find(": ") == std::string::npos ? 0 : why.find(": ") + 2);
    }
    games.push_back(u.games.back());
    return {};
}

std::string removeUserGame(std::vector<Game>& games, std::string_view name)
{
    if (findGame(name))
        return quoted(name) + " is a catalogue game; only games of your own can be removed";
    const auto it = std::find_if(games.begin(), games.end(), [&](const Game& g) { return g.id == name; });
    if (it == games.end())
        return "no game of your own is called " + quoted(name);
    games.erase(it);
    return {};
}

} // namespace tarvelle
