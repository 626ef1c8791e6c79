// Writes images as uncompressed 24-bit TGA, the one variant the game's image reader takes.
#include "tools/datagen/tga_writer.h"

namespace crv::datagen {

std::vector<std::uint8_t> encodeTga(const Image& image) {
    std::vector<std::uint8_t> bytes(18, 0);
    bytes[2] = 2;
    bytes[12] = static_cast<std::uint8_t>(image.width & 0xFF);
    bytes[13] = static_cast<std::uint8_t>(image.width >> 8);
    bytes[14] = static_cast<std::uint8_t>(image.height & 0xFF);
    bytes[15] = static_cast<std::uint8_t>(image.height >> 8);
    bytes[16] = 24;
    bytes[17] = 0; // descriptor: no alpha bits, origin lower left
    bytes.reserve(18 + static_cast<std::size_t>(image.width) * image.height * 3);
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const Color& c = image.at(x, y);
            bytes.push_back(toByte(c.b));
            bytes.push_back(toByte(c.g));
            bytes.push_back(toByte(c.r));
        }
    }
    return bytes;
}

} // namespace crv::datagen
