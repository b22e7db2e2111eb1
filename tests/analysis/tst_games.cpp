// Games as data: the general evaluator against the table's own on every hand, the
// published returns of the casino games, and the two exact methods against each other.
#include "engine/analysis.h"
#include "engine/coach.h"
#include "engine/evaluator.h"
#include "engine/game.h"
#include "engine/usergames.h"
#include "storage/usergamesfile.h"
#include "tests/engine/handtext.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <random>

#include <sys/stat.h>

using namespace tarvelle;
using namespace tarvelle::test;

class TestGames : public QObject {
    Q_OBJECT

private slots:
    void agreesWithTheTablesEvaluatorOnEveryHand();
    void winningCardsAloneMakeTheClass();
    void classesOfTheCasinoGames_data();
    void classesOfTheCasinoGames();
    void publishedReturns_data();
    void publishedReturns();
    void singleHandAgreesWithTheCountTables();
    void editedPayTable();
    void userGamesFile();
    void userGamesInTheDataFolder_data();
    void userGamesInTheDataFolder();
    void coachPlaysTheChosenGame();

private:
    static std::array<int, 5> indices(const char* text)
    {
        const Hand h = handOf(text);
        std::array<int, 5> cards;
        for (int p = 0; p < 5; ++p)
            cards[p] = h.code(p + 1) - 1;
        return cards;
    }
};

void TestGames::agreesWithTheTablesEvaluatorOnEveryHand()
{
    // Every hand of the 53-card deck; those without the Joker also in the 52-card game. The
    // class, and for a paying hand the cards its win lamps light.
    const Game& plainGame = tableGame(false);
    const Game& jokerGame = tableGame(true);
    const GameClassifier plain(plainGame);
    const GameClassifier joker(jokerGame);
    Hand hand;
    HandFlags flags{};
    int64_t hands = 0, mismatches = 0, markMismatches = 0;
    int c[5];
    for (c[4] = 4; c[4] < 53; ++c[4])
        for (c[3] = 3; c[3] < c[4]; ++c[3])
            for (c[2] = 2; c[2] < c[3]; ++c[2])
                for (c[1] = 1; c[1] < c[2]; ++c[1])
                    for (c[0] = 0; c[0] < c[1]; ++c[0]) {
                        for (int p = 0; p < 5; ++p)
                            hand.setCard(p + 1, c[p] + 1);
                        hand.clearHeld();
                        const int expected = EvaluateHand(hand, flags, false);
                        ++hands;
                        if (joker.classify(c) != expected || (c[4] != 52 && plain.classify(c) != expected)) {
                            if (++mismatches < 5)
                                qWarning("cards %d %d %d %d %d: table %d, general %d", c[0], c[1], c[2], c[3],
                                         c[4], expected, joker.classify(c));
                        }
                        if (expected < ClassJacks)
                            continue;
                        int marked = 0;
                        for (int p = 0; p < 5; ++p)
                            marked |= hand.Held[size_t(p + 1)] ? 1 << p : 0;
                        const int mask = winningMask(jokerGame, c, expected);
                        if (mask != marked || (c[4] != 52 && winningMask(plainGame, c, expected) != marked)) {
                            if (++markMismatches < 5)
                                qWarning(
                                    "cards %d %d %d %d %d, class %d: table marks %02x, winning cards %02x",
                                    c[0], c[1], c[2], c[3], c[4], expected, marked, mask);
                        }
                    }
    QCOMPARE(hands, int64_t(2869685));
    QCOMPARE(mismatches, int64_t(0));
    QCOMPARE(markMismatches, int64_t(0));
}

