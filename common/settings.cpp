// Reading and writing "corvanth.cfg" for the front end and the game.
#include "common/settings.h"

#include "common/file_io.h"
#include "common/text_scan.h"

#include <algorithm>

namespace crv {

namespace {

// The file order of the fields.
constexpr std::int32_t Settings::*fields[] = {
    &Settings::gameMode,          &Settings::resolutionIndex,   &Settings::soundOn,
    &Settings::fullscreen,        &Settings::texturedPlayfield, &Settings::texturedBlocks,
    &Settings::bilinearFiltering, &Settings::gammaLevel,        &Settings::backgroundPicture,
    &Settings::antialiasedLines,
};
constexpr int fieldCount = 10;
static_assert(sizeof fields / sizeof fields[0] == fieldCount);

/// The file's values over the given defaults; the defaults alone when it is missing or
/// unreadable, which `status` tells apart.
Settings readSettingsOver(const Settings& defaults, FileStatus* status = nullptr) {
    Settings settings = defaults;
    const FileText file = readSharedFile(settingsFileName, status);
    if (file.error == 0) {
        scanSettings(file.text, settings);
    }
    return settings;
}

} // namespace

int scanSettings(std::string_view text, Settings& settings) {
    TextScanner scanner{text};
    int taken = 0;
    while (taken < fieldCount && scanInt(scanner, settings.*fields[taken])) {
        ++taken;
    }
    return taken;
}

std::string formatSettings(const Settings& settings) {
    std::string text;
    for (int i = 0; i < fieldCount; ++i) {
        text += std::to_string(settings.*fields[i]);
        if (i + 1 < fieldCount) {
            text += '\n';
        }
    }
    return text;
}

Settings loadSettings(FileStatus* status) {
    return readSettingsOver(frontEndDefaultSettings, status);
}

FileStatus saveSettings(const Settings& settings) {
    return underSaveLock([&] { return replaceFile(settingsFileName, formatSettings(settings)); });
}

FileStatus saveGameMode(std::int32_t gameMode) {
    return underSaveLock([&] {
        FileStatus read;
        Settings settings = loadSettings(&read);
        if (!read) {
            return read;
        }
        settings.gameMode = gameMode;
        return replaceFile(settingsFileName, formatSettings(settings));
    });
}

std::int32_t loadMenuGameMode() {
    return readSettingsOver(frontEndDefaultSettings).gameMode;
}

GameSettings deriveGameSettings(const Settings& settings) {
    GameSettings game{settings, 1.0f, 640, 480};
    game.settings.gammaLevel = std::clamp(settings.gammaLevel, minGammaLevel, maxGammaLevel);
    game.gammaFactor =
        static_cast<float>(0.7 + static_cast<double>(game.settings.gammaLevel) / 20.0);
    static constexpr int sizes[5][2] = {
        {512, 384}, {640, 480}, {800, 600}, {1024, 768}, {1280, 1024}};
    // Tested as unsigned, so negative indices fall to 640 x 480 with the other strays.
    const auto index = static_cast<std::uint32_t>(settings.resolutionIndex);
    if (index < 5) {
        game.screenWidth = sizes[index][0];
        game.screenHeight = sizes[index][1];
    }
    return game;
}

GameSettings readGameSettings() {
    return deriveGameSettings(readSettingsOver(gameDefaultSettings));
}

} // namespace crv
