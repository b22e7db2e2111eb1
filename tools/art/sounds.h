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

// Builds one recording; speech goes through espeak-ng. Returns an empty array on failure.
QByteArray makeRecording(const RecordingFormat& format, QString* error);

} // namespace tarvelle::art
