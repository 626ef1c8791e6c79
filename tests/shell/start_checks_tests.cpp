// Start-up's checks: which video drivers show the game to a player.
#include "game/shell/start_checks.h"

#include <gtest/gtest.h>

namespace {

TEST(StartChecksTest, WindowlessDriversOnlyWhenSdlVideoDriverNamesThem) {
    const struct {
        const char* driver;
        const char* requested;
        bool shows;
    } cases[] = {
        {"x11", nullptr, true},
        {"wayland", nullptr, true},
        {"KMSDRM", "", true},
        {"x11", "wayland,x11", true},
        {"offscreen", nullptr, false}, // SDL's fallback without a display
        {"dummy", nullptr, false},
        {"offscreen", "", false},
        {"offscreen", "x11", false},
        {"offscreen", "offscreenx", false},
        {"offscreen", "offscreen", true},
        {"offscreen", "OffScreen", true},
        {"offscreen", "x11,offscreen", true},
        {"dummy", "offscreen,dummy,", true},
        {nullptr, nullptr, false}, // no driver at all
    };
    for (const auto& c : cases) {
        EXPECT_EQ(crv::driverShowsWindows(c.driver, c.requested), c.shows)
            << (c.driver ? c.driver : "(none)") << " with SDL_VIDEODRIVER "
            << (c.requested ? c.requested : "(unset)");
    }
}

} // namespace
