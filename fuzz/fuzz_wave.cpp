// The recordings' RIFF/WAVE parsing: any bytes give a format that describes data lying
// inside the image, or a clean refusal.
#include "sound/waveplayer.h"

#include <cstdint>
#include <cstdlib>

using namespace tarvelle;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray riff(reinterpret_cast<const char*>(data), qsizetype(size));
    WaveInfo info;
    QString error;
    if (parseWave(riff, &info, &error)) {
        const int frame = info.channels * info.bitsPerSample / 8;
        if (info.channels < 1 || info.sampleRate < 1 ||
            (info.bitsPerSample != 8 && info.bitsPerSample != 16) || info.dataOffset < 0 ||
            info.dataSize < 0 || info.dataOffset + info.dataSize > riff.size() || frame == 0 ||
            info.dataSize % frame != 0)
            std::abort();
    } else if (error.isEmpty()) {
        std::abort();
    }
    return 0;
}
