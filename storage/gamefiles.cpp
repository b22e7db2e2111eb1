#include "storage/gamefiles.h"

#include "engine/money.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <set>
#include <string>
#include <string_view>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvelle {

namespace {

constexpr size_t kSettingsSize = 14;
constexpr size_t kCountersSize = 316;

std::string joinPath(const std::string& dir, const char* name)
{
    if (dir.empty())
        return name;
    if (dir.back() == '/')
        return dir + name;
    return dir + '/' + name;
}

std::string parentOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

void setCode(int* ioCode, int code)
{
    if (ioCode)
        *ioCode = code;
}

// Something other than a plain file where a data file belongs: a FIFO would hang the open,
// a device would be read or replaced. Left alone, said once per path and run.
void reportNotRegular(const std::string& path)
{
    static std::set<std::string> reported;
    if (reported.insert(path).second)
        std::fprintf(stderr, "tarvelle: %s is not a regular file; it is left alone\n", path.c_str());
}

// Opens path for reading only when it is a regular file (a link to one will do), without
// ever blocking: a FIFO or a device is refused with EINVAL before and after the open.
int openRegular(const std::string& path, int& err)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        err = errno;
        return -1;
    }
    if (!S_ISREG(st.st_mode)) {
        reportNotRegular(path);
        err = EINVAL;
        return -1;
    }
    // O_NONBLOCK: swapped for a FIFO between the two looks, the open still returns.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        err = errno;
        return -1;
    }
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        reportNotRegular(path);
        ::close(fd);
        err = EINVAL;
        return -1;
    }
    return fd;
}

// Reads up to want bytes from the start of path; returns how many arrived, or -1 with errno set.
ssize_t readPrefix(const std::string& path, uint8_t* buf, size_t want, int& err)
{
    const int fd = openRegular(path, err);
    if (fd < 0)
        return -1;
    size_t got = 0;
    err = 0;
    while (got < want) {
        const ssize_t n = ::read(fd, buf + got, want - got);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            err = errno;
            break;
        }
        if (n == 0)
            break;
        got += size_t(n);
    }
    if (::close(fd) != 0 && err == 0)
        err = errno;
    return err ? -1 : ssize_t(got);
}

// Follows a chain of symbolic links to the file they name, so a linked poker.dat is
// saved where the link points rather than replaced by a plain file.
std::string followLinks(std::string path)
{
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return path;
        std::string target(size_t(st.st_size > 0 ? st.st_size : 256) + 1, '\0');
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
        if (n <= 0 || size_t(n) >= target.size())
            return path;
        target.resize(size_t(n));
        path = target.front() == '/' ? target : parentOf(path) + '/' + target;
    }
    return path;
}

// A save that cannot happen stays off the table, but one line per file and run says so.
void reportFailure(const std::string& path, int err)
{
    static std::set<std::string> reported;
    if (reported.insert(path).second)
        std::fprintf(stderr, "tarvelle: cannot save %s: %s\n", path.c_str(), std::strerror(err));
}

// Test hook: TARVELLE_CRASH_AT=step:n kills the process the n-th time a save reaches step
// (open, write, sync, rename), so tests can stop a save at its most delicate moments.
void crashPoint(const char* step)
{
    const char* v = std::getenv("TARVELLE_CRASH_AT");
    if (!v || !*v)
        return;
    const std::string armed(v);
    static long passes = 0;
    const size_t colon = armed.find(':');
    if (armed.compare(0, colon, step) != 0)
        return;
    if (++passes == std::atol(armed.c_str() + colon + 1))
        ::kill(::getpid(), SIGKILL);
}

