// game-<id>.dat as it may be found: whatever it holds loads without harm, either as the
// defaults with the bytes kept aside as .damaged, or as a book within the table's bounds that
// saves and loads back the same. Each input goes in twice, as it is and with its check line
// made right, so the fuzzer gets past the checksum to the lines themselves.
#include "fuzz/scratchfolder.h"
#include "storage/casinofile.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

using namespace tarvelle;

namespace {

std::string contents(const std::string& path)
{
    std::ifstream f(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

void check(bool ok)
{
    if (!ok)
        std::abort();
}

// The game the first line names when the catalogue has it, so every family is reached.
const Game& gameOf(const std::string& bytes)
{
    const size_t end = bytes.find('\n');
    const Game* named = bytes.rfind("game ", 0) == 0 ? findGame(bytes.substr(5, end - 5)) : nullptr;
    return named ? *named : *findGame("jacks-9-6");
}

std::string withCheck(std::string text)
{
    if (!text.empty() && text.back() != '\n')
        text += '\n';
    const size_t last = text.empty() ? std::string::npos : text.rfind('\n', text.size() - 2);
    const size_t at = last == std::string::npos ? 0 : last + 1;
    if (text.compare(at, 6, "check ") == 0)
        text.resize(at);
    return text + "check " + std::to_string(casinoBookCheck(text)) + "\n";
}

void loadOne(const std::string& bytes)
{
    const Game& game = gameOf(bytes);
    const std::string& dir = fuzzing::scratchFolder();
    const std::string path = dir + casinoFileName(game.id);
    std::filesystem::remove(path + ".damaged");
    {
        std::ofstream f(path, std::ios::binary | std::ios::trunc);
        f << bytes;
    }
    LoadState state = LoadState::Missing;
    const CasinoBook book = loadCasinoBook(game, dir, &state);
    if (state != LoadState::Loaded) {
        check(state == LoadState::Damaged && book == defaultCasinoBook());
        check(!std::filesystem::exists(path) && contents(path + ".damaged") == bytes);
        return;
    }
    check(bytes.size() <= MaxCasinoFileSize && contents(path) == bytes);
    const Counters& m = book.money;
    Counters zeroed = m;
    zeroed.DealtCounts = zeroed.FinalCounts = zeroed.DealtCountsJoker = zeroed.FinalCountsJoker = {};
    zeroed.Bonus = 0;
    zeroed.RbWon[0] = zeroed.RbLost[0] = zeroed.LhWon[0] = zeroed.LhLost[0] = 0;
    check(zeroed == m);
    check(m.Credit >= 0 && m.Win >= 0 && m.Bet >= 1 && m.Bet <= 500 && (m.Bet <= 10 || m.Bet % 10 == 0));
    check(m.InsertedTotal >= 0 && m.CashoutTotal >= 0 && m.AccountRecord >= 0);
    for (size_t c = size_t(game.classCount); c < size_t(MaxClasses); ++c)
        check(book.counts.dealt[c] == 0 && book.counts.final[c] == 0);

    check(saveCasinoBook(game, book, dir));
    check(contents(path) == casinoBookText(game, book));
    const CasinoBook back = loadCasinoBook(game, dir, &state);
    check(state == LoadState::Loaded && back == book);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    loadOne(bytes);
    loadOne(withCheck(bytes));
    return 0;
}
