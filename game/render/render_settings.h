// The settings the picture reads, taken from "corvanth.cfg" by the shell.
#pragma once

namespace crv {

/// What the drawing reads of the settings. The defaults are the game's own values for a
/// missing settings file; flags count as on when non-zero.
struct RenderSettings {
    int gameMode = 1; // non-zero: the playfield swings
    int texturedPlayfield = 1;
    int texturedBlocks = 1;
    int bilinearFiltering = 0;
    float gammaFactor = 1.0f; // 0.7 + gammaLevel / 20
    int backgroundPicture = 0;
    int antialiasedLines = 0;
    int screenWidth = 512; // 1280 moves the score column left, to fit the 5:4 view
};

} // namespace crv
