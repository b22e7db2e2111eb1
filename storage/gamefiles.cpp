#include "storage/gamefiles.h"

#include "engine/money.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fcntl.h>
#include <string>
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

// Reads up to want bytes from the start of path; returns how many arrived, or -1 with errno set.
ssize_t readPrefix(const std::string& path, uint8_t* buf, size_t want, int& err)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        err = errno;
        return -1;
    }
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

// Writes the whole image to a fresh file beside path and renames it over path, so the old
// file survives any failure on the way. A file the player made read-only is left alone.
bool replaceFile(const std::string& path, const uint8_t* data, size_t size, int* ioCode)
{
    if (::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), W_OK) != 0) {
        setCode(ioCode, errno);
        return false;
    }
    std::string tmpl = path + ".XXXXXX";
    const int fd = ::mkstemp(tmpl.data());
    if (fd < 0) {
        setCode(ioCode, errno);
        return false;
    }
    int err = 0;
    // The new file keeps the old one's permissions; a first save gets the usual 0644.
    struct stat old {};
    ::fchmod(fd, ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644);
    size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, data + done, size - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            err = errno;
            break;
        }
        if (n == 0) {
            err = EIO;
            break;
        }
        done += size_t(n);
    }
    if (!err && ::fsync(fd) != 0)
        err = errno;
    if (::close(fd) != 0 && !err)
        err = errno;
    if (!err && ::rename(tmpl.c_str(), path.c_str()) != 0)
        err = errno;
    if (err) {
        ::unlink(tmpl.c_str());
        setCode(ioCode, err);
        return false;
    }
    // Make the rename itself durable; a failure here loses nothing already written.
    const int dfd = ::open(parentOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    setCode(ioCode, 0);
    return true;
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

bool replaceFileAtomically(const std::string& path, const uint8_t* data, size_t size, int* ioCode)
{
    return replaceFile(path, data, size, ioCode);
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
    return replaceFile(joinPath(dir, "poker.ini"), b.data(), b.size(), ioCode);
}

void ResetCounters(Counters& c)
{
    c = Counters{};
}

void ldct(Counters& c, const std::string& dir, int* ioCode)
{
    uint8_t b[kCountersSize];
    int err = 0;
    const ssize_t got = readPrefix(joinPath(dir, "poker.dat"), b, kCountersSize, err);
    if (got != ssize_t(kCountersSize)) {
        ResetCounters(c);
        setCode(ioCode, err ? err : EIO);
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
        return;
    }
    saneMoney(in);
    c = in;
}

bool svct(const Counters& c, const std::string& dir, int* ioCode)
{
    makeFolder(dir);
    const auto b = countersBytes(c);
    return replaceFile(joinPath(dir, "poker.dat"), b.data(), b.size(), ioCode);
}

} // namespace tarvelle