int writeAllAt(int fd, const uint8_t* data, size_t size, size_t done = 0)
{
    while (done < size) {
        const ssize_t n = ::pwrite(fd, data + done, size - done, off_t(done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            return EIO;
        done += size_t(n);
    }
    return 0;
}

// A folder the player may not create files in, holding files the player may write (a shared
// install): the file is rewritten where it stands, every step checked. Not atomic like the
// rename, but the only save there is; silently saving nothing was worse.
int rewriteInPlace(const std::string& path, const uint8_t* data, size_t size)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return errno;
    int err = writeAllAt(fd, data, size);
    if (!err && ::ftruncate(fd, off_t(size)) != 0)
        err = errno;
    if (!err && ::fsync(fd) != 0)
        err = errno;
    if (::close(fd) != 0 && !err)
        err = errno;
    return err;
}

std::atomic<int> g_savesUnderWay{0};
volatile sig_atomic_t g_exitAfterSave = 0;

// A termination signal that came in during a save ends the program once the file is whole.
struct SaveUnderWay {
    SaveUnderWay() { ++g_savesUnderWay; }
    ~SaveUnderWay()
    {
        if (--g_savesUnderWay == 0 && g_exitAfterSave)
            ::_exit(0);
    }
};

// Writes the whole image to a fresh file beside path and renames it over path, so the old
// file survives any failure on the way. A file the player made read-only is left alone.
int replaceFile(const std::string& path, const uint8_t* data, size_t size)
{
    const SaveUnderWay underWay;
    struct stat old {};
    const bool exists = ::stat(path.c_str(), &old) == 0;
    // A device or a FIFO (or a link to one) is not ours to replace by a plain file.
    if (exists && !S_ISREG(old.st_mode))
        return EINVAL;
    // Root passes access(); the file's own write bits still say the player wants it kept.
    if (exists && ::access(path.c_str(), W_OK) != 0)
        return errno;
    if (exists && (old.st_mode & 0222) == 0)
        return EACCES;
    std::string tmpl = path + ".XXXXXX";
    const int fd = ::mkstemp(tmpl.data());
    if (fd < 0) {
        const int err = errno;
        if (exists && S_ISREG(old.st_mode) && err == EACCES)
            return rewriteInPlace(path, data, size);
        return err;
    }
    crashPoint("open");
    // The new file keeps the old one's permissions; a first save gets the usual 0644.
    ::fchmod(fd, exists ? (old.st_mode & 07777) : 0644);
    int err = writeAllAt(fd, data, size / 2);
    crashPoint("write");
    if (!err)
        err = writeAllAt(fd, data, size, size / 2);
    if (!err && ::fsync(fd) != 0)
        err = errno;
    crashPoint("sync");
    if (::close(fd) != 0 && !err)
        err = errno;
    if (!err && ::rename(tmpl.c_str(), path.c_str()) != 0)
        err = errno;
    if (err) {
        ::unlink(tmpl.c_str());
        return err;
    }
    crashPoint("rename");
    // Make the rename itself durable; a failure here loses nothing already written.
    const int dfd = ::open(parentOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    return 0;
}

DataFolderLock* g_heldLock = nullptr;

bool saveFile(const std::string& path, const uint8_t* data, size_t size, int* ioCode)
{
    // A copy that has lost its folder to another one must not save over that one's money.
    if (g_heldLock && !g_heldLock->keep()) {
        setCode(ioCode, EBUSY);
        reportFailure(path, EBUSY);
        return false;
    }
    const std::string target = followLinks(path);
    const int err = replaceFile(target, data, size);
    setCode(ioCode, err);
    struct stat st {};
    if (err == EINVAL && ::stat(target.c_str(), &st) == 0 && !S_ISREG(st.st_mode))
        reportNotRegular(target);
    else if (err)
        reportFailure(target, err);
    return err == 0;
}

void put32(uint8_t* p, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = uint8_t(v >> (8 * i));
}

void put64(uint8_t* p, uint64_t v)
{
    for (int i = 0; i < 8; ++i)
        p[i] = uint8_t(v >> (8 * i));
}

uint32_t get32(const uint8_t* p)
{
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v |= uint32_t(p[i]) << (8 * i);
    return v;
}

uint64_t get64(const uint8_t* p)
{
    uint64_t v = 0;
    for (int i = 0; i < 8; ++i)
        v |= uint64_t(p[i]) << (8 * i);
    return v;
}

uint32_t checkWord(int32_t win, int32_t credit, int32_t bet, int32_t bonus)
{
    return uint32_t(win) ^ uint32_t(credit) ^ uint32_t(bet) ^ uint32_t(bonus);
}

template <size_t N> const uint8_t* readArray(std::array<uint32_t, N>& a, const uint8_t* p)
{
    for (size_t k = 1; k < N; ++k, p += 4)
        a[k] = get32(p);
    return p;
}

template <size_t N> uint8_t* writeArray(const std::array<uint32_t, N>& a, uint8_t* p)
{
    for (size_t k = 1; k < N; ++k, p += 4)
        put32(p, a[k]);
    return p;
}

// Money left in an odd state by an old or hand-made file is put right before play.
void saneMoney(Counters& c)
{
    if (c.Bet > 500 || c.Bet < 1)
        c.Bet = 1;
    if (c.Bet >= 10 && c.Bet % 10 != 0)
        c.Bet = 1;
    if (c.Bonus < 0)
        c.Bonus = 0;
    if (c.Win < 0)
        c.Win = 0;
    if (c.Bonus > 99999) {
        c.Credit = addMoney(c.Credit, c.Bonus);
        c.Bonus = 0;
    }
    if (c.Win > 0) {
        c.Credit = addMoney(c.Credit, c.Win);
        c.Win = 0;
    }
    if (c.Credit < 0)
        c.Credit = 0;
}

// The user's data folder of an installed game appears with its first save.
void makeFolder(const std::string& dir)
{
    std::error_code ec;
    if (!dir.empty())
        std::filesystem::create_directories(dir, ec);
}

} // namespace

std::string filePathIn(const std::string& dir, const char* name)
{
    return joinPath(dir, name);
}

bool exitAfterSaveUnderWay() noexcept
{
    g_exitAfterSave = 1;
    return g_savesUnderWay.load() > 0;
}

bool replaceFileAtomically(const std::string& path, const uint8_t* data, size_t size, int* ioCode)
{
    return saveFile(path, data, size, ioCode);
}

namespace {

// 1 taken, 0 busy (another holder), -1 not possible here.
int tryLock(int fd)
{
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR)
            continue;
        return errno == EWOULDBLOCK ? 0 : -1;
    }
    return 1;
}

