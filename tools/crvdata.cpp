// crvdata: makes the game's images and sounds and the front end's pictures, the same bytes on
// every run.
#include "tools/datagen/game_data.h"
#include "tools/datagen/png_writer.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

const char usage[] = "usage: crvdata --game DIR --frontend DIR --sheet-font FILE "
                     "--title-font FILE [--contact-sheet FILE.png]\n";

bool writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

bool writeAll(const std::string& directory, const std::vector<crv::datagen::DataFile>& files) {
    for (const auto& file : files) {
        const std::string path = directory + "/" + file.name;
        if (!writeFile(path, file.bytes)) {
            std::fprintf(stderr, "crvdata: cannot write %s\n", path.c_str());
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    std::string gameDir, frontendDir, contactSheet;
    crv::datagen::FontPaths fonts;
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (hasValue && std::strcmp(argv[i], "--game") == 0) {
            gameDir = argv[++i];
        } else if (hasValue && std::strcmp(argv[i], "--frontend") == 0) {
            frontendDir = argv[++i];
        } else if (hasValue && std::strcmp(argv[i], "--sheet-font") == 0) {
            fonts.sheet = argv[++i];
        } else if (hasValue && std::strcmp(argv[i], "--title-font") == 0) {
            fonts.title = argv[++i];
        } else if (hasValue && std::strcmp(argv[i], "--contact-sheet") == 0) {
            contactSheet = argv[++i];
        } else {
            std::fputs(usage, stderr);
            return 2;
        }
    }
    if (gameDir.empty() || frontendDir.empty() || fonts.sheet.empty() || fonts.title.empty()) {
        std::fputs(usage, stderr);
        return 2;
    }

    crv::datagen::Pictures pictures;
    std::string error;
    if (!crv::datagen::makePictures(fonts, pictures, error)) {
        std::fprintf(stderr, "crvdata: %s\n", error.c_str());
        return 1;
    }
    const crv::datagen::GameData data = crv::datagen::encodeGameData(pictures);
    if (!writeAll(gameDir, data.gameFiles) || !writeAll(frontendDir, data.frontendFiles)) {
        return 1;
    }
    if (!contactSheet.empty()) {
        crv::datagen::Image sheet;
        if (!crv::datagen::makeContactSheet(pictures, fonts, sheet, error)) {
            std::fprintf(stderr, "crvdata: %s\n", error.c_str());
            return 1;
        }
        if (!writeFile(contactSheet,
                       crv::datagen::encodePng(sheet, crv::datagen::PngChannels::Rgb))) {
            std::fprintf(stderr, "crvdata: cannot write %s\n", contactSheet.c_str());
            return 1;
        }
    }
    return 0;
}
