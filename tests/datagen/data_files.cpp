// Reading the generated files back for the tests: raw bytes, TGA pixels, WAV samples, PNGs.
#include "data_files.h"

#include <png.h>

#include <cstring>
#include <fstream>
#include <iterator>

namespace datatest {

std::vector<std::uint8_t> readBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::vector<std::uint8_t> tgaPixels(const std::vector<std::uint8_t>& file, int width, int height) {
    const std::size_t need = 18 + static_cast<std::size_t>(width) * height * 3;
    if (file.size() < need) {
        return {};
    }
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width) * height * 3);
    for (int i = 0; i < height; ++i) {
        for (int j = 0; j < width; ++j) {
            const std::uint8_t* source = &file[18 + (static_cast<std::size_t>(i) * width + j) * 3];
            std::uint8_t* target = &rgb[(static_cast<std::size_t>(height - 1 - i) * width + j) * 3];
            target[0] = source[2];
            target[1] = source[1];
            target[2] = source[0];
        }
    }
    return rgb;
}

namespace {

std::uint32_t little(const std::vector<std::uint8_t>& bytes, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = value << 8 | bytes[at + i];
    }
    return value;
}

} // namespace

Wav parseWav(const std::vector<std::uint8_t>& file) {
    Wav wav;
    if (file.size() < 12 || std::memcmp(file.data(), "RIFF", 4) != 0 ||
        std::memcmp(file.data() + 8, "WAVE", 4) != 0 || little(file, 4, 4) != file.size() - 8) {
        return wav;
    }
    bool haveFormat = false;
    std::size_t at = 12;
    while (at + 8 <= file.size()) {
        const std::uint32_t size = little(file, at + 4, 4);
        const std::size_t body = at + 8;
        if (body + size > file.size()) {
            return wav;
        }
        if (std::memcmp(&file[at], "fmt ", 4) == 0 && size >= 16) {
            wav.format = static_cast<int>(little(file, body, 2));
            wav.channels = static_cast<int>(little(file, body + 2, 2));
            wav.sampleRate = static_cast<int>(little(file, body + 4, 4));
            const std::uint32_t byteRate = little(file, body + 8, 4);
            const std::uint32_t blockAlign = little(file, body + 12, 2);
            wav.bitsPerSample = static_cast<int>(little(file, body + 14, 2));
            haveFormat =
                byteRate == wav.sampleRate * blockAlign &&
                blockAlign == static_cast<std::uint32_t>(wav.channels * wav.bitsPerSample / 8);
        } else if (std::memcmp(&file[at], "data", 4) == 0 && haveFormat && size % 2 == 0) {
            for (std::size_t i = 0; i < size; i += 2) {
                wav.samples.push_back(static_cast<std::int16_t>(little(file, body + i, 2)));
            }
            wav.valid = true;
        }
        at = body + size + (size & 1);
    }
    return wav;
}

Png decodePng(const std::vector<std::uint8_t>& file) {
    Png result;
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, file.data(), file.size())) {
        return result;
    }
    result.hasAlpha = (image.format & PNG_FORMAT_FLAG_ALPHA) != 0;
    image.format = PNG_FORMAT_RGBA;
    result.rgba.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, result.rgba.data(), 0, nullptr)) {
        png_image_free(&image);
        return result;
    }
    result.width = static_cast<int>(image.width);
    result.height = static_cast<int>(image.height);
    result.valid = true;
    return result;
}

} // namespace datatest
