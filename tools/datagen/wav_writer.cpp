// Writes sounds as 16-bit mono PCM WAV files.
#include "tools/datagen/wav_writer.h"

#include <algorithm>
#include <cmath>

namespace crv::datagen {

namespace {

void putLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

void putTag(std::vector<std::uint8_t>& out, const char* tag) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<std::uint8_t>(tag[i]));
    }
}

} // namespace

std::vector<std::uint8_t> encodeWav(const std::vector<float>& samples, int sampleRate) {
    const std::uint32_t dataSize = static_cast<std::uint32_t>(samples.size() * 2);
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataSize);
    putTag(out, "RIFF");
    putLittleEndian(out, 36 + dataSize, 4);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    putLittleEndian(out, 16, 4);
    putLittleEndian(out, 1, 2); // PCM
    putLittleEndian(out, 1, 2); // mono
    putLittleEndian(out, static_cast<std::uint32_t>(sampleRate), 4);
    putLittleEndian(out, static_cast<std::uint32_t>(sampleRate) * 2, 4); // bytes per second
    putLittleEndian(out, 2, 2);                                          // bytes per frame
    putLittleEndian(out, 16, 2);
    putTag(out, "data");
    putLittleEndian(out, dataSize, 4);
    for (float sample : samples) {
        const long value = std::lround(std::clamp(sample, -1.0f, 1.0f) * 32767.0f);
        putLittleEndian(out, static_cast<std::uint32_t>(static_cast<std::int16_t>(value)), 2);
    }
    return out;
}

} // namespace crv::datagen
