// The block mesh, the record that places one block, and drawing blocks one by one.
#pragma once

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

constexpr float blockScale = 0.09f;
constexpr float previewScale = 0.045f;

/// One corner of the mesh with the normal it always carries.
struct MeshVertex {
    float position[3];
    float normal[3];
};

/// A corner of a top-face triangle with its texture coordinate.
struct TopCorner {
    int vertex;
    float s;
    float t;
};

constexpr int meshVertexCount = 10;
constexpr int lowerCornerCount = 36; // bottom and sides: 12 triangles
constexpr int topCornerCount = 12;   // the top face: 4 triangles

/// T1..T4, TC, B1..B4, BC. The corner normals turn fourfold about z on purpose: the slight
/// twist in the shading is part of the look.
extern const MeshVertex meshVertices[meshVertexCount];
/// Bottom fan, then the sides +x, +y, -x, -y; counter-clockwise seen from outside.
extern const int lowerCorners[lowerCornerCount];
/// The top fan about TC. The first triangle's t is mirrored against its neighbours, as it
/// always has been.
extern const TopCorner topCorners[topCornerCount];

/// Sets the diffuse colour of the blocks drawn next; allowed between glBegin and glEnd.
void setBlockColor(float red, float green, float blue);

/// Draws the mesh in the current frame: bottom and sides, then the top face, textured with
/// blockTextures entry textureIndex - 1 unless textureIndex is 0. Texturing is off on return.
void drawBlockMesh(const Scene& scene, int textureIndex);

/// Enables texturing with block texture 1..6, its filter and repeat wrapping.
void bindBlockTexture(const Scene& scene, int textureIndex);

/// Draws one record with its colour and placement; the matrix is as before on return.
bool drawBlock(const Scene& scene, BlockRecord record, int textureIndex);

} // namespace crv
