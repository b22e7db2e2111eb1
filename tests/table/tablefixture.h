#pragma once

#include "table/form1.h"

#include "widgets/cardimagery.h"

#include "sound/waveplayer.h"

#include "engine/clock.h"
#include "engine/gamestate.h"

#include "storage/gamefiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace tarvelle::testing {

// One table on a throw-away save folder, with the card file of the build. Its time is a
// manual clock: settle() runs the animation and the waits by hand, so a hand plays at
// processor speed. A real-time table keeps the system clock, for the few tests of the
// real timers.
struct Table {
    QTemporaryDir saveDir;
    ManualClock clock;
    bool realTime = false;
    GameState gs;
    SoundBank sounds;
    CardImagery imagery;
    std::unique_ptr<TForm1> form;

    static QString runtimeDir()
    {
        QString d = qEnvironmentVariable("TARVELLE_RUNTIME_DIR", QDir::currentPath());
        if (!d.endsWith(QLatin1Char('/')))
            d += QLatin1Char('/');
        return d;
    }

    explicit Table(bool revealed = true, bool realTimeClock = false) : realTime(realTimeClock)
    {
        SoundService::instance().setMuted(true);
        SoundService::instance().clearHistory();
        form = std::make_unique<TForm1>(gs, sounds, imagery, runtimeDir(), saveDir.path() + QLatin1Char('/'));
        form->setQuitOnExit(false);
        if (!realTime)
            form->setClock(clock);
        form->Timer1->stop();
        form->setScreenMetrics(QSize(1024, 768), 24);
        form->resize(1024, 768);
        form->show();
        if (revealed)
            for (int i = 0; i < 12; ++i)
                form->Timer1Timer();
        form->Timer3->stop();
    }

    QString savePath(const QString& name) const { return saveDir.path() + QLatin1Char('/') + name; }

    // Plays on until the round rests: the animation ticked by hand, the round's wake-ups
    // delivered by moving the manual clock to them (stepOnce). A real-time table waits instead.
    bool settle(int ms = 5000)
    {
        if (realTime)
            return QTest::qWaitFor([this] { return !form->phaseBusy() && !form->roundWaiting(); }, ms);
        for (int i = 0; i < 100000; ++i)
            if (!stepOnce())
                return !form->phaseBusy();
        return false;
    }

    // One step of play on the manual clock: an animation tick, else the round's next
    // wake-up. False when neither is left.
    bool stepOnce()
    {
        if (form->Timer4->isActive())
            form->Timer4Timer();
        else if (form->Timer5->isActive())
            form->Timer5Timer();
        else if (form->roundWaiting())
            clock.advance(form->round().wakeAt() - clock.elapsedMs());
        else
            return false;
        return true;
    }

    // Plays step by step until done() holds; false when play stopped first. With timed,
    // every timer fires at its own time on the clock, the animation's too, as in real play.
    template <class Done>
    bool runUntil(Done done, bool timed = false, int guard = 100000)
    {
        for (int i = 0; i < guard; ++i) {
            if (done())
                return true;
            if (!(timed ? clock.fireNext() : stepOnce()))
                return done();
        }
        return false;
    }

    // Delivers the round's wake-ups one at a time until it has no work left; before the
    // n-th, inside(n) may send inputs that land inside that wait.
    template <class Inside>
    void throughWaits(Inside inside)
    {
        for (int n = 0; form->roundWaiting() && n < 10000; ++n) {
            inside(n);
            if (form->roundWaiting())
                clock.advance(form->round().wakeAt() - clock.elapsedMs());
        }
    }

    // The exit's frames and pause run on the clock to the end of the program.
    bool runExit()
    {
        if (realTime)
            return QTest::qWaitFor([this] { return form->ended(); }, 5000);
        while (!form->ended() && clock.fireNext()) {
        }
        return form->ended();
    }

    // Auto Double on, 52 cards, bet 10, and a dealt hand waiting for its draw.
    bool dealWithAutoDouble(int32_t credit)
    {
        gs.settings.Joker = 0;
        gs.settings.AutoDouble = 1;
        gs.counters.Credit = credit;
        gs.counters.Bet = 10;
        form->FormKeyPress(QLatin1Char('\r'));
        return settle();
    }

    // Three Kings, all held: the draw pays 5 times the bet.
    void holdThreeKings()
    {
        setHand({13, 13, 13, 4, 9}, {1, 2, 3, 2, 4});
        gs.hand.Held.fill(1);
    }

    // Puts a known hand on the table (ranks and suits of positions 1..5).
    void setHand(std::initializer_list<int> ranks, std::initializer_list<int> suits)
    {
        int k = 1;
        for (int r : ranks)
            gs.hand.Rank[size_t(k++)] = uint8_t(r);
        k = 1;
        for (int s : suits)
            gs.hand.Suit[size_t(k++)] = uint8_t(s);
    }
};

// ---- helpers shared by the table tests ----

// Delivers the round's wake-ups on a manual clock until it has no work left: what a player
// who waits a moment sees. The animation timers fire too where they fall due meanwhile.
inline void finishWaits(TForm1& f)
{
    Round& r = f.round();
    ManualClock* m = r.clock().manual();
    while (m && r.waiting())
        m->advance(r.wakeAt() - m->elapsedMs());
}

inline void press(QWidget* w)
{
    const QPoint c = w->rect().center();
    QTest::mousePress(w, Qt::LeftButton, {}, c);
    QTest::mouseRelease(w, Qt::LeftButton, {}, c);
    if (auto* f = qobject_cast<TForm1*>(w->window()))
        finishWaits(*f);
}

// A key, and its waits over. keyInside() leaves them pending, so the next input lands inside.
inline void keyInside(TForm1& f, char c)
{
    f.FormKeyPress(QLatin1Char(c));
}

inline void key(TForm1& f, char c)
{
    keyInside(f, c);
    finishWaits(f);
}

inline Counters savedCounters(const Table& t)
{
    Counters c;
    c.Credit = -1;
    ldct(c, t.saveDir.path().toStdString() + "/");
    return c;
}

// The counters file as it lies on disk, before a start pays its pending win.
inline std::array<uint8_t, 316> savedBytes(const Table& t)
{
    std::array<uint8_t, 316> b{};
    QFile f(t.savePath(QStringLiteral("poker.dat")));
    if (f.open(QIODevice::ReadOnly))
        f.read(reinterpret_cast<char*>(b.data()), qint64(b.size()));
    return b;
}


} // namespace tarvelle::testing
