// A whole recorded game through the real table: the same inputs must give the same
// effects (cues, texts, cards, money) and the same saved bytes, input by input.
// TARVELLE_GOLDEN_WRITE=1 records the file anew instead of comparing.
#include "tests/table/tablefixture.h"

#include "extra/form2.h"
#include "storage/gamefiles.h"

#include "widgets/antialiaslabel.h"

#include <QFile>
#include <QtTest>

#include <set>

using namespace tarvelle;
using tarvelle::testing::Table;

namespace {

QString goldenPath()
{
    return qEnvironmentVariable("TARVELLE_SOURCE_DIR") + QStringLiteral("/tests/table/golden/game.txt");
}

uint64_t fnv(const uint8_t* p, size_t n)
{
    uint64_t h = 1469598103934665603ull;
    for (size_t i = 0; i < n; ++i)
        h = (h ^ p[i]) * 1099511628211ull;
    return h;
}

QByteArray fileHex(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return "missing";
    return f.readAll().toHex();
}

// Small deterministic chooser for the script, independent of the game's generators.
struct Script {
    uint32_t s;
    int next(int n)
    {
        s = s * 1103515245u + 12345u;
        return int((s >> 16) % uint32_t(n));
    }
};

} // namespace

class TestGolden : public QObject {
    Q_OBJECT
private slots:
    void recordedGame();
};

