// Blocks sent in a few large batches: the same triangles as block by block, far fewer calls.
#pragma once

namespace crv {

struct Scene;

/// Draws the scene's queued cell blocks: every bottom and side in one batch, then the tops
/// grouped by texture. Each block's vertices are placed on the CPU instead of by a matrix of
/// its own; with normalised normals lighting sees the same as block by block. Expects
/// the playfield's state (lighting and depth test on, texturing off) and unrotated records.
void drawQueuedBlocks(const Scene& scene);

} // namespace crv
