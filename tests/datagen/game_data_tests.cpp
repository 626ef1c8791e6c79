// The files the build puts beside the programs: formats, sizes, font layout, sounds, pictures.
#include "data_files.h"

#include "data/assets.h"
#include "tools/datagen/game_data.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

namespace {

const std::string runDir = CORVANTH_RUN_DIR;
const std::string frontendDir = CORVANTH_FRONTEND_PICTURE_DIR;

/// Every image the game loads.
std::vector<crv::ImageFile> gameImages() {
    std::vector<crv::ImageFile> images(std::begin(crv::blockTextureFiles),
                                       std::end(crv::blockTextureFiles));
    images.push_back(crv::panelImageFile);
    images.push_back(crv::backgroundImageFile);
    images.push_back(crv::fontImageFile);
    images.push_back(crv::gameIconFile);
    return images;
}

/// Every picture the front end embeds.
std::vector<crv::PictureFile> frontendPictures() {
    std::vector<crv::PictureFile> pictures = {crv::titlePictureFile, crv::aboutPictureFile};
    pictures.insert(pictures.end(), std::begin(crv::iconFiles), std::end(crv::iconFiles));
    return pictures;
}

std::vector<std::uint8_t> loadTga(const crv::ImageFile& image) {
    return datatest::tgaPixels(datatest::readBytes(runDir + "/" + image.name), image.width,
                               image.height);
}

/// Mean of the three channels at (x, y) of a top-down RGB buffer, 0..255.
float brightness(const std::vector<std::uint8_t>& rgb, int width, int x, int y) {
    const std::uint8_t* p = &rgb[(static_cast<std::size_t>(y) * width + x) * 3];
    return (p[0] + p[1] + p[2]) / 3.0f;
}

float meanBrightness(const std::vector<std::uint8_t>& rgb, int width, int x0, int y0, int x1,
                     int y1) {
    double sum = 0;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            sum += brightness(rgb, width, x, y);
        }
    }
    return static_cast<float>(sum / ((x1 - x0) * (y1 - y0)));
}

} // namespace

TEST(GameImages, EveryTgaIsTheReadersVariantAtItsExactSize) {
    for (const crv::ImageFile& tga : gameImages()) {
        SCOPED_TRACE(tga.name);
        const auto bytes = datatest::readBytes(runDir + "/" + tga.name);
        ASSERT_EQ(bytes.size(), 18u + static_cast<std::size_t>(tga.width) * tga.height * 3);
        EXPECT_EQ(bytes[0], 0) << "no image id";
        EXPECT_EQ(bytes[1], 0) << "no colour map";
        EXPECT_EQ(bytes[2], 2) << "uncompressed true colour";
        EXPECT_EQ(bytes[12] | bytes[13] << 8, tga.width);
        EXPECT_EQ(bytes[14] | bytes[15] << 8, tga.height);
        EXPECT_EQ(bytes[16], 24);
        EXPECT_EQ(bytes[17] & 0x20, 0) << "rows stored bottom-up";
    }
}

TEST(BlockTextures, MostlyLightEachPatternDifferentAndSymmetricTopToBottom) {
    const int size = crv::blockTextureFiles[0].width;
    std::vector<std::vector<std::uint8_t>> textures;
    for (const crv::ImageFile& file : crv::blockTextureFiles) {
        textures.push_back(loadTga(file));
        ASSERT_FALSE(textures.back().empty());
    }
    for (int i = 0; i < crv::blockTextureCount; ++i) {
        SCOPED_TRACE(crv::blockTextureFiles[i].name);
        // Multiplied by the block colour: a dark texture would make a dark block.
        EXPECT_GT(meanBrightness(textures[i], size, 0, 0, size, size), 170);
        // One quarter of the top face shows the texture flipped top to bottom.
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                ASSERT_EQ(brightness(textures[i], size, x, y),
                          brightness(textures[i], size, x, size - 1 - y))
                    << "at " << x << "," << y;
            }
        }
        for (int j = 0; j < i; ++j) {
            int differing = 0;
            for (std::size_t k = 0; k < textures[i].size(); k += 3) {
                differing += std::abs(textures[i][k] - textures[j][k]) > 40;
            }
            // Tellable apart without colour: a good share of the face differs clearly.
            EXPECT_GT(differing, size * size / 10) << "against " << crv::blockTextureFiles[j].name;
        }
    }
}

