// Writes sounds as 16-bit mono PCM WAV files.
#pragma once

#include <cstdint>
#include <vector>

namespace crv::datagen {

/// A RIFF/WAVE file with a 16-byte "fmt " chunk and one "data" chunk; `samples` are in -1..1
/// and are rounded and clamped to 16 bits.
std::vector<std::uint8_t> encodeWav(const std::vector<float>& samples, int sampleRate);

} // namespace crv::datagen
