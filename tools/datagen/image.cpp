// Float RGBA images with the drawing helpers every generated picture uses.
#include "tools/datagen/image.h"

#include <algorithm>
#include <cmath>

namespace crv::datagen {

Color mix(Color from, Color to, float amount) {
    return {from.r + (to.r - from.r) * amount, from.g + (to.g - from.g) * amount,
            from.b + (to.b - from.b) * amount, from.a + (to.a - from.a) * amount};
}

Image::Image(int w, int h, Color fill)
    : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill) {}

void blendPixel(Image& image, int x, int y, Color color, float coverage) {
    if (x < 0 || y < 0 || x >= image.width || y >= image.height) {
        return;
    }
    const float amount = std::clamp(coverage * color.a, 0.0f, 1.0f);
    Color& pixel = image.at(x, y);
    const float alpha = amount + pixel.a * (1 - amount);
    if (alpha <= 0) {
        pixel = {0, 0, 0, 0};
        return;
    }
    // Straight (not premultiplied) alpha, so transparent icon pixels keep no stray colour.
    const float keep = pixel.a * (1 - amount);
    pixel.r = (color.r * amount + pixel.r * keep) / alpha;
    pixel.g = (color.g * amount + pixel.g * keep) / alpha;
    pixel.b = (color.b * amount + pixel.b * keep) / alpha;
    pixel.a = alpha;
}

void shadeRegion(Image& image, int x0, int y0, int w, int h, int samples, const Shader& shader) {
    const float step = 1.0f / samples;
    const float weight = 1.0f / (samples * samples);
    for (int y = y0; y < y0 + h; ++y) {
        for (int x = x0; x < x0 + w; ++x) {
            Color sum{0, 0, 0, 0};
            for (int sy = 0; sy < samples; ++sy) {
                for (int sx = 0; sx < samples; ++sx) {
                    const Color c = shader(x + (sx + 0.5f) * step, y + (sy + 0.5f) * step);
                    sum.r += c.r;
                    sum.g += c.g;
                    sum.b += c.b;
                    sum.a += c.a;
                }
            }
            image.at(x, y) = {sum.r * weight, sum.g * weight, sum.b * weight, sum.a * weight};
        }
    }
}

void drawImage(Image& target, const Image& source, int x, int y) {
    for (int sy = 0; sy < source.height; ++sy) {
        for (int sx = 0; sx < source.width; ++sx) {
            blendPixel(target, x + sx, y + sy, source.at(sx, sy), 1.0f);
        }
    }
}

Image resizeNearest(const Image& source, int w, int h) {
    Image result(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            result.at(x, y) = source.at(x * source.width / w, y * source.height / h);
        }
    }
    return result;
}

Image downsample(const Image& source, int factor) {
    Image result(source.width / factor, source.height / factor);
    const float weight = 1.0f / (factor * factor);
    for (int y = 0; y < result.height; ++y) {
        for (int x = 0; x < result.width; ++x) {
            Color sum{0, 0, 0, 0};
            for (int sy = 0; sy < factor; ++sy) {
                for (int sx = 0; sx < factor; ++sx) {
                    const Color& c = source.at(x * factor + sx, y * factor + sy);
                    // Weight colour by alpha so transparent surroundings do not darken edges.
                    sum.r += c.r * c.a;
                    sum.g += c.g * c.a;
                    sum.b += c.b * c.a;
                    sum.a += c.a;
                }
            }
            if (sum.a > 0) {
                result.at(x, y) = {sum.r / sum.a, sum.g / sum.a, sum.b / sum.a, sum.a * weight};
            } else {
                result.at(x, y) = {0, 0, 0, 0};
            }
        }
    }
    return result;
}

std::uint8_t toByte(float value) {
    const float clamped = std::clamp(value, 0.0f, 1.0f);
    return static_cast<std::uint8_t>(std::lround(clamped * 255.0f));
}

std::uint64_t Random::next() {
    // splitmix64: tiny, well mixed, and the same on every platform.
    std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

float Random::uniform() {
    return static_cast<float>(next() >> 40) / static_cast<float>(1ull << 24);
}

namespace {

float latticeValue(int x, int y, std::uint32_t seed) {
    std::uint32_t h = seed * 0x27D4EB2Du ^ static_cast<std::uint32_t>(x) * 0x85EBCA6Bu ^
                      static_cast<std::uint32_t>(y) * 0xC2B2AE35u;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return static_cast<float>(h >> 8) / static_cast<float>(1u << 24);
}

int wrap(int value, int period) {
    const int r = value % period;
    return r < 0 ? r + period : r;
}

} // namespace

float valueNoise(float x, float y, int period, std::uint32_t seed) {
    const float fx = std::floor(x);
    const float fy = std::floor(y);
    const int ix = static_cast<int>(fx);
    const int iy = static_cast<int>(fy);
    float tx = x - fx;
    float ty = y - fy;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    const int x0 = wrap(ix, period), x1 = wrap(ix + 1, period);
    const int y0 = wrap(iy, period), y1 = wrap(iy + 1, period);
    const float top =
        latticeValue(x0, y0, seed) + (latticeValue(x1, y0, seed) - latticeValue(x0, y0, seed)) * tx;
    const float bottom =
        latticeValue(x0, y1, seed) + (latticeValue(x1, y1, seed) - latticeValue(x0, y1, seed)) * tx;
    return top + (bottom - top) * ty;
}

float fractalNoise(float x, float y, int period, int octaves, std::uint32_t seed) {
    float sum = 0;
    float strength = 1;
    float total = 0;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += valueNoise(x, y, period, seed + octave * 101u) * strength;
        total += strength;
        x *= 2;
        y *= 2;
        period *= 2;
        strength *= 0.5f;
    }
    return sum / total;
}

} // namespace crv::datagen
