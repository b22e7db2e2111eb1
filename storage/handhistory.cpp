#include "storage/handhistory.h"

#include "storage/gamefiles.h"

#include "engine/cardtext.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <map>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvelle {

namespace {

constexpr std::string_view kTag = "h1";
constexpr std::string_view kTotalsTag = "t1";
// Reads stop here: a file this long was never written by the game.
constexpr size_t kReadLimit = size_t(64) << 20;

uint32_t checkSum(std::string_view s)
{
    uint32_t h = 2166136261u; // FNV-1a
    for (const char c : s) {
        h ^= uint8_t(c);
        h *= 16777619u;
    }
    return h;
}

std::string withSum(std::string s)
{
    char sum[12];
    std::snprintf(sum, sizeof sum, " %08x", unsigned(checkSum(s)));
    return s + sum + '\n';
}

// The last field is the check sum of the rest, in eight lower-case hex digits.
bool sumRight(std::string_view line, std::string_view last)
{
    if (last.size() != 8 || line.size() < 9 || !std::all_of(last.begin(), last.end(), [](char c) {
            return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
        }))
        return false;
    uint32_t sum = 0;
    const auto [end, ec] = std::from_chars(last.data(), last.data() + 8, sum, 16);
    return ec == std::errc() && end == last.data() + 8 && sum == checkSum(line.substr(0, line.size() - 9));
}

int64_t plus(int64_t a, int64_t b)
{
    int64_t c;
    return __builtin_add_overflow(a, b, &c) ? INT64_MAX : c;
}

void add(HandTotals& t, const HandTotals& more)
{
    t.hands = plus(t.hands, more.hands);
    t.mistakes = plus(t.mistakes, more.mistakes);
    t.lost = plus(t.lost, more.lost);
}

void add(HandTotals& t, const HandRecord& r)
{
    if (r.autoplay)
        return;
    t.hands = plus(t.hands, 1);
    if (r.mistake()) {
        t.mistakes = plus(t.mistakes, 1);
        t.lost = plus(t.lost, r.cost * r.bet);
    }
}

bool idChar(char c)
{
    return c > ' ' && c < 127;
}

std::vector<std::string_view> fields(std::string_view line)
{
    std::vector<std::string_view> out;
    size_t at = 0;
    while (out.size() < 12) {
        const size_t space = line.find(' ', at);
        const size_t end = space == std::string_view::npos ? line.size() : space;
        out.push_back(line.substr(at, end - at));
        if (space == std::string_view::npos)
            break;
        at = space + 1;
    }
    return out;
}

// A whole decimal number without sign, leading zeros or anything around it.
template <class T> bool number(std::string_view s, T& v, T max)
{
    if (s.empty() || s.size() > 19 || (s.size() > 1 && s[0] == '0'))
        return false;
    if (!std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    return ec == std::errc() && end == s.data() + s.size() && v <= max;
}

std::string costText(int64_t millionths)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%lld.%06lld", (long long)(millionths / 1000000),
                  (long long)(millionths % 1000000));
    return buf;
}

