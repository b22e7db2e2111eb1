#include "storage/datadirs.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include <unistd.h>

namespace fs = std::filesystem;

namespace tarvelle {

namespace {

std::string withSlash(std::string dir)
{
    if (dir.empty() || dir.back() != '/')
        dir += '/';
    return dir;
}

bool hasFile(const std::string& dir, const char* name)
{
    std::error_code ec;
    return fs::is_regular_file(fs::path(dir) / name, ec);
}

} // namespace

bool folderIsWritable(const std::string& dir)
{
    std::error_code ec;
    if (!fs::is_directory(dir, ec))
        return false;
    const std::string probe = withSlash(dir) + ".tarvelle-write-test-" + std::to_string(::getpid());
    {
        std::ofstream f(probe, std::ios::binary | std::ios::trunc);
        if (!f)
            return false;
        f.put('\0');
        if (!f.flush())
            return false;
    }
    fs::remove(probe, ec);
    return true;
}

bool ensureFolder(const std::string& dir)
{
    std::error_code ec;
    fs::create_directories(dir, ec);
    return fs::is_directory(dir, ec);
}

DataDirs resolveDataDirs(const DataDirInputs& in)
{
    DataDirs out;
    if (!in.overrideDir.empty()) {
        out.dataDir = out.saveDir = withSlash(in.overrideDir);
        out.layout = DataDirs::Layout::Override;
        return out;
    }
    const std::string programDir = withSlash(in.programDir);
    const auto writable = in.isWritable ? in.isWritable : folderIsWritable;
    if (hasFile(programDir, "poker2.dat") && writable(programDir)) {
        out.dataDir = out.saveDir = programDir;
        out.layout = DataDirs::Layout::Portable;
        return out;
    }
    // Installed: <prefix>/bin/tarvelle (or games/ under /usr) reads <prefix>/share/tarvelle/.
    const fs::path shareDir = fs::path(programDir).parent_path().parent_path() / "share" / "tarvelle";
    out.dataDir = withSlash(shareDir.lexically_normal().string());
    if (!hasFile(out.dataDir, "poker2.dat") && hasFile(programDir, "poker2.dat"))
        out.dataDir = programDir; // data beside a read-only program folder
    // A relative XDG_DATA_HOME is invalid and ignored, as the base-directory rules say.
    const bool xdgUsable = !in.xdgDataHome.empty() && in.xdgDataHome.front() == '/';
    const std::string base = xdgUsable ? in.xdgDataHome : withSlash(in.home) + ".local/share";
    out.saveDir = withSlash(withSlash(base) + "Tarvelle");
    out.layout = DataDirs::Layout::Installed;
    return out;
}

} // namespace tarvelle
