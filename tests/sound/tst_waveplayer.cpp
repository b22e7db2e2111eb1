#include "sound/waveplayer.h"

#include "engine/soundcues.h"

#include <QSignalSpy>
#include <QTest>
#include <QtEndian>

#include <cmath>

using namespace tarvelle;

namespace {

void put16(QByteArray& b, quint16 v)
{
    char c[2];
    qToLittleEndian(v, c);
    b.append(c, 2);
}

void put32(QByteArray& b, quint32 v)
{
    char c[4];
    qToLittleEndian(v, c);
    b.append(c, 4);
}

// A RIFF/WAVE image of a sine tone; extra chunks go between the format and the samples.
QByteArray wave(int channels, int rate, double seconds, quint16 tag = 1, const QByteArray& extra = {})
{
    QByteArray pcm;
    const int frames = int(rate * seconds);
    for (int i = 0; i < frames; ++i) {
        const auto s = qint16(8000 * std::sin(i * 2 * M_PI * 440 / rate));
        for (int ch = 0; ch < channels; ++ch)
            put16(pcm, quint16(s));
    }
    QByteArray fmt;
    put16(fmt, tag);
    put16(fmt, quint16(channels));
    put32(fmt, quint32(rate));
    put32(fmt, quint32(rate * channels * 2));
    put16(fmt, quint16(channels * 2));
    put16(fmt, 16);
    QByteArray body = "WAVE";
    body += "fmt ";
    put32(body, quint32(fmt.size()));
    body += fmt;
    body += extra;
    body += "data";
    put32(body, quint32(pcm.size()));
    body += pcm;
    QByteArray out = "RIFF";
    put32(out, quint32(body.size()));
    return out + body;
}

} // namespace