// The lamps light what makes the hand: whatever the other cards were, the lit ones alone
// would still make its class or better. Checked on every hand of every casino game with the
// unlit cards replaced by random others (the exact "whatever" costs a draw table per hand).
void TestGames::winningCardsAloneMakeTheClass()
{
    struct Played {
        const Game* game;
        GameClassifier classifier;
        int64_t hands = 0, completed = 0;
    };
    std::vector<Played> games;
    for (const Game& g : gameCatalogue())
        if (g.family != tableGame(false).id && g.family != tableGame(true).id)
            games.push_back({&g, GameClassifier(g)});
    QVERIFY(games.size() >= 4);
    uint64_t state = 20261210;
    auto random = [&state](int n) {
        state ^= state << 13, state ^= state >> 7, state ^= state << 17;
        return int(state % uint64_t(n));
    };
    int64_t failures = 0;
    int c[5];
    for (c[4] = 4; c[4] < 53; ++c[4])
        for (c[3] = 3; c[3] < c[4]; ++c[3])
            for (c[2] = 2; c[2] < c[3]; ++c[2])
                for (c[1] = 1; c[1] < c[2]; ++c[1])
                    for (c[0] = 0; c[0] < c[1]; ++c[0]) {
                        uint64_t inHand = 0;
                        for (int p = 0; p < 5; ++p)
                            inHand |= uint64_t(1) << c[p];
                        for (Played& g : games) {
                            const int deck = g.game->deckSize();
                            if (c[4] >= deck)
                                continue;
                            ++g.hands;
                            const int cls = g.classifier.classify(c);
                            const int mask = cls > 0 ? winningMask(*g.game, c, cls) : 31;
                            if (mask == 31)
                                continue;
                            int other[5];
                            uint64_t used = inHand;
                            for (int p = 0; p < 5; ++p) {
                                other[p] = c[p];
                                if (mask >> p & 1)
                                    continue;
                                do
                                    other[p] = random(deck);
                                while (used >> other[p] & 1);
                                used |= uint64_t(1) << other[p];
                            }
                            ++g.completed;
                            const int alone = g.classifier.classify(other);
                            if (mask == 0 || alone < cls) {
                                if (++failures < 5)
                                    qWarning(
                                        "%s, cards %d %d %d %d %d, class %d, lit %02x: with %d %d %d %d %d "
                                        "class %d",
                                        g.game->id.c_str(), c[0], c[1], c[2], c[3], c[4], cls, mask, other[0],
                                        other[1], other[2], other[3], other[4], alone);
                            }
                        }
                    }
    for (const Played& g : games) {
        QCOMPARE(g.hands, g.game->deckSize() == 53 ? int64_t(2869685) : int64_t(2598960));
        QVERIFY2(g.completed > 0, g.game->id.c_str());
    }
    QCOMPARE(failures, int64_t(0));
}

void TestGames::classesOfTheCasinoGames_data()
{
    QTest::addColumn<QString>("game");
    QTest::addColumn<QString>("hand");
    QTest::addColumn<int>("key");
    auto row = [](const char* game, const char* hand, ClassKey key) {
        QTest::addRow("%s %s", game, hand) << QString(game) << QString(hand) << int(key);
    };
    const char* ddb = "double-double-bonus-9-6";
    row(ddb, "Ah As Ad Ac 3h", ClassKey::FourAcesWithKicker);
    row(ddb, "Ah As Ad Ac 5h", ClassKey::FourAces);
    row(ddb, "3h 3s 3d 3c Ah", ClassKey::FourTwosToFoursWithKicker);
    row(ddb, "3h 3s 3d 3c 4h", ClassKey::FourTwosToFoursWithKicker);
    row(ddb, "3h 3s 3d 3c 5h", ClassKey::FourTwosToFours);
    row(ddb, "5h 5s 5d 5c 3h", ClassKey::FourFivesToKings);
    row(ddb, "Th Js Qd Kc Ah", ClassKey::Straight);
    row(ddb, "Jh Js 2d 5c 9h", ClassKey::JacksOrBetter);
    row(ddb, "Th Ts 2d 5c 9h", ClassKey::Nothing);
    const char* deuces = "deuces-wild";
    row(deuces, "2h 2s 2d 2c Ah", ClassKey::FourDeuces);
    row(deuces, "2h Th Jh Qh Kh", ClassKey::WildRoyalFlush);
    row(deuces, "Ah Th Jh Qh Kh", ClassKey::NaturalRoyalFlush);
    row(deuces, "2h 2s 9d 9c 9h", ClassKey::FiveOfAKind);
    row(deuces, "2h 3h 5h 6h 7h", ClassKey::StraightFlush);
    row(deuces, "2h 2s 3d 6c 9h", ClassKey::ThreeOfAKind);
    row(deuces, "2h 3s 5d 6c 9h", ClassKey::Nothing);
    row(deuces, "2h 2s 4d 4c 9h", ClassKey::FourOfAKind);
    row(deuces, "2h 4s 4d 9c 9h", ClassKey::FullHouse);
    row(deuces, "2h As 3d 4c 5h", ClassKey::Straight);
    const char* joker = "joker-poker";
    row(joker, "Jk Ah Kh Qh Jh", ClassKey::WildRoyalFlush);
    row(joker, "Jk As Ah Ad Ac", ClassKey::FiveOfAKind);
    row(joker, "Jk Ks 2h 5d 9c", ClassKey::KingsOrBetter);
    row(joker, "Jk Qs 2h 5d 9c", ClassKey::Nothing);
    row(joker, "Qh Qs 2h 5d 9c", ClassKey::Nothing);
}

