// Every data file of the game and the front end, made in memory, and the contact sheet.
#include "tools/datagen/game_data.h"

#include "tools/datagen/block_scene.h"
#include "tools/datagen/font_raster.h"
#include "tools/datagen/font_sheet.h"
#include "tools/datagen/frontend_pictures.h"
#include "tools/datagen/png_writer.h"
#include "tools/datagen/sounds.h"
#include "tools/datagen/textures.h"
#include "tools/datagen/tga_writer.h"
#include "tools/datagen/wav_writer.h"

#include <cstring>

namespace crv::datagen {

namespace {

using SoundMaker = std::vector<float> (*)();
/// What each of `soundCueFiles` holds, in its order.
const SoundMaker cueSounds[soundFileCount] = {makeMoveSound, makeFallSound, makeGameOverSound,
                                              makeWhooshSound};

PngChannels channelsOf(const PictureFile& picture) {
    return picture.alpha ? PngChannels::Rgba : PngChannels::Rgb;
}

} // namespace

bool makePictures(const FontPaths& fonts, Pictures& pictures, std::string& error) {
    for (int i = 0; i < blockTextureCount; ++i) {
        pictures.blockTextures[i] = makeBlockTexture(i + 1);
    }
    pictures.panel = makePanelTexture();
    pictures.background = makeBackgroundPicture();
    if (!makeFontSheet(fonts.sheet, pictures.fontSheet, error) ||
        !makeTitlePicture(fonts.title, pictures.title, error)) {
        return false;
    }
    pictures.about = makeAboutPicture();
    std::vector<int> iconSizes;
    for (const PictureFile& icon : iconFiles) {
        iconSizes.push_back(icon.width); // square
    }
    iconSizes.push_back(gameIconFile.width); // drawn with the others, so it is the same picture
    pictures.icons = makeIcons(iconSizes);
    pictures.gameIcon = onBlackGround(pictures.icons.back());
    pictures.icons.pop_back();
    return true;
}

GameData encodeGameData(const Pictures& pictures) {
    GameData data;
    for (int i = 0; i < blockTextureCount; ++i) {
        data.gameFiles.push_back({blockTextureFiles[i].name, encodeTga(pictures.blockTextures[i])});
    }
    data.gameFiles.push_back({panelImageFile.name, encodeTga(pictures.panel)});
    data.gameFiles.push_back({backgroundImageFile.name, encodeTga(pictures.background)});
    data.gameFiles.push_back({fontImageFile.name, encodeTga(pictures.fontSheet)});
    data.gameFiles.push_back({gameIconFile.name, encodeTga(pictures.gameIcon)});
    for (int i = 0; i < soundFileCount; ++i) {
        data.gameFiles.push_back({soundCueFiles[i], encodeWav(cueSounds[i](), soundSampleRate)});
    }

    data.frontendFiles.push_back(
        {titlePictureFile.name, encodePng(pictures.title, channelsOf(titlePictureFile))});
    data.frontendFiles.push_back(
        {aboutPictureFile.name, encodePng(pictures.about, channelsOf(aboutPictureFile))});
    for (int i = 0; i < iconCount; ++i) {
        data.frontendFiles.push_back(
            {iconFiles[i].name, encodePng(pictures.icons[i], channelsOf(iconFiles[i]))});
    }
    return data;
}

namespace {

/// Places pictures left to right, wrapping into rows, with a caption under each.
class SheetLayout {
  public:
    SheetLayout(Image& sheet, const FontFace& font) : m_sheet(sheet), m_font(font) {}

    void place(const Image& picture, const std::string& caption) {
        if (m_x + picture.width > m_sheet.width - margin) {
            newRow();
        }
        // A checkerboard behind the picture shows where it is transparent.
        for (int y = 0; y < picture.height; ++y) {
            for (int x = 0; x < picture.width; ++x) {
                const float v = ((x / 8 + y / 8) % 2) ? 0.35f : 0.25f;
                blendPixel(m_sheet, m_x + x, m_y + y, {v, v, v, 1}, 1);
            }
        }
        drawImage(m_sheet, picture, m_x, m_y);
        int pen = m_x;
        for (char c : caption) {
            Glyph glyph;
            if (m_font.render(static_cast<unsigned char>(c), glyph)) {
                drawGlyph(m_sheet, glyph, pen, m_y + picture.height + 16, {0.9f, 0.9f, 0.9f, 1});
                pen += glyph.advance;
            }
        }
        m_x += std::max(picture.width, pen - m_x) + margin;
        m_rowHeight = std::max(m_rowHeight, picture.height + 24);
    }

