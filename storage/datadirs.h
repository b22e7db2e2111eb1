#pragma once

#include <functional>
#include <string>

namespace tarvelle {

// Where the game reads its data files (poker2.dat, the card backs, help.htm) and
// where it keeps the player's files (poker.ini, poker.dat). Both end with '/'.
struct DataDirs {
    std::string dataDir;
    std::string saveDir;
    enum class Layout { Portable, Installed, Override } layout = Layout::Portable;
};

struct DataDirInputs {
    std::string programDir;  // folder of the running program
    std::string overrideDir; // --data-dir, empty when not given
    std::string xdgDataHome; // $XDG_DATA_HOME, may be empty
    std::string home;        // $HOME
    // Probe for a folder the game may write in; replaceable in tests.
    std::function<bool(const std::string&)> isWritable;
};

// The portable layout (data beside a writable program folder) wins; otherwise the
// install's share/tarvelle holds the data and the player's files go to the user's
// data folder, so an installed game never loses its credit to a read-only folder.
DataDirs resolveDataDirs(const DataDirInputs& in);

// True when a file can be created in dir (tries it, rather than trusting modes:
// root passes every mode check, a read-only mount does not).
bool folderIsWritable(const std::string& dir);

// Creates dir and its parents; true when it exists afterwards.
bool ensureFolder(const std::string& dir);

} // namespace tarvelle
