// The settings file: its text, both programs' defaults and the game's derived values.
#include "common/settings.h"

#include "temp_dir_fixture.h"

#include <string>

using namespace crv;

namespace crv {

bool operator==(const Settings& a, const Settings& b) {
    return formatSettings(a) == formatSettings(b);
}

void PrintTo(const Settings& settings, std::ostream* out) {
    *out << formatSettings(settings);
}

} // namespace crv

namespace {

TEST(SettingsText, TenValuesWithoutAFinalNewline) {
    EXPECT_EQ(formatSettings(frontEndDefaultSettings), "1\n1\n1\n0\n1\n1\n0\n6\n0\n0");
    const Settings negative{0, -1, 0, 1, 0, 0, 1, 12, 1, 1};
    EXPECT_EQ(formatSettings(negative), "0\n-1\n0\n1\n0\n0\n1\n12\n1\n1");
}

TEST(SettingsText, AnyWhiteSpaceSeparatesAndTrailingTextIsIgnored) {
    const Settings expected{0, 3, 0, 1, 0, 1, 1, 12, 1, 0};
    const char* texts[] = {
        "0\n3\n0\n1\n0\n1\n1\n12\n1\n0",
        "0\n3\n0\n1\n0\n1\n1\n12\n1\n0\n",
        "0 3 0 1 0 1 1 12 1 0",
        "  0\t3\r\n0 \n\n1 0 1 1 +12 1 0 7 8 junk",
    };
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        Settings settings = gameDefaultSettings;
        EXPECT_EQ(scanSettings(text, settings), 10);
        EXPECT_EQ(settings, expected);
    }
}

TEST(SettingsText, FieldsBehindAFaultKeepTheReadersDefaults) {
    struct Case {
        const char* text;
        int taken;
        Settings expected;
    } cases[] = {
        {"0 4 0", 3, {0, 4, 0, 0, 1, 1, 0, 6, 0, 0}},
        {"0 4 x 1 1 1 1 1 1 1", 2, {0, 4, 1, 0, 1, 1, 0, 6, 0, 0}},
        {"0 4 1 - 1", 3, {0, 4, 1, 0, 1, 1, 0, 6, 0, 0}},
        {"", 0, frontEndDefaultSettings},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Settings settings = frontEndDefaultSettings;
        EXPECT_EQ(scanSettings(c.text, settings), c.taken);
        EXPECT_EQ(settings, c.expected);
    }
}

TEST(GameSettings, GammaAndScreenSizeFollowTheRecord) {
    struct Case {
        std::int32_t resolutionIndex;
        std::int32_t gammaLevel;
        int width;
        int height;
        float gammaFactor;
        std::int32_t keptLevel;
    } cases[] = {
        {0, 0, 512, 384, 0.7f, 0},
        {1, 6, 640, 480, 1.0f, 6},
        {2, 12, 800, 600, 1.3f, 12},
        {3, 3, 1024, 768, 0.85f, 3},
        {4, 6, 1280, 1024, 1.0f, 6},
        {5, 6, 640, 480, 1.0f, 6},
        {-1, 6, 640, 480, 1.0f, 6},
        {INT32_MIN, 6, 640, 480, 1.0f, 6},
        // Out of range levels would make the brightness correction divide by zero or less.
        {1, -14, 640, 480, 0.7f, 0},
        {1, INT32_MIN, 640, 480, 0.7f, 0},
        {1, 13, 640, 480, 1.3f, 12},
        {1, INT32_MAX, 640, 480, 1.3f, 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.resolutionIndex) + " " + std::to_string(c.gammaLevel));
        Settings settings = gameDefaultSettings;
        settings.resolutionIndex = c.resolutionIndex;
        settings.gammaLevel = c.gammaLevel;
        const GameSettings game = deriveGameSettings(settings);
        EXPECT_EQ(game.screenWidth, c.width);
        EXPECT_EQ(game.screenHeight, c.height);
        EXPECT_EQ(game.gammaFactor, c.gammaFactor);
        EXPECT_EQ(game.settings.gammaLevel, c.keptLevel);
        EXPECT_GT(game.gammaFactor, 0.0f);
    }
}

class SettingsFile : public TempDirTest {};

TEST_F(SettingsFile, MissingFileGivesEachReadersDefaults) {
    EXPECT_EQ(loadSettings(), frontEndDefaultSettings);
    EXPECT_EQ(loadMenuGameMode(), 1);
    const GameSettings game = readGameSettings();
    EXPECT_EQ(game.settings, gameDefaultSettings);
    EXPECT_EQ(game.screenWidth, 512);
    EXPECT_EQ(game.screenHeight, 384);
    EXPECT_EQ(game.gammaFactor, 1.0f);
    EXPECT_EQ(readText(settingsFileName), std::nullopt) << "reading creates nothing";
}

TEST_F(SettingsFile, SaveThenEveryReaderSeesTheValues) {
    const Settings saved{0, 3, 0, 1, 0, 1, 1, 2, 1, 1};
    ASSERT_TRUE(saveSettings(saved));
    EXPECT_EQ(readText(settingsFileName), "0\n3\n0\n1\n0\n1\n1\n2\n1\n1");
    EXPECT_EQ(loadSettings(), saved);
    EXPECT_EQ(loadMenuGameMode(), 0);
    EXPECT_EQ(readGameSettings().settings, saved);
    EXPECT_EQ(readGameSettings().screenWidth, 1024);
    EXPECT_EQ(entries(), std::vector<std::string>{settingsFileName});
}

TEST_F(SettingsFile, SaveGameModeReplacesOnlyTheFirstValue) {
    ASSERT_TRUE(saveGameMode(0));
    EXPECT_EQ(readText(settingsFileName), "0\n1\n1\n0\n1\n1\n0\n6\n0\n0") << "front-end defaults";

    writeText(settingsFileName, "1 4 0 1 0 0 1 20 1 1 trailing");
    ASSERT_TRUE(saveGameMode(2));
    EXPECT_EQ(readText(settingsFileName), "2\n4\n0\n1\n0\n0\n1\n20\n1\n1");
    EXPECT_NE(loadMenuGameMode(), 0) << "mode 2 counts as swinging";
}

TEST_F(SettingsFile, GameClampsGammaButTheFileKeepsIt) {
    writeText(settingsFileName, "1 1 1 0 1 1 0 -20 0 0");
    EXPECT_EQ(readGameSettings().gammaFactor, 0.7f);
    EXPECT_EQ(loadSettings().gammaLevel, -20);
    EXPECT_EQ(readText(settingsFileName), "1 1 1 0 1 1 0 -20 0 0");
}

TEST_F(SettingsFile, ShortFileKeepsEachReadersDefaultsBehindTheFault) {
    writeText(settingsFileName, "0\n3\n");
    EXPECT_EQ(loadSettings(), (Settings{0, 3, 1, 0, 1, 1, 0, 6, 0, 0}));
    EXPECT_EQ(readGameSettings().settings, (Settings{0, 3, 1, 0, 1, 1, 0, 6, 0, 0}));
    writeText(settingsFileName, "garbage");
    EXPECT_EQ(loadMenuGameMode(), 1);
    EXPECT_EQ(readGameSettings().screenWidth, 512);
}

} // namespace
