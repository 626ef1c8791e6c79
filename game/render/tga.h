// The TGA image reader: uncompressed 24-bit files into top-down RGBA buffers.
#pragma once

#include <cstddef>
#include <cstdint>

namespace crv {

/// Bytes before the pixel data; the header is never examined.
constexpr std::size_t tgaHeaderSize = 18;

/// Converts the bytes of a file into width x height RGBA pixels, the file's first row at
/// the bottom; alpha is 255. Pixels the file is too short to supply come out black.
void convertTga(const std::uint8_t* file, std::size_t fileSize, std::uint8_t* pixels,
                unsigned width, unsigned height);

/// Reads the file into the caller's buffer of width x height x 4 bytes. False, with the
/// buffer untouched and a line on standard error, when the file cannot be read (a FIFO or
/// device in its place included, at once).
bool readTga(const char* fileName, std::uint8_t* pixels, unsigned width, unsigned height);

/// Copies a width x height rectangle of 4-byte pixels starting at pixel sourceOffset of a
/// source sourceStride pixels wide into a packed destination. The caller keeps it inside.
void copySubImage(const std::uint8_t* source, std::uint8_t* destination, unsigned width,
                  unsigned height, std::size_t sourceOffset, std::size_t sourceStride);

} // namespace crv
