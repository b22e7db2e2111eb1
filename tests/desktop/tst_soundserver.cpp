// The game's cues on a real sound server: a PulseAudio null sink of the test's own, whose
// monitor is recorded while the game clicks on a machine kept busy.
#include "tests/desktop/desktop.h"

#include "widgets/soundserverprobe.h"
#include "widgets/waveplayer.h"

#include "engine/durations.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstdlib>
#include <sys/prctl.h>

using namespace tarvelle;
using namespace tarvelle::testing;

namespace {

constexpr int kRate = 44100;

// Separate sounds in a mono recording: runs of loud samples, with at least gapMs of quiet
// between two of them.
int countSounds(const QByteArray& pcm, int threshold, int gapMs)
{
    const auto* s = reinterpret_cast<const qint16*>(pcm.constData());
    const qsizetype n = pcm.size() / 2;
    const qsizetype gap = qsizetype(kRate) * gapMs / 1000;
    int count = 0;
    qsizetype lastLoud = -gap - 1;
    for (qsizetype i = 0; i < n; ++i)
        if (std::abs(int(s[i])) >= threshold) {
            if (i - lastLoud > gap)
                ++count;
            lastLoud = i;
        }
    return count;
}

// The loudest sample of the click recording.
int clickPeak(SoundBank& bank)
{
    const QByteArray click = bank.player(QStringLiteral("clickmic"))->sound();
    WaveInfo info;
    if (!parseWave(click, &info))
        return 0;
    const auto* s = reinterpret_cast<const qint16*>(click.constData() + info.dataOffset);
    int peak = 0;
    for (qsizetype i = 0; i < info.dataSize / 2; ++i)
        peak = std::max(peak, std::abs(int(s[i])));
    return peak;
}

} // namespace

class TestSoundServer : public QObject {
    Q_OBJECT

    QTemporaryDir m_home;
    QProcess m_server;
    QProcessEnvironment m_env;

