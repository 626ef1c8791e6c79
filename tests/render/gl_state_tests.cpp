// The GL state module: whatever came before, a request leaves GL exactly as asked.
#include "game/render/gl_state.h"
#include "gl_context.h"

#include <GL/gl.h>

namespace {

using crv::testing::GlTest;

struct Switch {
    unsigned bit;
    GLenum capability;
};

const Switch switches[] = {
    {crv::LightingOn, GL_LIGHTING},    {crv::DepthTestOn, GL_DEPTH_TEST},
    {crv::CullingOn, GL_CULL_FACE},    {crv::LineSmoothOn, GL_LINE_SMOOTH},
    {crv::TexturingOn, GL_TEXTURE_2D},
};

void expectState(unsigned bits) {
    for (const Switch& s : switches) {
        EXPECT_EQ(glIsEnabled(s.capability) == GL_TRUE, (bits & s.bit) != 0)
            << "bits " << bits << " capability " << s.capability;
    }
    const bool blending = (bits & (crv::BlendAlpha | crv::BlendAdditive)) != 0;
    EXPECT_EQ(glIsEnabled(GL_BLEND) == GL_TRUE, blending) << "bits " << bits;
    GLint source = 0;
    GLint destination = 0;
    glGetIntegerv(GL_BLEND_SRC, &source);
    glGetIntegerv(GL_BLEND_DST, &destination);
    if ((bits & crv::BlendAlpha) != 0) {
        EXPECT_EQ(source, GL_SRC_ALPHA);
        EXPECT_EQ(destination, GL_ONE_MINUS_SRC_ALPHA);
    } else if ((bits & crv::BlendAdditive) != 0) {
        EXPECT_EQ(source, GL_SRC_ALPHA);
        EXPECT_EQ(destination, GL_ONE);
    }
    GLint mode = 0;
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &mode);
    EXPECT_EQ(mode, (bits & crv::TextureReplaces) != 0 ? GL_REPLACE : GL_MODULATE);
}

TEST_F(GlTest, EachRequestLeavesExactlyTheSwitchesAskedFor) {
    crv::resetGlState();
    expectState(crv::restingState);
    // The steps of a frame in turn, and back and forth between blend modes.
    const unsigned requests[] = {
        crv::CullingOn | crv::TexturingOn,
        crv::CullingOn | crv::TexturingOn | crv::TextureReplaces,
        crv::DepthTestOn | crv::TexturingOn,
        crv::CullingOn | crv::LineSmoothOn | crv::BlendAlpha,
        crv::LightingOn | crv::DepthTestOn | crv::CullingOn,
        crv::BlendAdditive | crv::TexturingOn,
        crv::BlendAlpha,
        crv::BlendAdditive,
        0,
        crv::restingState,
    };
    for (unsigned bits : requests) {
        crv::setGlState(bits);
        expectState(bits);
    }
}

TEST_F(GlTest, EachBoundTextureKeepsTheFilterLastAskedForIt) {
    crv::resetGlState();
    GLuint names[2] = {};
    glGenTextures(2, names);
    auto filterOf = [](GLuint name) {
        glBindTexture(GL_TEXTURE_2D, name);
        GLint magnify = 0;
        GLint minify = 0;
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &magnify);
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minify);
        EXPECT_EQ(magnify, minify);
        return minify;
    };
    const struct {
        int texture;
        crv::TextureFilter filter;
    } binds[] = {
        {0, crv::TextureFilter::Bilinear}, {1, crv::TextureFilter::Nearest},
        {0, crv::TextureFilter::Nearest},  {0, crv::TextureFilter::Nearest},
        {1, crv::TextureFilter::Bilinear}, {0, crv::TextureFilter::Bilinear},
    };
    for (const auto& b : binds) {
        crv::bindTexture(names[b.texture], b.filter);
        GLint bound = 0;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
        EXPECT_EQ(static_cast<GLuint>(bound), names[b.texture]);
        const GLint want = b.filter == crv::TextureFilter::Bilinear ? GL_LINEAR : GL_NEAREST;
        EXPECT_EQ(filterOf(names[b.texture]), want); // binds what the module has bound
    }
    // A texture refilled for upload has its filter set again when next bound.
    crv::bindTexture(names[1], crv::TextureFilter::Nearest);
    crv::bindTextureForUpload(names[1]);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    crv::bindTexture(names[1], crv::TextureFilter::Nearest);
    EXPECT_EQ(filterOf(names[1]), GL_NEAREST);
}

} // namespace