// The lock file, made when missing; never a FIFO or a device, and never a blocking open.
int openLockFile(const std::string& path)
{
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0644);
    if (fd < 0)
        fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    struct stat st {};
    if (fd >= 0 && (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))) {
        ::close(fd);
        fd = -1;
    }
    return fd;
}

} // namespace

DataFolderLock::~DataFolderLock()
{
    release();
}

void DataFolderLock::release()
{
    if (g_heldLock == this)
        g_heldLock = nullptr;
    for (int* fd : {&m_fd, &m_dirFd}) {
        if (*fd >= 0)
            ::close(*fd);
        *fd = -1;
    }
    m_lost = false;
}

// Two locks: the folder itself, which nobody deletes while it holds the player's files, and
// tarvelle.lock, which tools can see. A copy must take both to come in.
DataFolderLock::Result DataFolderLock::acquire(const std::string& dir)
{
    release();
    makeFolder(dir);
    m_path = joinPath(dir, "tarvelle.lock");
    int dfd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        const int got = tryLock(dfd);
        if (got <= 0) {
            ::close(dfd);
            dfd = -1;
            if (got == 0)
                return Result::Busy;
        }
    }
    int fd = openLockFile(m_path);
    if (fd >= 0) {
        const int got = tryLock(fd);
        if (got <= 0) {
            ::close(fd);
            fd = -1;
            if (got == 0) {
                if (dfd >= 0)
                    ::close(dfd);
                return Result::Busy;
            }
        }
    }
    if (fd < 0 && dfd < 0)
        return Result::Unavailable;
    m_fd = fd;
    m_dirFd = dfd;
    g_heldLock = this;
    return Result::Held;
}

bool DataFolderLock::keep()
{
    if (m_lost)
        return false;
    if (m_fd < 0 && m_dirFd < 0)
        return true;
    struct stat held {};
    struct stat now {};
    if (m_fd >= 0 && ::fstat(m_fd, &held) == 0 && ::lstat(m_path.c_str(), &now) == 0 &&
        held.st_dev == now.st_dev && held.st_ino == now.st_ino)
        return true;
    // tarvelle.lock was removed or replaced: take the one at its name again.
    const int fd = openLockFile(m_path);
    if (fd < 0)
        return m_dirFd >= 0; // the folder's own lock still keeps others out
    const int got = tryLock(fd);
    if (got == 0) {
        // Someone else holds the new one: this copy no longer owns the folder.
        ::close(fd);
        m_lost = true;
        std::fprintf(stderr, "tarvelle: another program took the lock of %s; this game saves no more\n",
                     m_path.c_str());
        return false;
    }
    if (got < 0) {
        ::close(fd);
        return m_dirFd >= 0;
    }
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = fd;
    return true;
}

