// The game's textures: six block patterns, the playfield's back panel and the background picture.
#include "tools/datagen/textures.h"

#include <algorithm>
#include <cmath>

namespace crv::datagen {

namespace {

float smoothstep(float edge0, float edge1, float x) {
    const float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3 - 2 * t);
}

/// Whether the point (in texels, centre 16,16) lies on the pattern of a block colour.
bool onPattern(int colorNumber, float x, float y) {
    const float dx = x - 16;
    const float dy = y - 16;
    switch (colorNumber) {
    case 1: { // dots: a 4 x 4 array
        const float cx = std::fmod(x, 8.0f) - 4;
        const float cy = std::fmod(y, 8.0f) - 4;
        return cx * cx + cy * cy < 2.4f * 2.4f;
    }
    case 2: // upright stripes
        return std::fabs(std::fmod(x, 8.0f) - 4) < 1.6f && std::fabs(dy) < 13;
    case 3: { // rings about the centre
        const float r = std::sqrt(dx * dx + dy * dy);
        return std::fabs(r - 4.5f) < 1.4f || std::fabs(r - 10.5f) < 1.4f || r < 1.5f;
    }
    case 4: // a bold cross
        return (std::fabs(dx) < 3.2f && std::fabs(dy) < 12) ||
               (std::fabs(dy) < 3.2f && std::fabs(dx) < 12);
    case 5: { // a diamond outline round a small solid diamond
        const float d = std::fabs(dx) + std::fabs(dy);
        return std::fabs(d - 11) < 1.8f || d < 4;
    }
    default: { // a grid of small squares
        const float gx = std::fabs(std::fmod(x + 4, 8.0f) - 4);
        const float gy = std::fabs(std::fmod(y + 4, 8.0f) - 4);
        return (gx < 0.9f || gy < 0.9f) && std::fabs(dx) < 12.9f && std::fabs(dy) < 12.9f;
    }
    }
}

} // namespace

Image makeBlockTexture(int colorNumber) {
    // One size for all six; the pattern is drawn for it.
    constexpr int size = blockTextureFiles[0].width;
    static_assert(size == 32 && blockTextureFiles[0].height == size, "patterns fit 32 x 32");
    Image image(size, size);
    shadeRegion(image, 0, 0, size, size, 4, [&](float x, float y) {
        const float dx = x - 16;
        const float dy = y - 16;
        // A faint glow in the middle and a soft rim give the face some depth under any colour.
        const float r = std::sqrt(dx * dx + dy * dy) / 16;
        float value = 0.92f - 0.08f * r * r;
        const float edge = std::min(std::min(x, size - x), std::min(y, size - y));
        value -= 0.18f * (1 - smoothstep(0, 2, edge));
        if (onPattern(colorNumber, x, y)) {
            value = 0.5f;
        }
        return Color{value, value, value, 1};
    });
    return image;
}

Image makePanelTexture() {
    constexpr int size = panelImageFile.width;
    static_assert(panelImageFile.height == size && size % 32 == 0, "a square of whole lattices");
    Image image(size, size);
    // Lattices of 8 and 32 cells across the tile: whole periods, so opposite edges meet.
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const float clouds = fractalNoise(x / 32.0f, y / 32.0f, 8, 4, 17);
            const float grain = valueNoise(x / 2.0f, y / 2.0f, 128, 29);
            const float value = 0.66f + 0.30f * (clouds - 0.5f) + 0.04f * (grain - 0.5f);
            image.at(x, y) = {value, value, value * 1.02f, 1};
        }
    }
    return image;
}

