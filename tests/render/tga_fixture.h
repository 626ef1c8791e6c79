// Small TGA files for the tests, written the way the game's files are laid out.
#pragma once

#include <cstdint>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace crv::testing {

struct Texel {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

/// An uncompressed 24-bit TGA; texelAt(x, y) with y = 0 at the top of the picture.
inline void writeTga(const std::string& name, int width, int height,
                     const std::function<Texel(int, int)>& texelAt) {
    std::vector<std::uint8_t> bytes(18, 0);
    bytes[2] = 2;
    bytes[12] = static_cast<std::uint8_t>(width & 0xff);
    bytes[13] = static_cast<std::uint8_t>(width >> 8);
    bytes[14] = static_cast<std::uint8_t>(height & 0xff);
    bytes[15] = static_cast<std::uint8_t>(height >> 8);
    bytes[16] = 24;
    for (int fileRow = 0; fileRow < height; ++fileRow) {
        const int y = height - 1 - fileRow; // the file stores the bottom row first
        for (int x = 0; x < width; ++x) {
            const Texel t = texelAt(x, y);
            bytes.push_back(t.blue);
            bytes.push_back(t.green);
            bytes.push_back(t.red);
        }
    }
    std::ofstream(name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

} // namespace crv::testing
