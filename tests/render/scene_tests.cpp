// Scene set-up: colour tables, block places, the light and the textures made from the files.
#include "scene_fixture.h"

#include <GL/gl.h>

namespace {

using crv::testing::SceneTest;

TEST_F(SceneTest, TablesAndRecordsFollowTheSettings) {
    crv::Settings settings = crv::gameDefaultSettings;
    settings.gammaLevel = 0; // a gamma factor of 0.7, which the tables below are worked for
    ASSERT_EQ(crv::deriveGameSettings(settings).gammaFactor, 0.7f);
    auto picture = makePicture(settings);
    EXPECT_EQ(picture->scene.cellColors[1].red, 0.0f);
    EXPECT_NEAR(picture->scene.cellColors[1].green, 0.0373f, 0.0005f);
    EXPECT_NEAR(picture->scene.cellColors[1].blue, 0.482f, 0.0005f);
    EXPECT_EQ(picture->scene.cellColors[0].green, 0.0f);
    EXPECT_LT(picture->scene.cellColors[7].red, 0.25f); // the grey is corrected like the rest
    EXPECT_LT(picture->scene.panelCornerColors[0].red, 0.5f);
    GLfloat diffuse[4] = {};
    glGetLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
    EXPECT_EQ(diffuse[0], 2.5f); // the light is never corrected

    const crv::BlockRecord& cell = picture->scene.cellBlocks[4 * crv::rowCount + 17];
    EXPECT_NEAR(cell.x, -0.18f, 1e-6f);
    EXPECT_NEAR(cell.y, -1.44f, 1e-6f);
    EXPECT_EQ(cell.scale, 0.09f);
    const crv::BlockRecord& corner = picture->scene.cellBlocks[0];
    EXPECT_NEAR(corner.x, -0.9f, 1e-6f);
    EXPECT_NEAR(corner.y, 1.62f, 1e-6f);
    const crv::BlockRecord& preview = picture->scene.previewBlocks[3];
    EXPECT_NEAR(preview.x, 0.045f, 1e-6f);
    EXPECT_NEAR(preview.y, 0.045f, 1e-6f);
    EXPECT_EQ(preview.scale, 0.045f);
}

TEST_F(SceneTest, AMissingImageGivesABlackTextureAndNoPictureNoWall) {
    writePatternImages();
    std::remove("crvtex3.tga");
    auto picture = makePicture(crv::gameDefaultSettings); // backgroundPicture 0
    for (unsigned tile : picture->scene.backgroundTiles) {
        EXPECT_EQ(tile, 0u);
    }
    auto brightest = [](unsigned texture) {
        std::vector<std::uint8_t> texels(32 * 32 * 4);
        glBindTexture(GL_TEXTURE_2D, texture);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
        int most = 0;
        for (std::size_t i = 0; i < texels.size(); i += 4) {
            most = std::max({most, int(texels[i]), int(texels[i + 1]), int(texels[i + 2])});
        }
        return most;
    };
    EXPECT_EQ(brightest(picture->scene.blockTextures[2]), 0);
    EXPECT_EQ(brightest(picture->scene.blockTextures[1]), 255);
    EXPECT_EQ(brightest(picture->scene.blockTextures[3]), 255);

    crv::Settings withWall = crv::gameDefaultSettings;
    withWall.backgroundPicture = 1;
    auto walled = makePicture(withWall);
    for (unsigned tile : walled->scene.backgroundTiles) {
        EXPECT_NE(tile, 0u);
    }
}

} // namespace
