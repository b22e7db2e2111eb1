#include "tools/art/sounds.h"

#include "engine/soundcues.h"

#include <QProcess>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace tarvelle::art {

namespace {

constexpr double kPi = std::numbers::pi;

// Plain xorshift so the noise is the same on every machine.
class Noise {
public:
    explicit Noise(quint32 seed) : m_state(seed ? seed : 1) {}
    float next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return float(m_state) / 2147483648.0f - 1.0f;
    }

private:
    quint32 m_state;
};

// RBJ biquad.
class Biquad {
public:
    static Biquad bandPass(double rate, double freq, double q)
    {
        const double w = 2 * kPi * freq / rate;
        const double alpha = std::sin(w) / (2 * q);
        const double a0 = 1 + alpha;
        return Biquad(alpha / a0, 0, -alpha / a0, -2 * std::cos(w) / a0, (1 - alpha) / a0);
    }
    static Biquad lowPass(double rate, double freq, double q = 0.707)
    {
        const double w = 2 * kPi * freq / rate;
        const double alpha = std::sin(w) / (2 * q);
        const double c = std::cos(w);
        const double a0 = 1 + alpha;
        return Biquad((1 - c) / 2 / a0, (1 - c) / a0, (1 - c) / 2 / a0, -2 * c / a0, (1 - alpha) / a0);
    }
    float process(float x)
    {
        const double y = m_b0 * x + m_b1 * m_x1 + m_b2 * m_x2 - m_a1 * m_y1 - m_a2 * m_y2;
        m_x2 = m_x1;
        m_x1 = x;
        m_y2 = m_y1;
        m_y1 = y;
        return float(y);
    }

private:
    Biquad(double b0, double b1, double b2, double a1, double a2)
        : m_b0(b0), m_b1(b1), m_b2(b2), m_a1(a1), m_a2(a2)
    {
    }
    double m_b0, m_b1, m_b2, m_a1, m_a2;
    double m_x1 = 0, m_x2 = 0, m_y1 = 0, m_y2 = 0;
};

