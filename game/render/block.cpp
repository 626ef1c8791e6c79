// The block mesh, the record that places one block, and drawing blocks one by one.
#include "game/render/block.h"

#include "game/render/scene.h"
#include "game/render/textures.h"

#include <GL/gl.h>

namespace crv {

namespace {

enum Corner { T1, T2, T3, T4, TC, B1, B2, B3, B4, BC };

void sendVertex(const MeshVertex& v) {
    glNormal3f(v.normal[0], v.normal[1], v.normal[2]);
    glVertex3f(v.position[0], v.position[1], v.position[2]);
}

} // namespace

const MeshVertex meshVertices[meshVertexCount] = {
    {{0.53782f, 0.53782f, 0.306681f}, {0.374296f, 0.187148f, 0.908228f}},
    {{0.53782f, -0.53782f, 0.306681f}, {0.187148f, -0.374296f, 0.908228f}},
    {{-0.53782f, 0.53782f, 0.306681f}, {-0.187148f, 0.374296f, 0.908228f}},
    {{-0.53782f, -0.53782f, 0.306681f}, {-0.374296f, -0.187148f, 0.908228f}},
    {{0.0f, 0.0f, 0.306681f}, {0.0f, 0.0f, 1.0f}},
    {{1.012839f, 1.012839f, -0.306681f}, {0.445323f, 0.890645f, -0.091866f}},
    {{1.012839f, -1.012839f, -0.306681f}, {0.890645f, -0.445322f, -0.091866f}},
    {{-1.012839f, 1.012839f, -0.306681f}, {-0.890645f, 0.445322f, -0.091866f}},
    {{-1.012839f, -1.012839f, -0.306681f}, {-0.445322f, -0.890645f, -0.091866f}},
    {{0.0f, 0.0f, -0.306681f}, {0.0f, 0.0f, -1.0f}},
};

const int lowerCorners[lowerCornerCount] = {
    BC, B1, B2, BC, B3, B1, BC, B4, B3, BC, B2, B4, // bottom
    B2, T1, T2, B2, B1, T1,                         // x = +
    B1, T3, T1, B1, B3, T3,                         // y = +
    B3, T4, T3, B3, B4, T4,                         // x = -
    B4, T2, T4, B4, B2, T2,                         // y = -
};

const TopCorner topCorners[topCornerCount] = {
    {TC, 0.5f, 0.5f}, {T2, 1.0f, 1.0f}, {T1, 1.0f, 0.0f}, {TC, 0.5f, 0.5f},
    {T1, 1.0f, 1.0f}, {T3, 0.0f, 1.0f}, {TC, 0.5f, 0.5f}, {T3, 0.0f, 1.0f},
    {T4, 0.0f, 0.0f}, {TC, 0.5f, 0.5f}, {T4, 0.0f, 0.0f}, {T2, 1.0f, 0.0f},
};

void setBlockColor(float red, float green, float blue) {
    // Colour material tracks the current colour, and GL ignores glMaterial for what it
    // tracks, so the colour itself must change.
    glColor3f(red, green, blue);
}

void bindBlockTexture(const Scene& scene, int textureIndex) {
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, scene.blockTextures[textureIndex - 1]);
    applyFilter(scene.settings.bilinearFiltering);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
}

void drawBlockMesh(const Scene& scene, int textureIndex) {
    glBegin(GL_TRIANGLES);
    for (int corner : lowerCorners) {
        sendVertex(meshVertices[corner]);
    }
    glEnd();

    const bool textured = textureIndex >= 1 && textureIndex <= colorCount;
    if (textured) {
        bindBlockTexture(scene, textureIndex);
    }
    glBegin(GL_TRIANGLES);
    for (const TopCorner& corner : topCorners) {
        const MeshVertex& v = meshVertices[corner.vertex];
        glNormal3f(v.normal[0], v.normal[1], v.normal[2]);
        glTexCoord2f(corner.s, corner.t);
        glVertex3f(v.position[0], v.position[1], v.position[2]);
    }
    glEnd();
    if (textured) {
        glDisable(GL_TEXTURE_2D);
    }
}

bool drawBlock(const Scene& scene, BlockRecord record, int textureIndex) {
    setBlockColor(record.red, record.green, record.blue);
    glPushMatrix();
    glTranslatef(record.x, record.y, record.z);
    glRotatef(record.rotationX, 1.0f, 0.0f, 0.0f);
    glRotatef(record.rotationY, 0.0f, 1.0f, 0.0f);
    glRotatef(record.rotationZ, 0.0f, 0.0f, 1.0f);
    glScalef(record.scale, record.scale, record.scale);
    drawBlockMesh(scene, textureIndex);
    glPopMatrix();
    return true;
}

} // namespace crv
