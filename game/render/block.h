// Blocks: the record that places one, the queue a layer fills, and the one way they are drawn.
#pragma once

#include "data/assets.h"

namespace crv {

struct Scene;

/// One placed block: uniform scale, centre, rotations in degrees, diffuse colour.
struct BlockRecord {
    float scale;
    float x;
    float y;
    float z;
    float rotationX;
    float rotationY;
    float rotationZ;
    float red;
    float green;
    float blue;
};

/// A block to draw this frame, with its texture: 1..6 a block texture, 0 none.
struct QueuedBlock {
    BlockRecord block;
    int textureIndex;
};

/// The record in this colour.
BlockRecord withColor(BlockRecord block, Color color);

enum class BlockDrawing {
    /// Vertices placed on the CPU, sent in a few large batches: what the game draws.
    Batched,
    /// Each block under its own matrix, one after another: the plain drawing the batched
    /// one must match, for the tests and the bench.
    OneByOne,
};

/// Draws the queued blocks lit and depth-tested in the current matrix. Batched: every bottom
/// and side in one batch in queue order, then the tops grouped by texture; a turned block
/// goes under its own matrix after them. GL normalises the normals, so lighting sees the same
/// either way.
void drawBlocks(const Scene& scene, const QueuedBlock* queue, int length, BlockDrawing how);

/// One block under its own matrix; the matrix is as before on return.
bool drawBlock(const Scene& scene, const BlockRecord& record, int textureIndex);

} // namespace crv
