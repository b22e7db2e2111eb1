#pragma once

// A folder of the fuzz run's own, removed at exit. In memory where there is a tmpfs: every
// save syncs, and a disk would slow each run.
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace tarvelle::fuzzing {

inline const std::string& scratchFolder()
{
    static const std::string dir = [] {
        std::string tmpl =
            std::string(::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") + "/tarvelle-fuzz-XXXXXX";
        if (!::mkdtemp(tmpl.data()))
            std::abort();
        return tmpl + "/";
    }();
    static const bool cleanup = [] { return std::atexit([] { std::filesystem::remove_all(dir); }) == 0; }();
    (void)cleanup;
    return dir;
}

} // namespace tarvelle::fuzzing