double noteHz(int midi)
{
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

// A stereo mixing surface in seconds.
class Mix {
public:
    Mix(int channels, int rate, double seconds)
        : m_channels(channels), m_rate(rate), m_frames(qsizetype(std::lround(seconds * rate))),
          m_left(size_t(m_frames), 0.0f), m_right(size_t(m_frames), 0.0f)
    {
    }
    int rate() const { return m_rate; }
    qsizetype frames() const { return m_frames; }

    // pan -1 (left) .. 1 (right), equal power.
    void add(qsizetype frame, float value, float pan)
    {
        if (frame < 0 || frame >= m_frames)
            return;
        const double angle = (pan + 1) * kPi / 4;
        m_left[size_t(frame)] += float(value * std::cos(angle) * std::numbers::sqrt2);
        m_right[size_t(frame)] += float(value * std::sin(angle) * std::numbers::sqrt2);
    }

    // FM voice: soft electric piano or bell depending on the ratio.
    void fmNote(double start, double length, double freq, double amp, float pan, double ratio = 1.0,
                double index = 1.6, double decay = 3.0)
    {
        const qsizetype first = qsizetype(start * m_rate);
        const qsizetype count = qsizetype(length * m_rate);
        for (qsizetype i = 0; i < count; ++i) {
            const double t = double(i) / m_rate;
            const double attack = std::min(1.0, t / 0.004);
            const double release = std::min(1.0, (length - t) / 0.03);
            const double env = attack * release * std::exp(-decay * t);
            const double mod = index * std::exp(-4.0 * t) * std::sin(2 * kPi * freq * ratio * t);
            const double v = std::sin(2 * kPi * freq * t + mod) + 0.15 * std::sin(4 * kPi * freq * t);
            add(first + i, float(amp * env * v), pan);
        }
    }

    // Brassy additive tone with a slightly slow attack.
    void brassNote(double start, double length, double freq, double amp, float pan)
    {
        const qsizetype first = qsizetype(start * m_rate);
        const qsizetype count = qsizetype(length * m_rate);
        for (qsizetype i = 0; i < count; ++i) {
            const double t = double(i) / m_rate;
            const double attack = std::min(1.0, t / 0.015);
            const double release = std::min(1.0, (length - t) / 0.04);
            const double bright = 0.4 + 0.6 * attack;
            double v = 0;
            for (int h = 1; h <= 8 && freq * h < m_rate / 2.2; ++h)
                v += std::pow(bright, h - 1) / h * std::sin(2 * kPi * freq * h * t + 0.3 * h);
            add(first + i, float(amp * attack * release * v * 0.7), pan);
        }
    }

    // Warm chord pad: detuned soft saws through a low-pass.
    void pad(double start, double length, const std::vector<int>& notes, double amp)
    {
        const qsizetype first = qsizetype(start * m_rate);
        const qsizetype count = qsizetype(length * m_rate);
        int voice = 0;
        for (int note : notes) {
            for (double detune : {-0.004, 0.004}) {
                Biquad lp = Biquad::lowPass(m_rate, 1400);
                const double f = noteHz(note) * (1 + detune);
                const float pan = detune < 0 ? -0.5f : 0.5f;
                for (qsizetype i = 0; i < count; ++i) {
                    const double t = double(i) / m_rate;
                    const double env = std::min(1.0, t / 0.12) * std::min(1.0, (length - t) / 0.25);
                    double v = 0;
                    for (int h = 1; h <= 6; ++h)
                        v += std::sin(2 * kPi * f * h * t + voice) / h;
                    add(first + i, lp.process(float(amp * env * v * 0.5)), pan);
                }
                ++voice;
            }
        }
    }

    // Plucked bass.
    void bass(double start, double length, double freq, double amp)
    {
        const qsizetype first = qsizetype(start * m_rate);
        const qsizetype count = qsizetype(length * m_rate);
        for (qsizetype i = 0; i < count; ++i) {
            const double t = double(i) / m_rate;
            const double env =
                std::min(1.0, t / 0.005) * std::min(1.0, (length - t) / 0.05) * std::exp(-2.5 * t);
            const double v = std::sin(2 * kPi * freq * t) + 0.3 * std::sin(4 * kPi * freq * t) +
                             0.1 * std::sin(6 * kPi * freq * t);
            add(first + i, float(amp * env * v), 0.0f);
        }
    }

    // Filtered noise burst: card flicks and taps.
    void flick(double start, double length, double centre, double q, double amp, float pan, quint32 seed)
    {
        Noise noise(seed);
        Biquad bp = Biquad::bandPass(m_rate, centre, q);
        const qsizetype first = qsizetype(start * m_rate);
        const qsizetype count = qsizetype(length * m_rate);
        for (qsizetype i = 0; i < count; ++i) {
            const double t = double(i) / m_rate;
            const double env = std::min(1.0, t / 0.0015) * std::exp(-t / (length * 0.25));
            add(first + i, float(amp * env * bp.process(noise.next())), pan);
        }
    }

    // Damped sine: the body of a click or a thump.
    void ping(double start, double length, double freq, double amp, float pan, double tau)
    {
        const qsizetype first = qsizetype(start * m_rate);
        const qsizetype count = qsizetype(length * m_rate);
        for (qsizetype i = 0; i < count; ++i) {
            const double t = double(i) / m_rate;
            const double env = std::min(1.0, t / 0.0008) * std::exp(-t / tau);
            add(first + i, float(amp * env * std::sin(2 * kPi * freq * t)), pan);
        }
    }

    // Buzzy low tone for refusals.
    void buzz(double start, double length, double freq, double amp)
    {
        Biquad lp = Biquad::lowPass(m_rate, 1800);
        const qsizetype first = qsizetype(start * m_rate);
        const qsizetype count = qsizetype(length * m_rate);
        for (qsizetype i = 0; i < count; ++i) {
            const double t = double(i) / m_rate;
            const double env = std::min(1.0, t / 0.004) * std::min(1.0, (length - t) / 0.01);
            double v = 0;
            for (int h = 1; h <= 15; h += 2)
                v += std::sin(2 * kPi * freq * h * t) / h;
            add(first + i, lp.process(float(amp * env * v)), 0.0f);
        }
    }

    // A little room: two cross-fed feedback delays.
    void room(double mixLevel)
    {
        const qsizetype dl = qsizetype(0.043 * m_rate);
        const qsizetype dr = qsizetype(0.057 * m_rate);
        std::vector<float> wetL(size_t(m_frames), 0.0f), wetR(size_t(m_frames), 0.0f);
        for (qsizetype i = 0; i < m_frames; ++i) {
            const size_t k = size_t(i);
            float l = m_left[k];
            float r = m_right[k];
            if (i >= dl)
                l += 0.45f * wetR[size_t(i - dl)];
            if (i >= dr)
                r += 0.45f * wetL[size_t(i - dr)];
            wetL[k] = l;
            wetR[k] = r;
        }
        for (qsizetype i = 0; i < m_frames; ++i) {
            m_left[size_t(i)] = float(m_left[size_t(i)] * (1 - mixLevel) + wetL[size_t(i)] * mixLevel);
            m_right[size_t(i)] = float(m_right[size_t(i)] * (1 - mixLevel) + wetR[size_t(i)] * mixLevel);
        }
    }

    Audio finish(double peak, double fadeSeconds) const
    {
        Audio audio;
        audio.channels = m_channels;
        audio.sampleRate = m_rate;
        audio.samples.resize(size_t(m_frames * m_channels));
        float top = 1e-9f;
        for (qsizetype i = 0; i < m_frames; ++i) {
            const size_t k = size_t(i);
            if (m_channels == 1) {
                audio.samples[k] = (m_left[k] + m_right[k]) * 0.5f;
                top = std::max(top, std::abs(audio.samples[k]));
            } else {
                audio.samples[2 * k] = m_left[k];
                audio.samples[2 * k + 1] = m_right[k];
                top = std::max({top, std::abs(m_left[k]), std::abs(m_right[k])});
            }
        }
        const float gain = float(peak / top);
        const qsizetype fade = std::max<qsizetype>(1, qsizetype(fadeSeconds * m_rate));
        for (qsizetype i = 0; i < m_frames; ++i) {
            double g = gain;
            if (i < fade)
                g *= double(i) / fade;
            if (m_frames - 1 - i < fade)
                g *= double(m_frames - 1 - i) / fade;
            for (int c = 0; c < m_channels; ++c)
                audio.samples[size_t(i * m_channels + c)] *= float(g);
        }
        return audio;
    }

private:
    int m_channels;
    int m_rate;
    qsizetype m_frames;
    std::vector<float> m_left;
    std::vector<float> m_right;
};

Audio makeIntro(const RecordingFormat& f)
{
    Mix mix(f.channels, f.sampleRate, f.seconds);
    const double beat = 0.2;
    // D - G - A - D, the last chord left to ring.
    const struct {
        double at;
        double len;
        int root;
        std::vector<int> chord;
    } bars[] = {{0.0, 0.8, 38, {62, 66, 69}},
                {0.8, 0.8, 43, {62, 67, 71}},
                {1.6, 0.8, 45, {61, 64, 69}},
                {2.4, f.seconds - 2.4, 38, {62, 66, 69, 74}}};
    for (const auto& bar : bars) {
        mix.pad(bar.at, bar.len, bar.chord, 0.05);
        mix.bass(bar.at, std::min(bar.len, 0.78), noteHz(bar.root), 0.35);
        mix.bass(bar.at + 0.4, std::min(bar.len - 0.4, 0.38), noteHz(bar.root + 12), 0.18);
    }
    const struct {
        double beat;
        double len;
        int note;
    } melody[] = {{0, 1, 69},  {1, 1, 74},  {2, 1, 78},  {3, 1, 81}, {4, 1, 83},  {5, 1, 81},
                  {6, 1, 79},  {7, 1, 74},  {8, 1, 73},  {9, 1, 76}, {10, 1, 81}, {11, 1, 79},
                  {12, 6, 78}, {13, 1, 81}, {14, 1, 86}, {15, 4, 90}};
    int n = 0;
    for (const auto& m : melody) {
        const float pan = (n % 2 == 0) ? -0.25f : 0.25f;
        const double len = std::min(m.len * beat + 0.5, f.seconds - m.beat * beat);
        mix.fmNote(m.beat * beat, len, noteHz(m.note), 0.28, pan, 1.0, 1.8, 2.2);
        ++n;
    }
    // Sparkle over the closing chord.
    const int sparkle[] = {86, 90, 93, 98};
    for (int i = 0; i < 4; ++i)
        mix.fmNote(2.5 + i * 0.09, f.seconds - 2.5 - i * 0.09, noteHz(sparkle[i]), 0.09, i % 2 ? 0.7f : -0.7f,
                   3.5, 1.2, 2.5);
    mix.room(0.25);
    return mix.finish(0.85, 0.01);
}

Audio makeEffect(const RecordingFormat& f)
{
    const QString name = QString::fromLatin1(f.name);
    Mix mix(f.channels, f.sampleRate, f.seconds);
    double peak = 0.8;
    double fade = 0.004;
    if (name == QLatin1String("intro"))
        return makeIntro(f);
    if (name == QLatin1String("click")) {
        mix.ping(0, f.seconds, 2400, 0.8, 0, 0.004);
        mix.ping(0, f.seconds, 900, 0.5, 0, 0.006);
        mix.flick(0, f.seconds, 5000, 1.0, 0.6, 0, 11);
        peak = 0.7;
        fade = 0.002;
    } else if (name == QLatin1String("clickmic")) {
        mix.ping(0, f.seconds, 3600, 0.7, 0, 0.003);
        mix.flick(0, f.seconds, 7000, 1.2, 0.4, 0, 12);
        peak = 0.55;
        fade = 0.002;
    } else if (name.startsWith(QLatin1String("cart"))) {
        if (name == QLatin1String("cartile")) {
            // Five cards land one after another, left to right.
            for (int k = 0; k < 5; ++k) {
                const double at = 0.01 + k * 0.075;
                mix.flick(at, 0.06, 1800 + 150 * k, 1.4, 0.9, -0.8f + 0.4f * k, 100 + k);
                mix.ping(at + 0.004, 0.04, 210, 0.25, -0.8f + 0.4f * k, 0.012);
            }
            peak = 0.75;
        } else {
            const int k = name.mid(4).toInt();
            mix.flick(0, f.seconds, 1500 + 180 * k, 1.8, 0.9, -0.8f + 0.4f * (k - 1), 200 + k);
            mix.ping(0, f.seconds, 190 + 10 * k, 0.3, -0.8f + 0.4f * (k - 1), 0.01);
            peak = 0.7;
            fade = 0.003;
        }
    } else if (name == QLatin1String("okd")) {
        mix.fmNote(0, 0.14, noteHz(88), 0.5, -0.2f, 3.5, 1.0, 14);
        mix.fmNote(0.05, 0.09, noteHz(95), 0.5, 0.2f, 3.5, 1.0, 14);
    } else if (name == QLatin1String("offg")) {
        const int notes[] = {79, 74, 67, 62};
        for (int i = 0; i < 4; ++i)
            mix.fmNote(i * 0.12, f.seconds - i * 0.12, noteHz(notes[i]), 0.35, 0.3f - 0.2f * i, 1.0, 1.4, 5);
        mix.room(0.2);
        fade = 0.02;
    } else if (name == QLatin1String("succes")) {
        const int notes[] = {67, 72, 76};
        for (int i = 0; i < 3; ++i)
            mix.brassNote(i * 0.065, 0.09, noteHz(notes[i]), 0.35, -0.3f + 0.3f * i);
        for (int note : {72, 76, 79, 84})
            mix.brassNote(0.195, f.seconds - 0.195, noteHz(note), 0.22, note % 2 ? 0.3f : -0.3f);
        mix.room(0.2);
        fade = 0.015;
    } else if (name == QLatin1String("err")) {
        mix.buzz(0, 0.07, 185, 0.5);
        mix.buzz(0.085, 0.075, 139, 0.5);
        peak = 0.6;
    }
    return mix.finish(peak, fade);
}

// WAVE file image -> mono float samples and the rate.
bool decodeWavMono(const QByteArray& wav, std::vector<float>* out, int* rate)
{
    if (wav.size() < 44 || !wav.startsWith("RIFF"))
        return false;
    qsizetype pos = 12;
    int channels = 1;
    while (pos + 8 <= wav.size()) {
        const QByteArray id = wav.mid(pos, 4);
        const quint32 size = qFromLittleEndian<quint32>(wav.constData() + pos + 4);
        if (id == "fmt ") {
            channels = qFromLittleEndian<quint16>(wav.constData() + pos + 10);
            *rate = int(qFromLittleEndian<quint32>(wav.constData() + pos + 12));
        } else if (id == "data") {
            // espeak-ng writes an open-ended size when streaming; take what is there.
            const qsizetype bytes = std::min<qsizetype>(qsizetype(size), wav.size() - pos - 8);
            const qsizetype frames = bytes / (2 * channels);
            out->resize(size_t(frames));
            for (qsizetype i = 0; i < frames; ++i) {
                const qint16 s = qFromLittleEndian<qint16>(wav.constData() + pos + 8 + i * 2 * channels);
                (*out)[size_t(i)] = float(s) / 32768.0f;
            }
            return true;
        }
        pos += 8 + size + (size & 1);
    }
    return false;
}

// The audible stretch of a recording: first and last 5 ms window above a floor.
std::pair<qsizetype, qsizetype> voicedSpan(const std::vector<float>& s, int rate)
{
    const qsizetype win = rate / 200;
    float top = 0;
    for (float v : s)
        top = std::max(top, std::abs(v));
    const float floor = top * 0.03f;
    qsizetype first = -1, last = -1;
    for (qsizetype w = 0; w + win <= qsizetype(s.size()); w += win) {
        float m = 0;
        for (qsizetype i = w; i < w + win; ++i)
            m = std::max(m, std::abs(s[size_t(i)]));
        if (m > floor) {
            if (first < 0)
                first = w;
            last = w + win;
        }
    }
    if (first < 0)
        return {0, 0};
    return {first, last};
}

// espeak-ng's own voice for each language.
QString voiceOf(const QString& language)
{
    if (language == QLatin1String("de"))
        return QStringLiteral("de");
    if (language == QLatin1String("fr"))
        return QStringLiteral("fr-fr");
    if (language == QLatin1String("es"))
        return QStringLiteral("es");
    return QStringLiteral("en-us");
}

// The hand names as they are called at the tables of each country. The English names of the
// flushes stay in German, spelt out in phonemes ([[...]]) so the German voice says them the
// English way.
struct Spoken {
    const char* cue;
    const char* de;
    const char* fr;
    const char* es;
};
constexpr Spoken kSpoken[] = {
    {"welcome", "Willkommen", "Bienvenue", "Bienvenido"},
    {"byebye", "Tschüss", "Au revoir", "Adiós"},
    {"jb", "Buben oder besser", "Valets ou mieux", "Jotas o mejor"},
    {"tp", "Zwei Paare", "Deux paires", "Doble pareja"},
    {"tok", "Drilling", "Brelan", "Trío"},
    {"st", "Straße", "Quinte", "Escalera"},
    {"flu", "[[fl'aS]]", "Couleur", "Color"},
    {"fh", "Full House", "Full", "Full"},
    {"pok", "Poker", "Carré", "Póker"},
    {"sflu", "[[str'e:t fl'aS]]", "Quinte flush", "Escalera de color"},
    {"rf", "[[r'OY@l fl'aS]]", "Quinte flush royale", "Escalera real"},
    {"fok", "Fünfling", "Cinq d'une sorte", "Repóker"},
    {"kob", "Könige oder besser", "Rois ou mieux", "Reyes o mejor"},
    {"foak", "Vierling", "Carré", "Póker"},
    {"f5k", "Vier Fünfen bis Könige", "Carré de cinq à rois", "Póker de cincos a reyes"},
    {"f24", "Vier Zweien bis Vieren", "Carré de deux à quatre", "Póker de doses a cuatros"},
    {"fa", "Vier Asse", "Carré d'as", "Póker de ases"},
    {"f24k", "Vier Zweien bis Vieren mit Kicker", "Carré de deux à quatre avec kickeur",
     "Póker de doses a cuatros con kicker"},
    {"fak", "Vier Asse mit Kicker", "Carré d'as avec kickeur", "Póker de ases con kicker"},
    {"wrf", "[[r'OY@l fl'aS]] mit Joker", "Quinte flush royale avec joker", "Escalera real con comodín"},
    {"fdeu", "Vier Zweien", "Carré de deux", "Póker de doses"},
    {"nrf", "Echter [[r'OY@l fl'aS]]", "Quinte flush royale naturelle", "Escalera real natural"},
};

bool speak(const QString& text, const QString& language, int wordsPerMinute, std::vector<float>* out,
           int* rate, QString* error)
{
    QProcess espeak;
    espeak.start(QStringLiteral("espeak-ng"), {QStringLiteral("-v"), voiceOf(language), QStringLiteral("-s"),
                                               QString::number(wordsPerMinute), QStringLiteral("-p"),
                                               QStringLiteral("45"), QStringLiteral("--stdout"), text});
    if (!espeak.waitForFinished(30000) || espeak.exitCode() != 0) {
        *error = QStringLiteral("espeak-ng failed for \"%1\": %2")
                     .arg(text, QString::fromLocal8Bit(espeak.readAllStandardError()));
        return false;
    }
    if (!decodeWavMono(espeak.readAllStandardOutput(), out, rate)) {
        *error = QStringLiteral("espeak-ng gave no usable audio for \"%1\"").arg(text);
        return false;
    }
    return true;
}

// Speaks the text so that it fills the recording's length, then fits it exactly.
bool makeSpeech(const RecordingFormat& f, const QString& language, Audio* audio, QString* error)
{
    const char* const spoken = spokenWords(f, language);
    if (!spoken) {
        *error = QStringLiteral("no words in %1 for %2").arg(language, QLatin1String(f.name));
        return false;
    }
    const QString words = QString::fromUtf8(spoken);
    // The words with their soft edges fill the recording but for a few milliseconds. Short names are spoken
    // at a natural pace and padded rather than drawn out; long ones are spoken faster to fit.
    const double lead = 0.005;
    const double wanted = f.seconds - lead - 0.01;
    const int slowest = 150;
    const int fastest = 450;
    int wpm = 170;
    std::vector<float> voice;
    int rate = 22050;
    for (int attempt = 0; attempt < 5; ++attempt) {
        if (!speak(words, language, wpm, &voice, &rate, error))
            return false;
        // Keep a little on either side of the loud part: soft onsets like "f" and "th" live there.
        auto [a, b] = voicedSpan(voice, rate);
        a = std::max<qsizetype>(0, a - rate / 40);
        b = std::min<qsizetype>(qsizetype(voice.size()), b + rate / 40);
        voice = std::vector<float>(voice.begin() + a, voice.begin() + b);
        const double spoken = double(voice.size()) / rate;
        if (spoken <= wanted && (spoken > wanted * 0.92 || wpm == slowest))
            break;
        const int next = std::clamp(int(std::lround(wpm * spoken / wanted * 1.02)), slowest, fastest);
        if (next == wpm)
            break;
        wpm = next;
    }
    if (double(voice.size()) / rate > wanted)
        std::fprintf(stderr, "tarvelle-artgen: \"%s\" is cut to fit %.2f s\n", qPrintable(words), f.seconds);
    if (rate != f.sampleRate)
        voice = resample(voice, rate, f.sampleRate);
    const qsizetype total = qsizetype(std::lround(f.seconds * f.sampleRate));
    const qsizetype leadFrames = qsizetype(lead * f.sampleRate);
    audio->channels = 1;
    audio->sampleRate = f.sampleRate;
    audio->samples.assign(size_t(total), 0.0f);
    float top = 1e-9f;
    for (float v : voice)
        top = std::max(top, std::abs(v));
    const qsizetype n = std::min<qsizetype>(qsizetype(voice.size()), total - leadFrames);
    const qsizetype fade = f.sampleRate / 200;
    for (qsizetype i = 0; i < n; ++i) {
        double g = 0.85 / top;
        if (i < fade)
            g *= double(i) / fade;
        if (n - 1 - i < fade)
            g *= double(n - 1 - i) / fade;
        audio->samples[size_t(leadFrames + i)] = float(voice[size_t(i)] * g);
    }
    return true;
}

} // namespace

