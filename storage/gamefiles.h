#pragma once

#include "engine/settings.h"

#include <array>
#include <cstdint>
#include <string>

namespace tarvelle {

// poker.ini holds the fourteen settings, poker.dat the counters, money and account totals.
// dir: the folder holding poker.ini / poker.dat, with or without a trailing separator.
// Reads never fail loudly: they fall back to the defaults. Writes replace the old file
// atomically, so a failed save leaves the previous good file in place. ioCode, when given,
// receives the result of the last file operation (0 on success, an errno value otherwise).

// loadini / saveini: the settings from and to poker.ini. saveini is false on failure, silent.
void loadini(Settings& s, const std::string& dir, int* ioCode = nullptr);
bool saveini(const Settings& s, const std::string& dir, int* ioCode = nullptr);
// How a load went: a damaged poker.dat is to be kept and reported, a missing one is a first
// start. NotRegular: a FIFO, a device or a folder stands there; it is left alone.
enum class LoadState { Loaded, Missing, Damaged, NotRegular, Unreadable };
// ldct / svct ("load counters" / "save counters"): the statistics and money from and to poker.dat.
void ldct(Counters& c, const std::string& dir, int* ioCode = nullptr, LoadState* state = nullptr);
bool svct(const Counters& c, const std::string& dir, int* ioCode = nullptr);
void ResetCounters(Counters& c);

// Keeps a damaged file beside it as name.damaged (moved there; a linked one is copied and
// left for the next save to go through). Returns the kept file's path, empty on failure.
std::string keepDamagedFile(const std::string& dir, const char* name);
// Reads a whole regular file (a link to one will do) of at most maxBytes; a FIFO or a device
// is refused at once, never waited on. False when missing, unreadable, odd or too long.
bool readRegularFile(const std::string& path, std::string& out, size_t maxBytes);

// The file `name` in dir (with or without a trailing separator).
std::string filePathIn(const std::string& dir, const char* name);
// Saves a whole file as the game's own files are saved: a failure keeps the old one.
bool replaceFileAtomically(const std::string& path, const uint8_t* data, size_t size, int* ioCode = nullptr);
// One game per data folder. The lock is an flock on the folder itself and on tarvelle.lock in
// it, so the system drops it when the process ends, however it ends: a crash leaves no stale
// lock behind, and removing tarvelle.lock lets no second copy in. While held, every save first
// checks that tarvelle.lock is still the file locked (same device and inode) and takes it
// again when it was removed or replaced; a save is refused once another holder has it.
class DataFolderLock {
public:
    enum class Result { Held, Busy, Unavailable };
    DataFolderLock() = default;
    ~DataFolderLock();
    DataFolderLock(const DataFolderLock&) = delete;
    DataFolderLock& operator=(const DataFolderLock&) = delete;

    // Busy: another run holds dir. Unavailable: the folder cannot be locked at all
    // (missing, unreadable); the game then plays on as before.
    Result acquire(const std::string& dir);
    void release();
    // Checks the lock's identity and mends it; false once the folder belongs to another holder.
    bool keep();

private:
    int m_fd = -1;    // tarvelle.lock
    int m_dirFd = -1; // the folder
    bool m_lost = false;
    std::string m_path;
};

// For a signal handler that ends the program (async-signal-safe): true when a save is under
// way, which then ends the program with status 0 as soon as its file is whole; false when
// nothing is being written and the caller may end at once.
bool exitAfterSaveUnderWay() noexcept;

// Removes the temporaries a save cut short left in dir (poker.dat.XXXXXX, poker.ini.XXXXXX,
// coach.cfg.XXXXXX, faces.cfg.XXXXXX, games.txt.XXXXXX, game.cfg.XXXXXX, hands.log.XXXXXX,
// game-<id>.dat.XXXXXX and nothing else); returns how many went. Only safe while holding the folder's lock.
int removeLeftoverTemporaries(const std::string& dir);

// Byte images, for tests and tools.
std::array<uint8_t, 14> settingsBytes(const Settings&);
std::array<uint8_t, 316> countersBytes(const Counters&);

} // namespace tarvelle
