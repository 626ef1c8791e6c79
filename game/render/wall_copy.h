// The background wall kept as a picture: drawn once for a view, copied in the frames after.
#pragma once

#include "game/render/scene.h"

namespace crv {

/// The wall as drawBackground draws it. The first frame for a view draws it and keeps the
/// pixels; later frames with the same viewport, matrices and filter copy them back, one
/// texel to one pixel, which is the same picture at a fraction of the cost. Leaves
/// texturing on, lighting off and depth testing on, and the matrices as they were.
void drawWall(Scene& scene);

} // namespace crv
