// Blocks: the record that places one, the queue a layer fills, and the one way they are drawn.
#include "game/render/block.h"

#include "game/render/gl_state.h"
#include "game/render/scene.h"

#include <GL/gl.h>

namespace crv {

namespace {

constexpr unsigned litBlocks = LightingOn | DepthTestOn | CullingOn;
constexpr unsigned litTexturedBlocks = litBlocks | TexturingOn;

/// Where the mesh's corners go: scaled and moved on the CPU, or as they are when a matrix
/// does it (a scale of 1 and no offset give the mesh's own floats back exactly).
struct Placement {
    float scale;
    float x;
    float y;
    float z;
};

constexpr Placement byMatrix{1.0f, 0.0f, 0.0f, 0.0f};

Placement placementOf(const BlockRecord& block) {
    return {block.scale, block.x, block.y, block.z};
}

void sendCorner(const Placement& at, const MeshVertex& v) {
    glNormal3f(v.normal[0], v.normal[1], v.normal[2]);
    glVertex3f(at.x + v.position[0] * at.scale, at.y + v.position[1] * at.scale,
               at.z + v.position[2] * at.scale);
}

/// The bottom and the four sides.
void sendLower(const Placement& at) {
    for (int corner : lowerCorners) {
        sendCorner(at, meshVertices[corner]);
    }
}

/// The top face with its texture coordinates.
void sendTop(const Placement& at) {
    for (const TopCorner& corner : topCorners) {
        glTexCoord2f(corner.s, corner.t);
        sendCorner(at, meshVertices[corner.vertex]);
    }
}

/// Colour material tracks the current colour, and GL ignores glMaterial for what it tracks,
/// so the colour itself must change.
void sendColor(const BlockRecord& block) {
    glColor3f(block.red, block.green, block.blue);
}

bool isTextured(int textureIndex) {
    return textureIndex >= 1 && textureIndex <= blockTextureCount;
}

void useTopState(const Scene& scene, int textureIndex) {
    if (isTextured(textureIndex)) {
        setGlState(litTexturedBlocks);
        bindTexture(scene.blockTextures[textureIndex - 1],
                    filterFor(scene.settings.bilinearFiltering));
    } else {
        setGlState(litBlocks);
    }
}

bool isTurned(const BlockRecord& block) {
    return block.rotationX != 0.0f || block.rotationY != 0.0f || block.rotationZ != 0.0f;
}

void drawUnderOwnMatrix(const Scene& scene, const BlockRecord& block, int textureIndex) {
    glPushMatrix();
    glTranslatef(block.x, block.y, block.z);
    glRotatef(block.rotationX, 1.0f, 0.0f, 0.0f);
    glRotatef(block.rotationY, 0.0f, 1.0f, 0.0f);
    glRotatef(block.rotationZ, 0.0f, 0.0f, 1.0f);
    glScalef(block.scale, block.scale, block.scale);
    setGlState(litBlocks);
    sendColor(block);
    glBegin(GL_TRIANGLES);
    sendLower(byMatrix);
    glEnd();
    useTopState(scene, textureIndex);
    glBegin(GL_TRIANGLES);
    sendTop(byMatrix);
    glEnd();
    glPopMatrix();
}

void drawBatched(const Scene& scene, const QueuedBlock* queue, int length) {
    bool anyTexture = false;
    for (int i = 0; i < length; ++i) {
        anyTexture = anyTexture || isTextured(queue[i].textureIndex);
    }
    setGlState(litBlocks);
    glBegin(GL_TRIANGLES);
    for (int i = 0; i < length; ++i) {
        const BlockRecord& block = queue[i].block;
        if (isTurned(block)) {
            continue;
        }
        sendColor(block);
        sendLower(placementOf(block));
        if (!anyTexture) {
            sendTop(placementOf(block)); // each block whole, as one by one would draw it
        }
    }
    glEnd();
    if (anyTexture) {
        for (int textureIndex = 0; textureIndex <= blockTextureCount; ++textureIndex) {
            bool begun = false;
            for (int i = 0; i < length; ++i) {
                const BlockRecord& block = queue[i].block;
                if (queue[i].textureIndex != textureIndex || isTurned(block)) {
                    continue;
                }
                if (!begun) {
                    useTopState(scene, textureIndex);
                    glBegin(GL_TRIANGLES);
                    begun = true;
                }
                sendColor(block);
                sendTop(placementOf(block));
            }
            if (begun) {
                glEnd();
            }
        }
    }
    // The CPU cannot place a turned block the way a matrix does, to the bit.
    for (int i = 0; i < length; ++i) {
        if (isTurned(queue[i].block)) {
            drawUnderOwnMatrix(scene, queue[i].block, queue[i].textureIndex);
        }
    }
}

} // namespace

BlockRecord withColor(BlockRecord block, Color color) {
    block.red = color.red;
    block.green = color.green;
    block.blue = color.blue;
    return block;
}

void drawBlocks(const Scene& scene, const QueuedBlock* queue, int length, BlockDrawing how) {
    if (how == BlockDrawing::OneByOne) {
        for (int i = 0; i < length; ++i) {
            drawUnderOwnMatrix(scene, queue[i].block, queue[i].textureIndex);
        }
    } else if (length > 0) {
        drawBatched(scene, queue, length);
    }
    setGlState(restingState);
}

bool drawBlock(const Scene& scene, const BlockRecord& record, int textureIndex) {
    const QueuedBlock one{record, textureIndex};
    drawBlocks(scene, &one, 1, BlockDrawing::OneByOne);
    return true;
}

} // namespace crv