    void newRow() {
        m_x = margin;
        m_y += m_rowHeight + margin;
        m_rowHeight = 0;
    }

  private:
    static constexpr int margin = 16;
    Image& m_sheet;
    const FontFace& m_font;
    int m_x = margin;
    int m_y = margin;
    int m_rowHeight = 0;
};

Image tiled(const Image& tile, int across, int down) {
    Image result(tile.width * across, tile.height * down);
    for (int y = 0; y < result.height; ++y) {
        for (int x = 0; x < result.width; ++x) {
            result.at(x, y) = tile.at(x % tile.width, y % tile.height);
        }
    }
    return result;
}

/// A line of text drawn as the game draws it: each glyph cell stretched to a square.
Image gameText(const Image& fontSheet, const std::string& text, int size) {
    Image result(static_cast<int>(text.size()) * size, size);
    const char* charset = fontCharset;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char* found = std::strchr(charset, text[i]);
        const int g = found ? static_cast<int>(found - charset) : fontGlyphCount - 1;
        const int cellX = (g % glyphsPerRow) * glyphWidth;
        const int cellY = (g / glyphsPerRow) * glyphHeight;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                result.at(static_cast<int>(i) * size + x, y) =
                    fontSheet.at(cellX + x * glyphWidth / size, cellY + y * glyphHeight / size);
            }
        }
    }
    return result;
}

/// A file's name without its extension, for a caption.
std::string stem(const char* fileName) {
    const std::string name = fileName;
    return name.substr(0, name.find('.'));
}

} // namespace

bool makeContactSheet(const Pictures& pictures, const FontPaths& fonts, Image& sheet,
                      std::string& error) {
    FontFace font;
    if (!font.open(fonts.title, 13, 13, error)) {
        return false;
    }
    sheet = Image(1100, 1900, {0.12f, 0.12f, 0.13f, 1});
    SheetLayout layout(sheet, font);
    for (int i = 0; i < blockTextureCount; ++i) {
        layout.place(resizeNearest(pictures.blockTextures[i], 128, 128),
                     stem(blockTextureFiles[i].name) + " x4");
    }
    for (int i = 0; i < blockTextureCount; ++i) {
        Image tinted = pictures.blockTextures[i];
        const Color color = cellColor(i + 1);
        for (Color& p : tinted.pixels) {
            // Roughly as a lit block shows it: the texture times a brightened colour.
            p = {std::min(1.0f, color.r * 1.6f) * p.r, std::min(1.0f, color.g * 1.6f) * p.g,
                 std::min(1.0f, color.b * 1.6f) * p.b, 1};
        }
        layout.place(resizeNearest(tinted, 64, 64), "lit");
    }
    layout.newRow();
    layout.place(pictures.panel, stem(panelImageFile.name));
    layout.place(downsample(tiled(pictures.panel, 2, 2), 2),
                 stem(panelImageFile.name) + " 2x2 tiled");
    layout.place(downsample(pictures.background, 2), stem(backgroundImageFile.name) + " 1/2");
    layout.newRow();
    layout.place(
        resizeNearest(pictures.fontSheet, fontImageFile.width * 3, fontImageFile.height * 3),
        stem(fontImageFile.name) + " x3");
    layout.place(gameText(pictures.fontSheet, "Score: 12345", 32), "as the game draws it");
    layout.newRow();
    layout.place(gameText(pictures.fontSheet, "Game Over! Next Piece: 0.5 fps", 24), "text");
    layout.newRow();
    layout.place(pictures.title, "title");
    layout.place(
        resizeNearest(pictures.about, aboutPictureFile.width * 2, aboutPictureFile.height * 2),
        "about x2");
    layout.place(pictures.about, "about");
    for (std::size_t i = 0; i < pictures.icons.size(); ++i) {
        layout.place(pictures.icons[i], "icon " + std::to_string(iconFiles[i].width));
    }
    layout.place(pictures.gameIcon, stem(gameIconFile.name));
    return true;
}

} // namespace crv::datagen
