// Writes images as 8-bit RGB or RGBA PNG for the front end's resources.
#include "tools/datagen/png_writer.h"

#include <zlib.h>

#include <cstdlib>
#include <string>

namespace crv::datagen {

namespace {

void putBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value >> 24));
    out.push_back(static_cast<std::uint8_t>(value >> 16));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
    out.push_back(static_cast<std::uint8_t>(value));
}

void putChunk(std::vector<std::uint8_t>& out, const char* type,
              const std::vector<std::uint8_t>& data) {
    putBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t typeAt = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    // The checksum covers the type and the data, not the length.
    const uLong crc = crc32(0L, out.data() + typeAt, static_cast<uInt>(4 + data.size()));
    putBigEndian(out, static_cast<std::uint32_t>(crc));
}

} // namespace

std::vector<std::uint8_t> encodePng(const Image& image, PngChannels channels) {
    const int components = channels == PngChannels::Rgba ? 4 : 3;
    std::vector<std::uint8_t> raw;
    raw.reserve(static_cast<std::size_t>(image.height) * (1 + image.width * components));
    for (int y = 0; y < image.height; ++y) {
        raw.push_back(0); // filter type None
        for (int x = 0; x < image.width; ++x) {
            const Color& c = image.at(x, y);
            raw.push_back(toByte(c.r));
            raw.push_back(toByte(c.g));
            raw.push_back(toByte(c.b));
            if (components == 4) {
                raw.push_back(toByte(c.a));
            }
        }
    }
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    std::vector<std::uint8_t> packed(packedSize);
    if (compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()),
                  Z_BEST_COMPRESSION) != Z_OK) {
        // Only possible when memory runs out; a generator cannot do anything better.
        std::abort();
    }
    packed.resize(packedSize);

    std::vector<std::uint8_t> header;
    putBigEndian(header, static_cast<std::uint32_t>(image.width));
    putBigEndian(header, static_cast<std::uint32_t>(image.height));
    header.push_back(8);                       // bits per channel
    header.push_back(components == 4 ? 6 : 2); // colour type: RGBA or RGB
    header.push_back(0);                       // compression: deflate
    header.push_back(0);                       // filter method
    header.push_back(0);                       // no interlace

    std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    putChunk(out, "IHDR", header);
    putChunk(out, "IDAT", packed);
    putChunk(out, "IEND", {});
    return out;
}

} // namespace crv::datagen
