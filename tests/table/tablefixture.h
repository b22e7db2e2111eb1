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
// manual clock: waits return at once and settle() runs the animation by hand, so a hand
// plays at processor speed. A real-time table keeps the system clock, for the tests of
// what happens while a wait lets other input in.
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

    // Waits until the deal or draw under way has settled; on the manual clock the
    // animation timers are ticked by hand.
    bool settle(int ms = 5000)
    {
        if (realTime)
            return QTest::qWaitFor([this] { return !form->phaseBusy(); }, ms);
        for (int i = 0; i < 1000; ++i) {
            if (form->Timer4->isActive())
                form->Timer4Timer();
            else if (form->Timer5->isActive())
                form->Timer5Timer();
            else if (!form->phaseBusy())
                return true;
            else
                QCoreApplication::processEvents();
        }
        return false;
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

inline void press(QWidget* w)
{
    const QPoint c = w->rect().center();
    QTest::mousePress(w, Qt::LeftButton, {}, c);
    QTest::mouseRelease(w, Qt::LeftButton, {}, c);
}

inline void key(TForm1& f, char c)
{
    f.FormKeyPress(QLatin1Char(c));
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
