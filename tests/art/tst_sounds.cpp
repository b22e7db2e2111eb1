#include "tools/art/sounds.h"

#include "engine/assetlanguage.h"
#include "engine/soundcues.h"

#include <QFile>
#include <QSet>
#include <QtEndian>
#include <QtTest>

#include <cmath>
#include <numbers>

using namespace tarvelle::art;

namespace {

// The samples of a mono recording, from its data chunk; name may carry its language ("de/jb").
std::vector<float> monoSamples(const QString& name)
{
    QFile file(QStringLiteral(":/snd/") + name + QStringLiteral(".wav"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray wav = file.readAll();
    if (wav.size() <= 44 || qFromLittleEndian<quint16>(wav.constData() + 22) != 1)
        return {};
    std::vector<float> out(size_t((wav.size() - 44) / 2));
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = qFromLittleEndian<qint16>(wav.constData() + 44 + i * 2) / 32768.0f;
    return out;
}

bool spoken(const char* name)
{
    for (const RecordingFormat& f : recordingFormats())
        if (qstrcmp(f.name, name) == 0)
            return f.speech != nullptr;
    return false;
}

} // namespace

class TestSounds : public QObject {
    Q_OBJECT

private slots:
    void recordingFormats_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("rate");
        QTest::addColumn<double>("seconds");
        const struct {
            const char* name;
            int channels, rate;
            double seconds;
        } table[] = {{"intro", 2, 44100, 3.93}, {"welcome", 1, 22050, 0.43},  {"byebye", 1, 22050, 0.55},
                     {"click", 2, 44100, 0.02}, {"clickmic", 2, 44100, 0.02}, {"cartile", 2, 44100, 0.41},
                     {"okd", 2, 44100, 0.14},   {"offg", 2, 44100, 0.58},     {"succes", 2, 44100, 0.40},
                     {"jb", 1, 22050, 1.20},    {"tp", 1, 22050, 0.93},       {"tok", 1, 16000, 0.81},
                     {"st", 1, 22050, 0.86},    {"flu", 1, 22050, 0.69},      {"fh", 1, 22050, 1.06},
                     {"pok", 1, 22050, 0.66},   {"sflu", 1, 16000, 1.02},     {"rf", 1, 22050, 1.09},
                     {"fok", 1, 16000, 0.86},   {"cart1", 2, 44100, 0.04},    {"cart2", 2, 44100, 0.04},
                     {"cart3", 2, 44100, 0.04}, {"cart4", 2, 44100, 0.04},    {"cart5", 2, 44100, 0.04},
                     {"err", 2, 44100, 0.16}};
        for (const auto& t : table)
            QTest::newRow(t.name) << QString::fromLatin1(t.name) << t.channels << t.rate << t.seconds;
        // Every other language's voices in the same formats as the English ones.
        for (const std::string_view code : tarvelle::kAssetLanguages)
            for (const auto& t : table)
                if (spoken(t.name)) {
                    const QString name =
                        QStringLiteral("%1/%2").arg(QLatin1String(code), QLatin1String(t.name));
                    QTest::newRow(qPrintable(name)) << name << t.channels << t.rate << t.seconds;
                }
    }

    void recordingFormats()
    {
        QFETCH(QString, name);
        QFETCH(int, channels);
        QFETCH(int, rate);
        QFETCH(double, seconds);
        QFile file(QStringLiteral(":/snd/") + name + QStringLiteral(".wav"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray wav = file.readAll();
        QVERIFY(wav.size() > 44);
        const char* d = wav.constData();
        QCOMPARE(wav.left(4), QByteArray("RIFF"));
        QCOMPARE(qFromLittleEndian<quint32>(d + 4), quint32(wav.size() - 8));
        QCOMPARE(wav.mid(8, 8), QByteArray("WAVEfmt "));
        QCOMPARE(qFromLittleEndian<quint32>(d + 16), quint32(16));
        QCOMPARE(qFromLittleEndian<quint16>(d + 20), quint16(1)); // PCM
        QCOMPARE(int(qFromLittleEndian<quint16>(d + 22)), channels);
        QCOMPARE(int(qFromLittleEndian<quint32>(d + 24)), rate);
        QCOMPARE(int(qFromLittleEndian<quint32>(d + 28)), rate * channels * 2);
        QCOMPARE(int(qFromLittleEndian<quint16>(d + 32)), channels * 2);
        QCOMPARE(qFromLittleEndian<quint16>(d + 34), quint16(16));
        QCOMPARE(wav.mid(36, 4), QByteArray("data"));
        const quint32 bytes = qFromLittleEndian<quint32>(d + 40);
        QCOMPARE(qsizetype(bytes), wav.size() - 44);
        QCOMPARE(bytes % quint32(channels * 2), quint32(0));

        const qsizetype frames = bytes / (channels * 2);
        const double length = double(frames) / rate;
        QVERIFY2(std::abs(length - seconds) <= seconds * 0.05,
                 qPrintable(QStringLiteral("%1 s instead of %2 s").arg(length).arg(seconds)));

        int peak = 0;
        for (qsizetype i = 0; i < frames * channels; ++i)
            peak = std::max(peak, std::abs(int(qFromLittleEndian<qint16>(d + 44 + i * 2))));
        QVERIFY2(peak < 32000, qPrintable(QStringLiteral("peak %1 reaches full scale").arg(peak)));
        QVERIFY2(peak > 3000, qPrintable(QStringLiteral("peak %1: nearly silent").arg(peak)));
        // Faded in and out: no click at either end.
        for (int c = 0; c < channels; ++c) {
            QVERIFY(std::abs(qFromLittleEndian<qint16>(d + 44 + c * 2)) < 300);
            QVERIFY(std::abs(qFromLittleEndian<qint16>(d + 44 + ((frames - 1) * channels + c) * 2)) < 300);
        }
    }

    void voicesFillTheirRecordings_data()
    {
        QTest::addColumn<QString>("name");
        // Every cue with words, the casino games' hand names too.
        const struct {
            const char* name;
            const char* speech;
        } cues[] = {
#define TARVELLE_CUE_SPEECH(name, channels, rate, seconds, speech) {#name, speech},
            TARVELLE_SOUND_CUES(TARVELLE_CUE_SPEECH)
#undef TARVELLE_CUE_SPEECH
        };
        int voices = 0;
        for (const auto& cue : cues) {
            if (cue.speech) {
                QTest::newRow(cue.name) << QString::fromLatin1(cue.name);
                ++voices;
                for (const std::string_view code : tarvelle::kAssetLanguages) {
                    const QString name =
                        QStringLiteral("%1/%2").arg(QLatin1String(code), QLatin1String(cue.name));
                    QTest::newRow(qPrintable(name)) << name;
                }
            }
        }
        QVERIFY(voices >= 22);
    }

    void everyLanguageSaysItsOwnWords()
    {
        // A language's voice is its own recording of its own words, never the English one copied.
        for (const RecordingFormat& f : tarvelle::art::recordingFormats()) {
            const QString english = QString::fromLatin1(f.name);
            const std::vector<float> en = monoSamples(english);
            for (const std::string_view code : tarvelle::kAssetLanguages) {
                const QString language = QString::fromLatin1(code.data(), qsizetype(code.size()));
                const QString name = language + QLatin1Char('/') + english;
                QCOMPARE(QFile::exists(QStringLiteral(":/snd/%1.wav").arg(name)), f.speech != nullptr);
                if (!f.speech)
                    continue;
                QVERIFY2(spokenWords(f, language), qPrintable(name));
                QVERIFY2(monoSamples(name) != en, qPrintable(name));
            }
            QCOMPARE(spokenWords(f, QStringLiteral("it")), f.speech); // no words of its own: English
        }
    }

    void voicesFillTheirRecordings()
    {
        // A hand name is announced at once and takes most of its recording: a failed or badly fitted
        // speech run shows up as silence, a late start or a short blip.
        QFETCH(QString, name);
        const std::vector<float> s = monoSamples(name);
        QVERIFY(!s.empty());
        float peak = 0;
        for (float v : s)
            peak = std::max(peak, std::abs(v));
        const size_t window = s.size() / 100;
        size_t first = s.size(), last = 0;
        for (size_t w = 0; w + window <= s.size(); w += window) {
            float m = 0;
            for (size_t i = w; i < w + window; ++i)
                m = std::max(m, std::abs(s[i]));
            if (m > peak * 0.02f) {
                first = std::min(first, w);
                last = w + window;
            }
        }
        QVERIFY2(first < s.size() / 10,
                 qPrintable(QStringLiteral("starts at %1 %").arg(100 * first / s.size())));
        // The English names set the lengths; a shorter name in another language ("Trío" for "Three of a
        // kind") is spoken at a natural pace, not drawn out to fill them.
        const size_t share = name.contains(QLatin1Char('/')) ? 30 : 55;
        QVERIFY2(last - first > s.size() * share / 100,
                 qPrintable(QStringLiteral("speaks for %1 %").arg(100 * (last - first) / s.size())));
    }

    void cardClicksAreFiveSounds()
    {
        QSet<QByteArray> distinct;
        for (int k = 1; k <= 5; ++k) {
            QFile file(QStringLiteral(":/snd/cart%1.wav").arg(k));
            QVERIFY(file.open(QIODevice::ReadOnly));
            distinct.insert(file.readAll());
        }
        QCOMPARE(distinct.size(), 5);
    }

    void resamplingKeepsPitchAndLevel()
    {
        // A 1 kHz tone at 22050 Hz taken to 16000 Hz keeps its frequency and amplitude.
        std::vector<float> tone(22050);
        for (size_t i = 0; i < tone.size(); ++i)
            tone[i] = float(0.5 * std::sin(2 * std::numbers::pi * 1000.0 * double(i) / 22050.0));
        const std::vector<float> out = resample(tone, 22050, 16000);
        QVERIFY(std::abs(int(out.size()) - 16000) <= 1);
        int crossings = 0;
        float peak = 0;
        for (size_t i = 2000; i < 14000; ++i) { // away from the edges
            if ((out[i - 1] < 0) != (out[i] < 0))
                ++crossings;
            peak = std::max(peak, std::abs(out[i]));
        }
        // 12000 samples at 16 kHz = 0.75 s of 1 kHz: 1500 crossings.
        QVERIFY2(std::abs(crossings - 1500) <= 2, qPrintable(QString::number(crossings)));
        QVERIFY2(std::abs(peak - 0.5f) < 0.02f, qPrintable(QString::number(peak)));
    }

    void resamplingRemovesWhatTheNewRateCannotCarry()
    {
        // 10 kHz is above 8 kHz, the limit at 16000 Hz: it must not fold back as an audible tone.
        std::vector<float> tone(22050);
        for (size_t i = 0; i < tone.size(); ++i)
            tone[i] = float(0.5 * std::sin(2 * std::numbers::pi * 10000.0 * double(i) / 22050.0));
        const std::vector<float> out = resample(tone, 22050, 16000);
        float peak = 0;
        for (size_t i = 2000; i + 2000 < out.size(); ++i)
            peak = std::max(peak, std::abs(out[i]));
        QVERIFY2(peak < 0.05f, qPrintable(QString::number(peak)));
    }
};

QTEST_GUILESS_MAIN(TestSounds)
#include "tst_sounds.moc"
