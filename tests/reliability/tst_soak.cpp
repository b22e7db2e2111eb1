// Long autoplay sessions: through the round alone (100,000 hands) and through the real table
// window (10,000 hands), both on a manual clock so every wait and animation tick passes at
// processor speed. Memory stays flat after warm-up, the counters follow the hands played and
// no money appears or vanishes.
#include "tests/engine/roundhost.h"
#include "tests/table/tablefixture.h"

#include "engine/round.h"

#include <QtTest>

#include <cstdio>
#include <unistd.h>

using namespace tarvelle;
using tarvelle::testing::Table;

namespace {

long residentKiB()
{
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// AddressSanitizer keeps freed memory in quarantine, so resident size grows there without a
// leak; the normal build is the one that judges memory.
#ifdef __SANITIZE_ADDRESS__
constexpr bool kJudgeMemory = false;
#else
constexpr bool kJudgeMemory = true;
#endif

using Wide = __int128;

Wide books(const Counters& c)
{
    return Wide(c.Credit) + c.Win + c.Bonus + Wide(c.CashoutTotal) - Wide(c.InsertedTotal);
}

uint32_t handsDealt(const Counters& c)
{
    return c.DealtCounts[12] + c.DealtCountsJoker[12];
}

// Effects that show nothing; they keep the books of every reported money change.
struct Books : testing::RoundHost {
    uint64_t saves = 0;
    void save() override { ++saves; }
};

} // namespace

class TestSoak : public QObject {
    Q_OBJECT
private slots:
    void roundAutoplay();
    void tableAutoplay();
};

void TestSoak::roundAutoplay()
{
    const int hands = qEnvironmentVariableIntValue("TARVELLE_SOAK_HANDS") > 0
                          ? qEnvironmentVariableIntValue("TARVELLE_SOAK_HANDS")
                          : 100000;
    for (const bool joker : {false, true}) {
        GameState gs;
        gs.settings.Joker = joker ? 1 : 0;
        gs.rng.seed(joker ? 20261209u : 19730401u);
        gs.counters.Credit = 100000;
        gs.counters.Bet = 10;
        Books fx;
        Round round(gs, fx, fx.clock);
        round.input(Input::Autoplay, ByKey);
        QVERIFY(gs.Autoplay);

        const Wide start = books(gs.counters);
        const uint32_t dealtAtStart = handsDealt(gs.counters);
        long warm = 0;
        int played = 0;
        for (int step = 0; played < hands; ++step) {
            const uint32_t before = handsDealt(gs.counters);
            QVERIFY2(round.input(Input::AutoplayTick), "autoplay stopped");
            QVERIFY(fx.settle(round));
            QVERIFY(!fx.animating);
            played += int(handsDealt(gs.counters) - before);
            if (played == hands / 10 && warm == 0)
                warm = residentKiB();
            if (step % 4096 == 0)
                QCOMPARE(books(gs.counters) - start, fx.reported);
        }
        QCOMPARE(books(gs.counters) - start, fx.reported);
        QCOMPARE(int(handsDealt(gs.counters) - dealtAtStart), played);
        const long end = residentKiB();
        qInfo("round, %s: %d hands, resident %ld KiB after warm-up, %ld KiB at the end", joker ? "53 cards" : "52 cards",
              played, warm, end);
        QVERIFY2(!kJudgeMemory || end <= warm + warm / 20, "resident memory grew by more than 5 %");
    }
}

void TestSoak::tableAutoplay()
{
    const int hands = qEnvironmentVariableIntValue("TARVELLE_SOAK_TABLE_HANDS") > 0
                          ? qEnvironmentVariableIntValue("TARVELLE_SOAK_TABLE_HANDS")
                          : 10000;
    Table t;
    t.gs.settings.SoundFx = 0;
    t.gs.settings.VoiceFx = 0;
    t.gs.counters.Credit = 100000;
    t.gs.counters.Bet = 10;
    testing::key(*t.form, 'A');
    QVERIFY(t.gs.Autoplay);
    t.form->Timer2->stop(); // the steps are ticked here, at processor speed

    const uint32_t dealtAtStart = handsDealt(t.gs.counters);
    const Wide start = books(t.gs.counters);
    long warm = 0;
    int played = 0;
    while (played < hands) {
        const uint32_t before = handsDealt(t.gs.counters);
        t.form->Timer2Timer();
        QVERIFY(t.settle());
        QVERIFY2(t.gs.Autoplay, "autoplay stopped");
        played += int(handsDealt(t.gs.counters) - before);
        if (played == hands / 10 && warm == 0)
            warm = residentKiB();
    }
    QCOMPARE(int(handsDealt(t.gs.counters) - dealtAtStart), played);
    // Autoplay never doubles; with no account operations the books move only by the play.
    // The file on disk is the state in memory, byte for byte (a pending win included).
    QVERIFY(testing::savedBytes(t) == countersBytes(t.gs.counters));
    QVERIFY(books(t.gs.counters) != start);
    const long end = residentKiB();
    qInfo("table: %d hands, resident %ld KiB after warm-up, %ld KiB at the end", played, warm, end);
    QVERIFY2(!kJudgeMemory || end <= warm + warm / 20, "resident memory grew by more than 5 %");
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