TEST(PanelTexture, TilesWithoutVisibleSeams) {
    const auto panel = loadTga(crv::panelImageFile);
    ASSERT_FALSE(panel.empty());
    const int size = crv::panelImageFile.width; // square
    const int middle = size / 2;
    const int last = size - 1;
    const auto at = [&](int x, int y) { return brightness(panel, size, x, y); };
    // Across a tile edge the step must be no larger than between neighbours inside the tile.
    float inside = 0;
    float across = 0;
    for (int i = 0; i < size; ++i) {
        inside = std::max({inside, std::fabs(at(middle - 1, i) - at(middle, i)),
                           std::fabs(at(i, middle - 1) - at(i, middle))});
        across = std::max(
            {across, std::fabs(at(last, i) - at(0, i)), std::fabs(at(i, last) - at(i, 0))});
    }
    EXPECT_LE(across, inside + 2);
    // Calm: no harsh contrast that would compete with the blocks.
    const auto [low, high] = std::minmax_element(panel.begin(), panel.end());
    EXPECT_GT(*low, 80);
    EXPECT_LT(*high - *low, 130);
}

TEST(BackgroundPicture, DarkerInTheMiddleWhereThePlayfieldStands) {
    const auto picture = loadTga(crv::backgroundImageFile);
    ASSERT_FALSE(picture.empty());
    const int w = crv::backgroundImageFile.width;
    const int h = crv::backgroundImageFile.height;
    const float middle = meanBrightness(picture, w, w * 3 / 8, h / 3, w * 5 / 8, h * 2 / 3);
    const float left = meanBrightness(picture, w, 0, 0, w / 4, h);
    const float right = meanBrightness(picture, w, w * 3 / 4, 0, w, h);
    EXPECT_LT(middle, 0.6f * std::min(left, right));
    EXPECT_GT(std::min(left, right), 15) << "the picture reads at the edges";
}

namespace {

constexpr int cellWidth = crv::glyphWidth;
constexpr int cellHeight = crv::glyphHeight;
constexpr int sheetWidth = crv::fontImageFile.width;
const char* const charset = crv::fontCharset;

/// Bounds of the ink (any pixel brighter than 24) of glyph g, in cell coordinates.
struct Ink {
    int count = 0;
    int top = cellHeight, bottom = -1, left = cellWidth, right = -1;
};

Ink inkOf(const std::vector<std::uint8_t>& sheet, int g) {
    Ink ink;
    const int x0 = (g % crv::glyphsPerRow) * cellWidth;
    const int y0 = (g / crv::glyphsPerRow) * cellHeight;
    for (int y = 0; y < cellHeight; ++y) {
        for (int x = 0; x < cellWidth; ++x) {
            if (brightness(sheet, sheetWidth, x0 + x, y0 + y) > 24) {
                ++ink.count;
                ink.top = std::min(ink.top, y);
                ink.bottom = std::max(ink.bottom, y);
                ink.left = std::min(ink.left, x);
                ink.right = std::max(ink.right, x);
            }
        }
    }
    return ink;
}

} // namespace

TEST(FontSheet, GlyphInkStaysInsideItsCellAndOffTheGutter) {
    const auto sheet = loadTga(crv::fontImageFile);
    ASSERT_FALSE(sheet.empty());
    for (int g = 0; g < crv::fontGlyphCount; ++g) {
        SCOPED_TRACE(std::string("glyph '") + charset[g] + "'");
        const Ink ink = inkOf(sheet, g);
        if (charset[g] == ' ') {
            EXPECT_EQ(ink.count, 0);
            continue;
        }
        EXPECT_GT(ink.count, 0);
        // The game's linear filter reaches half a texel past the last column and row.
        EXPECT_LE(ink.right, cellWidth - 2);
        EXPECT_LE(ink.bottom, cellHeight - 2);
    }
    // Nothing outside the glyph cells: right of the last column, below the last row, and in
    // the rest of the last row.
    const int fullRows = crv::fontGlyphCount / crv::glyphsPerRow;
    const int lastRowCells = crv::fontGlyphCount % crv::glyphsPerRow;
    for (int y = 0; y < crv::fontImageFile.height; ++y) {
        for (int x = 0; x < sheetWidth; ++x) {
            const bool inCells = x < crv::glyphsPerRow * cellWidth &&
                                 (y < fullRows * cellHeight || (y < (fullRows + 1) * cellHeight &&
                                                                x < lastRowCells * cellWidth));
            if (!inCells) {
                ASSERT_EQ(brightness(sheet, sheetWidth, x, y), 0) << "at " << x << "," << y;
            }
        }
    }
}