void TestGames::classesOfTheCasinoGames()
{
    QFETCH(QString, game);
    QFETCH(QString, hand);
    QFETCH(int, key);
    const Game* g = findGame(game.toStdString());
    QVERIFY(g);
    const std::array<int, 5> cards = indices(hand.toLatin1().constData());
    const int cls = GameClassifier(*g).classify(cards.data());
    QCOMPARE(int(g->keys[std::size_t(cls)]), key);
}

void TestGames::publishedReturns_data()
{
    // Optimal play, as published for the casino games; the table's own as it has always been.
    QTest::addColumn<QString>("game");
    QTest::addColumn<QString>("rate");
    QTest::newRow("tarvelle") << "tarvelle"
                              << "162.5343";
    QTest::newRow("tarvelle-joker") << "tarvelle-joker"
                                    << "246.3163";
    QTest::newRow("jacks-9-6") << "jacks-9-6"
                               << "99.5439";
    QTest::newRow("jacks-8-5") << "jacks-8-5"
                               << "97.2984";
    QTest::newRow("bonus-8-5") << "bonus-8-5"
                               << "99.1660";
    QTest::newRow("double-bonus-10-7") << "double-bonus-10-7"
                                       << "100.1725";
    QTest::newRow("double-double-bonus-9-6") << "double-double-bonus-9-6"
                                             << "98.9808";
    QTest::newRow("deuces-wild") << "deuces-wild"
                                 << "100.7620";
}

void TestGames::publishedReturns()
{
    QFETCH(QString, game);
    QFETCH(QString, rate);
    ReturnOptions o;
    o.game = *findGame(game.toStdString());
    const GameReturn r = gameReturn(o);
    QCOMPARE(QString::asprintf("%.4Lf", r.rate * 100), rate);
    QCOMPARE(QString::asprintf("%.4Lf", r.bestRate * 100), rate);
    // The class odds are a distribution and pay exactly the return.
    long double sum = 0, paid = 0;
    for (int c = 0; c < o.game->classCount; ++c) {
        sum += r.classOdds[c];
        paid += r.classOdds[c] * o.game->pay[c];
    }
    QVERIFY(std::abs(double(sum - 1)) < 1e-12);
    QVERIFY(std::abs(double(paid - r.rate)) < 1e-12);
    if (game == "jacks-9-6")
        QCOMPARE(QString::asprintf("%.0Lf", r.royalCycle), QString("40391"));
}

void TestGames::singleHandAgreesWithTheCountTables()
{
    // Two ways to the same exact values: draws walked by rank for one hand, and the
    // tables built from every hand of the deck.
    std::mt19937 rng(24);
    for (const Game& g : gameCatalogue()) {
        const HoldEvaluator tables(g);
        std::vector<int> deck(std::size_t(g.deckSize()));
        for (int i = 0; i < g.deckSize(); ++i)
            deck[std::size_t(i)] = i;
        for (int n = 0; n < 150; ++n) {
            std::shuffle(deck.begin(), deck.end(), rng);
            std::array<int, 5> cards = {deck[0], deck[1], deck[2], deck[3], deck[4]};
            if (n == 0 && g.wild == Wild::Deuces)
                cards = indices("2h 2s Th Jh 5c");
            std::array<ClassCounts, 32> classes;
            const HoldValues alone = handHoldValues(cards, g, &classes);
            const HoldValues fromTables = tables.evaluate(cards);
            QCOMPARE(alone.numerator, fromTables.numerator);
            for (int mask : {0, 5, 19, 30})
                QCOMPARE(classes[std::size_t(mask)], tables.gameClassCounts(cards, mask));
        }
    }
}

void TestGames::editedPayTable()
{
    const Game& jacks = *findGame("jacks-9-6");
    const auto eightFive = editedGame(jacks, "1,2,3,4,5,8,25,50,800");
    QVERIFY(eightFive);
    QCOMPARE(eightFive->pay, findGame("jacks-8-5")->pay);
    QVERIFY(eightFive->id != jacks.id);
    QCOMPARE(eightFive->family, jacks.id);
    for (const char* bad : {"1,2,3,4,5,8,25,50", "1,2,3,4,5,8,25,50,800,1", "1,2,3,4,5,8,25,50,x",
                            "1,,3,4,5,8,25,50,800", "1,2,3,4,5,8,25,50,1000001", ""})
        QVERIFY2(!editedGame(jacks, bad), bad);
}

