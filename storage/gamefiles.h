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

void loadini(Settings& s, const std::string& dir, int* ioCode = nullptr);
bool saveini(const Settings& s, const std::string& dir, int* ioCode = nullptr); // false on failure, silent
void ldct(Counters& c, const std::string& dir, int* ioCode = nullptr);
bool svct(const Counters& c, const std::string& dir, int* ioCode = nullptr);
void ResetCounters(Counters& c);

// The file `name` in dir (with or without a trailing separator).
std::string filePathIn(const std::string& dir, const char* name);
// Saves a whole file as the game's own files are saved: a failure keeps the old one.
bool replaceFileAtomically(const std::string& path, const uint8_t* data, size_t size, int* ioCode = nullptr);
// One game per data folder. The lock is an flock on tarvelle.lock in the folder (on the
// folder itself where that file cannot be made), so the system drops it when the process
// ends, however it ends: a crash leaves no stale lock behind.
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

private:
    int m_fd = -1;
};

// Removes the temporaries a save cut short left in dir (poker.dat.XXXXXX, poker.ini.XXXXXX,
// coach.cfg.XXXXXX and nothing else); returns how many went. Only safe while holding the folder's lock.
int removeLeftoverTemporaries(const std::string& dir);

// Byte images, for tests and tools.
std::array<uint8_t, 14> settingsBytes(const Settings&);
std::array<uint8_t, 316> countersBytes(const Counters&);

} // namespace tarvelle
