// Where the picture lies in the window: its rectangle, and a real frame scaled into it.
#include "game/render/view.h"
#include "scene_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

using crv::testing::Rgb;

TEST(PictureAreaTest, TheLargestCentredRectangleOfThePicturesShape) {
    const struct {
        int windowWidth, windowHeight, pictureWidth, pictureHeight;
        crv::PictureArea area;
    } cases[] = {
        {640, 480, 640, 480, {0, 0, 640, 480}},         // the chosen size: all of it
        {1280, 960, 640, 480, {0, 0, 1280, 960}},       // twice the size, same shape
        {1920, 1080, 640, 480, {240, 0, 1440, 1080}},   // 16:9 screen: bars left and right
        {1280, 1024, 640, 480, {0, 32, 1280, 960}},     // 5:4 screen: bars above and below
        {1920, 1080, 1280, 1024, {285, 0, 1350, 1080}}, // 5:4 picture on 16:9
        {1024, 768, 1280, 1024, {32, 0, 960, 768}},     // smaller than the picture: scaled down
        {3840, 2160, 512, 384, {480, 0, 2880, 2160}},   // 4K
        {641, 480, 640, 480, {0, 0, 640, 480}},         // an odd pixel left over stays black
        {0, 0, 640, 480, {0, 0, 0, 0}},                 // minimised
        {640, 1, 640, 480, {319, 0, 1, 1}},
    };
    for (const auto& c : cases) {
        const crv::PictureArea area =
            crv::pictureArea(c.windowWidth, c.windowHeight, c.pictureWidth, c.pictureHeight);
        EXPECT_EQ(area.x, c.area.x) << c.windowWidth << "x" << c.windowHeight;
        EXPECT_EQ(area.y, c.area.y) << c.windowWidth << "x" << c.windowHeight;
        EXPECT_EQ(area.width, c.area.width) << c.windowWidth << "x" << c.windowHeight;
        EXPECT_EQ(area.height, c.area.height) << c.windowWidth << "x" << c.windowHeight;
    }
}

/// A window wider than twice the chosen 640 x 480: the picture is 1280 x 960 in the middle.
class ScaledPictureTest : public crv::testing::SceneTest {
  protected:
    static constexpr int windowWidth = 1400;
    static constexpr int windowHeight = 960;
    static constexpr int barWidth = 60;

    void SetUp() override {
        SceneTest::SetUp();
        SDL_GL_DeleteContext(context);
        SDL_DestroyWindow(window);
        SDL_Quit();
        open(windowWidth, windowHeight);
    }
};

struct Box {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
    void add(int x, int y) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
    }
};

bool isWhite(Rgb c) {
    return c.red > 200 && c.green > 200 && c.blue > 200;
}

TEST_F(ScaledPictureTest, ShowsTheWholePictureScaledWithBlackBars) {
    writePatternImages();
    // Each glyph a white square, so the HUD's texts are easy to find.
    crv::testing::writeTga("charset.tga", 256, 128, [](int x, int y) {
        const std::uint8_t v = x % 12 >= 2 && x % 12 < 10 && y % 17 >= 2 && y % 17 < 15 ? 255 : 0;
        return crv::testing::Texel{v, v, v};
    });
    crv::Settings settings = crv::testing::plainSettings();
    settings.backgroundPicture = 1;
    settings.resolutionIndex = 1; // 640 x 480
    game.gameState = crv::Playing;
    game.score = 12345.0f;
    game.bestScore = 23456.0f;
    game.showFps = 1;
    game.frameTime = 1.0f;
    game.playfield.at(2, 17) = 1;
    const std::int32_t next[4] = {3, 4, 5, 6};
    std::copy(next, next + 4, game.nextPiece);

    // The picture at its own size, in the window's lower left corner.
    auto native = makePicture(settings);
    crv::resizeView(640, 480);
    crv::drawFrame(*native, game, 60.0f);
    const auto small = readPixels();
    const int smallTop = windowHeight - 480; // rows of the window above the native picture

    auto scaled = makePicture(settings);
    crv::setView(windowWidth, windowHeight, 640, 480);
    crv::drawFrame(*scaled, game, 60.0f);
    const auto large = readPixels();

    for (int y = 0; y < windowHeight; y += 3) {
        for (int x = 0; x < barWidth; ++x) {
            const Rgb left = pixelAt(large, x, y);
            const Rgb right = pixelAt(large, windowWidth - 1 - x, y);
            ASSERT_EQ(left.red + left.green + left.blue, 0) << x << "," << y;
            ASSERT_EQ(right.red + right.green + right.blue, 0) << x << "," << y;
        }
    }

    // Every 2 x 2 block of the scaled picture close to its pixel of the native one: the
    // walls, the playfield, the preview and the HUD, all of them in their places.
    Box smallText;
    Box largeText;
    long difference = 0;
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 640; ++x) {
            const Rgb s = pixelAt(small, x, smallTop + y);
            int sum[3] = {0, 0, 0};
            for (int dy = 0; dy < 2; ++dy) {
                for (int dx = 0; dx < 2; ++dx) {
                    const Rgb l = pixelAt(large, barWidth + 2 * x + dx, 2 * y + dy);
                    sum[0] += l.red;
                    sum[1] += l.green;
                    sum[2] += l.blue;
                    if (isWhite(l)) {
                        largeText.add(2 * x + dx, 2 * y + dy);
                    }
                }
            }
            difference += std::abs(sum[0] / 4 - s.red) + std::abs(sum[1] / 4 - s.green) +
                          std::abs(sum[2] / 4 - s.blue);
            if (isWhite(s)) {
                smallText.add(x, y);
            }
        }
    }
    EXPECT_LT(difference / (640 * 480 * 3), 8) << "mean difference per channel";
    ASSERT_GE(smallText.right, 0) << "the native picture shows its HUD";
    EXPECT_NEAR(largeText.left, 2 * smallText.left, 3);
    EXPECT_NEAR(largeText.right, 2 * smallText.right + 1, 3);
    EXPECT_NEAR(largeText.top, 2 * smallText.top, 3);
    EXPECT_NEAR(largeText.bottom, 2 * smallText.bottom + 1, 3);
    EXPECT_GT(smallText.right, 560) << "the score column reaches the right edge";
}

} // namespace