void TestGames::userGamesFile()
{
    const std::string good = "# mine\n"
                             "jacks-7-5 jacks-9-6 1,2,3,4,5,7,25,50,800\n"
                             "\n"
                             "  deuces-short   deuces-wild 1,2,2,3,4,9,15,25,200,800\r\n";
    const std::string bad = "jacks-9-6 jacks-9-6 1,2,3,4,6,9,25,50,800\n" // a catalogue name
                            "jacks-7-5 jacks-9-6 1,2,3,4,5,7,25,50,800\n" // used twice
                            "odd poker 1,2,3\n"                           // no such family
                            "short jacks-9-6 1,2,3\n"                     // too few pays
                            "Upper jacks-9-6 1,2,3,4,6,9,25,50,800\n"     // not a name
                            "two words\n"
                            "\x01\xff\xfe garbage \x7f\n";
    const UserGames u = parseUserGames(good + bad);
    QCOMPARE(int(u.games.size()), 2);
    QCOMPARE(int(u.problems.size()), 7);
    for (int i = 0; i < 7; ++i)
        QVERIFY2(u.problems[std::size_t(i)].rfind("line " + std::to_string(5 + i) + ": ", 0) == 0,
                 u.problems[std::size_t(i)].c_str());
    QCOMPARE(u.games[1].family, std::string("deuces-wild"));
    QCOMPARE(u.games[1].pay[5], int64_t(4));
    QCOMPARE(u.games[1].keys, findGame("deuces-wild")->keys);

    // Written and read back, the same games; nothing else in the file.
    const UserGames again = parseUserGames(formatUserGames(u.games));
    QVERIFY(again.problems.empty());
    QCOMPARE(int(again.games.size()), 2);
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(again.games[std::size_t(i)].id, u.games[std::size_t(i)].id);
        QCOMPARE(again.games[std::size_t(i)].pay, u.games[std::size_t(i)].pay);
    }

    // A damaged file: whatever is kept is a well-formed game of its family.
    std::mt19937 rng(7);
    for (int n = 0; n < 2000; ++n) {
        std::string text = good;
        for (int k = 0; k < 4; ++k)
            text[rng() % text.size()] = char(rng() % 256);
        for (const Game& g : parseUserGames(text).games) {
            const Game* family = findGame(g.family);
            QVERIFY(family && !findGame(g.id));
            QCOMPARE(g.classCount, family->classCount);
            QCOMPARE(g.keys, family->keys);
        }
    }
}

namespace {

const QByteArray jacks85 = "1,2,3,4,5,8,25,50,800";
const QByteArray deuces = "1,2,2,3,4,9,15,25,200,800";

} // namespace

void TestGames::userGamesInTheDataFolder_data()
{
    QTest::addColumn<QByteArray>("before");    // games.txt as found; "<none>" or "<fifo>"
    QTest::addColumn<QByteArrayList>("edit");  // NAME FAMILY PAYS to add, or NAME to remove
    QTest::addColumn<QByteArrayList>("after"); // the games then kept; empty when refused

    const QByteArray two = "a jacks-9-6 " + jacks85 + "\nb deuces-wild " + deuces + "\n";
    const QByteArray damaged = "a jacks-9-6 " + jacks85 + "\n\x01\xff junk\nz poker 1\nb deuces-wild " +
                               deuces + "\nb jacks-9-6 " + jacks85 + "\n";
    QByteArray full;
    for (int i = 0; i < MaxUserGames; ++i)
        full += "g" + QByteArray::number(i) + " jacks-9-6 " + jacks85 + "\n";

    QTest::newRow("first game, no file yet")
        << QByteArray("<none>") << QByteArrayList{"mine", "jacks-9-6", jacks85} << QByteArrayList{"mine"};
    QTest::newRow("added after the others")
        << two << QByteArrayList{"c", "deuces-wild", deuces} << QByteArrayList{"a", "b", "c"};
    QTest::newRow("name of a catalogue game")
        << two << QByteArrayList{"jacks-8-5", "jacks-9-6", jacks85} << QByteArrayList{};
    QTest::newRow("name already taken")
        << two << QByteArrayList{"b", "jacks-9-6", jacks85} << QByteArrayList{};
    QTest::newRow("name of two words")
        << two << QByteArrayList{"c d", "jacks-9-6", jacks85} << QByteArrayList{};
    QTest::newRow("pays of another family")
        << two << QByteArrayList{"c", "jacks-9-6", deuces} << QByteArrayList{};
    QTest::newRow("pay over the limit")
        << two << QByteArrayList{"c", "jacks-9-6", "1,2,3,4,5,8,25,50,1000001"} << QByteArrayList{};
    QTest::newRow("unknown family") << two << QByteArrayList{"c", "pai-gow", jacks85} << QByteArrayList{};
    QTest::newRow("one game too many")
        << full << QByteArrayList{"c", "jacks-9-6", jacks85} << QByteArrayList{};
    QTest::newRow("removed") << two << QByteArrayList{"a"} << QByteArrayList{"b"};
    QTest::newRow("catalogue game not removed") << two << QByteArrayList{"jacks-9-6"} << QByteArrayList{};
    QTest::newRow("no such game to remove") << two << QByteArrayList{"c"} << QByteArrayList{};
    QTest::newRow("damaged: good lines kept, added")
        << damaged << QByteArrayList{"c", "jacks-9-6", jacks85} << QByteArrayList{"a", "b", "c"};
    QTest::newRow("damaged: removed") << damaged << QByteArrayList{"b"} << QByteArrayList{"a"};
    QTest::newRow("a FIFO is left alone")
        << QByteArray("<fifo>") << QByteArrayList{"c", "jacks-9-6", jacks85} << QByteArrayList{};
}