bool parseCost(std::string_view s, int64_t& v)
{
    const auto dot = s.find('.');
    if (dot == std::string_view::npos || s.size() - dot - 1 != 6)
        return false;
    int64_t whole = 0, part = 0;
    const std::string_view frac = s.substr(dot + 1);
    if (!number(s.substr(0, dot), whole, int64_t(10000)) ||
        !std::all_of(frac.begin(), frac.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    std::from_chars(frac.data(), frac.data() + frac.size(), part);
    v = whole * 1000000 + part;
    return true;
}

bool cardsValid(const std::array<int, 5>& cards)
{
    for (size_t i = 0; i < 5; ++i) {
        if (cards[i] < 0 || cards[i] > 52)
            return false;
        for (size_t j = 0; j < i; ++j)
            if (cards[j] == cards[i])
                return false;
    }
    return true;
}

bool recordValid(const HandRecord& r)
{
    return r.time >= 0 && !r.game.empty() && r.game.size() <= 64 &&
           std::all_of(r.game.begin(), r.game.end(), idChar) && cardsValid(r.dealt) && r.hold >= 0 &&
           r.hold < 32 && r.best >= 0 && r.best < 32 && r.cost >= 0 && r.cost <= 10000000000LL &&
           (r.hold != r.best || r.cost == 0) && r.bet >= 1 && r.bet <= 100000 && r.won >= 0 &&
           r.won <= 1000000000000LL;
}

// Opens the history for appending; a FIFO or a device is never written to nor waited on.
int openForAppend(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0644);
    struct stat st {};
    if (fd >= 0 && (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// The newest half of the file's whole lines, written over it atomically after the totals of
// the older ones. Totals and records go in the one file so no kill can count a hand twice or
// lose it.
void rollOver(const std::string& path, size_t limit)
{
    std::string text;
    if (!readRegularFile(path, text, kReadLimit))
        return;
    size_t from = text.size() > limit / 2 ? text.size() - limit / 2 : 0;
    if (from > 0) {
        const size_t nl = text.find('\n', from - 1);
        from = nl == std::string::npos ? text.size() : nl + 1;
    }
    std::map<std::string, HandTotals, std::less<>> sums;
    std::string kept;
    for (size_t at = 0; at < text.size();) {
        size_t nl = text.find('\n', at);
        nl = nl == std::string::npos ? text.size() : nl;
        const std::string_view line = std::string_view(text).substr(at, nl - at);
        if (const auto t = parseTotalsLine(line)) {
            HandTotals& sum = sums[t->game];
            sum.game = t->game;
            add(sum, *t);
        } else if (at >= from) {
            kept.append(line);
            if (nl < text.size())
                kept += '\n';
        } else if (const auto r = parseHandLine(line)) {
            HandTotals& sum = sums[r->game];
            sum.game = r->game;
            add(sum, *r);
        }
        at = nl + 1;
    }
    std::string out;
    for (const auto& [game, t] : sums)
        out += totalsLine(t);
    out += kept;
    replaceFileAtomically(path, reinterpret_cast<const uint8_t*>(out.data()), out.size());
}

} // namespace

std::string handLine(const HandRecord& r)
{
    if (!recordValid(r))
        return {};
    std::string s(kTag);
    s += ' ' + std::to_string(r.time) + ' ' + r.game + ' ';
    for (size_t i = 0; i < 5; ++i)
        s += (i ? "," : "") + cardShortName(r.dealt[i] + 1);
    s += ' ' + std::to_string(r.hold) + ' ' + std::to_string(r.best) + ' ' + costText(r.cost) + ' ' +
         std::to_string(r.bet) + ' ' + std::to_string(r.won) + ' ' + (r.autoplay ? 'a' : 'p');
    return withSum(std::move(s));
}

std::optional<HandRecord> parseHandLine(std::string_view line)
{
    const auto f = fields(line);
    if (f.size() != 11 || f[0] != kTag || !sumRight(line, f[10]))
        return std::nullopt;
    HandRecord r;
    r.game = std::string(f[2]);
    size_t k = 0, at = 0;
    for (; k < 5; ++k) {
        const size_t comma = f[3].find(',', at);
        if ((comma == std::string_view::npos) != (k == 4))
            return std::nullopt;
        const std::string_view c = f[3].substr(at, comma == std::string_view::npos ? f[3].npos : comma - at);
        const int code = cardCodeFromName(c);
        if (code == 0 || cardShortName(code) != c)
            return std::nullopt;
        r.dealt[k] = code - 1;
        at = comma + 1;
    }
    if (f[9].size() != 1 || (f[9][0] != 'a' && f[9][0] != 'p'))
        return std::nullopt;
    r.autoplay = f[9][0] == 'a';
    if (!number(f[1], r.time, INT64_MAX) || !number(f[4], r.hold, 31) || !number(f[5], r.best, 31) ||
        !parseCost(f[6], r.cost) || !number(f[7], r.bet, 100000) || !number(f[8], r.won, INT64_MAX))
        return std::nullopt;
    // Only a line exactly as the game writes it: no second spelling of the same record.
    if (handLine(r) != std::string(line) + '\n')
        return std::nullopt;
    return r;
}

std::string totalsLine(const HandTotals& t)
{
    if (t.game.empty() || t.game.size() > 64 || !std::all_of(t.game.begin(), t.game.end(), idChar) ||
        t.hands < 0 || t.mistakes < 0 || t.mistakes > t.hands || t.lost < 0)
        return {};
    return withSum(std::string(kTotalsTag) + ' ' + t.game + ' ' + std::to_string(t.hands) + ' ' +
                   std::to_string(t.mistakes) + ' ' + std::to_string(t.lost));
}

std::optional<HandTotals> parseTotalsLine(std::string_view line)
{
    const auto f = fields(line);
    if (f.size() != 6 || f[0] != kTotalsTag || !sumRight(line, f[5]))
        return std::nullopt;
    HandTotals t;
    t.game = std::string(f[1]);
    if (!number(f[2], t.hands, INT64_MAX) || !number(f[3], t.mistakes, INT64_MAX) ||
        !number(f[4], t.lost, INT64_MAX))
        return std::nullopt;
    if (totalsLine(t) != std::string(line) + '\n')
        return std::nullopt;
    return t;
}

bool appendHand(const std::string& dir, const HandRecord& r, size_t limit, bool* rolled)
{
    if (rolled)
        *rolled = false;
    std::string line = handLine(r);
    if (line.empty())
        return false;
    const std::string path = filePathIn(dir, kHandHistoryFile);
    const int fd = openForAppend(path);
    if (fd < 0)
        return false;
    struct stat st {};
    ::fstat(fd, &st);
    // A line torn by a kill stays a line of its own, refused alone, not glued to this one.
    char last = '\n';
    if (st.st_size > 0 && ::pread(fd, &last, 1, st.st_size - 1) != 1)
        last = '\n';
    if (last != '\n')
        line.insert(line.begin(), '\n');
    // No fsync: a killed game loses nothing written (the system has it); only a power cut
    // may cost the last hands, not worth a disk flush per hand in autoplay.
    ssize_t n;
    do
        n = ::write(fd, line.data(), line.size());
    while (n < 0 && errno == EINTR);
    ::close(fd);
    if (n != ssize_t(line.size()))
        return false;
    if (size_t(st.st_size) + line.size() > limit) {
        rollOver(path, limit);
        if (rolled)
            *rolled = true;
    }
    return true;
}

HandHistory loadHands(const std::string& dir)
{
    HandHistory h;
    std::string text;
    if (!readRegularFile(filePathIn(dir, kHandHistoryFile), text, kReadLimit))
        return h;
    size_t at = 0;
    while (at < text.size()) {
        const size_t nl = text.find('\n', at);
        if (nl == std::string::npos) { // torn: no end of line
            ++h.refused;
            break;
        }
        const std::string_view line = std::string_view(text).substr(at, nl - at);
        if (auto r = parseHandLine(line)) {
            h.records.push_back(std::move(*r));
        } else if (auto t = parseTotalsLine(line)) {
            const auto same = std::find_if(h.rolledOut.begin(), h.rolledOut.end(),
                                           [&](const HandTotals& o) { return o.game == t->game; });
            if (same != h.rolledOut.end())
                add(*same, *t);
            else
                h.rolledOut.push_back(std::move(*t));
        } else {
            ++h.refused;
        }
        at = nl + 1;
    }
    std::sort(h.rolledOut.begin(), h.rolledOut.end(),
              [](const HandTotals& a, const HandTotals& b) { return a.game < b.game; });
    return h;
}

SessionFigures allTimeFigures(const std::vector<HandRecord>& records, std::string_view game,
                              const std::vector<HandTotals>& rolledOut)
{
    SessionFigures f;
    for (const HandTotals& t : rolledOut)
        if (t.game == game) {
            f.hands = plus(f.hands, t.hands);
            f.mistakes = plus(f.mistakes, t.mistakes);
            f.creditsLost += (long double)t.lost / 1000000.0L;
        }
    for (const HandRecord& r : records) {
        if (r.autoplay || r.game != game)
            continue;
        ++f.hands;
        if (r.mistake()) {
            ++f.mistakes;
            f.creditsLost += r.creditsLost();
        }
    }
    return f;
}

std::vector<HandRecord> mistakes(const std::vector<HandRecord>& records, std::optional<std::string_view> game,
                                 MistakeOrder order)
{
    std::vector<HandRecord> out;
    // Newest first: later lines were written later, whatever the clock said.
    for (auto it = records.rbegin(); it != records.rend(); ++it)
        if (!it->autoplay && it->mistake() && (!game || it->game == *game))
            out.push_back(*it);
    if (order == MistakeOrder::Costliest)
        std::stable_sort(out.begin(), out.end(), [](const HandRecord& a, const HandRecord& b) {
            return a.cost * a.bet > b.cost * b.bet;
        });
    return out;
}

} // namespace tarvelle