TEST(FontSheet, GlyphsSitInCharsetOrder) {
    const auto sheet = loadTga(crv::fontImageFile);
    ASSERT_FALSE(sheet.empty());
    const auto glyph = [&](char c) {
        return inkOf(sheet, static_cast<int>(std::strchr(charset, c) - charset));
    };
    const Ink capital = glyph('H');
    // Shapes that pin down a position: a glyph in the wrong cell fails one of these.
    struct Case {
        char character;
        bool low;  // ink only below the middle of a capital
        bool high; // ink only above it
    };
    const Case cases[] = {{'.', true, false}, {',', true, false},  {'_', true, false},
                          {'`', false, true}, {'\'', false, true}, {'"', false, true},
                          {'^', false, true}};
    const int middle = (capital.top + capital.bottom) / 2;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("glyph '") + c.character + "'");
        const Ink ink = glyph(c.character);
        if (c.low) {
            EXPECT_GT(ink.top, middle);
        }
        if (c.high) {
            EXPECT_LT(ink.bottom, middle);
        }
    }
    // Descenders reach below the capitals' baseline, and the digit 1 is narrower than a W.
    EXPECT_GT(glyph('g').bottom, capital.bottom);
    EXPECT_GT(glyph('p').bottom, capital.bottom);
    EXPECT_EQ(glyph('x').bottom, capital.bottom);
    EXPECT_LT(glyph('-').bottom, capital.bottom);
    EXPECT_GT(glyph('-').top, capital.top);
    EXPECT_LT(glyph('1').right - glyph('1').left, glyph('W').right - glyph('W').left);
}

TEST(Sounds, EachIsShortMonoPcmThatStartsAndEndsQuietly) {
    struct Length {
        double shortest, longest; // seconds
    };
    // In the order of soundCueFiles: move, fall, game over, whoosh.
    const Length lengths[crv::soundFileCount] = {
        {0.02, 0.15},
        {0.01, 0.07}, // up to 14 row steps a second: each must be over before the next
        {1.2, 1.8},
        {0.45, 0.75},
    };
    for (int i = 0; i < crv::soundFileCount; ++i) {
        const char* name = crv::soundCueFiles[i];
        const Length& c = lengths[i];
        SCOPED_TRACE(name);
        const auto wav = datatest::parseWav(datatest::readBytes(runDir + "/" + name));
        ASSERT_TRUE(wav.valid);
        EXPECT_EQ(wav.format, 1);
        EXPECT_EQ(wav.channels, 1);
        EXPECT_EQ(wav.bitsPerSample, 16);
        EXPECT_TRUE(wav.sampleRate == 22050 || wav.sampleRate == 44100);
        const double seconds = static_cast<double>(wav.samples.size()) / wav.sampleRate;
        EXPECT_GE(seconds, c.shortest);
        EXPECT_LE(seconds, c.longest);
        int peak = 0;
        for (std::int16_t s : wav.samples) {
            peak = std::max(peak, std::abs(static_cast<int>(s)));
        }
        EXPECT_GT(peak, 3000) << "audible";
        EXPECT_LT(peak, 32000) << "not clipped";
        // A jump from or to silence is heard as a crack.
        EXPECT_LT(std::abs(wav.samples.front()), 300);
        EXPECT_LT(std::abs(wav.samples.back()), 300);
    }
}

TEST(FrontendPictures, PngsOfTheSizesTheDialogsShow) {
    for (const crv::PictureFile& c : frontendPictures()) {
        SCOPED_TRACE(c.name);
        const auto png = datatest::decodePng(datatest::readBytes(frontendDir + "/" + c.name));
        ASSERT_TRUE(png.valid);
        EXPECT_EQ(png.width, c.width);
        EXPECT_EQ(png.height, c.height);
        EXPECT_EQ(png.hasAlpha, c.alpha);
        if (c.alpha) {
            // An icon: the piece fills the middle, the corners show the desktop through.
            const auto alphaAt = [&](int x, int y) {
                return png.rgba[(y * png.width + x) * 4 + 3];
            };
            EXPECT_EQ(alphaAt(png.width / 2, png.height / 2), 255) << "no gap between blocks";
            EXPECT_EQ(alphaAt(png.width / 4, png.height / 4), 255);
            EXPECT_EQ(alphaAt(0, 0), 0);
        }
    }
}

