#pragma once

// A throw-away sound server for tests and the bench: PulseAudio, or PipeWire answering through
// pipewire-pulse, in a runtime folder of its own, playing into a null sink at 44 100 Hz 16-bit
// stereo (the game's stream format, so nothing is resampled) whose monitor can be recorded.
// Every process it starts dies with the program that started it.
#include "tests/desktop/desktop.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <memory>
#include <sys/prctl.h>

namespace tarvelle::testing {

class LocalSoundServer {
public:
    enum class Kind { PulseAudio, PipeWire };
    static constexpr const char* kSink = "tarvelle_test";

    explicit LocalSoundServer(Kind kind) : m_kind(kind) {}
    ~LocalSoundServer() { stop(); }

    static Kind kindNamed(const QString& name)
    {
        return name == QLatin1String("pipewire") ? Kind::PipeWire : Kind::PulseAudio;
    }
    QString name() const
    {
        return m_kind == Kind::PipeWire ? QStringLiteral("PipeWire") : QStringLiteral("PulseAudio");
    }

    // The programs it needs; the first one missing, or empty.
    QString missingProgram() const
    {
        const QStringList tools =
            m_kind == Kind::PipeWire
                ? QStringList{"pipewire", "wireplumber", "pipewire-pulse", "dbus-daemon", "pactl", "parec"}
                : QStringList{"pulseaudio", "pactl", "parec"};
        for (const QString& t : tools)
            if (QStandardPaths::findExecutable(t).isEmpty())
                return t;
        return {};
    }

