// games.txt as it may be found, hand-edited or damaged: whatever it holds loads without
// harm, every game kept is a whole game of its catalogue family with pays in range, and a
// save keeps the old bytes aside when lines were refused and reads back as it was written.
#include "fuzz/scratchfolder.h"
#include "storage/usergamesfile.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

using namespace tarvelle;

namespace {

const std::string& folder()
{
    return fuzzing::scratchFolder();
}

std::string contents(const std::string& path)
{
    std::ifstream f(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

void check(bool ok)
{
    if (!ok)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string path = folder() + UserGamesFileName;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::filesystem::remove(path + ".damaged");
    {
        std::ofstream f(path, std::ios::binary | std::ios::trunc);
        f << bytes;
    }
    const UserGamesFile loaded = loadUserGamesFile(path);
    if (size > MaxUserGamesFileSize) {
        check(loaded.state == LoadState::Unreadable && loaded.games.games.empty());
        return 0;
    }
    const UserGames& u = loaded.games;
    check(loaded.state == (u.refused > 0 ? LoadState::Damaged : LoadState::Loaded));
    check(u.refused >= int(u.problems.size()) && u.games.size() <= size_t(MaxUserGames));
    for (const Game& g : u.games) {
        const Game* family = findGame(g.family);
        check(family && !findGame(g.id) && g.family == family->id);
        check(g.wild == family->wild && g.classCount == family->classCount && g.keys == family->keys);
        for (int c = 1; c < g.classCount; ++c)
            check(g.pay[size_t(c)] >= 0 && g.pay[size_t(c)] <= MaxGamePay);
        check(g.pay[0] == 0);
    }

    std::string kept;
    check(saveUserGamesFile(path, u.games, loaded, &kept));
    check(kept.empty() == (loaded.state != LoadState::Damaged));
    if (!kept.empty())
        check(contents(kept) == bytes);
    const UserGamesFile back = loadUserGamesFile(path);
    check(back.state == LoadState::Loaded && back.games.games.size() == u.games.size());
    for (size_t i = 0; i < u.games.size(); ++i)
        check(back.games.games[i].id == u.games[i].id && back.games.games[i].pay == u.games[i].pay);
    return 0;
}
