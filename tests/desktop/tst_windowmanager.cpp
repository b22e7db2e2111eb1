// The game on a desktop with a real window manager: the Extra screen stays over the table, and a
// logout (SIGTERM) or a lost display keeps what the player changed.
#include "tests/desktop/desktop.h"

#include "storage/gamefiles.h"

#include <QFile>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstdlib>
#include <cstring>

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

    void startGame(const Desktop& desktop, const QString& scale = QString())
    {
        for (const char* name : {"poker2.dat", "deck1.bmp", "deck2.bmp", "deck3.bmp", "help.htm"}) {
            QFile::remove(m_data.filePath(QLatin1String(name)));
            QVERIFY(QFile::copy(runtimeDir() + QLatin1String(name), m_data.filePath(QLatin1String(name))));
        }
        QProcessEnvironment env = desktop.environment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_data.path()); // no sound server here
        if (!scale.isEmpty())
            env.insert(QStringLiteral("QT_SCALE_FACTOR"), scale);
        m_game.setProcessEnvironment(env);
        m_game.setProcessChannelMode(QProcess::ForwardedChannels);
        m_game.start(runtimeDir() + QStringLiteral("tarvelle"),
                     {QStringLiteral("--data-dir"), m_data.path()});
        QVERIFY(m_game.waitForStarted(5000));
        QVERIFY(
            waitUntil([&] { return (m_table = desktop.window(QStringLiteral("Tarvelle"))) != 0; }, 10000));
        QTest::qWait(4200); // the splash, until the table takes keys
        QVERIFY2(m_game.state() == QProcess::Running, "the game refused the screen");
    }
    void startGame() { startGame(m_desktop); }

    quint64 openExtra(const Desktop& desktop)
    {
        desktop.key(QStringLiteral("s"));
        quint64 extra = 0;
        waitUntil([&] { return (extra = desktop.window(QStringLiteral("Extra"))) != 0; }, 5000);
        // Clicks right after it appears go astray on a loaded machine until it has the focus.
        waitUntil([&] { return extra && desktop.activeWindow() == extra; }, 3000);
        QTest::qWait(300);
        return extra;
    }
    quint64 openExtra() { return openExtra(m_desktop); }

    void stopGame()
    {
        m_game.kill();
        m_game.waitForFinished(5000);
    }

    // The table and the Extra screen on a screen of this size: the play area whole and centred
    // in the table's own window, seen on the screen (the table picture's top and bottom strips,
    // where nothing lies on it, at device scale), and the Extra screen exactly over it.
    void checkPlayArea(const Desktop& desktop, QRect tableWindow, double scale, const QString& shotName)
    {
        QCOMPARE(desktop.geometry(m_table), tableWindow);
        // The play area in device pixels, centred as the table centres it in logical ones.
        const QSize logical(qRound(tableWindow.width() / scale), qRound(tableWindow.height() / scale));
        const QPoint origin((logical.width() - 800) / 2, (logical.height() - 600) / 2);
        const QRect area(tableWindow.topLeft() +
                             QPoint(qRound(origin.x() * scale), qRound(origin.y() * scale)),
                         QSize(qRound(800 * scale), qRound(600 * scale)));
        const QString shotPath = m_data.filePath(shotName);
        const QImage shot = desktop.grab(QCoreApplication::applicationFilePath(), shotPath);
        QVERIFY2(!shot.isNull(), "no picture of the screen");
        if (!qEnvironmentVariableIsEmpty("TARVELLE_SCREENSHOTS"))
            shot.save(qEnvironmentVariable("TARVELLE_SCREENSHOTS") + QLatin1Char('/') + shotName);
        const QImage seen = shot.copy(area).scaled(800, 600, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QImage art = QImage(QStringLiteral(":/img/desen.png")).convertToFormat(QImage::Format_RGB32);
        for (const QRect strip : {QRect(0, 0, 760, 50), QRect(0, 562, 800, 38)}) {
            const double diff = meanDifference(seen, art, strip);
            // Exact at scale 1; a smoothed copy of the double-size art otherwise.
            QVERIFY2(diff <= (scale == 1.0 ? 0.0 : 6.0),
                     qPrintable(QStringLiteral("the play area at %1,%2 differs from the table picture by %3 "
                                               "in the strip at y %4")
                                    .arg(area.x())
                                    .arg(area.y())
                                    .arg(diff)
                                    .arg(strip.y())));
        }
        const quint64 extra = openExtra(desktop);
        QVERIFY2(extra, "the S key did not open the Extra screen");
        QCOMPARE(desktop.geometry(extra), area);
    }

    static double meanDifference(const QImage& a, const QImage& b, QRect part)
    {
        const QImage x = a.convertToFormat(QImage::Format_RGB32);
        double sum = 0;
        for (int y = part.top(); y <= part.bottom(); ++y)
            for (int i = part.left(); i <= part.right(); ++i) {
                const QRgb p = x.pixel(i, y);
                const QRgb q = b.pixel(i, y);
                sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                       std::abs(qBlue(p) - qBlue(q));
            }
        return sum / (3.0 * part.width() * part.height());
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
        // Even with the keyboard handed to the table, as a Wayland compositor does on such a click,
        // the keys are the screen's: Escape closes it, and the table has the keyboard again: S
        // opens it once more.
        m_desktop.x(QStringLiteral("xdotool"), {QStringLiteral("windowfocus"), QString::number(m_table)});
        QTest::qWait(300);
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

    // A 40-pixel panel at the top: the window manager gives the table the rest of the screen.
    // Openbox's arguments for a desktop with a 40-px panel along the top.
    static QStringList topPanel(const QTemporaryDir& dir)
    {
        const QString rc = dir.filePath(QStringLiteral("rc.xml"));
        QFile f(rc);
        if (f.open(QIODevice::WriteOnly))
            f.write("<?xml version=\"1.0\"?>\n<openbox_config xmlns=\"http://openbox.org/3.4/rc\">"
                    "<margins><top>40</top><bottom>0</bottom><left>0</left><right>0</right></margins>"
                    "</openbox_config>\n");
        return {QStringLiteral("--config-file"), rc};
    }

    void panelKeepsThePlayAreaCentred()
    {
        stopGame();
        QTemporaryDir dir;
        Desktop desktop;
        QString why;
        QVERIFY2(desktop.startX(kScreen, &why) &&
                     desktop.startWindowManager(QStringLiteral("openbox"), &why, topPanel(dir)),
                 qPrintable(why));
        startGame(desktop);
        if (QTest::currentTestFailed())
            return;
        checkPlayArea(desktop, QRect(0, 40, 1024, 728), 1.0, QStringLiteral("panel.png"));
        stopGame();
    }

    // 1920 x 1080 at a display scale of 2 is 960 x 540 logical pixels: the table is drawn at the
    // largest scale that fits rather than refused; with the panel, what fits in the 1920 x 1040
    // left beside it (1.733, not the whole screen's 1.8).
    void scaledScreenFitsTheTable()
    {
        QTemporaryDir dir;
        Desktop desktop;
        QString why;
        QVERIFY2(desktop.startX(QSize(1920, 1080), &why) &&
                     desktop.startWindowManager(QStringLiteral("openbox"), &why, topPanel(dir)),
                 qPrintable(why));
        startGame(desktop, QStringLiteral("2"));
        if (QTest::currentTestFailed())
            return;
        checkPlayArea(desktop, QRect(0, 40, 1920, 1040), 1.733, QStringLiteral("scale2.png"));
        stopGame();
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

int main(int argc, char** argv)
{
    // "--grab FILE" on a test's display: a picture of the whole screen.
    if (argc == 3 && !std::strcmp(argv[1], "--grab")) {
        const QString file = QString::fromLocal8Bit(argv[2]);
        QGuiApplication app(argc, argv);
        QScreen* screen = QGuiApplication::primaryScreen();
        return screen && screen->grabWindow(0).save(file) ? 0 : 1;
    }
    QCoreApplication app(argc, argv);
    TestWindowManager test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_windowmanager.moc"
