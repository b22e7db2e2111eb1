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
// Writes a whole file through a fresh file renamed over it: a failure keeps the old one.
bool replaceFileAtomically(const std::string& path, const uint8_t* data, size_t size, int* ioCode = nullptr);

// Byte images, for tests and tools.
std::array<uint8_t, 14> settingsBytes(const Settings&);
std::array<uint8_t, 316> countersBytes(const Counters&);

} // namespace tarvelle
