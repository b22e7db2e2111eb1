#include "storage/casinofile.h"

#include "storage/datadirs.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <limits>
#include <set>
#include <utility>
#include <vector>

#include <sys/stat.h>

namespace tarvelle {

namespace {

constexpr size_t kMaxIdLength = 64;
constexpr size_t kMaxChoiceSize = 256;

using Guesses = std::array<uint32_t, 6> Counters::*;
using Total = int64_t Counters::*;
constexpr std::array<std::pair<std::string_view, Guesses>, 4> kGuesses{{
    {"rb-won", &Counters::RbWon},
    {"rb-lost", &Counters::RbLost},
    {"lh-won", &Counters::LhWon},
    {"lh-lost", &Counters::LhLost},
}};
constexpr std::array<std::pair<std::string_view, Total>, 3> kTotals{{
    {"inserted", &Counters::InsertedTotal},
    {"cashout", &Counters::CashoutTotal},
    {"record", &Counters::AccountRecord},
}};
// game, credit, win, bet, hands and the two tables above.
constexpr size_t kRequiredKeys = 5 + kGuesses.size() + kTotals.size();

bool goodId(std::string_view id)
{
    if (id.empty() || id.size() > kMaxIdLength)
        return false;
    for (const char c : id) {
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-'))
            return false;
    }
    return true;
}

void setCode(int* ioCode, int code)
{
    if (ioCode)
        *ioCode = code;
}

// The values the table can reach. Anything else was not written by this game, and a save of
// it would cost the whole book at the next load.
bool moneyInBounds(const Counters& m)
{
    const bool betOk = m.Bet >= 1 && m.Bet <= 500 && (m.Bet <= 10 || m.Bet % 10 == 0);
    return betOk && m.Credit >= 0 && m.Win >= 0 && m.InsertedTotal >= 0 && m.CashoutTotal >= 0 &&
           m.AccountRecord >= 0;
}

// A line's words at single spaces; a doubled, leading or trailing space gives an empty word.
std::vector<std::string_view> words(std::string_view line)
{
    std::vector<std::string_view> out;
    while (true) {
        const size_t space = std::min(line.find(' '), line.size());
        out.push_back(line.substr(0, space));
        if (space == line.size())
            return out;
        line.remove_prefix(space + 1);
    }
}

template <typename T> bool number(std::string_view text, T& out)
{
    const char* end = text.data() + text.size();
    const auto [p, ec] = std::from_chars(text.data(), end, out);
    return !text.empty() && ec == std::errc() && p == end;
}

// The words after the key as counts, into out[first], out[first + 1], ...
template <size_t N>
bool counts(const std::vector<std::string_view>& w, std::array<uint32_t, N>& out, size_t first)
{
    for (size_t i = 1; i < w.size(); ++i) {
        if (!number(w[i], out[first + i - 1]))
            return false;
    }
    return true;
}

int classOfId(const Game& game, std::string_view id)
{
    for (int k = 0; k < ClassKeyCount; ++k) {
        if (classKeyId(ClassKey(k)) == id)
            return game.classOf(ClassKey(k));
    }
    return -1;
}

// One content line into book; false when it does not belong in a book of game.
bool parseLine(const Game& game, std::string_view line, CasinoBook& book, std::set<std::string>& seen)
{
    const std::vector<std::string_view> w = words(line);
    const std::string_view key = w[0];
    // A class is once per id; other keys once each.
    const std::string once = key == "class" && w.size() > 1 ? "class " + std::string(w[1]) : std::string(key);
    if (!seen.insert(once).second)
        return false;
    Counters& m = book.money;
    if (key == "game")
        return w.size() == 2 && w[1] == game.id;
    if (key == "credit" || key == "win" || key == "bet") {
        int32_t& v = key == "credit" ? m.Credit : key == "win" ? m.Win : m.Bet;
        return w.size() == 2 && number(w[1], v);
    }
    for (const auto& [name, total] : kTotals) {
        if (key == name)
            return w.size() == 2 && number(w[1], m.*total);
    }
    for (const auto& [name, guesses] : kGuesses) {
        if (key == name)
            return w.size() == 6 && counts(w, m.*guesses, 1);
    }
    if (key == "hands") {
        return w.size() == 3 && number(w[1], book.counts.dealt[0]) && number(w[2], book.counts.final[0]);
    }
    if (key == "class" && w.size() == 4 && !w[1].empty()) {
        std::array<uint32_t, 2> v{};
        if (!counts(std::vector<std::string_view>(w.begin() + 1, w.end()), v, 0))
            return false;
        // A class this game does not have (another family's, a later one's) is left out.
        const int c = classOfId(game, w[1]);
        if (c > 0) {
            book.counts.dealt[size_t(c)] = v[0];
            book.counts.final[size_t(c)] = v[1];
        }
        return true;
    }
    return false;
}

bool parseBook(const Game& game, std::string_view text, CasinoBook& book)
{
    if (text.empty() || text.back() != '\n')
        return false;
    const size_t lastBreak = text.substr(0, text.size() - 1).rfind('\n');
    const size_t checkAt = lastBreak == std::string_view::npos ? 0 : lastBreak + 1;
    std::string_view content = text.substr(0, checkAt);
    const std::string_view checkLine = text.substr(checkAt, text.size() - 1 - checkAt);
    uint32_t check = 0;
    if (checkLine.substr(0, 6) != "check " || !number(checkLine.substr(6), check) ||
        check != casinoBookCheck(content))
        return false;

    book = CasinoBook{};
    std::set<std::string> seen;
    while (!content.empty()) {
        const size_t end = content.find('\n'); // there is one: content ends where the check line starts
        if (!parseLine(game, content.substr(0, end), book, seen))
            return false;
        content.remove_prefix(end + 1);
    }
    size_t keys = 0;
    for (const std::string& k : seen)
        keys += k.rfind("class ", 0) != 0;
    return keys == kRequiredKeys && moneyInBounds(book.money);
}

bool saveText(const std::string& dir, const std::string& name, const std::string& text, int* ioCode)
{
    if (!dir.empty())
        ensureFolder(dir);
    return replaceFileAtomically(filePathIn(dir, name.c_str()), reinterpret_cast<const uint8_t*>(text.data()),
                                 text.size(), ioCode);
}

} // namespace

CasinoBook defaultCasinoBook()
{
    return CasinoBook{};
}

std::string casinoFileName(std::string_view gameId)
{
    return goodId(gameId) ? "game-" + std::string(gameId) + ".dat" : std::string();
}

uint32_t casinoBookCheck(std::string_view content)
{
    uint32_t crc = 0xFFFFFFFFu;
    for (const unsigned char ch : content) {
        crc ^= ch;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

std::string casinoBookText(const Game& game, const CasinoBook& book)
{
    const Counters& m = book.money;
    const auto num = [](auto v) { return std::to_string(v); };
    std::string t = "game " + game.id + "\ncredit " + num(m.Credit) + "\nwin " + num(m.Win) + "\nbet " +
                    num(m.Bet) + "\n";
    for (const auto& [name, total] : kTotals)
        t += std::string(name) + ' ' + num(m.*total) + '\n';
    for (const auto& [name, guesses] : kGuesses) {
        t += name;
        for (size_t k = 1; k <= 5; ++k)
            t += ' ' + num((m.*guesses)[k]);
        t += '\n';
    }
    const GameCounts& n = book.counts;
    t += "hands " + num(n.dealt[0]) + ' ' + num(n.final[0]) + '\n';
    for (size_t c = 1; c < size_t(game.classCount); ++c)
        t += "class " + std::string(classKeyId(game.keys[c])) + ' ' + num(n.dealt[c]) + ' ' +
             num(n.final[c]) + '\n';
    return t + "check " + num(casinoBookCheck(t)) + '\n';
}

CasinoBook loadCasinoBook(const Game& game, const std::string& dir, LoadState* state, int* ioCode)
{
    const auto tell = [state](LoadState s) {
        if (state)
            *state = s;
    };
    const std::string name = casinoFileName(game.id);
    if (name.empty()) {
        setCode(ioCode, EINVAL);
        tell(LoadState::Unreadable);
        return defaultCasinoBook();
    }
    const std::string path = filePathIn(dir, name.c_str());
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        const int err = errno;
        setCode(ioCode, err);
        tell(err == ENOENT ? LoadState::Missing : LoadState::Unreadable);
        return defaultCasinoBook();
    }
    if (!S_ISREG(st.st_mode)) {
        setCode(ioCode, EINVAL);
        tell(LoadState::NotRegular);
        return defaultCasinoBook();
    }
    std::string text;
    errno = 0;
    const bool read = readRegularFile(path, text, MaxCasinoFileSize);
    // Too long is damage; a failed open or read leaves at most the limit read.
    if (!read && text.size() <= MaxCasinoFileSize) {
        setCode(ioCode, errno ? errno : EIO);
        tell(LoadState::Unreadable);
        return defaultCasinoBook();
    }
    setCode(ioCode, 0);
    CasinoBook book;
    if (read && parseBook(game, text, book)) {
        tell(LoadState::Loaded);
        return book;
    }
    keepDamagedFile(dir, name.c_str());
    tell(LoadState::Damaged);
    return defaultCasinoBook();
}

bool saveCasinoBook(const Game& game, const CasinoBook& book, const std::string& dir, int* ioCode)
{
    const std::string name = casinoFileName(game.id);
    if (name.empty() || !moneyInBounds(book.money)) {
        setCode(ioCode, EINVAL);
        static std::set<std::string> reported;
        if (!name.empty() && reported.insert(game.id).second)
            std::fprintf(stderr, "tarvelle: the book of game '%s' is out of bounds; it is not saved\n",
                         game.id.c_str());
        return false;
    }
    return saveText(dir, name, casinoBookText(game, book), ioCode);
}

std::string loadGameChoice(const std::string& dir)
{
    std::string text;
    if (!readRegularFile(filePathIn(dir, GameChoiceFileName), text, kMaxChoiceSize))
        return {};
    if (!text.empty() && text.back() == '\n')
        text.pop_back();
    if (text.rfind("game ", 0) != 0 || !goodId(std::string_view(text).substr(5)))
        return {};
    return text.substr(5);
}

bool saveGameChoice(const std::string& gameId, const std::string& dir)
{
    if (!gameId.empty() && !goodId(gameId))
        return false;
    return saveText(dir, GameChoiceFileName, gameId.empty() ? std::string("game\n") : "game " + gameId + "\n",
                    nullptr);
}

} // namespace tarvelle
