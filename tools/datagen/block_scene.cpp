// Ray-traced pictures of the game's blocks in perspective, for the front end's pictures.
#include "tools/datagen/block_scene.h"

#include "data/assets.h"

#include <algorithm>
#include <cmath>

namespace crv::datagen {

namespace {

// The game's block mesh: base and top half-widths and the half-thickness.
constexpr float baseHalf = meshBaseHalf;
constexpr float topHalf = meshTopHalf;
constexpr float halfDepth = meshHalfDepth;

Vec3 add(Vec3 a, Vec3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
Vec3 sub(Vec3 a, Vec3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
Vec3 mul(Vec3 a, float s) {
    return {a.x * s, a.y * s, a.z * s};
}
float dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
Vec3 cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
Vec3 normalized(Vec3 a) {
    return mul(a, 1.0f / std::sqrt(dot(a, a)));
}

struct Plane {
    Vec3 normal;  // outward, unit length
    float offset; // normal . p = offset on the plane
};

/// The six faces of the unscaled block, top first.
std::vector<Plane> blockPlanes() {
    const float slopeLength =
        std::sqrt(4 * halfDepth * halfDepth + (baseHalf - topHalf) * (baseHalf - topHalf));
    const float nSide = 2 * halfDepth / slopeLength;
    const float nUp = (baseHalf - topHalf) / slopeLength;
    const float sideOffset = halfDepth * (baseHalf + topHalf) / slopeLength;
    return {{{0, 0, 1}, halfDepth},        {{0, 0, -1}, halfDepth},
            {{nSide, 0, nUp}, sideOffset}, {{-nSide, 0, nUp}, sideOffset},
            {{0, nSide, nUp}, sideOffset}, {{0, -nSide, nUp}, sideOffset}};
}

struct Hit {
    float distance;
    int face;
    Vec3 local; // hit point in the unscaled block frame
};

/// Entry point of a ray into a convex solid of planes; false when the ray misses it.
bool intersect(const std::vector<Plane>& planes, Vec3 origin, Vec3 direction, Hit& hit) {
    float enter = 0;
    float leave = 1e30f;
    int enterFace = -1;
    for (std::size_t i = 0; i < planes.size(); ++i) {
        const float along = dot(planes[i].normal, direction);
        const float gap = planes[i].offset - dot(planes[i].normal, origin);
        if (std::fabs(along) < 1e-9f) {
            if (gap < 0) {
                return false;
            }
            continue;
        }
        const float t = gap / along;
        if (along < 0) {
            if (t > enter) {
                enter = t;
                enterFace = static_cast<int>(i);
            }
        } else if (t < leave) {
            leave = t;
        }
        if (enter > leave) {
            return false;
        }
    }
    if (enterFace < 0) {
        return false;
    }
    hit = {enter, enterFace, add(origin, mul(direction, enter))};
    return true;
}

Color shade(const SceneBlock& block, const Plane& plane, int face, Vec3 local) {
    // The game's light: from the upper left front, bright enough to saturate lit faces.
    const Vec3 light = normalized({-0.5f, 0.5f, 1});
    const float diffuse = std::max(0.0f, dot(plane.normal, light));
    float texel = 1;
    if (face == 0 && block.texture) {
        const Image& texture = *block.texture;
        const float s = (local.x / topHalf + 1) / 2;
        const float t = (1 - local.y / topHalf) / 2;
        const int tx = std::clamp(static_cast<int>(s * texture.width), 0, texture.width - 1);
        const int ty = std::clamp(static_cast<int>(t * texture.height), 0, texture.height - 1);
        texel = texture.at(tx, ty).r;
    }
    const float lit = 0.25f + 1.9f * diffuse;
    return {std::min(1.0f, block.color.r * lit) * texel,
            std::min(1.0f, block.color.g * lit) * texel,
            std::min(1.0f, block.color.b * lit) * texel, 1};
}

} // namespace

Color cellColor(int colorNumber) {
    const crv::Color& base = baseCellColors[std::clamp(colorNumber, 1, blockTextureCount)];
    return {base.red, base.green, base.blue, 1};
}

void renderBlocks(Image& image, const std::vector<SceneBlock>& blocks, const Camera& camera,
                  int samples) {
    const std::vector<Plane> planes = blockPlanes();
    const Vec3 forward = normalized(sub(camera.target, camera.eye));
    const Vec3 right = normalized(cross(forward, camera.up));
    const Vec3 up = cross(right, forward);
    const float halfHeight = std::tan(camera.fieldOfView * 3.14159265f / 360);
    const float aspect = static_cast<float>(image.width) / image.height;
    const float weight = 1.0f / (samples * samples);
    const float boundingRadius2 = 2 * baseHalf * baseHalf + halfDepth * halfDepth;

    for (int py = 0; py < image.height; ++py) {
        for (int px = 0; px < image.width; ++px) {
            Color sum{0, 0, 0, 0};
            int hits = 0;
            for (int sy = 0; sy < samples; ++sy) {
                for (int sx = 0; sx < samples; ++sx) {
                    const float u =
                        ((px + (sx + 0.5f) / samples) / image.width * 2 - 1) * halfHeight * aspect;
                    const float v =
                        (1 - (py + (sy + 0.5f) / samples) / image.height * 2) * halfHeight;
                    const Vec3 direction = normalized(add(forward, add(mul(right, u), mul(up, v))));
                    float nearest = 1e30f;
                    Color color{};
                    for (const SceneBlock& block : blocks) {
                        // Into the block's unscaled frame; distances scale back by `scale`.
                        const Vec3 origin = mul(sub(camera.eye, block.position), 1 / block.scale);
                        // Rays that pass clear of the block's bounding sphere need no plane tests.
                        const float along = dot(origin, direction);
                        if (dot(origin, origin) - along * along > boundingRadius2) {
                            continue;
                        }
                        Hit hit;
                        if (intersect(planes, origin, direction, hit) &&
                            hit.distance * block.scale < nearest) {
                            nearest = hit.distance * block.scale;
                            color = shade(block, planes[hit.face], hit.face, hit.local);
                        }
                    }
                    if (nearest < 1e30f) {
                        sum.r += color.r;
                        sum.g += color.g;
                        sum.b += color.b;
                        ++hits;
                    }
                }
            }
            if (hits > 0) {
                const Color average{sum.r / hits, sum.g / hits, sum.b / hits, 1};
                blendPixel(image, px, py, average, hits * weight);
            }
        }
    }
}

} // namespace crv::datagen
