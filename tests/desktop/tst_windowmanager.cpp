// The game on a desktop with a real window manager: the Extra screen stays over the table, and a
// logout (SIGTERM) or a lost display keeps what the player changed.
#include "tests/desktop/desktop.h"

#include "storage/gamefiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using namespace tarvelle;
using namespace tarvelle::testing;

namespace {

const QSize kScreen(1024, 768);
// The Extra screen and the play area are both 800 x 600, centred.
const QPoint kExtra((1024 - 800) / 2, (768 - 600) / 2);

QString runtimeDir()
{
    return qEnvironmentVariable("TARVELLE_RUNTIME_DIR", QDir::currentPath()) + QLatin1Char('/');
}

} // namespace

class TestWindowManager : public QObject {
    Q_OBJECT

    Desktop m_desktop;
    QTemporaryDir m_data;
    QProcess m_game;
    quint64 m_table = 0;

    void startGame()
    {
        for (const char* name : {"poker2.dat", "deck1.bmp", "deck2.bmp", "deck3.bmp", "help.htm"}) {
            QFile::remove(m_data.filePath(QLatin1String(name)));
            QVERIFY(QFile::copy(runtimeDir() + QLatin1String(name), m_data.filePath(QLatin1String(name))));
        }
        QProcessEnvironment env = m_desktop.environment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_data.path()); // no sound server here
        m_game.setProcessEnvironment(env);
        m_game.setProcessChannelMode(QProcess::ForwardedChannels);
        m_game.start(runtimeDir() + QStringLiteral("tarvelle"),
                     {QStringLiteral("--data-dir"), m_data.path()});
        QVERIFY(m_game.waitForStarted(5000));
        QVERIFY(
            waitUntil([&] { return (m_table = m_desktop.window(QStringLiteral("Tarvelle"))) != 0; }, 10000));
        QTest::qWait(4200); // the splash, until the table takes keys
    }

    quint64 openExtra()
    {
        m_desktop.key(QStringLiteral("s"));
        quint64 extra = 0;
        waitUntil([&] { return (extra = m_desktop.window(QStringLiteral("Extra"))) != 0; }, 5000);
        QTest::qWait(300);
        return extra;
    }

    bool extraOnTop(quint64 extra) const
    {
        const QList<quint64> order = m_desktop.stacking();
        return order.indexOf(extra) > order.indexOf(m_table) && order.indexOf(m_table) >= 0;
    }

    // Switches "Sound FX" and inserts 1000 on the open Extra screen.
    void changeSomething()
    {
        m_desktop.click(kExtra.x() + 90, kExtra.y() + 319);  // "Sound FX"
        m_desktop.click(kExtra.x() + 415, kExtra.y() + 478); // "Insert 1000"
        QTest::qWait(300);
    }

    void checkSaved()
    {
        Settings s;
        Counters c;
        loadini(s, m_data.path().toStdString());
        ldct(c, m_data.path().toStdString());
        QCOMPARE(int(s.SoundFx), 0);
        QCOMPARE(c.Credit, 2000);
        QCOMPARE(c.InsertedTotal, int64_t(2000));
    }

private slots:
    void initTestCase()
    {
        for (const char* tool : {"Xvfb", "openbox", "xprop", "xdotool"})
            if (!haveProgram(QLatin1String(tool)))
                QSKIP(qPrintable(QStringLiteral("%1 is not installed").arg(QLatin1String(tool))));
        QString why;
        if (!m_desktop.startX(kScreen, &why) ||
            !m_desktop.startWindowManager(QStringLiteral("openbox"), &why))
            QSKIP(qPrintable(why));
        QVERIFY(m_data.isValid());
    }

    void extraStaysOverTheTable()
    {
        startGame();
        const quint64 extra = openExtra();
        QVERIFY2(extra, "the S key did not open the Extra screen");
        QVERIFY(extraOnTop(extra));
        // The Extra screen itself, then the backdrop beside the play area and the table's corner.
        for (const QPoint at :
             {QPoint(kExtra.x() + 520, kExtra.y() + 25), QPoint(20, 300), QPoint(1000, 740)}) {
            m_desktop.click(at.x(), at.y());
            QTest::qWait(300);
            QVERIFY2(extraOnTop(extra),
                     qPrintable(QStringLiteral("after a click at %1,%2").arg(at.x()).arg(at.y())));
        }
        // The screen still has the keyboard: Escape closes it, and the table has the keyboard
        // again: S opens it once more.
        m_desktop.key(QStringLiteral("Escape"));
        QVERIFY(waitUntil([&] { return m_desktop.window(QStringLiteral("Extra")) == 0; }, 3000));
        QVERIFY(waitUntil([&] { return m_desktop.activeWindow() == m_table; }, 3000));
        QVERIFY(openExtra() != 0);
    }

    // Continues with the Extra screen open.
    void terminationSavesWhatChanged()
    {
        QVERIFY(m_game.state() == QProcess::Running);
        changeSomething();
        ::kill(pid_t(m_game.processId()), SIGTERM);
        QVERIFY(m_game.waitForFinished(5000));
        QCOMPARE(m_game.exitStatus(), QProcess::NormalExit);
        QCOMPARE(m_game.exitCode(), 0);
        checkSaved();
    }

    void lostDisplaySavesWhatChanged()
    {
        QFile::remove(m_data.filePath(QStringLiteral("poker.ini")));
        QFile::remove(m_data.filePath(QStringLiteral("poker.dat")));
        startGame();
        QVERIFY(openExtra() != 0);
        changeSomething();
        m_desktop.stop(); // the X server goes away under the game
        QVERIFY(m_game.waitForFinished(5000));
        QCOMPARE(m_game.exitCode(), 0);
        checkSaved();
    }

    void cleanupTestCase()
    {
        if (m_game.state() != QProcess::NotRunning) {
            m_game.kill();
            m_game.waitForFinished(2000);
        }
        m_desktop.stop();
    }
};

QTEST_GUILESS_MAIN(TestWindowManager)
#include "tst_windowmanager.moc"