int removeLeftoverTemporaries(const std::string& dir)
{
    DIR* d = ::opendir(dir.empty() ? "." : dir.c_str());
    if (!d)
        return 0;
    // mkstemp's suffix: six letters or digits.
    const auto suffix = [](std::string_view s) {
        return s.size() == 6 && std::all_of(s.begin(), s.end(), [](char c) {
                   return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
               });
    };
    const auto ours = [&suffix](std::string_view name) {
        for (const std::string_view file : {"poker.dat.", "poker.ini.", "coach.cfg.", "faces.cfg.",
                                            "games.txt.", "game.cfg.", "hands.log."}) {
            if (name.substr(0, file.size()) == file)
                return suffix(name.substr(file.size()));
        }
        // game-<id>.dat.XXXXXX, the id as casinoFileName takes it.
        constexpr std::string_view book = "game-", dat = ".dat.";
        if (name.size() < book.size() + 1 + dat.size() + 6 || name.substr(0, book.size()) != book)
            return false;
        const std::string_view id = name.substr(book.size(), name.size() - book.size() - dat.size() - 6);
        return name.substr(name.size() - 6 - dat.size(), dat.size()) == dat &&
               suffix(name.substr(name.size() - 6)) && std::all_of(id.begin(), id.end(), [](char c) {
                   return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
               });
    };
    int removed = 0;
    while (const dirent* e = ::readdir(d)) {
        if (!ours(e->d_name))
            continue;
        struct stat st {};
        if (::fstatat(::dirfd(d), e->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode) &&
            ::unlinkat(::dirfd(d), e->d_name, 0) == 0)
            ++removed;
    }
    ::closedir(d);
    return removed;
}

std::array<uint8_t, 14> settingsBytes(const Settings& s)
{
    return {s.Joker,          s.AutoHold,   s.DoubleGame,    s.AutoDouble, s.SoundFx,
            s.AutoBet,        s.SmartHold,  s.VoiceFx,       s.RedBlack,   s.HoldHighCard,
            s.HoldOpenInside, s.PayoutRate, s.PayoutControl, s.DeckNo};
}

std::array<uint8_t, 316> countersBytes(const Counters& c)
{
    std::array<uint8_t, 316> b{};
    uint8_t* p = b.data();
    p = writeArray(c.DealtCounts, p);
    p = writeArray(c.FinalCounts, p);
    p = writeArray(c.DealtCountsJoker, p);
    p = writeArray(c.FinalCountsJoker, p);
    p = writeArray(c.RbWon, p);
    p = writeArray(c.RbLost, p);
    p = writeArray(c.LhWon, p);
    p = writeArray(c.LhLost, p);
    put32(p, uint32_t(c.Win));
    put32(p + 4, uint32_t(c.Credit));
    put32(p + 8, uint32_t(c.Bet));
    put32(p + 12, uint32_t(c.Bonus));
    put64(p + 16, uint64_t(c.InsertedTotal));
    put64(p + 24, uint64_t(c.CashoutTotal));
    put64(p + 32, uint64_t(c.AccountRecord));
    put32(p + 40, checkWord(c.Win, c.Credit, c.Bet, c.Bonus));
    return b;
}

void loadini(Settings& s, const std::string& dir, int* ioCode)
{
    uint8_t b[kSettingsSize];
    int err = 0;
    const ssize_t got = readPrefix(joinPath(dir, "poker.ini"), b, kSettingsSize, err);
    if (got != ssize_t(kSettingsSize)) {
        // A short file counts as a failed read: every setting takes its default.
        s = Settings{};
        setCode(ioCode, err ? err : EIO);
        return;
    }
    s.Joker = b[0];
    s.AutoHold = b[1];
    s.DoubleGame = b[2];
    s.AutoDouble = b[3];
    s.SoundFx = b[4];
    s.AutoBet = b[5];
    s.SmartHold = b[6];
    s.VoiceFx = b[7];
    s.RedBlack = b[8];
    s.HoldHighCard = b[9];
    s.HoldOpenInside = b[10];
    s.PayoutRate = b[11];
    s.PayoutControl = b[12];
    s.DeckNo = b[13];
    setCode(ioCode, 0);
}

