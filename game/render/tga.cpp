// The TGA image reader: uncompressed 24-bit files into top-down RGBA buffers.
#include "game/render/tga.h"

#include "common/file_io.h"

#include <cstring>
#include <string>

namespace crv {

void convertTga(const std::uint8_t* file, std::size_t fileSize, std::uint8_t* pixels,
                unsigned width, unsigned height) {
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 3;
    for (std::size_t i = 0; i < height; ++i) {
        std::uint8_t* out = pixels + (height - 1 - i) * static_cast<std::size_t>(width) * 4;
        for (std::size_t j = 0; j < width; ++j, out += 4) {
            const std::size_t at = tgaHeaderSize + i * rowBytes + j * 3;
            const bool supplied = fileSize >= 3 && at <= fileSize - 3;
            out[0] = supplied ? file[at + 2] : 0;
            out[1] = supplied ? file[at + 1] : 0;
            out[2] = supplied ? file[at] : 0;
            out[3] = 255;
        }
    }
}

bool readTga(const char* fileName, std::uint8_t* pixels, unsigned width, unsigned height) {
    // One read of the header and the pixels; a footer after them is never looked at.
    const FileText file =
        readFile(fileName, tgaHeaderSize + static_cast<std::size_t>(width) * height * 3);
    if (file.error != 0) {
        reportLoadProblem(fileName, describeFileError(file.error));
        return false;
    }
    convertTga(reinterpret_cast<const std::uint8_t*>(file.text.data()), file.text.size(), pixels,
               width, height);
    return true;
}

void copySubImage(const std::uint8_t* source, std::uint8_t* destination, unsigned width,
                  unsigned height, std::size_t sourceOffset, std::size_t sourceStride) {
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 4;
    for (std::size_t r = 0; r < height; ++r) {
        std::memcpy(destination + r * rowBytes, source + (sourceOffset + r * sourceStride) * 4,
                    rowBytes);
    }
}

} // namespace crv
