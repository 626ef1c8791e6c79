// Ray-traced pictures of the game's blocks in perspective, for the front end's pictures.
#pragma once

#include "tools/datagen/image.h"

#include <vector>

namespace crv::datagen {

struct Vec3 {
    float x, y, z;
};

/// One block: the game's slab with sloped sides, its top face towards +z, scaled by `scale`
/// (1 gives the game's mesh, 2.03 wide at the base). `texture` (optional) covers the top face.
struct SceneBlock {
    Vec3 position;
    float scale;
    Color color;
    const Image* texture;
};

struct Camera {
    Vec3 eye;
    Vec3 target;
    Vec3 up;
    float fieldOfView; // vertical, degrees
};

/// The colour of cell colour 1..6 as the game's table gives it.
Color cellColor(int colorNumber);

/// Draws the blocks over `image` with `samples` x `samples` rays per pixel; pixels that no
/// ray hits keep their colour and alpha, partly hit ones blend.
void renderBlocks(Image& image, const std::vector<SceneBlock>& blocks, const Camera& camera,
                  int samples);

} // namespace crv::datagen
