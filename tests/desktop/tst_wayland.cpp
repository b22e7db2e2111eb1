// The game under a Wayland compositor (sway, headless), in the language of TARVELLE_TEST_LANG (a
// LANG value; English when unset). The game must run natively on Wayland when the session is one,
// and a click on the table's backdrop while the Extra screen is open hands the keyboard to the
// disabled table; the keys must still act.
#include "tests/desktop/desktop.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace tarvelle::testing;

namespace {

QString runtimeDir()
{
    return qEnvironmentVariable("TARVELLE_RUNTIME_DIR", QDir::currentPath()) + QLatin1Char('/');
}

// Every window in sway's tree, tiled or floating.
void collectWindows(const QJsonObject& node, QList<QJsonObject>& out)
{
    if (node.contains(QStringLiteral("pid")))
        out.append(node);
    for (const char* key : {"nodes", "floating_nodes"})
        for (const QJsonValue child : node.value(QLatin1String(key)).toArray())
            collectWindows(child.toObject(), out);
}

} // namespace

class TestWayland : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir; // sway's config and runtime folder, the game's data folder
    QProcess m_sway;
    QProcess m_game;
    QString m_swayRuntime;
    QString m_socket;
    QString m_ipc;

    QProcessEnvironment toolEnvironment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("WAYLAND_DISPLAY"), m_socket);
        env.insert(QStringLiteral("SWAYSOCK"), m_ipc);
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir.filePath(QStringLiteral("run")));
        env.remove(QStringLiteral("DISPLAY"));
        return env;
    }

    QByteArray tool(const QString& program, const QStringList& args) const
    {
        QProcess p;
        p.setProcessEnvironment(toolEnvironment());
        p.start(program, args);
        if (!p.waitForFinished(10000))
            p.kill();
        return p.readAllStandardOutput();
    }

    // wtype brings a keymap of its own each time, and the first key after a new keymap is lost
    // to the toolkit: a Shift goes first.
    void key(const QString& name) const
    {
        tool(QStringLiteral("wtype"),
             {QStringLiteral("-k"), QStringLiteral("Shift_L"), QStringLiteral("-k"), name});
    }

    void click(int x, int y) const
    {
        const QString at = QStringLiteral("%1 %2").arg(x).arg(y);
        for (const QString& step :
             {QStringLiteral("cursor set ") + at, QStringLiteral("cursor press button1"),
              QStringLiteral("cursor release button1")})
            tool(QStringLiteral("swaymsg"), {QStringLiteral("seat - ") + step});
    }

    QList<QJsonObject> windows() const
    {
        QList<QJsonObject> out;
        collectWindows(QJsonDocument::fromJson(
                           tool(QStringLiteral("swaymsg"),
                                {QStringLiteral("-r"), QStringLiteral("-t"), QStringLiteral("get_tree")}))
                           .object(),
                       out);
        return out;
    }

    // The table is the game's window titled with the game's name, whatever the language; the
    // Extra screen is its other window. Whether it is mapped, and whether it has the keyboard.
    bool shown(bool table, bool* focused = nullptr, QJsonObject* window = nullptr) const
    {
        for (const QJsonObject& w : windows())
            if (w.value(QStringLiteral("pid")).toInteger() == m_game.processId() &&
                (w.value(QStringLiteral("name")).toString() == QLatin1String("Tarvelle")) == table) {
                if (focused)
                    *focused = w.value(QStringLiteral("focused")).toBool();
                if (window)
                    *window = w;
                return true;
            }
        return false;
    }