TEST(GameIcon, TheFrontEndsIconOfItsSizeWithTheGroundExactBlack) {
    const auto icon = std::find_if(
        std::begin(crv::iconFiles), std::end(crv::iconFiles), [](const crv::PictureFile& p) {
            return p.width == crv::gameIconFile.width && p.height == crv::gameIconFile.height;
        });
    ASSERT_NE(icon, std::end(crv::iconFiles)) << "the front end has an icon of the game's size";
    const auto png = datatest::decodePng(datatest::readBytes(frontendDir + "/" + icon->name));
    ASSERT_TRUE(png.valid);
    const auto tga = loadTga(crv::gameIconFile);
    ASSERT_FALSE(tga.empty());
    int ground = 0;
    for (std::size_t i = 0; i < tga.size() / 3; ++i) {
        const std::uint8_t* front = &png.rgba[i * 4];
        const std::uint8_t* game = &tga[i * 3];
        const bool black = game[0] == 0 && game[1] == 0 && game[2] == 0;
        if (front[3] < 128) {
            ASSERT_TRUE(black) << "pixel " << i << " shows through on the desktop";
            ++ground;
        } else if (front[0] == 0 && front[1] == 0 && front[2] == 0) {
            ASSERT_FALSE(black) << "pixel " << i << " of the piece would be taken for ground";
        } else {
            ASSERT_TRUE(std::equal(game, game + 3, front)) << "pixel " << i;
        }
    }
    EXPECT_GT(ground, 0);
    EXPECT_LT(ground, static_cast<int>(tga.size() / 3) / 2) << "the piece fills the middle";
}

TEST(Generator, SameBytesOnEveryRunAndAsTheBuildMade) {
    const crv::datagen::FontPaths fonts{CORVANTH_SHEET_FONT, CORVANTH_TITLE_FONT};
    crv::datagen::Pictures first;
    crv::datagen::Pictures second;
    std::string error;
    ASSERT_TRUE(crv::datagen::makePictures(fonts, first, error)) << error;
    ASSERT_TRUE(crv::datagen::makePictures(fonts, second, error)) << error;
    const auto a = crv::datagen::encodeGameData(first);
    const auto b = crv::datagen::encodeGameData(second);
    // Every file the header names, in its order, and no other.
    std::vector<std::string> gameNames;
    for (const crv::ImageFile& image : gameImages()) {
        gameNames.push_back(image.name);
    }
    gameNames.insert(gameNames.end(), std::begin(crv::soundCueFiles), std::end(crv::soundCueFiles));
    std::vector<std::string> frontendNames;
    for (const crv::PictureFile& picture : frontendPictures()) {
        frontendNames.push_back(picture.name);
    }
    const auto namesOf = [](const std::vector<crv::datagen::DataFile>& files) {
        std::vector<std::string> names;
        for (const auto& file : files) {
            names.push_back(file.name);
        }
        return names;
    };
    ASSERT_EQ(namesOf(a.gameFiles), gameNames);
    ASSERT_EQ(namesOf(a.frontendFiles), frontendNames);
    for (std::size_t i = 0; i < a.gameFiles.size(); ++i) {
        SCOPED_TRACE(a.gameFiles[i].name);
        EXPECT_EQ(a.gameFiles[i].bytes, b.gameFiles[i].bytes);
        EXPECT_EQ(a.gameFiles[i].bytes, datatest::readBytes(runDir + "/" + a.gameFiles[i].name));
    }
    for (std::size_t i = 0; i < a.frontendFiles.size(); ++i) {
        SCOPED_TRACE(a.frontendFiles[i].name);
        EXPECT_EQ(a.frontendFiles[i].bytes, b.frontendFiles[i].bytes);
        EXPECT_EQ(a.frontendFiles[i].bytes,
                  datatest::readBytes(frontendDir + "/" + a.frontendFiles[i].name));
    }
}