bool saveini(const Settings& s, const std::string& dir, int* ioCode)
{
    makeFolder(dir);
    const auto b = settingsBytes(s);
    return saveFile(joinPath(dir, "poker.ini"), b.data(), b.size(), ioCode);
}

void ResetCounters(Counters& c)
{
    c = Counters{};
}

void ldct(Counters& c, const std::string& dir, int* ioCode, LoadState* state)
{
    uint8_t b[kCountersSize];
    int err = 0;
    const ssize_t got = readPrefix(joinPath(dir, "poker.dat"), b, kCountersSize, err);
    const auto tell = [state](LoadState s) {
        if (state)
            *state = s;
    };
    if (got != ssize_t(kCountersSize)) {
        ResetCounters(c);
        setCode(ioCode, err ? err : EIO);
        // A short file is a cut or damaged record; a missing one is a first start.
        if (got >= 0)
            tell(LoadState::Damaged);
        else
            tell(err == ENOENT   ? LoadState::Missing
                 : err == EINVAL ? LoadState::NotRegular
                                 : LoadState::Unreadable);
        return;
    }
    setCode(ioCode, 0);
    Counters in;
    const uint8_t* p = b;
    p = readArray(in.DealtCounts, p);
    p = readArray(in.FinalCounts, p);
    p = readArray(in.DealtCountsJoker, p);
    p = readArray(in.FinalCountsJoker, p);
    p = readArray(in.RbWon, p);
    p = readArray(in.RbLost, p);
    p = readArray(in.LhWon, p);
    p = readArray(in.LhLost, p);
    in.Win = int32_t(get32(p));
    in.Credit = int32_t(get32(p + 4));
    in.Bet = int32_t(get32(p + 8));
    in.Bonus = int32_t(get32(p + 12));
    in.InsertedTotal = int64_t(get64(p + 16));
    in.CashoutTotal = int64_t(get64(p + 24));
    in.AccountRecord = int64_t(get64(p + 32));
    // A record whose money does not match its check word was edited: trust none of it.
    if (get32(p + 40) != checkWord(in.Win, in.Credit, in.Bet, in.Bonus)) {
        ResetCounters(c);
        tell(LoadState::Damaged);
        return;
    }
    saneMoney(in);
    c = in;
    tell(LoadState::Loaded);
}

std::string keepDamagedFile(const std::string& dir, const char* name)
{
    const std::string path = joinPath(dir, name);
    const std::string kept = path + ".damaged";
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0)
        return {};
    if (S_ISREG(st.st_mode))
        return ::rename(path.c_str(), kept.c_str()) == 0 ? kept : std::string();
    // A link: the next save goes on through it; a copy of what it holds stays beside it.
    std::string bytes;
    if (!readRegularFile(path, bytes, size_t(1) << 20))
        return {};
    return replaceFile(kept, reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()) == 0
               ? kept
               : std::string();
}

bool readRegularFile(const std::string& path, std::string& out, size_t maxBytes)
{
    int err = 0;
    const int fd = openRegular(path, err);
    if (fd < 0)
        return false;
    out.assign(maxBytes + 1, '\0');
    size_t got = 0;
    bool ok = true;
    while (got < out.size()) {
        const ssize_t n = ::read(fd, out.data() + got, out.size() - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            ok = false;
        if (n <= 0)
            break;
        got += size_t(n);
    }
    ::close(fd);
    out.resize(got);
    return ok && got <= maxBytes;
}

bool svct(const Counters& c, const std::string& dir, int* ioCode)
{
    makeFolder(dir);
    const auto b = countersBytes(c);
    return saveFile(joinPath(dir, "poker.dat"), b.data(), b.size(), ioCode);
}

} // namespace tarvelle