private slots:
    void initTestCase()
    {
        for (const char* program : {"sway", "swaymsg", "wtype", "grim"})
            if (!haveProgram(QLatin1String(program)))
                QSKIP(qPrintable(QStringLiteral("%1 is not installed").arg(QLatin1String(program))));
        QVERIFY(m_dir.isValid());
        // sway refuses to run as root: there it runs as nobody, in a folder of its own.
        const bool root = ::geteuid() == 0;
        if (root && !haveProgram(QStringLiteral("setpriv")))
            QSKIP("running as root and setpriv is not installed");
        QFile::setPermissions(m_dir.path(),
                              QFile::permissions(m_dir.path()) | QFile::ExeOther | QFile::ExeGroup);
        m_swayRuntime = m_dir.filePath(QStringLiteral("sway"));
        QVERIFY(QDir().mkdir(m_swayRuntime));
        // The game's and the tools' own runtime folder: no sound server there.
        QVERIFY(QDir().mkdir(m_dir.filePath(QStringLiteral("run")),
                             QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        if (root)
            QVERIFY(::chown(QFile::encodeName(m_swayRuntime).constData(), 65534, 65534) == 0);
        const QString config = m_dir.filePath(QStringLiteral("sway.config"));
        QFile f(config);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("output HEADLESS-1 resolution 1024x768\n"
                "default_border none\ndefault_floating_border none\nfocus_follows_mouse no\n");
        f.close();
        f.setPermissions(f.permissions() | QFile::ReadOther);

        QProcessEnvironment env;
        env.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_swayRuntime);
        env.insert(QStringLiteral("WLR_BACKENDS"), QStringLiteral("headless"));
        env.insert(QStringLiteral("WLR_LIBINPUT_NO_DEVICES"), QStringLiteral("1"));
        env.insert(QStringLiteral("WLR_RENDERER"), QStringLiteral("pixman"));
        m_sway.setProcessEnvironment(env);
        m_sway.setProcessChannelMode(QProcess::MergedChannels);
        QStringList args{QStringLiteral("-c"), config};
        if (root) {
            args.prepend(QStringLiteral("sway"));
            args = QStringList{QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                               QStringLiteral("--clear-groups")} +
                   args;
            m_sway.start(QStringLiteral("setpriv"), args);
        } else {
            m_sway.start(QStringLiteral("sway"), args);
        }
        QVERIFY(m_sway.waitForStarted(5000));
        const bool up = waitUntil(
            [&] {
                const QDir run(m_swayRuntime);
                const QStringList sockets = run.entryList({QStringLiteral("wayland-?")}, QDir::System);
                const QStringList ipc = run.entryList({QStringLiteral("sway-ipc.*.sock")}, QDir::System);
                if (sockets.isEmpty() || ipc.isEmpty())
                    return false;
                m_socket = run.filePath(sockets.first());
                m_ipc = run.filePath(ipc.first());
                return true;
            },
            10000);
        if (!up)
            QSKIP(qPrintable(QStringLiteral("sway did not start: %1")
                                 .arg(QString::fromLocal8Bit(m_sway.readAll().right(400)))));
    }

    void keysReachTheExtraScreenAfterAClickOnTheTable()
    {
        for (const char* name : {"poker2.dat", "deck1.bmp", "deck2.bmp", "deck3.bmp", "help.htm"})
            QVERIFY(QFile::copy(runtimeDir() + QLatin1String(name), m_dir.filePath(QLatin1String(name))));
        QProcessEnvironment env = toolEnvironment();
        // A Wayland session as a desktop starts one: the toolkit chooses its platform itself.
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
        env.remove(QStringLiteral("SWAYSOCK"));
        const QString lang = qEnvironmentVariable("TARVELLE_TEST_LANG", QStringLiteral("en_US.UTF-8"));
        env.insert(QStringLiteral("LANG"), lang);
        env.insert(QStringLiteral("LANGUAGE"), lang.section(QLatin1Char('_'), 0, 0));
        env.remove(QStringLiteral("LC_ALL"));
        env.remove(QStringLiteral("LC_MESSAGES"));
        m_game.setProcessEnvironment(env);
        m_game.setProcessChannelMode(QProcess::ForwardedChannels);
        m_game.start(runtimeDir() + QStringLiteral("tarvelle"), {QStringLiteral("--data-dir"), m_dir.path()});
        QVERIFY(m_game.waitForStarted(5000));
        QJsonObject table;
        QVERIFY2(waitUntil([&] { return shown(true, nullptr, &table); }, 10000), "no table window");
        // Natively, not through XWayland, and known to the desktop by its entry's name.
        QCOMPARE(table.value(QStringLiteral("shell")).toString(), QStringLiteral("xdg_shell"));
        QCOMPARE(table.value(QStringLiteral("app_id")).toString(), QStringLiteral("org.tarvelle.Tarvelle"));
        QTest::qWait(4200); // the splash, until the table takes keys

        key(QStringLiteral("s"));
        bool focused = false;
        QVERIFY2(waitUntil([&] { return shown(false, &focused); }, 5000),
                 "the S key did not open the Extra screen");
        QTest::qWait(300);
        // The backdrop left of the play area (the Extra screen lies over the play area).
        click(40, 384);
        QTest::qWait(500);
        QVERIFY(shown(false, &focused));
        qInfo("after the click the compositor gives the keyboard to the %s",
              focused ? "Extra screen" : "table");
        if (!qEnvironmentVariableIsEmpty("TARVELLE_SCREENSHOTS"))
            tool(QStringLiteral("grim"),
                 {qEnvironmentVariable("TARVELLE_SCREENSHOTS") + QStringLiteral("/wayland.png")});

        key(QStringLiteral("Escape"));
        QVERIFY2(waitUntil([&] { return !shown(false); }, 3000), "Escape did not close the Extra screen");
        // The table takes its keys again: X ends the game.
        QVERIFY(waitUntil([&] { return shown(true, &focused) && focused; }, 3000));
        QTest::qWait(300);
        key(QStringLiteral("x"));
        QVERIFY2(m_game.waitForFinished(8000), "X did not end the game");
        QCOMPARE(m_game.exitCode(), 0);
    }

    void cleanupTestCase()
    {
        for (QProcess* p : {&m_game, &m_sway})
            if (p->state() != QProcess::NotRunning) {
                p->terminate();
                if (!p->waitForFinished(3000)) {
                    p->kill();
                    p->waitForFinished(2000);
                }
            }
    }
};

QTEST_GUILESS_MAIN(TestWayland)
#include "tst_wayland.moc"