void TestGolden::recordedGame()
{
    Table t;
    TForm2 extra(t.gs, t.sounds, t.imagery, Table::runtimeDir(), t.saveDir.path() + QLatin1Char('/'));
    t.form->setExtra(&extra);
    TForm1& f = *t.form;
    QStringList log;
    int inputs = 0;

    // Runs the animation and the round's waits by hand until the round rests.
    auto settle = [&] { QVERIFY(t.settle()); };
    auto record = [&](const QString& what, bool settled = true) {
        if (settled)
            settle();
        ++inputs;
        const Counters& c = t.gs.counters;
        QString hand;
        for (int k = 1; k <= 5; ++k)
            hand += QStringLiteral("%1/%2%3 ")
                        .arg(t.gs.hand.Rank[size_t(k)])
                        .arg(t.gs.hand.Suit[size_t(k)])
                        .arg(t.gs.hand.Held[size_t(k)] ? "*" : "");
        QString marks;
        for (int k = 1; k <= 5; ++k)
            marks += QString::number(t.gs.dbl.DoubleMarks[k]);
        const auto bytes = countersBytes(c);
        QFile dat(t.savePath(QStringLiteral("poker.dat")));
        QByteArray saved;
        if (dat.open(QIODevice::ReadOnly))
            saved = dat.readAll();
        log << QStringLiteral("%1 %2 | C%3 W%4 B%5 b%6 I%7 O%8 R%9 | S%10 H%11 D%12 A%13 r%14 m%15 | '%16' "
                              "'%17' '%18' | "
                              "%19| %20 | mem %21 file %22")
                   .arg(inputs, 3, 10, QLatin1Char('0'))
                   .arg(what, -6)
                   .arg(c.Credit)
                   .arg(c.Win)
                   .arg(c.Bonus)
                   .arg(c.Bet)
                   .arg(c.InsertedTotal)
                   .arg(c.CashoutTotal)
                   .arg(c.AccountRecord)
                   .arg(t.gs.State)
                   .arg(t.gs.HandActive)
                   .arg(t.gs.dbl.DoubleActive)
                   .arg(t.gs.Autoplay)
                   .arg(t.gs.dbl.DoubleRound)
                   .arg(marks)
                   .arg(f.AntiAliasLabel1->text(), f.AntiAliasLabel6->text(), f.AntiAliasLabel8->text())
                   .arg(hand)
                   .arg(SoundService::instance().history().join(QLatin1Char(',')))
                   .arg(QString::number(fnv(bytes.data(), bytes.size()), 16))
                   .arg(QString::number(
                       fnv(reinterpret_cast<const uint8_t*>(saved.constData()), size_t(saved.size())), 16));
        SoundService::instance().clearHistory();
    };
    auto keyIn = [&](char c) {
        f.FormKeyPress(QLatin1Char(c));
        record(QStringLiteral("key%1").arg(c == '\r' ? 'E' : c));
    };
    auto mouseDeal = [&] {
        f.LbSpeedButton2MouseDown();
        f.LbSpeedButton2MouseUp();
        record(QStringLiteral("deal"));
    };
    // Autoplay off, the double-up collected, the hand drawn: the table at rest.
    auto wrapUp = [&] {
        if (t.gs.Autoplay) {
            keyIn('A');
            f.Timer2->stop();
        }
        while (t.gs.dbl.DoubleActive)
            keyIn('\r');
        if (t.gs.State == 2)
            keyIn(' ');
    };
    auto account = [&](int op) {
        f.FormKeyPress(QLatin1Char('S'));
        if (op == 0)
            extra.insertClick();
        else if (op == 1)
            extra.cashoutClick();
        else
            extra.accountResetClick();
        extra.closeClick();
        record(QStringLiteral("acct%1").arg(op));
    };

    struct Segment {
        uint32_t seed;
        int steps;
        bool joker, redBlack, payoutControl, autoDouble, autoBet, autoHold, smartHold;
    };
    const Segment segments[] = {
        {11, 70, true, false, false, false, false, true, true},
        {22, 60, false, true, false, true, false, true, false},
        {33, 60, true, true, true, false, true, false, true},
        {44, 60, false, false, true, true, true, true, true},
        {55, 60, true, false, false, false, true, true, true},
    };
    Script script{7};
    for (const Segment& s : segments) {
        t.gs.rng.seed(s.seed);
        Settings& st = t.gs.settings;
        st.Joker = s.joker;
        st.RedBlack = s.redBlack;
        st.PayoutControl = s.payoutControl;
        st.AutoDouble = s.autoDouble;
        st.AutoBet = s.autoBet;
        st.AutoHold = s.autoHold;
        st.SmartHold = s.smartHold;
        for (int i = 0; i < s.steps; ++i) {
            const int r = script.next(100);
            if (t.gs.Autoplay) {
                if (r < 80) {
                    f.Timer2Timer();
                    record(QStringLiteral("tick2"));
                } else {
                    keyIn('A');
                    f.Timer2->stop();
                }
            } else if (t.gs.dbl.DoubleActive) {
                if (r < 40)
                    keyIn('+');
                else if (r < 80)
                    keyIn('-');
                else if (r < 90)
                    keyIn('D');
                else
                    keyIn('\r');
            } else if (t.gs.State == 2) {
                if (r < 45)
                    keyIn(char('1' + script.next(5)));
                else if (r < 85)
                    keyIn(' ');
                else if (r < 92)
                    mouseDeal();
                else
                    keyIn('+'); // ignored during a hand
            } else {
                if (r < 35)
                    keyIn('\r');
                else if (r < 45)
                    mouseDeal();
                else if (r < 62 && t.gs.counters.Win > 0)
                    keyIn('D');
                else if (r < 68)
                    keyIn(r % 2 ? '+' : '-');
                else if (r < 72) {
                    f.FormMouseWheel(r % 2 ? 120 : -120);
                    record(QStringLiteral("wheel"));
                } else if (r < 74)
                    keyIn('M');
                else if (r < 80) {
                    keyIn('A');
                    f.Timer2->stop();
                } else if (r < 88)
                    account(script.next(3));
                else
                    keyIn('\r');
            }
        }
        wrapUp();
    }
    // Five won guesses in a row, one on the Joker: the chain pays itself out.
    t.gs.settings.RedBlack = 1;
    t.gs.settings.DoubleGame = 1;
    t.gs.counters.Bet = 10;
    t.gs.counters.Win = 10;
    keyIn('D');
    t.setHand({3, 4, 2, 6, 8}, {3, 4, 5, 4, 3});
    for (int i = 0; i < 5; ++i)
        keyIn('+');
    // The bonus pot pays out when it passes 9999.
    t.gs.counters.Bonus = 9990;
    t.gs.counters.Bet = 10;
    t.gs.settings.DoubleGame = 1;
    t.gs.counters.Win = 10;
    keyIn('D');
    keyIn('+');
    while (t.gs.dbl.DoubleActive)
        keyIn('\r');

    // Inputs inside the waits: each operation is stepped wake-up by wake-up, and a key
    // lands inside some of them, recorded before the wait goes on.
    std::set<Phase> insidePhases;
    {
        Settings& st = t.gs.settings;
        st.SoundFx = st.VoiceFx = 1;
        st.DoubleGame = st.AutoDouble = st.AutoBet = 1;
        st.PayoutControl = 0;
        t.gs.rng.seed(66);
        const char keys[] = {'\r', ' ', '+', '-', 'D', 'M', 'A', '1', '3'};
        for (int op = 0; op < 120; ++op) {
            const int r = script.next(100);
            QChar c;
            if (t.gs.Autoplay) {
                if (r < 20 && t.gs.State != 2) { // short of money: Auto Bet lowers the bet first
                    t.gs.counters.Credit = 35;
                    t.gs.counters.Bet = 50;
                }
                f.Timer2Timer();
            } else if (t.gs.dbl.DoubleActive) {
                c = QLatin1Char("+-D\r"[r % 4]);
            } else if (t.gs.State == 2) {
                if (r < 40) // a paying hand, for the announcement's and the Auto Double's waits
                    t.holdThreeKings();
                c = QLatin1Char(' ');
            } else {
                c = QLatin1Char(r < 55 ? '\r' : r < 75 ? '+' : r < 85 ? 'D' : r < 92 ? 'M' : 'A');
                if ((c == QLatin1Char('+') || c == QLatin1Char('M')) && t.gs.counters.Win == 0)
                    t.gs.counters.Win = 20; // a pending win, moved before the bet changes
            }
            if (!c.isNull())
                f.FormKeyPress(c);
            f.Timer2->stop(); // autoplay's steps are the script's
            for (int guard = 0; guard < 1000 && (f.roundWaiting() || f.Timer4->isActive() || f.Timer5->isActive());
                 ++guard) {
                if (f.Timer4->isActive()) {
                    f.Timer4Timer();
                    continue;
                }
                if (f.Timer5->isActive()) {
                    f.Timer5Timer();
                    continue;
                }
                if (script.next(100) < 45) {
                    const Phase p = f.round().phase();
                    insidePhases.insert(p);
                    const char k = keys[script.next(int(sizeof keys))];
                    f.FormKeyPress(QLatin1Char(k));
                    f.Timer2->stop();
                    record(QStringLiteral("in %1 key%2").arg(QLatin1String(phaseName(p))).arg(k == '\r' ? 'E' : k),
                           false);
                }
                if (f.roundWaiting())
                    t.clock.advance(f.round().wakeAt() - t.clock.elapsedMs());
            }
            record(c.isNull() ? QStringLiteral("tick2") : QStringLiteral("op key%1").arg(c == QLatin1Char('\r') ? QLatin1Char('E') : c));
        }
        wrapUp();
    }
    f.FormKeyPress(QLatin1Char('X'));
    while (!f.ended() && t.clock.fireNext()) {
    } // the window shrinks away on the clock
    record(QStringLiteral("exit"));
    QVERIFY(f.ended());
    log << QStringLiteral("poker.dat %1")
               .arg(QString::fromLatin1(fileHex(t.savePath(QStringLiteral("poker.dat")))));
    log << QStringLiteral("poker.ini %1")
               .arg(QString::fromLatin1(fileHex(t.savePath(QStringLiteral("poker.ini")))));
    QVERIFY2(inputs >= 300, qPrintable(QString::number(inputs)));
    // Keys landed inside every kind of wait.
    for (Phase p : {Phase::Idle, Phase::Transfer, Phase::DealPaying, Phase::DealStarting, Phase::DealSettling,
                    Phase::DrawSettling, Phase::AutoDoubleWait, Phase::GuessSettling, Phase::DoubleOver,
                    Phase::AutoplayStep, Phase::AutoDealPaying, Phase::AutoDealStarting})
        QVERIFY2(insidePhases.count(p), phaseName(p));
    QCOMPARE(t.form->round().deepestInput(), 1);

    const QString text = log.join(QLatin1Char('\n')) + QLatin1Char('\n');
    if (qEnvironmentVariableIsSet("TARVELLE_GOLDEN_WRITE")) {
        QFile out(goldenPath());
        QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(text.toUtf8());
        return;
    }
    QFile in(goldenPath());
    QVERIFY2(in.open(QIODevice::ReadOnly), qPrintable(goldenPath()));
    const QStringList want = QString::fromUtf8(in.readAll()).split(QLatin1Char('\n'));
    const QStringList got = text.split(QLatin1Char('\n'));
    for (int i = 0; i < qMin(want.size(), got.size()); ++i)
        QVERIFY2(want[i] == got[i],
                 qPrintable(QStringLiteral("line %1\nwant %2\ngot  %3").arg(i + 1).arg(want[i], got[i])));
    QCOMPARE(got.size(), want.size());
}

QTEST_MAIN(TestGolden)
#include "tst_golden.moc"