const std::vector<RecordingFormat>& recordingFormats()
{
    static const std::vector<RecordingFormat> formats = {
#define TARVELLE_CUE_FORMAT(name, channels, rate, seconds, speech) {#name, channels, rate, seconds, speech},
        TARVELLE_SOUND_CUES(TARVELLE_CUE_FORMAT)
#undef TARVELLE_CUE_FORMAT
    };
    return formats;
}

QByteArray encodeWav(const Audio& audio)
{
    const quint32 dataBytes = quint32(audio.samples.size() * 2);
    QByteArray out(44 + qsizetype(dataBytes), '\0');
    char* d = out.data();
    memcpy(d, "RIFF", 4);
    qToLittleEndian<quint32>(36 + dataBytes, d + 4);
    memcpy(d + 8, "WAVEfmt ", 8);
    qToLittleEndian<quint32>(16, d + 16);
    qToLittleEndian<quint16>(1, d + 20);
    qToLittleEndian<quint16>(quint16(audio.channels), d + 22);
    qToLittleEndian<quint32>(quint32(audio.sampleRate), d + 24);
    qToLittleEndian<quint32>(quint32(audio.sampleRate * audio.channels * 2), d + 28);
    qToLittleEndian<quint16>(quint16(audio.channels * 2), d + 32);
    qToLittleEndian<quint16>(16, d + 34);
    memcpy(d + 36, "data", 4);
    qToLittleEndian<quint32>(dataBytes, d + 40);
    for (size_t i = 0; i < audio.samples.size(); ++i) {
        const long v = std::lround(std::clamp(audio.samples[i], -1.0f, 1.0f) * 32767.0f);
        qToLittleEndian<qint16>(qint16(v), d + 44 + i * 2);
    }
    return out;
}

