// poker.ini and poker.dat as they may be found: any bytes load without harm, and what was
// loaded saves and loads back unchanged.
#include "fuzz/scratchfolder.h"
#include "storage/gamefiles.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

using namespace tarvelle;

namespace {

const std::string& folder()
{
    return fuzzing::scratchFolder();
}

void put(const std::string& name, const uint8_t* data, size_t size)
{
    std::ofstream f(folder() + name, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(data), std::streamsize(size));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string& d = folder();
    put(FUZZ_FILE_NAME, data, size);
#ifdef FUZZ_COUNTERS
    Counters c;
    ldct(c, d);
    // Loaded money is playable money.
    if (c.Bet < 1 || c.Bet > 500 || c.Credit < 0 || c.Win != 0 || c.Bonus < 0 || c.Bonus > 99999)
        std::abort();
    if (!svct(c, d))
        std::abort();
    Counters back;
    ldct(back, d);
    if (countersBytes(back) != countersBytes(c))
        std::abort();
#else
    Settings s;
    loadini(s, d);
    if (!saveini(s, d))
        std::abort();
    Settings back;
    loadini(back, d);
    if (settingsBytes(back) != settingsBytes(s))
        std::abort();
#endif
    return 0;
}
