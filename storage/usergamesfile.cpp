#include "storage/usergamesfile.h"

#include "storage/datadirs.h"

#include <cerrno>

#include <sys/stat.h>

namespace tarvelle {

namespace {

bool save(const std::string& path, const std::string& text, int* ioCode)
{
    return replaceFileAtomically(path, reinterpret_cast<const uint8_t*>(text.data()), text.size(), ioCode);
}

} // namespace

UserGamesFile loadUserGamesFile(const std::string& path)
{
    UserGamesFile out;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        out.state = errno == ENOENT ? LoadState::Missing : LoadState::Unreadable;
        return out;
    }
    // Looked at first so the caller, not the reader, says what stands there.
    if (!S_ISREG(st.st_mode)) {
        out.state = LoadState::NotRegular;
        return out;
    }
    if (!readRegularFile(path, out.text, MaxUserGamesFileSize)) {
        out.text.clear();
        out.state = LoadState::Unreadable;
        return out;
    }
    out.games = parseUserGames(out.text);
    out.state = out.games.refused > 0 ? LoadState::Damaged : LoadState::Loaded;
    return out;
}

bool saveUserGamesFile(const std::string& path, const std::vector<Game>& games, const UserGamesFile& loaded,
                       std::string* keptAs, int* ioCode)
{
    const auto slash = path.find_last_of('/');
    if (slash != std::string::npos && slash > 0)
        ensureFolder(path.substr(0, slash));
    if (loaded.state == LoadState::Damaged) {
        const std::string kept = path + ".damaged";
        if (!save(kept, loaded.text, ioCode))
            return false;
        if (keptAs)
            *keptAs = kept;
    }
    return save(path, formatUserGames(games), ioCode);
}

} // namespace tarvelle
