// The game's data files and what they hold: the facts the game, the tool that makes the
// files and the tests all rely on, written once. Plain constants; no GL, no I/O.
#pragma once

namespace crv {

struct Color {
    float red;
    float green;
    float blue;
};

/// A TGA image the game loads, at the size it is always read.
struct ImageFile {
    const char* name;
    int width;
    int height;
};

// ---- The game's data files
// data/CMakeLists.txt takes the build's output names from the quoted file names between the
// BEGIN and END lines, so a file named here is made, installed and tested with no other edit.
// BEGIN game data files

constexpr int blockTextureCount = 6; // one per cell colour 1..6
constexpr ImageFile blockTextureFiles[blockTextureCount] = {
    {"crvtex1.tga", 32, 32}, {"crvtex2.tga", 32, 32}, {"crvtex3.tga", 32, 32},
    {"crvtex4.tga", 32, 32}, {"crvtex5.tga", 32, 32}, {"crvtex6.tga", 32, 32},
};
constexpr ImageFile panelImageFile = {"glback.tga", 256, 256};
/// Read only when the background picture is on; cut into 4 x 3 tiles of 256 x 256.
constexpr ImageFile backgroundImageFile = {"bgpic.tga", 1024, 768};
constexpr int backgroundTileSize = 256;
constexpr ImageFile fontImageFile = {"charset.tga", 256, 128};
/// The game window's icon: the front end's icon on an exact black ground, which the game
/// makes transparent.
constexpr ImageFile gameIconFile = {"crvicon.tga", 64, 64};

constexpr int soundFileCount = 4;
/// The sound cues' files, in the order of the rules' SoundCue.
constexpr const char* soundCueFiles[soundFileCount] = {
    "MOVE.WAV",
    "FALL.WAV",
    "GAMEOVER.WAV",
    "WHOOSH.WAV",
};

// END game data files

// ---- The front end's pictures, embedded as resources
// BEGIN front-end pictures

/// A PNG of the front end; `alpha` when it lets the desktop show through.
struct PictureFile {
    const char* name;
    int width;
    int height;
    bool alpha;
};

constexpr PictureFile titlePictureFile = {"title.png", 394, 77, false};
constexpr PictureFile aboutPictureFile = {"about.png", 128, 130, false};
constexpr int iconCount = 5;
/// The application icon: 32 for the window, larger ones for the desktop.
constexpr PictureFile iconFiles[iconCount] = {
    {"icon-32.png", 32, 32, true},    {"icon-48.png", 48, 48, true},
    {"icon-64.png", 64, 64, true},    {"icon-128.png", 128, 128, true},
    {"icon-256.png", 256, 256, true},
};

// END front-end pictures

// ---- The font sheet

constexpr int glyphWidth = 12;
constexpr int glyphHeight = 17;
constexpr int glyphsPerRow = fontImageFile.width / glyphWidth; // 21
constexpr int fontGlyphCount = 95;
/// The characters in glyph order: a-z, A-Z, 1-9 then 0, punctuation, space last.
constexpr char fontCharset[fontGlyphCount + 1] = "abcdefghijklmnopqrstuvwxyz"
                                                 "ABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                                 "1234567890"
                                                 "!@#$%^&*()`~-_=+[{]}\\|;:'\",<.>/?"
                                                 " ";
static_assert(sizeof fontCharset == fontGlyphCount + 1, "one glyph per character");
static_assert((fontGlyphCount + glyphsPerRow - 1) / glyphsPerRow * glyphHeight <=
                  fontImageFile.height,
              "every glyph cell lies inside the sheet");

// ---- Colours

constexpr int cellColorCount = 8;
/// Cell colours before brightness correction: 0 empty, 1..6 the cell colours, 7 grey.
constexpr Color baseCellColors[cellColorCount] = {
    {0.0f, 0.0f, 0.0f},    {0.0f, 0.1f, 0.6f},    {0.6f, 0.45f, 0.05f}, {0.0f, 0.6f, 0.0f},
    {0.62f, 0.07f, 0.57f}, {0.05f, 0.57f, 0.62f}, {0.6f, 0.0f, 0.05f},  {0.25f, 0.25f, 0.25f},
};

constexpr int panelCornerCount = 4;
/// The back panel's corners before correction: bottom-left, top-left, top-right, bottom-right.
constexpr Color basePanelCornerColors[panelCornerCount] = {
    {0.5f, 0.3f, 0.6f},
    {0.15f, 0.15f, 0.2f},
    {0.25f, 0.3f, 0.4f},
    {0.5f, 0.2f, 0.4f},
};

// ---- The block mesh: a square frustum, its narrow top toward the viewer

constexpr float meshBaseHalf = 1.012839f; // half the width of the base
constexpr float meshTopHalf = 0.53782f;   // half the width of the top face
constexpr float meshHalfDepth = 0.306681f;

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

enum MeshCorner { T1, T2, T3, T4, TC, B1, B2, B3, B4, BC, meshVertexCount };

/// T1..T4, TC, B1..B4, BC. The corner normals turn fourfold about z on purpose: the slight
/// twist in the shading is part of the look.
constexpr MeshVertex meshVertices[meshVertexCount] = {
    {{meshTopHalf, meshTopHalf, meshHalfDepth}, {0.374296f, 0.187148f, 0.908228f}},
    {{meshTopHalf, -meshTopHalf, meshHalfDepth}, {0.187148f, -0.374296f, 0.908228f}},
    {{-meshTopHalf, meshTopHalf, meshHalfDepth}, {-0.187148f, 0.374296f, 0.908228f}},
    {{-meshTopHalf, -meshTopHalf, meshHalfDepth}, {-0.374296f, -0.187148f, 0.908228f}},
    {{0.0f, 0.0f, meshHalfDepth}, {0.0f, 0.0f, 1.0f}},
    {{meshBaseHalf, meshBaseHalf, -meshHalfDepth}, {0.445323f, 0.890645f, -0.091866f}},
    {{meshBaseHalf, -meshBaseHalf, -meshHalfDepth}, {0.890645f, -0.445322f, -0.091866f}},
    {{-meshBaseHalf, meshBaseHalf, -meshHalfDepth}, {-0.890645f, 0.445322f, -0.091866f}},
    {{-meshBaseHalf, -meshBaseHalf, -meshHalfDepth}, {-0.445322f, -0.890645f, -0.091866f}},
    {{0.0f, 0.0f, -meshHalfDepth}, {0.0f, 0.0f, -1.0f}},
};

constexpr int lowerCornerCount = 36; // bottom and sides: 12 triangles
/// Bottom fan, then the sides +x, +y, -x, -y; counter-clockwise seen from outside.
constexpr int lowerCorners[lowerCornerCount] = {
    BC, B1, B2, BC, B3, B1, BC, B4, B3, BC, B2, B4, // bottom
    B2, T1, T2, B2, B1, T1,                         // x = +
    B1, T3, T1, B1, B3, T3,                         // y = +
    B3, T4, T3, B3, B4, T4,                         // x = -
    B4, T2, T4, B4, B2, T2,                         // y = -
};

constexpr int topCornerCount = 12; // the top face: 4 triangles
/// The top fan about TC. The first triangle's t is mirrored against its neighbours, as it
/// always has been.
constexpr TopCorner topCorners[topCornerCount] = {
    {TC, 0.5f, 0.5f}, {T2, 1.0f, 1.0f}, {T1, 1.0f, 0.0f}, {TC, 0.5f, 0.5f},
    {T1, 1.0f, 1.0f}, {T3, 0.0f, 1.0f}, {TC, 0.5f, 0.5f}, {T3, 0.0f, 1.0f},
    {T4, 0.0f, 0.0f}, {TC, 0.5f, 0.5f}, {T4, 0.0f, 0.0f}, {T2, 1.0f, 0.0f},
};

/// Playfield blocks stand at twice their scale apart; the preview's are half their size.
constexpr float blockScale = 0.09f;
constexpr float previewScale = 0.045f;

} // namespace crv