    // Starts the server and its null sink and points this program's sound at it (the
    // environment, so call before the first connection). False with a reason when it cannot run.
    bool start(QString* why)
    {
        if (!m_home) {
            m_home = std::make_unique<QTemporaryDir>();
            if (!m_home->isValid()) {
                *why = QStringLiteral("no temporary folder");
                return false;
            }
            QFile::setPermissions(m_home->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            m_env = QProcessEnvironment::systemEnvironment();
            m_env.insert(QStringLiteral("HOME"), m_home->path());
            m_env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_home->path());
            m_env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home->filePath(QStringLiteral("config")));
            m_env.insert(QStringLiteral("XDG_STATE_HOME"), m_home->filePath(QStringLiteral("state")));
            m_env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                         QStringLiteral("unix:path=") + m_home->filePath(QStringLiteral("bus")));
            m_env.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:") + socket());
            m_env.remove(QStringLiteral("PIPEWIRE_REMOTE"));
            if (m_kind == Kind::PipeWire) {
                // The graph runs at the sink's rate, so the stream is not resampled on its way.
                QDir().mkpath(m_home->filePath(QStringLiteral("config/pipewire/pipewire.conf.d")));
                QFile conf(m_home->filePath(QStringLiteral("config/pipewire/pipewire.conf.d/rate.conf")));
                if (!conf.open(QIODevice::WriteOnly) ||
                    conf.write("context.properties = {\n    default.clock.rate = 44100\n"
                               "    default.clock.allowed-rates = [ 44100 ]\n}\n") < 0) {
                    *why = QStringLiteral("cannot write the PipeWire configuration");
                    return false;
                }
            }
        }
        if (m_kind == Kind::PipeWire) {
            // A server killed before leaves its sockets behind: waiting for them to appear must
            // wait for the new processes, not find the old files.
            for (const char* stale : {"bus", "pipewire-0", "pipewire-0.lock", "pipewire-0-manager",
                                      "pipewire-0-manager.lock"})
                QFile::remove(m_home->filePath(QLatin1String(stale)));
            // WirePlumber links the streams and wants a session bus; give it one of its own.
            if (!launch(
                    QStringLiteral("dbus-daemon"),
                    {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--nopidfile"),
                     QStringLiteral("--address=") + m_env.value(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"))},
                    why) ||
                !waitUntil([&] { return QFile::exists(m_home->filePath(QStringLiteral("bus"))); }, 5000) ||
                !launch(QStringLiteral("pipewire"), {}, why) ||
                !waitUntil([&] { return QFile::exists(m_home->filePath(QStringLiteral("pipewire-0"))); },
                         5000) ||
                !launch(QStringLiteral("wireplumber"), {}, why) ||
                !launch(QStringLiteral("pipewire-pulse"), {}, why)) {
                if (why->isEmpty())
                    *why = QStringLiteral("PipeWire does not come up");
                return false;
            }
        } else {
            QDir().mkpath(m_home->filePath(QStringLiteral("pulse")));
            if (!launch(
                    QStringLiteral("pulseaudio"),
                    {QStringLiteral("--daemonize=no"), QStringLiteral("-n"),
                     QStringLiteral("--use-pid-file=no"), QStringLiteral("--exit-idle-time=-1"),
                     QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1 socket=") + socket(),
                     // An idle sink is suspended after a second, as a desktop's is after a few.
                     QStringLiteral("--load=module-suspend-on-idle timeout=1")},
                    why))
                return false;
        }
        if (!waitUntil([&] { return pactl({QStringLiteral("info")}, nullptr); }, 10000)) {
            *why = name() + QStringLiteral(" does not answer");
            return false;
        }
        QStringList sinkArgs{QStringLiteral("load-module"),
                             QStringLiteral("module-null-sink"),
                             QStringLiteral("sink_name=") + QLatin1String(kSink),
                             QStringLiteral("rate=44100"),
                             QStringLiteral("format=s16le"),
                             QStringLiteral("channels=2")};
        if (m_kind == Kind::PipeWire)
            sinkArgs << QStringLiteral("sink_properties=session.suspend-timeout-seconds=1");
        QString out;
        // Asked again until it holds: a session manager that has just started may not know the
        // new sink yet, or may put back the default it had kept from before a restart.
        if (!pactl(sinkArgs, &out) ||
            !waitUntil(
                [&] {
                    pactl({QStringLiteral("set-default-sink"), QLatin1String(kSink)}, nullptr);
                    return pactl({QStringLiteral("get-default-sink")}, &out) &&
                           out.trimmed() == QLatin1String(kSink);
                },
                10000)) {
            *why = QStringLiteral("no null sink: ") + out;
            return false;
        }
        qputenv("PULSE_SERVER", m_env.value(QStringLiteral("PULSE_SERVER")).toLocal8Bit());
        qputenv("HOME", m_home->path().toLocal8Bit());
        qputenv("XDG_RUNTIME_DIR", m_home->path().toLocal8Bit());
        return true;
    }

    // Ends every process of the server, the way a crash or a restart by the user does.
    void stop()
    {
        for (auto it = m_processes.rbegin(); it != m_processes.rend(); ++it) {
            QProcess* p = it->get();
            if (p->state() != QProcess::NotRunning) {
                p->kill();
                p->waitForFinished(3000);
            }
        }
        m_processes.clear();
    }

    // The process that answers the game: pulseaudio, or pipewire-pulse.
    qint64 answeringPid() const
    {
        for (const auto& p : m_processes)
            if (p->program() == QLatin1String("pulseaudio") ||
                p->program() == QLatin1String("pipewire-pulse"))
                return p->processId();
        return 0;
    }

    // The state of the null sink ("RUNNING", "IDLE", "SUSPENDED").
    QString sinkState() const
    {
        QString out;
        pactl({QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sinks")}, &out);
        for (const QString& line : out.split(QLatin1Char('\n'))) {
            const QStringList f = line.split(QLatin1Char('\t'));
            if (f.size() >= 5 && f[1] == QLatin1String(kSink))
                return f[4].trimmed();
        }
        return {};
    }

    QString monitor() const { return QLatin1String(kSink) + QStringLiteral(".monitor"); }
    QProcessEnvironment environment() const { return m_env; }
    QString path() const { return m_home ? m_home->path() : QString(); }

    // A program beside the server (a recorder, a busy loop), dying with the caller.
    static void dieWithParent(QProcess* p)
    {
        p->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    }

    bool pactl(const QStringList& args, QString* out) const
    {
        QProcess p;
        p.setProcessEnvironment(m_env);
        p.start(QStringLiteral("pactl"), args);
        const bool ok =
            p.waitForFinished(3000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
        if (p.state() != QProcess::NotRunning) {
            p.kill();
            p.waitForFinished(1000);
        }
        if (out)
            *out = QString::fromLocal8Bit(p.readAllStandardOutput() + p.readAllStandardError());
        return ok;
    }

private:
    QString socket() const
    {
        return m_kind == Kind::PipeWire ? m_home->filePath(QStringLiteral("pulse/native"))
                                        : m_home->filePath(QStringLiteral("native"));
    }

    bool launch(const QString& program, const QStringList& args, QString* why)
    {
        auto p = std::make_unique<QProcess>();
        p->setProcessEnvironment(m_env);
        p->setStandardOutputFile(QProcess::nullDevice());
        if (!qEnvironmentVariableIsSet("TARVELLE_SOUND_SERVER_LOG"))
            p->setStandardErrorFile(QProcess::nullDevice());
        dieWithParent(p.get());
        p->start(program, args);
        if (!p->waitForStarted(5000)) {
            *why = program + QStringLiteral(" does not start");
            return false;
        }
        m_processes.push_back(std::move(p));
        return true;
    }

    Kind m_kind;
    std::unique_ptr<QTemporaryDir> m_home;
    QProcessEnvironment m_env;
    std::vector<std::unique_ptr<QProcess>> m_processes;
};

} // namespace tarvelle::testing
