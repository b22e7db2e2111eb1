#include "storage/casinofile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>
#include <iterator>
#include <random>

#include <sys/stat.h>
#include <unistd.h>

using namespace tarvelle;

namespace {

std::string readFile(const std::string& path)
{
    std::ifstream f(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

void writeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

Game renamed(const Game& family, const char* pays, const char* id)
{
    Game g = *editedGame(family, pays);
    g.id = id;
    return g;
}

} // namespace

class TestCasinoFile : public QObject {
    Q_OBJECT
private slots:
    // In memory where there can be: every save syncs, and hundreds of them on a disk take seconds.
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>(::access("/dev/shm", W_OK) == 0
                                                    ? "/dev/shm/tst_casinofile-XXXXXX"
                                                    : QDir::tempPath() + "/tst_casinofile-XXXXXX");
        QVERIFY(m_dir->isValid());
    }
    void randomBooksRoundTrip();
    void damagedBooksGiveTheDefaults();
    void countsFollowTheirClassIds();
    void gameChoiceAndNames();

private:
    std::string dir() const { return m_dir->path().toStdString() + "/"; }
    // Writes bytes as game's book and loads it: it must be refused whole and kept aside.
    void expectDamaged(const Game& game, const std::string& bytes, const char* what)
    {
        const std::string path = dir() + casinoFileName(game.id);
        writeFile(path, bytes);
        LoadState state = LoadState::Loaded;
        QVERIFY2(loadCasinoBook(game, dir(), &state) == defaultCasinoBook(), what);
        QVERIFY2(state == LoadState::Damaged, what);
        QVERIFY2(readFile(path + ".damaged") == bytes && ::access(path.c_str(), F_OK) != 0, what);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

// Any book within the table's bounds comes back exactly, for games of every shape, and the
// table's own files are never made.
void TestCasinoFile::randomBooksRoundTrip()
{
    std::mt19937_64 rng(20261210);
    // Half the values at the ends of their range, where a wrong type or bound shows.
    const auto pick = [&rng](auto top) -> decltype(top) {
        const uint64_t r = rng();
        return r % 4 == 0 ? 0 : r % 4 == 1 ? top : decltype(top)(r / 4 % (uint64_t(top) + 1));
    };
    const std::vector<Game> games{*findGame("jacks-9-6"), *findGame("deuces-wild"), *findGame("joker-poker"),
                                  *findGame("double-double-bonus-9-6"),
                                  renamed(*findGame("bonus-8-5"), "1,2,3,4,5,8,25,40,80,50,900", "mine-2")};
    for (const Game& game : games) {
        for (int i = 0; i < 150; ++i) {
            CasinoBook b;
            b.money.Credit = pick(INT32_MAX);
            b.money.Win = pick(INT32_MAX);
            b.money.Bet = std::array{1, 2, 9, 10, 20, 250, 500}[rng() % 7];
            b.money.InsertedTotal = pick(INT64_MAX);
            b.money.CashoutTotal = pick(INT64_MAX);
            b.money.AccountRecord = pick(INT64_MAX);
            for (auto* a : {&b.money.RbWon, &b.money.RbLost, &b.money.LhWon, &b.money.LhLost})
                for (size_t k = 1; k <= 5; ++k)
                    (*a)[k] = pick(UINT32_MAX);
            for (size_t c = 0; c < size_t(game.classCount); ++c) {
                b.counts.dealt[c] = pick(UINT32_MAX);
                b.counts.final[c] = pick(UINT32_MAX);
            }
            QVERIFY(saveCasinoBook(game, b, dir()));
            LoadState state = LoadState::Missing;
            int code = -1;
            const CasinoBook back = loadCasinoBook(game, dir(), &state, &code);
            QCOMPARE(state, LoadState::Loaded);
            QCOMPARE(code, 0);
            QVERIFY2(back == b, (game.id + " #" + std::to_string(i)).c_str());
        }
    }
    // One book each and nothing else: the table's own files are not made.
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), qsizetype(games.size()));
}

void TestCasinoFile::damagedBooksGiveTheDefaults()
{
    const Game& game = *findGame("deuces-wild");
    CasinoBook b;
    b.money.Credit = 4321;
    b.money.Bet = 20;
    b.counts.dealt = {90, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    QVERIFY(saveCasinoBook(game, b, dir()));
    const std::string good = readFile(dir() + "game-deuces-wild.dat");
    QCOMPARE(good, casinoBookText(game, b));

    for (size_t i = 0; i < good.size(); ++i) {
        for (const char edit : {char(good[i] ^ 1), char(good[i] ^ 0x40), '7'}) {
            std::string bytes = good;
            bytes[i] = edit;
            if (bytes != good)
                expectDamaged(game, bytes, ("byte " + std::to_string(i)).c_str());
        }
        expectDamaged(game, good.substr(0, i), ("cut at " + std::to_string(i)).c_str());
    }
    // Well checked but not this game's, or out of the table's bounds.
    const auto checked = [](const std::string& content) {
        return content + "check " + std::to_string(casinoBookCheck(content)) + "\n";
    };
    const std::string content = good.substr(0, good.rfind("check "));
    const auto swap = [&](const std::string& from, const std::string& to) {
        std::string s = content;
        s.replace(s.find(from), from.size(), to);
        return checked(s);
    };
    expectDamaged(game, casinoBookText(*findGame("jacks-9-6"), b), "a book of another game");
    expectDamaged(game, swap("game deuces-wild", "game jacks-9-6"), "another game's name");
    // "from>to;" each: a value out of bounds, a bad number, a line too short, long, doubled or unknown.
    const std::string swaps =
        "credit 4321>credit -1;credit 4321>credit 2147483648;bet 20>bet 15;bet 20>bet 510;"
        "bet 20>bet 0;bet 20>bet +20;bet 20>bet 20 ;win 0>win -0x1;inserted 1000>inserted -1;"
        "hands 90 0>hands 4294967296 0;rb-won 0 0 0 0 0>rb-won 0 0 0 0;class flush 3 0>"
        "class flush 3 0 0;class flush 3 0>class flush 3 0\nclass flush 3 0;record 0>"
        "record 0\nwin 0;record 0>record 0\nbonus 0;cashout 0\n>;";
    for (size_t at = 0, end; (end = swaps.find(';', at)) != std::string::npos; at = end + 1) {
        const size_t to = swaps.find('>', at);
        const std::string edit = swaps.substr(to + 1, end - to - 1);
        expectDamaged(game, swap(swaps.substr(at, to - at), edit), edit.c_str());
    }
    expectDamaged(game, checked(content + std::string(MaxCasinoFileSize, '\n')), "too long");

    // A FIFO is never waited on nor moved; the save leaves it too.
    const std::string path = dir() + "game-deuces-wild.dat";
    ::unlink(path.c_str());
    QCOMPARE(::mkfifo(path.c_str(), 0644), 0);
    alarm(20);
    LoadState state = LoadState::Loaded;
    QVERIFY(loadCasinoBook(game, dir(), &state) == defaultCasinoBook());
    QCOMPARE(state, LoadState::NotRegular);
    QVERIFY(!saveCasinoBook(game, b, dir()));
    alarm(0);
    struct stat st {};
    QVERIFY(::lstat(path.c_str(), &st) == 0 && S_ISFIFO(st.st_mode));

    // A book out of bounds is refused rather than saved to be thrown away at the next load.
    ::unlink(path.c_str());
    QVERIFY(saveCasinoBook(game, b, dir()));
    CasinoBook bad = b;
    bad.money.Bet = 15;
    int code = 0;
    QVERIFY(!saveCasinoBook(game, bad, dir(), &code));
    QCOMPARE(code, EINVAL);
    QCOMPARE(readFile(path), good);
}

// A class's counts go with its id: the same family re-priced keeps them all; another family
// keeps those of the classes both have, wherever they rank.
void TestCasinoFile::countsFollowTheirClassIds()
{
    const Game mine = renamed(*findGame("jacks-9-6"), "1,2,3,4,6,9,25,50,800", "mine");
    CasinoBook b;
    for (size_t c = 0; c < size_t(mine.classCount); ++c) {
        b.counts.dealt[c] = uint32_t(100 + c);
        b.counts.final[c] = uint32_t(200 + c);
    }
    QVERIFY(saveCasinoBook(mine, b, dir()));
    const Game repriced = renamed(*findGame("jacks-9-6"), "1,2,3,4,5,8,25,50,4000", "mine");
    LoadState state = LoadState::Missing;
    QVERIFY(loadCasinoBook(repriced, dir(), &state) == b);
    QCOMPARE(state, LoadState::Loaded);

    const Game other = renamed(*findGame("deuces-wild"), "1,2,2,3,4,9,15,25,200,800", "mine");
    const CasinoBook moved = loadCasinoBook(other, dir(), &state);
    QCOMPARE(state, LoadState::Loaded);
    QCOMPARE(moved.counts.dealt[0], 100u);
    int kept = 0;
    for (size_t c = 1; c < size_t(MaxClasses); ++c) {
        const int from = c < size_t(other.classCount) ? mine.classOf(other.keys[c]) : -1;
        QCOMPARE(moved.counts.dealt[c], from > 0 ? uint32_t(100 + from) : 0u);
        QCOMPARE(moved.counts.final[c], from > 0 ? uint32_t(200 + from) : 0u);
        kept += from > 0;
    }
    QCOMPARE(kept, 6); // three of a kind up to the straight flush
}

void TestCasinoFile::gameChoiceAndNames()
{
    QCOMPARE(loadGameChoice(dir()), std::string());
    for (const std::string id : {"deuces-wild", "mine-2", ""}) {
        QVERIFY(saveGameChoice(id, dir()));
        QCOMPARE(loadGameChoice(dir()), id);
    }
    QVERIFY(saveGameChoice("jacks-9-6", dir()));
    for (const std::string& bad :
         std::vector<std::string>{"Jacks", "a/b", "../x", "a.b", std::string(65, 'a')}) {
        QVERIFY(!saveGameChoice(bad, dir()));
        Game g = *findGame("jacks-9-6");
        g.id = bad;
        LoadState state = LoadState::Loaded;
        QVERIFY(loadCasinoBook(g, dir(), &state) == defaultCasinoBook());
        QCOMPARE(state, LoadState::Unreadable);
        QVERIFY(!saveCasinoBook(g, CasinoBook{}, dir()));
    }
    QCOMPARE(loadGameChoice(dir()), std::string("jacks-9-6"));
    QCOMPARE(casinoFileName(std::string(64, 'a')), "game-" + std::string(64, 'a') + ".dat");
    for (const char* text : {"game jacks-9-6 x\n", "game Jacks\n", "games jacks-9-6\n", "game \n"}) {
        writeFile(dir() + GameChoiceFileName, text);
        QCOMPARE(loadGameChoice(dir()), std::string());
    }
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{GameChoiceFileName});
}

QTEST_GUILESS_MAIN(TestCasinoFile)
#include "tst_casinofile.moc"