class TestWavePlayer : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        SoundService::instance().setMuted(false);
        SoundService::instance().stopAll();
        SoundService::instance().clearHistory();
    }

    void parsesGoodImages()
    {
        WaveInfo info;
        QString error;
        const QByteArray mono = wave(1, 22050, 0.5);
        QVERIFY2(parseWave(mono, &info, &error), qPrintable(error));
        QCOMPARE(info.channels, 1);
        QCOMPARE(info.sampleRate, 22050);
        QCOMPARE(info.bitsPerSample, 16);
        QCOMPARE(info.dataOffset, qsizetype(44));
        QCOMPARE(info.dataSize, qsizetype(22050 / 2 * 2));
        QVERIFY(qAbs(info.seconds() - 0.5) < 0.001);

        // An odd-sized chunk before the samples is skipped with its pad byte.
        QByteArray list = "LIST";
        put32(list, 3);
        list += "abc";
        list += '\0';
        QVERIFY(parseWave(wave(2, 44100, 0.02, 1, list), &info, &error));
        QCOMPARE(info.channels, 2);
        QCOMPARE(info.dataOffset, qsizetype(44 + 12));
    }

    void refusesDamagedImages_data()
    {
        QTest::addColumn<QByteArray>("data");
        const QByteArray good = wave(1, 16000, 0.1);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("truncated header") << good.left(11);
        QTest::newRow("header only") << good.left(20);
        QTest::newRow("not RIFF") << QByteArray("RIFX") + good.mid(4);
        QTest::newRow("not PCM") << wave(1, 16000, 0.1, 3);
        QByteArray bigRiff = good;
        qToLittleEndian<quint32>(quint32(good.size()), bigRiff.data() + 4);
        QTest::newRow("RIFF size past the end") << bigRiff;
        QTest::newRow("samples cut short") << good.left(good.size() - 100);
        QByteArray hugeData = good;
        qToLittleEndian<quint32>(0xFFFFFFF0u, hugeData.data() + 40);
        QTest::newRow("data size overflows") << hugeData;
        QByteArray noFormat = good;
        noFormat.replace(12, 4, "junk");
        QTest::newRow("no format chunk") << noFormat;
        QByteArray badAlign = good;
        qToLittleEndian<quint16>(7, badAlign.data() + 32);
        QTest::newRow("bad block size") << badAlign;
        QTest::newRow("no samples") << wave(1, 16000, 0.0);
    }
    void refusesDamagedImages()
    {
        QFETCH(QByteArray, data);
        QString error;
        QVERIFY(!parseWave(data, nullptr, &error));
        QVERIFY(!error.isEmpty());

        // The player takes it without harm, and the request is still on record.
        TWavePlayer p;
        p.setObjectName("err");
        p.setSound(data);
        p.setActive(true);
        QVERIFY(!p.active());
        QCOMPARE(SoundService::instance().history(), QStringList{"err"});
        QVERIFY(!SoundService::instance().isPlaying());
    }

    // Every recording goes out as 16-bit stereo at the stream's rate: same length in time, both
    // channels alike for mono, the samples themselves where the rates agree.
    void decodesToTheStreamFormat_data()
    {
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("rate");
        QTest::newRow("stereo 44100") << 2 << 44100;
        QTest::newRow("mono 22050") << 1 << 22050;
        QTest::newRow("mono 16000") << 1 << 16000;
        QTest::newRow("stereo 48000") << 2 << 48000;
    }
    void decodesToTheStreamFormat()
    {
        QFETCH(int, channels);
        QFETCH(int, rate);
        const QByteArray riff = wave(channels, rate, 0.3);
        const QByteArray pcm = SoundService::decode(riff);
        const qsizetype frames = pcm.size() / 4;
        QCOMPARE(pcm.size() % 4, qsizetype(0));
        QVERIFY2(qAbs(frames - qsizetype(0.3 * SoundService::StreamRate)) <= 1,
                 qPrintable(QString::number(frames)));
        const auto* out = reinterpret_cast<const qint16*>(pcm.constData());
        const auto* in = reinterpret_cast<const qint16*>(riff.constData() + 44);
        for (qsizetype i = 0; i < frames; ++i) {
            QCOMPARE(out[2 * i], out[2 * i + 1]); // the tone is the same on both channels
            // Where a stream frame falls on a recorded one, it is that sample.
            if ((i * rate) % SoundService::StreamRate == 0)
                QCOMPARE(out[2 * i], in[(i * rate / SoundService::StreamRate) * channels]);
            // A 440 Hz tone of 8000 never leaves its range, whatever is interpolated.
            QVERIFY(qAbs(out[2 * i]) <= 8000);
        }
        QVERIFY(SoundService::decode(riff.left(30)).isEmpty());
    }

    void silentWithoutDevice()
    {
        SoundService& s = SoundService::instance();
        s.setMuted(true);
        QVERIFY(!s.audioAvailable());
        TWavePlayer p;
        p.setObjectName("intro");
        p.setSound(wave(2, 44100, 0.2));
        p.setLoop(true);
        p.setActive(true);
        QVERIFY(!p.active()); // nothing was accepted, so not even a loop is active
        p.setActive(true);
        QCOMPARE(s.history(), (QStringList{"intro", "intro"}));

        TWavePlayer empty;
        empty.setObjectName("welcome");
        empty.setActive(true);
        QCOMPARE(s.history().last(), QStringLiteral("welcome"));
    }

    void bankLoadsEveryCue()
    {
        SoundService::instance().setMuted(true);
        QCOMPARE(SoundBank::names().size(), kCueCount);
        SoundBank bank;
        for (const QString& n : SoundBank::names())
            QCOMPARE(bank.player(n)->name(), n);
        bank.play("jb");
        QCOMPARE(SoundService::instance().history(), QStringList{"jb"});
        // A long session keeps only the latest requests.
        for (int i = 0; i < 3 * SoundService::kHistoryLimit; ++i)
            bank.play(i % 2 ? CueName("click") : CueName("err"));
        const QStringList h = SoundService::instance().history();
        QCOMPARE(h.size(), SoundService::kHistoryLimit);
        QCOMPARE(h.last(), QStringLiteral("click"));
        QCOMPARE(h.first(), QStringLiteral("err"));
        // A name looked up at run time that is not a cue is an empty player: nothing plays.
        QVERIFY(bank.player("no-such-cue")->sound().isEmpty());
    }

    // A player that waits for its recording continues from ended(), once per request and only
    // after the request has returned, even where nothing could be heard; its follow-up plays
    // once, after it. (With a device: the soundserver test.)
    void waitingContinuesFromTheEnd_data()
    {
        QTest::addColumn<bool>("withSound");
        QTest::addColumn<bool>("loop");
        QTest::newRow("no device") << true << false;
        QTest::newRow("no sound") << false << false;
        QTest::newRow("loop, no device") << true << true;
    }
    void waitingContinuesFromTheEnd()
    {
        QFETCH(bool, withSound);
        QFETCH(bool, loop);
        SoundService& s = SoundService::instance();
        s.setMuted(true);
        TWavePlayer first, next;
        first.setObjectName("byebye");
        next.setObjectName("offg");
        if (withSound)
            first.setSound(wave(1, 22050, 0.55));
        next.setSound(wave(2, 44100, 0.2));
        first.setWaitToStop(true);
        first.setLoop(loop);
        QSignalSpy ended(&first, &TWavePlayer::ended);
        connect(&first, &TWavePlayer::ended, this, [&] { next.setActive(true); });
        first.setActive(true);
        QCOMPARE(ended.count(), 0); // not inside the request
        QVERIFY(ended.wait(1000));
        QTest::qWait(50);
        QCOMPARE(ended.count(), 1);
        QCOMPARE(s.history(), (QStringList{"byebye", "offg"}));
    }

    // Only where a sound device exists (a desktop, or a null sink on a server).
    void playsAndCutsOff()
    {
        SoundService& s = SoundService::instance();
        if (!s.audioAvailable())
            QSKIP("no audio device");
        QSignalSpy started(&s, &SoundService::started);
        QSignalSpy finished(&s, &SoundService::finished);
        TWavePlayer a, b;
        a.setObjectName("cartile");
        a.setSound(wave(2, 44100, 2.0));
        b.setObjectName("cart1");
        b.setSound(wave(2, 44100, 0.05));
        a.setWaitToStop(true);
        b.setWaitToStop(true);
        QSignalSpy aEnded(&a, &TWavePlayer::ended);
        QSignalSpy bEnded(&b, &TWavePlayer::ended);
        a.setActive(true);
        QVERIFY(s.isPlaying() || started.wait(2000));
        b.setActive(true); // the long cue is cut off, the short one runs out quickly
        QVERIFY(finished.count() >= 1);
        QCOMPARE(aEnded.count(), 0); // its end is told from the event loop, not inside b's request
        QTRY_VERIFY_WITH_TIMEOUT(!s.isPlaying() && finished.count() >= 2, 5000);
        QTRY_COMPARE(bEnded.count(), 1);
        QCOMPARE(aEnded.count(), 1);
        QCOMPARE(s.history(), (QStringList{"cartile", "cart1"}));
    }
};

QTEST_MAIN(TestWavePlayer)
#include "tst_waveplayer.moc"