    QProcess* start(const QString& program, const QStringList& args)
    {
        auto* p = new QProcess(this);
        p->setProcessEnvironment(m_env);
        // Busy loops and recorders must not outlive a test that is killed.
        p->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
        p->start(program, args);
        p->waitForStarted(5000);
        return p;
    }

private slots:
    void initTestCase()
    {
        for (const char* tool : {"pulseaudio", "pactl", "parec"})
            if (!haveProgram(QLatin1String(tool)))
                QSKIP(qPrintable(QStringLiteral("%1 is not installed").arg(QLatin1String(tool))));
        QVERIFY(m_home.isValid());
        QFile::setPermissions(m_home.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QString socket = m_home.filePath(QStringLiteral("native"));
        m_env = QProcessEnvironment::systemEnvironment();
        m_env.insert(QStringLiteral("HOME"), m_home.path());
        m_env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_home.path());
        m_env.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:") + socket);
        m_server.setProcessEnvironment(m_env);
        m_server.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
        m_server.start(
            QStringLiteral("pulseaudio"),
            {QStringLiteral("--daemonize=no"), QStringLiteral("-n"), QStringLiteral("--use-pid-file=no"),
             QStringLiteral("--exit-idle-time=-1"),
             QStringLiteral("--load=module-null-sink sink_name=tarvelle_test"),
             QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1 socket=") + socket});
        if (!m_server.waitForStarted(5000))
            QSKIP("pulseaudio does not start");
        const bool up = waitUntil(
            [&] {
                QProcess info;
                info.setProcessEnvironment(m_env);
                info.start(QStringLiteral("pactl"), {QStringLiteral("info")});
                return info.waitForFinished(3000) && info.exitCode() == 0;
            },
            10000);
        if (!up)
            QSKIP("pulseaudio does not answer");
        // Before the first use of the audio devices.
        qputenv("PULSE_SERVER", m_env.value(QStringLiteral("PULSE_SERVER")).toLocal8Bit());
        qputenv("HOME", m_home.path().toLocal8Bit());
        qputenv("XDG_RUNTIME_DIR", m_home.path().toLocal8Bit());
    }

    // Every click is heard, also on a machine with more busy programs than cores.
    void everyClickIsHeard()
    {
        SoundBank bank;
        QVERIFY(SoundService::instance().audioAvailable());
        const QByteArray click = bank.player(QStringLiteral("clickmic"))->sound();
        WaveInfo info;
        QVERIFY(parseWave(click, &info));

        QProcess* recorder = start(QStringLiteral("parec"),
                                   {QStringLiteral("--device=tarvelle_test.monitor"), QStringLiteral("--raw"),
                                    QStringLiteral("--format=s16le"), QStringLiteral("--rate=44100"),
                                    QStringLiteral("--channels=1"), QStringLiteral("--latency-msec=20")});
        QList<QProcess*> busy;
        for (int i = 0; i < 3; ++i)
            busy << start(QStringLiteral("sh"),
                          {QStringLiteral("-c"), QStringLiteral("while :; do :; done")});
        // The recording runs, and the game's stream has settled, before the first click.
        QTest::qWait(1000);
        QByteArray pcm;
        QVERIFY(waitUntil(
            [&] {
                recorder->waitForReadyRead(50);
                pcm += recorder->readAllStandardOutput();
                return pcm.size() > kRate / 5 * 2;
            },
            10000));
        const int clicks = 40;
        for (int i = 0; i < clicks; ++i) {
            bank.play("clickmic");
            QTest::qWait(250);
        }
        QTest::qWait(800);
        for (QProcess* p : busy)
            p->kill();
        recorder->terminate();
        recorder->waitForFinished(3000);
        for (QProcess* p : busy)
            p->waitForFinished(3000);
        pcm += recorder->readAllStandardOutput();
        QVERIFY2(pcm.size() > kRate * 2 * 5, "the recording is too short");
        if (qEnvironmentVariableIsSet("TARVELLE_KEEP_RECORDING")) {
            QFile keep(qEnvironmentVariable("TARVELLE_KEEP_RECORDING"));
            if (keep.open(QIODevice::WriteOnly))
                keep.write(pcm);
        }

        // A click is 20 ms; anything a quarter of its peak or louder counts as heard.
        QCOMPARE(countSounds(pcm, clickPeak(bank) / 4, 60), clicks);
    }

    // After a rest the stream is paused at the server (an idle game costs it next to nothing);
    // the first click after each rest is still heard whole.
    void clicksAfterARestAreHeard()
    {
        SoundBank bank;
        SoundService& service = SoundService::instance();
        QVERIFY(service.audioAvailable());
        service.setRestAfter(300);
        QProcess* recorder = start(QStringLiteral("parec"),
                                   {QStringLiteral("--device=tarvelle_test.monitor"), QStringLiteral("--raw"),
                                    QStringLiteral("--format=s16le"), QStringLiteral("--rate=44100"),
                                    QStringLiteral("--channels=1"), QStringLiteral("--latency-msec=20")});
        QByteArray pcm;
        const int clicks = 10;
        for (int i = 0; i < clicks; ++i) {
            QVERIFY(QTest::qWaitFor([&] { return service.resting(); }, 5000));
            QTest::qWait(100);
            recorder->waitForReadyRead(10);
            pcm += recorder->readAllStandardOutput();
            bank.play("clickmic");
            QVERIFY(!service.resting());
        }
        QTest::qWait(800);
        recorder->terminate();
        recorder->waitForFinished(3000);
        pcm += recorder->readAllStandardOutput();
        service.setRestAfter(SoundService::RestAfterMs);
        QCOMPARE(countSounds(pcm, clickPeak(bank) / 4, 60), clicks);
    }

    // A server that takes the connection but never answers (stopped, hung) is given up on after
    // a short wait, and the game goes on silently; one that is not there is known at once.
    void hungServerIsNotWaitedFor()
    {
        QCOMPARE(probeSoundServer(1000), SoundServer::Answers);
        const qint64 pid = m_server.processId();
        QVERIFY(pid > 0);
        ::kill(pid_t(pid), SIGSTOP);
        QElapsedTimer t;
        t.start();
        QCOMPARE(probeSoundServer(500), SoundServer::Silent);
        QVERIFY2(t.elapsed() < 1500, qPrintable(QString::number(t.elapsed())));

        // The same through the sound service, as the game starts.
        releaseSoundService();
        t.restart();
        const bool available = SoundService::instance().audioAvailable();
        const qint64 waited = t.elapsed();
        ::kill(pid_t(pid), SIGCONT);
        QVERIFY(!available);
        QVERIFY2(waited < 2 * durations::SoundServerAnswer, qPrintable(QString::number(waited)));
        releaseSoundService();

        const QByteArray server = qgetenv("PULSE_SERVER");
        qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(m_home.filePath(QStringLiteral("nobody-here"))));
        t.restart();
        QCOMPARE(probeSoundServer(1000), SoundServer::Absent);
        QVERIFY2(t.elapsed() < 500, qPrintable(QString::number(t.elapsed())));
        qputenv("PULSE_SERVER", server);
        QCOMPARE(probeSoundServer(1000), SoundServer::Answers);
    }

    void cleanupTestCase()
    {
        SoundService::instance().stopAll();
        releaseSoundService();
        if (m_server.state() != QProcess::NotRunning) {
            m_server.terminate();
            if (!m_server.waitForFinished(3000))
                m_server.kill();
        }
    }
};

QTEST_GUILESS_MAIN(TestSoundServer)
#include "tst_soundserver.moc"
