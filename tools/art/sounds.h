// The game's recordings: synthesized effects and spoken hand names.
#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace tarvelle::art {

struct RecordingFormat {
    const char* name;
    int channels;
    int sampleRate;
    double seconds;
    const char* speech; // spoken text, or nullptr for an effect
};

// Every recording with its format and length.
const std::vector<RecordingFormat>& recordingFormats();

// Samples as floats in -1..1, interleaved when stereo.
struct Audio {
    int channels = 1;
    int sampleRate = 44100;
    std::vector<float> samples;
    qsizetype frames() const { return qsizetype(samples.size()) / channels; }
};

// A RIFF/WAVE file image, 16-bit PCM.
QByteArray encodeWav(const Audio& audio);

// Band-limited change of sample rate (windowed sinc).
std::vector<float> resample(const std::vector<float>& mono, int fromRate, int toRate);

// The words of a spoken recording as players of a language ("de", "fr", "es") say them, in
// espeak-ng's spelling; the English words for "en" and any other language; nullptr for an effect
// and for a cue the language has no words for, which fails the build.
const char* spokenWords(const RecordingFormat& format, const QString& language);

// Builds one recording; speech goes through espeak-ng in the language's voice. Returns an empty
// array on failure.
QByteArray makeRecording(const RecordingFormat& format, QString* error,
                         const QString& language = QStringLiteral("en"));

} // namespace tarvelle::art
