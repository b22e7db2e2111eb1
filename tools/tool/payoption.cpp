#include "tools/tool/payoption.h"

#include "storage/datadirs.h"
#include "storage/usergamesfile.h"
#include "tools/tool/command.h"

#include <cstdlib>
#include <filesystem>
#include <iostream>

namespace tarvelle::tool {

PayList paytableOption(const std::string& text)
{
    const auto parsed = parsePayList(text);
    if (!parsed)
        throw UsageError("pay table '" + excerpt(text) + "' must be 11 comma-separated whole numbers 0.." +
                         std::to_string(MaxPayMultiplier));
    return *parsed;
}

bool GameChoice::take(OptionCursor& opts)
{
    if (opts.is("--joker")) {
        joker = true;
    } else if (opts.is("--game")) {
        name = opts.value();
    } else if (opts.is("--paytable")) {
        paytable = opts.value();
        hasPaytable = true;
    } else if (opts.is("--games")) {
        gamesFile = opts.value();
    } else if (opts.is("--data-dir")) {
        dataDir = opts.value();
    } else {
        return false;
    }
    return true;
}

Game GameChoice::game() const
{
    std::string id = name.empty() ? std::string("tarvelle") : name;
    if (joker) {
        if (id != "tarvelle")
            throw UsageError("--joker goes with the table's own game only (try --game tarvelle-joker)");
        id = "tarvelle-joker";
    }
    // The player's file is read only for a name the catalogue lacks.
    const Game* base = findGame(id);
    std::vector<Game> own;
    if (!base) {
        own = userGames();
        for (const Game& g : own) {
            if (g.id == id)
                base = &g;
        }
    }
    if (!base)
        throw UsageError("unknown game '" + excerpt(id) + "' (see tarvelle-tool games)");
    if (!hasPaytable)
        return *base;
    const auto edited = editedGame(*base, paytable);
    if (!edited)
        throw UsageError("pay table '" + excerpt(paytable) + "' must be " +
                         std::to_string(base->classCount - 1) + " comma-separated whole numbers 0.." +
                         std::to_string(MaxGamePay) + ", lowest class first");
    return *edited;
}

namespace {

std::string getEnv(const char* name)
{
    const char* v = std::getenv(name);
    return v ? v : "";
}

} // namespace

void warn(std::string line)
{
    for (char& c : line) {
        if (static_cast<unsigned char>(c) < 0x20)
            c = '?';
    }
    std::cerr << "tarvelle-tool: " << line << '\n';
}

void reportRefusedLines(const std::string& path, const UserGames& games)
{
    for (const std::string& why : games.problems)
        warn(path + ", " + why);
    const int more = games.refused - int(games.problems.size());
    if (more > 0)
        warn(path + ": " + std::to_string(more) + " more lines refused");
}

std::string GameChoice::gamesPath() const
{
    if (!gamesFile.empty())
        return gamesFile;
    // The folder the game itself keeps poker.dat in, found the same way from beside it.
    namespace fs = std::filesystem;
    std::error_code ec;
    DataDirInputs in;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    in.programDir = ec ? fs::current_path(ec).string() : self.parent_path().string();
    in.overrideDir = dataDir.empty() ? std::string() : fs::absolute(dataDir, ec).string();
    in.xdgDataHome = getEnv("XDG_DATA_HOME");
    in.home = getEnv("HOME");
    return filePathIn(resolveDataDirs(in).saveDir, UserGamesFileName);
}

std::vector<Game> GameChoice::userGames() const
{
    if (m_userGames)
        return *m_userGames;
    const std::string path = gamesPath();
    const UserGamesFile file = loadUserGamesFile(path);
    const bool given = !gamesFile.empty();
    switch (file.state) {
    case LoadState::Missing:
        if (given)
            throw UsageError("cannot read the games file '" + excerpt(path) + "'");
        break;
    case LoadState::NotRegular:
    case LoadState::Unreadable:
        if (given)
            throw UsageError("cannot read the games file '" + excerpt(path) +
                             "' (not a text file of at most " + std::to_string(MaxUserGamesFileSize) +
                             " bytes)");
        warn(path + " cannot be read (not a text file of at most " + std::to_string(MaxUserGamesFileSize) +
             " bytes); it is left alone and only the catalogue's games are known");
        break;
    case LoadState::Damaged:
    case LoadState::Loaded:
        reportRefusedLines(path, file.games);
        break;
    }
    m_userGames = file.games.games;
    return *m_userGames;
}

} // namespace tarvelle::tool
