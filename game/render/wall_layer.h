// The background wall: twelve tiles far behind the playfield, drawn once for a view and then
// copied from the kept picture.
#pragma once

namespace crv {

struct Scene;

/// The wall's pixels from the last frame that drew it, and what they were drawn for.
struct WallLayer {
    unsigned texture = 0;
    int textureWidth = 0; // powers of two, at least the viewport's size
    int textureHeight = 0;
    bool valid = false; // the texture holds the wall as drawn for what follows
    int viewport[4]{};  // what the last frame that drew the wall drew it for
    float projection[16]{};
    float clearColor[4]{};
    int bilinearFiltering = 0;
};

/// A layer with nothing kept, for a new context.
void resetWallLayer(WallLayer& wall);

/// The wall under the base model-view, not swinging. The first two frames for a view draw the
/// tiles, the second keeps the pixels; later frames with the same view, clear colour and
/// filter copy them back, one texel to one pixel: the same picture at a fraction of the cost.
void drawWallLayer(WallLayer& wall, const Scene& scene);

} // namespace crv
