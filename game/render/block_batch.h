// Blocks sent in a few large batches: the same triangles as block by block, far fewer calls.
#pragma once

namespace crv {

struct BlockRecord;
struct QueuedBlock;
struct Scene;

/// Draws the queued blocks of records: untextured ones as one batch in queue order, and
/// with textures every bottom and side in one batch, then the tops grouped by texture.
/// Vertices are placed on the CPU instead of by a matrix per block; the normals are
/// normalised by GL, so lighting sees the same. Expects lighting and depth test on,
/// texturing off, and unrotated records.
void drawQueuedBlocks(const Scene& scene, const BlockRecord* records, const QueuedBlock* queue,
                      int length);

} // namespace crv
