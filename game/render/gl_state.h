// The fixed-function GL state of the picture: each drawing step asks for what it needs.
//
// Does: keeps a copy of every piece of state the picture changes, so a request that is already
// in place costs nothing and nothing is ever read back from GL.
// Does not: know which step draws what; the steps state their own needs.
#pragma once

namespace crv {

/// Switches a drawing step wants on; everything not asked for is off.
enum GlStateBit : unsigned {
    LightingOn = 1u << 0,
    DepthTestOn = 1u << 1,
    CullingOn = 1u << 2,
    LineSmoothOn = 1u << 3,
    BlendAlpha = 1u << 4,      // source alpha over the frame: antialiased lines
    BlendAdditive = 1u << 5,   // source alpha added onto the frame: the font
    TexturingOn = 1u << 6,     // with the texture of bindTexture
    TextureReplaces = 1u << 7, // texels replace the colour instead of tinting it
};

/// What set-up leaves and each drawing function hands back, for code outside the picture
/// (the tests, the bench); no drawing function relies on it.
constexpr unsigned restingState = DepthTestOn | CullingOn;

enum class TextureFilter { Nearest, Bilinear };

/// The nearest filter, or bilinear when the setting is on.
TextureFilter filterFor(int bilinearFiltering);

/// What the framebuffer of the current context can hold; read once per context.
struct GlLimits {
    int redBits = 0;
    int greenBits = 0;
    int blueBits = 0;
    int sampleBuffers = 0;
    int maxTextureSize = 0;
};

/// For a new context: sets the state that never changes (colour material, back faces
/// culled when culling is on, depth test less, light 0 with its colour and its set-up
/// direction, unit normals), black clearing, everything switchable off, and forgets what
/// was tracked. Reads the context's limits.
void resetGlState();

/// Turns the switches of `bits` on and all others off, touching only those that differ.
void setGlState(unsigned bits);

/// Binds the texture for the next textured drawing and gives it this filter.
void bindTexture(unsigned texture, TextureFilter filter);

/// Binds a texture to fill its images; its filter counts as unknown until bindTexture sets it.
void bindTextureForUpload(unsigned texture);

/// Light 0's direction under the current model-view; skipped when it is already so.
void setLightDirection(float x, float y, float z);

/// The colour glClear fills with.
void setClearColor(float red, float green, float blue, float alpha);

/// The clear colour as last set; the kept wall picture depends on it.
const float* clearColor();

const GlLimits& glLimits();

} // namespace crv
