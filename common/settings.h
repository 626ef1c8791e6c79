// The settings file "corvanth.cfg": the player's choices, written by the front end, read by both.
#pragma once

#include "common/file_io.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace crv {

constexpr char settingsFileName[] = "corvanth.cfg";

/// The gamma levels the options offer, darker to brighter, and all the game takes: its
/// brightness factor 0.7 + level / 20 runs from 0.7 to 1.3.
constexpr std::int32_t minGammaLevel = 0;
constexpr std::int32_t maxGammaLevel = 12;

/// Ten values in file order. Flags are 1 or 0, and any non-zero value counts as on.
struct Settings {
    std::int32_t gameMode;        // 0 static playfield, non-zero swinging
    std::int32_t resolutionIndex; // 0..4: 512x384, 640x480, 800x600, 1024x768, 1280x1024
    std::int32_t soundOn;         // the file value, not the options dialog's radio index
    std::int32_t fullscreen;
    std::int32_t texturedPlayfield;
    std::int32_t texturedBlocks;
    std::int32_t bilinearFiltering;
    std::int32_t gammaLevel; // minGammaLevel darker .. maxGammaLevel brighter
    std::int32_t backgroundPicture;
    std::int32_t antialiasedLines;
};

/// What the front end uses without a file; it offers and writes 640 x 480.
constexpr Settings frontEndDefaultSettings{1, 1, 1, 0, 1, 1, 0, 6, 0, 0};
/// What the game uses without a file; it runs at 512 x 384.
constexpr Settings gameDefaultSettings{1, 0, 1, 0, 1, 1, 0, 6, 0, 0};

/// Scans up to ten integers separated by any white space into the fields in order and
/// returns how many it took; the fields from the first fault on keep what they held.
int scanSettings(std::string_view text, Settings& settings);

/// The file text: nine values each followed by a newline, the tenth without one.
std::string formatSettings(const Settings& settings);

/// Front end, options dialog: the file's values, front-end defaults where it has none or is
/// unreadable; a problem other than a missing file goes to standard error and into `status`.
Settings loadSettings(FileStatus* status = nullptr);

/// Front end, options dialog "OK": rewrites the file under the save lock; a failure when it
/// could not be written, an unreadable file included, which is left as it is.
FileStatus saveSettings(const Settings& settings);

/// Front end, "Play!" and "Exit": under the save lock, rewrites the file with `gameMode` as
/// its first value and the other nine as `loadSettings` reads them; a failure, with the file
/// untouched, when it is unreadable or could not be written.
FileStatus saveGameMode(std::int32_t gameMode);

/// Front end, main menu start: the file's first value, 1 when there is none.
std::int32_t loadMenuGameMode();

/// What the game takes from the settings: the record, its gamma and its window size.
struct GameSettings {
    Settings settings; // gammaLevel already clamped to minGammaLevel..maxGammaLevel
    float gammaFactor; // 0.7 + gammaLevel / 20
    int screenWidth;
    int screenHeight;
};

/// The game's view of a record: clamps gammaLevel to its range (outside it the brightness
/// correction would divide by zero) and maps any index other than 0..4 to 640 x 480.
GameSettings deriveGameSettings(const Settings& settings);

/// Game start-up: reads "corvanth.cfg" once, game defaults where it has no values.
GameSettings readGameSettings();

} // namespace crv
