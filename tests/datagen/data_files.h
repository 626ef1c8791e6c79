// Reading the generated files back for the tests: raw bytes, TGA pixels, WAV samples, PNGs.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace datatest {

std::vector<std::uint8_t> readBytes(const std::string& path);

/// Pixels as the game's reader takes them: 18 header bytes skipped, rows bottom-up, BGR; the
/// result is top-down RGB. Empty when the file is shorter than `width` x `height` needs.
std::vector<std::uint8_t> tgaPixels(const std::vector<std::uint8_t>& file, int width, int height);

struct Wav {
    bool valid = false;
    int format = 0;
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::vector<std::int16_t> samples;
};

/// Walks the RIFF chunks; `valid` when both "fmt " and "data" were found intact.
Wav parseWav(const std::vector<std::uint8_t>& file);

struct Png {
    bool valid = false;
    int width = 0;
    int height = 0;
    bool hasAlpha = false;
    std::vector<std::uint8_t> rgba; // top-down, 4 bytes a pixel
};

/// Decodes through libpng, an implementation independent of our writer.
Png decodePng(const std::vector<std::uint8_t>& file);

} // namespace datatest
