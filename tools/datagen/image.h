// Float RGBA images with the drawing helpers every generated picture uses.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace crv::datagen {

struct Color {
    float r = 0, g = 0, b = 0, a = 1;
};

Color mix(Color from, Color to, float amount);

/// Rows top-down, pixels left to right; components nominally in 0..1.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<Color> pixels;

    Image() = default;
    Image(int w, int h, Color fill = {0, 0, 0, 1});
    Color& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    const Color& at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

/// Composites `color` over the pixel with `coverage` (0..1) times its alpha; ignores points off
/// the image so shapes may overhang the edge.
void blendPixel(Image& image, int x, int y, Color color, float coverage);

/// Shade of a point given in pixel units (x right, y down), for `shadeRegion`.
using Shader = std::function<Color(float x, float y)>;

/// Sets every pixel of the rectangle to the average of `shader` over `samples` x `samples`
/// points inside it, which smooths the edges of shapes drawn with hard tests.
void shadeRegion(Image& image, int x0, int y0, int w, int h, int samples, const Shader& shader);

/// Copies `source` into `target` with its top left at (x, y), blending by source alpha.
void drawImage(Image& target, const Image& source, int x, int y);

/// Nearest-neighbour enlargement to `w` x `h` (keeps texels visibly square).
Image resizeNearest(const Image& source, int w, int h);

/// Area-averaged reduction by a whole `factor` in both directions.
Image downsample(const Image& source, int factor);

/// 8-bit channel value of a component, rounded and clamped.
std::uint8_t toByte(float value);

/// Deterministic generator independent of the standard library's implementation.
class Random {
  public:
    explicit Random(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t next();
    /// Uniform in [0, 1).
    float uniform();
    /// Uniform in [low, high).
    float range(float low, float high) { return low + (high - low) * uniform(); }

  private:
    std::uint64_t m_state;
};

/// Smooth value noise in 0..1 on a lattice that repeats every `period` cells in x and y.
float valueNoise(float x, float y, int period, std::uint32_t seed);

/// Sum of `octaves` value-noise layers, each twice as fine and half as strong; tiles when
/// `period` is the tile size in lattice cells of the first layer. Result in 0..1.
float fractalNoise(float x, float y, int period, int octaves, std::uint32_t seed);

} // namespace crv::datagen
