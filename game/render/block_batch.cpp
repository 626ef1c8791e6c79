// Blocks sent in a few large batches: the same triangles as block by block, far fewer calls.
#include "game/render/block_batch.h"

#include "game/render/scene.h"
#include "game/render/textures.h"

#include <GL/gl.h>

namespace crv {

namespace {

// GL normalises the normals (set-up enables it), so the scale a matrix would put on them
// does not matter and the mesh's own unit normals go out as they are.
void sendNormal(const MeshVertex& v) {
    glNormal3f(v.normal[0], v.normal[1], v.normal[2]);
}

void sendPosition(const BlockRecord& block, const MeshVertex& v) {
    glVertex3f(block.x + v.position[0] * block.scale, block.y + v.position[1] * block.scale,
               block.z + v.position[2] * block.scale);
}

void sendLower(const BlockRecord& block) {
    for (int corner : lowerCorners) {
        const MeshVertex& v = meshVertices[corner];
        sendNormal(v);
        sendPosition(block, v);
    }
}

void sendTop(const BlockRecord& block) {
    for (const TopCorner& corner : topCorners) {
        const MeshVertex& v = meshVertices[corner.vertex];
        sendNormal(v);
        glTexCoord2f(corner.s, corner.t);
        sendPosition(block, v);
    }
}

struct Batch {
    const BlockRecord* records;
    const QueuedBlock* queue;
    int length;

    const BlockRecord& block(int i) const { return records[queue[i].cell]; }
};

/// No textures: one batch, each block whole, in the order block by block would draw.
void drawUntextured(const Batch& batch) {
    glBegin(GL_TRIANGLES);
    for (int i = 0; i < batch.length; ++i) {
        const BlockRecord& block = batch.block(i);
        setBlockColor(block.red, block.green, block.blue);
        sendLower(block);
        sendTop(block);
    }
    glEnd();
}

void drawLowerParts(const Batch& batch) {
    glBegin(GL_TRIANGLES);
    for (int i = 0; i < batch.length; ++i) {
        const BlockRecord& block = batch.block(i);
        setBlockColor(block.red, block.green, block.blue);
        sendLower(block);
    }
    glEnd();
}

void drawTops(const Scene& scene, const Batch& batch, int textureIndex) {
    bool begun = false;
    for (int i = 0; i < batch.length; ++i) {
        if (batch.queue[i].textureIndex != textureIndex) {
            continue;
        }
        if (!begun) {
            if (textureIndex != 0) {
                bindBlockTexture(scene, textureIndex);
            }
            glBegin(GL_TRIANGLES);
            begun = true;
        }
        const BlockRecord& block = batch.block(i);
        setBlockColor(block.red, block.green, block.blue);
        sendTop(block);
    }
    if (begun) {
        glEnd();
        if (textureIndex != 0) {
            glDisable(GL_TEXTURE_2D);
        }
    }
}

} // namespace

void drawQueuedBlocks(const Scene& scene, const BlockRecord* records, const QueuedBlock* queue,
                      int length) {
    const Batch batch{records, queue, length};
    bool anyTexture = false;
    for (int i = 0; i < length; ++i) {
        anyTexture = anyTexture || queue[i].textureIndex != 0;
    }
    if (length == 0) {
        return;
    }
    if (!anyTexture) {
        drawUntextured(batch);
        return;
    }
    drawLowerParts(batch);
    for (int textureIndex = 0; textureIndex <= colorCount; ++textureIndex) {
        drawTops(scene, batch, textureIndex);
    }
}

} // namespace crv
