// The front end's pictures: the title banner, the About picture and the application icon.
#include "tools/datagen/frontend_pictures.h"

#include "tools/datagen/block_scene.h"
#include "tools/datagen/font_raster.h"
#include "tools/datagen/textures.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

namespace crv::datagen {

namespace {

std::array<Image, blockTextureCount> blockTextures() {
    std::array<Image, blockTextureCount> textures;
    for (int i = 0; i < blockTextureCount; ++i) {
        textures[i] = makeBlockTexture(i + 1);
    }
    return textures;
}

void fillVertical(Image& image, Color top, Color bottom) {
    for (int y = 0; y < image.height; ++y) {
        const Color c = mix(top, bottom, static_cast<float>(y) / (image.height - 1));
        for (int x = 0; x < image.width; ++x) {
            image.at(x, y) = c;
        }
    }
}

/// Coverage of `text` as alpha over transparent white, `margin` pixels free on every side.
bool textMask(const FontFace& face, const std::string& text, int margin, Image& mask,
              std::string& error) {
    const int ascender = face.ascender();
    mask = Image(textWidth(face, text) + 2 * margin, ascender * 3 / 2 + 2 * margin, {1, 1, 1, 0});
    int pen = margin;
    for (char c : text) {
        Glyph glyph;
        if (!face.render(static_cast<unsigned char>(c), glyph)) {
            error = std::string("font lacks the character '") + c + "'";
            return false;
        }
        drawGlyph(mask, glyph, pen, margin + ascender, {1, 1, 1, 1});
        pen += glyph.advance;
    }
    return true;
}

/// Alpha grown by `radius` pixels (a round brush), for outlines and shadows.
Image grown(const Image& mask, float radius) {
    const int reach = static_cast<int>(std::ceil(radius));
    const int span = 2 * reach + 1;
    std::vector<float> brush(static_cast<std::size_t>(span) * span);
    for (int dy = -reach; dy <= reach; ++dy) {
        for (int dx = -reach; dx <= reach; ++dx) {
            const float d = std::sqrt(static_cast<float>(dx * dx + dy * dy));
            brush[(dy + reach) * span + dx + reach] = std::clamp(radius + 0.5f - d, 0.0f, 1.0f);
        }
    }
    Image result(mask.width, mask.height, {0, 0, 0, 0});
    for (int y = 0; y < mask.height; ++y) {
        for (int x = 0; x < mask.width; ++x) {
            const float alpha = mask.at(x, y).a;
            if (alpha <= 0) {
                continue;
            }
            // Stamp the brush around every inked pixel.
            for (int dy = -reach; dy <= reach; ++dy) {
                for (int dx = -reach; dx <= reach; ++dx) {
                    const int tx = x + dx;
                    const int ty = y + dy;
                    if (tx < 0 || ty < 0 || tx >= mask.width || ty >= mask.height) {
                        continue;
                    }
                    float& target = result.at(tx, ty).a;
                    target = std::max(target, alpha * brush[(dy + reach) * span + dx + reach]);
                }
            }
        }
    }
    return result;
}

void paintMask(Image& target, const Image& mask, int left, int top, Color top_color,
               Color bottom_color, int gradientTop, int gradientBottom) {
    for (int y = 0; y < mask.height; ++y) {
        const float along = std::clamp(
            static_cast<float>(top + y - gradientTop) / (gradientBottom - gradientTop), 0.0f, 1.0f);
        const Color color = mix(top_color, bottom_color, along);
        for (int x = 0; x < mask.width; ++x) {
            const float alpha = mask.at(x, y).a;
            if (alpha > 0) {
                blendPixel(target, left + x, top + y, color, alpha);
            }
        }
    }
}

} // namespace

bool makeTitlePicture(const std::string& fontPath, Image& picture, std::string& error) {
    picture = Image(titlePictureFile.width, titlePictureFile.height);
    fillVertical(picture, {0.07f, 0.09f, 0.22f, 1}, {0.01f, 0.01f, 0.05f, 1});

    // A falling piece at each end frames the name.
    const auto textures = blockTextures();
    std::vector<SceneBlock> blocks;
    const int leftColors[] = {1, 2, 6, 3};
    const int rightColors[] = {4, 5, 2, 1};
    for (int i = 0; i < 4; ++i) {
        const float cx = static_cast<float>(i % 2) * 2.1f - 1.05f;
        const float cy = static_cast<float>(i / 2) * 2.1f - 1.05f;
        blocks.push_back(
            {{cx - 15.5f, cy, 0}, 1, cellColor(leftColors[i]), &textures[leftColors[i] - 1]});
        blocks.push_back(
            {{cx + 15.5f, cy, 0}, 1, cellColor(rightColors[i]), &textures[rightColors[i] - 1]});
    }
    renderBlocks(picture, blocks, {{0, -4, 26}, {0, 0, 0}, {0, 1, 0}, 15.5f}, 4);

    FontFace face;
    if (!face.open(fontPath, 48, 48, error)) {
        return false;
    }
    Image mask;
    if (!textMask(face, "Corvanth", 6, mask, error)) {
        return false;
    }
    const int left = (titlePictureFile.width - mask.width) / 2;
    const int top = (titlePictureFile.height - mask.height) / 2 + 7;
    const Image shadow = grown(mask, 2.5f);
    paintMask(picture, shadow, left + 3, top + 3, {0, 0, 0, 0.65f}, {0, 0, 0, 0.65f}, 0, 1);
    paintMask(picture, grown(mask, 1.6f), left, top, {0.20f, 0.08f, 0.02f, 1},
              {0.20f, 0.08f, 0.02f, 1}, 0, 1);
    paintMask(picture, mask, left, top, {1.0f, 0.95f, 0.70f, 1}, {0.97f, 0.55f, 0.12f, 1}, top + 12,
              top + mask.height - 12);
    return true;
}

Image makeAboutPicture() {
    Image picture(aboutPictureFile.width, aboutPictureFile.height);
    fillVertical(picture, {0.10f, 0.12f, 0.28f, 1}, {0.02f, 0.02f, 0.06f, 1});
    const auto textures = blockTextures();
    // A short stack on a floor of cells, seen from below the front: the playfield in small.
    struct Cell {
        int column, row, color;
    };
    const Cell cells[] = {{0, 0, 1}, {1, 0, 3}, {2, 0, 3}, {3, 0, 6}, {0, 1, 2},
                          {2, 1, 4}, {3, 1, 5}, {1, 2, 5}, {2, 2, 2}};
    std::vector<SceneBlock> blocks;
    for (const Cell& cell : cells) {
        blocks.push_back({{cell.column * 2.05f - 3.07f, cell.row * 2.05f - 2.0f, 0},
                          1,
                          cellColor(cell.color),
                          &textures[cell.color - 1]});
    }
    renderBlocks(picture, blocks, {{-5.5f, -9.0f, 10.5f}, {0.1f, 0.3f, 0}, {0, 0, 1}, 36}, 4);
    return picture;
}

std::vector<Image> makeIcons(const std::vector<int>& sizes) {
    // Drawn large and reduced, so every size is the same picture, smoothly edged: at 512 for
    // the sizes that divide it, else at the first multiple of the size above (576 for 48).
    constexpr int drawnSize = 512;
    const auto textures = blockTextures();
    const int colors[] = {6, 3, 2, 1};
    std::vector<SceneBlock> blocks;
    for (int i = 0; i < 4; ++i) {
        // Closer than the bases are wide, as in the game, so no hairline shows between them.
        const float cx = static_cast<float>(i % 2) * 2.0f - 1.0f;
        const float cy = static_cast<float>(i / 2) * 2.0f - 1.0f;
        blocks.push_back({{cx, cy, 0}, 1, cellColor(colors[i]), &textures[colors[i] - 1]});
    }
    std::map<int, Image> drawn;
    std::vector<Image> icons;
    for (int size : sizes) {
        const int side = (drawnSize + size - 1) / size * size;
        auto found = drawn.find(side);
        if (found == drawn.end()) {
            Image picture(side, side, {0, 0, 0, 0});
            // Nearly head-on, so the piece stays a clear square at 32 pixels.
            renderBlocks(picture, blocks, {{-1.2f, -1.6f, 16}, {0, 0, 0}, {0, 1, 0}, 15.2f}, 1);
            found = drawn.emplace(side, std::move(picture)).first;
        }
        icons.push_back(downsample(found->second, side / size));
    }
    return icons;
}

Image onBlackGround(const Image& icon) {
    // The darkest step above black, for the few pixels of the piece that would read as ground.
    constexpr float nearBlack = 1.0f / 255;
    Image result(icon.width, icon.height, {0, 0, 0, 1});
    for (std::size_t i = 0; i < icon.pixels.size(); ++i) {
        const Color& p = icon.pixels[i];
        if (toByte(p.a) < 128) {
            continue;
        }
        Color color = {p.r, p.g, p.b, 1};
        if (toByte(color.r) == 0 && toByte(color.g) == 0 && toByte(color.b) == 0) {
            color.b = nearBlack;
        }
        result.pixels[i] = color;
    }
    return result;
}

} // namespace crv::datagen