// Each edit as the tool makes it: the file loaded, edited, saved, and read back.
void TestGames::userGamesInTheDataFolder()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArrayList, edit);
    QFETCH(QByteArrayList, after);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const std::string path = filePathIn(dir.path().toStdString(), UserGamesFileName);
    if (before == "<fifo>") {
        QCOMPARE(::mkfifo(path.c_str(), 0644), 0);
    } else if (before != "<none>") {
        QFile f(QString::fromStdString(path));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(before);
    }

    const UserGamesFile loaded = loadUserGamesFile(path);
    const bool readable = loaded.state != LoadState::NotRegular && loaded.state != LoadState::Unreadable;
    QCOMPARE(loaded.state == LoadState::Damaged, before.contains("junk"));
    QCOMPARE(loaded.games.refused, before.contains("junk") ? 3 : 0);
    std::vector<Game> games = loaded.games.games;
    std::string why = "unreadable";
    if (readable && edit.size() == 3)
        why = addUserGame(games, edit[0].toStdString(), edit[1].toStdString(), edit[2].toStdString());
    else if (readable)
        why = removeUserGame(games, edit[0].toStdString());
    QCOMPARE(why.empty(), !after.isEmpty());
    if (!why.empty()) {
        QVERIFY(why.find('\n') == std::string::npos);
        QCOMPARE(int(games.size()), int(loaded.games.games.size()));
        if (!readable)
            QVERIFY(!saveUserGamesFile(path, games, loaded));
        return;
    }
    std::string kept;
    QVERIFY(saveUserGamesFile(path, games, loaded, &kept));

    const UserGamesFile back = loadUserGamesFile(path);
    QCOMPARE(int(back.state), int(LoadState::Loaded));
    QByteArrayList ids;
    for (const Game& g : back.games.games)
        ids += QByteArray::fromStdString(g.id);
    QCOMPARE(ids, after);
    // Every pay as written, the added game's from the edit, the others' from before.
    for (const Game& g : back.games.games) {
        QByteArray pays;
        for (int c = 1; c < g.classCount; ++c)
            pays += (c > 1 ? "," : "") + QByteArray::number(qlonglong(g.pay[std::size_t(c)]));
        QVERIFY2(pays == (edit.size() == 3 && g.id == edit[0].toStdString() ? edit[2]
                          : g.family == "deuces-wild"                       ? deuces
                                                                            : jacks85),
                 g.id.c_str());
    }
    // A damaged file's refused lines are not lost with the save.
    QCOMPARE(kept.empty(), !before.contains("junk"));
    if (!kept.empty()) {
        QFile k(QString::fromStdString(kept));
        QVERIFY(k.open(QIODevice::ReadOnly));
        QCOMPARE(k.readAll(), before);
    }
}

void TestGames::coachPlaysTheChosenGame()
{
    // Two deuces with Ten, Jack, Queen of hearts: a wild royal to stand on in Deuces Wild;
    // in Jacks or Better the three to the royal, ahead of the four to a flush.
    const std::array<int, 5> cards = indices("2h 2s Th Jh Qh");
    Coach coach;
    QCOMPARE(coach.dealt(cards, *findGame("deuces-wild")).best(), 0b11111);
    QCOMPARE(coach.dealt(cards, *findGame("jacks-9-6")).best(), 0b11100);
    QCOMPARE(expertHoldMask(cards, *findGame("jacks-9-6")), 0b11100);
    // The table's own game through either door.
    const HoldValues byGame = coach.dealt(cards, tableGame(false)).values();
    QCOMPARE(byGame.numerator, HandAdvice(cards, false, gamePayList()).values().numerator);
}

QTEST_GUILESS_MAIN(TestGames)
#include "tst_games.moc"