std::vector<float> resample(const std::vector<float>& in, int fromRate, int toRate)
{
    const double step = double(fromRate) / toRate;
    const double cutoff = std::min(1.0, double(toRate) / fromRate) * 0.92;
    const int taps = 24;
    const qsizetype outCount = qsizetype(std::floor(double(in.size()) / step));
    std::vector<float> out(static_cast<size_t>(outCount));
    for (qsizetype n = 0; n < outCount; ++n) {
        const double t = n * step;
        const qsizetype centre = qsizetype(std::floor(t));
        double sum = 0;
        for (qsizetype k = centre - taps + 1; k <= centre + taps; ++k) {
            if (k < 0 || k >= qsizetype(in.size()))
                continue;
            const double x = t - double(k);
            const double arg = kPi * x * cutoff;
            const double sinc = std::abs(arg) < 1e-9 ? 1.0 : std::sin(arg) / arg;
            const double w = 0.5 + 0.5 * std::cos(kPi * x / taps); // Hann window
            sum += in[size_t(k)] * cutoff * sinc * w;
        }
        out[size_t(n)] = float(sum);
    }
    return out;
}

const char* spokenWords(const RecordingFormat& format, const QString& language)
{
    if (!format.speech || voiceOf(language) == QLatin1String("en-us"))
        return format.speech;
    for (const Spoken& s : kSpoken) {
        if (qstrcmp(s.cue, format.name) != 0)
            continue;
        if (language == QLatin1String("de"))
            return s.de;
        return language == QLatin1String("fr") ? s.fr : s.es;
    }
    return nullptr;
}

QByteArray makeRecording(const RecordingFormat& format, QString* error, const QString& language)
{
    Audio audio;
    if (format.speech) {
        if (!makeSpeech(format, language, &audio, error))
            return {};
    } else {
        audio = makeEffect(format);
    }
    return encodeWav(audio);
}

} // namespace tarvelle::art