Image makeBackgroundPicture() {
    constexpr int width = backgroundImageFile.width;
    constexpr int height = backgroundImageFile.height;
    // Noise lattices far larger than the picture: it need not tile.
    constexpr int noPeriod = 1 << 16;
    // The gas is smooth: work it out on a half-size grid and interpolate, four times fewer
    // noise look-ups for the same picture.
    constexpr int gridWidth = width / 2 + 1;
    constexpr int gridHeight = height / 2 + 1;
    Image gas(gridWidth, gridHeight);
    const Color violet{0.55f, 0.16f, 0.62f, 1};
    const Color teal{0.10f, 0.42f, 0.62f, 1};
    const Color glow{1.0f, 0.72f, 0.55f, 1};
    for (int gy = 0; gy < gridHeight; ++gy) {
        for (int gx = 0; gx < gridWidth; ++gx) {
            const float fx = gx * 2.0f;
            const float fy = gy * 2.0f;
            const float warpX = fractalNoise(fx / 190, fy / 190, noPeriod, 3, 3);
            const float warpY = fractalNoise(fx / 190 + 40, fy / 190, noPeriod, 3, 5);
            const float cloud =
                fractalNoise(fx / 260 + 2.2f * warpX, fy / 260 + 2.2f * warpY, noPeriod, 5, 7);
            const float dust = fractalNoise(fx / 140 + 9, fy / 140 + 1.5f * warpX, noPeriod, 4, 11);
            const float violetAmount = std::pow(smoothstep(0.38f, 0.78f, cloud), 1.4f);
            const float tealAmount = std::pow(smoothstep(0.45f, 0.8f, dust), 1.6f) * 0.8f;
            const float coreAmount = std::pow(smoothstep(0.66f, 0.86f, cloud), 2.0f);

            // The playfield covers the middle: the scene fades to near black there.
            const float nx = (fx - width / 2.0f) / (width / 2.0f);
            const float ny = (fy - height / 2.0f) / (height / 2.0f);
            const float reach = std::sqrt(nx * nx * 1.4f + ny * ny * 0.6f);
            const float light = 0.12f + 0.88f * smoothstep(0.3f, 1.1f, reach);

            Color c = mix({0.015f, 0.015f, 0.045f, 1}, {0.03f, 0.02f, 0.07f, 1}, fy / height);
            c = mix(c, violet, violetAmount * 0.85f * light);
            c = mix(c, teal, tealAmount * 0.7f * light);
            c = mix(c, glow, coreAmount * 0.6f * light);
            gas.at(gx, gy) = c;
        }
    }
    Image image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int gx = x / 2;
            const int gy = y / 2;
            const float tx = (x % 2) * 0.5f;
            const float ty = (y % 2) * 0.5f;
            const Color top = mix(gas.at(gx, gy), gas.at(gx + 1, gy), tx);
            const Color bottom = mix(gas.at(gx, gy + 1), gas.at(gx + 1, gy + 1), tx);
            image.at(x, y) = mix(top, bottom, ty);
        }
    }

    Random random(2024);
    for (int star = 0; star < 1400; ++star) {
        const float sx = random.range(0, width);
        const float sy = random.range(0, height);
        const float power = random.uniform();
        // Many faint stars, a few bright ones with a halo.
        const float brightness = 0.25f + 0.75f * power * power * power;
        const float radius = 0.6f + 2.2f * std::pow(power, 8.0f);
        const float tint = random.uniform();
        const Color color{0.85f + 0.15f * tint, 0.88f, 1.0f - 0.2f * tint, 1};
        const float nx = (sx - width / 2.0f) / (width / 2.0f);
        const float ny = (sy - height / 2.0f) / (height / 2.0f);
        const float dim = 0.35f + 0.65f * smoothstep(0.2f, 0.9f, std::sqrt(nx * nx + ny * ny));
        const int reachPixels = static_cast<int>(std::ceil(radius * 3));
        for (int py = static_cast<int>(sy) - reachPixels; py <= static_cast<int>(sy) + reachPixels;
             ++py) {
            for (int px = static_cast<int>(sx) - reachPixels;
                 px <= static_cast<int>(sx) + reachPixels; ++px) {
                const float ddx = px + 0.5f - sx;
                const float ddy = py + 0.5f - sy;
                const float falloff = std::exp(-(ddx * ddx + ddy * ddy) / (radius * radius));
                blendPixel(image, px, py, color, falloff * brightness * dim);
            }
        }
    }
    return image;
}

} // namespace crv::datagen
