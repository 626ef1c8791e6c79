// The game result both ways, and the games-played counters' text.
#include "common/game_result.h"

#include "common/games_played.h"
#include "common/scramble.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

using namespace crv;

namespace {

std::string scrambled(std::int32_t score) {
    return std::to_string(encodeScore(score, gameResultPair));
}

TEST(HandBack, ArgumentsCarryModeAndScrambledScore) {
    EXPECT_EQ(handBackArguments(1, 1000),
              (std::vector<std::string>{"corvanth", "1", "1673429974"}));
    EXPECT_EQ(handBackArguments(0, 1000),
              (std::vector<std::string>{"corvanth", "0", "1673429974"}));
    EXPECT_EQ(handBackArguments(2, 0)[1], "1") << "any non-zero mode is swinging";
    EXPECT_EQ(formatGameResult(-3, 1), "corvanth 1 1671551067");
}

TEST(HandBack, ScoreIsTruncatedAndClampedSoTheGameIsNeverLost) {
    EXPECT_EQ(maxHandBackScore, 1046022);
    const struct {
        float score;
        std::int32_t handed;
    } cases[] = {
        {1234.9f, 1234},
        {0.0f, 0},
        {-0.5f, 0},
        {1046022.0f, 1046022},
        {1046023.0f, 1046022},
        {3.0e9f, 1046022},
        {std::numeric_limits<float>::infinity(), 1046022},
        {-std::numeric_limits<float>::infinity(), -1046022},
        {std::nanf(""), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.score);
        EXPECT_EQ(handBackScore(c.score), c.handed);
    }
    // Clamped both ways: the front end decodes it and the table stores it unwrapped.
    for (std::int32_t score : {maxHandBackScore, std::numeric_limits<std::int32_t>::max(),
                               std::numeric_limits<std::int32_t>::min()}) {
        const std::vector<std::string> arguments = handBackArguments(1, score);
        const auto result = parseGameResult(arguments[0] + " " + arguments[1] + " " + arguments[2]);
        ASSERT_TRUE(result);
        EXPECT_EQ(std::abs(result->score), maxHandBackScore);
        EXPECT_EQ(decodeScore(encodeScore(result->score, highScorePair), highScorePair),
                  result->score);
    }
}

TEST(GameResultLine, ValidLinesGiveModeAndScore) {
    const std::string s = scrambled(3001);
    const struct {
        std::string line;
        std::int32_t mode;
    } cases[] = {
        {"corvanth 1 " + s, 1},   {"corvanth 0 " + s, 0},
        {"corvanth 2 " + s, 2},   {"  corvanth   0   " + s + "  ", 0},
        {"corvanth +1x " + s, 1}, {"corvanth \t1 " + s, 1},
        {"corvanth x " + s, 0},   {"other 1 " + s + "trailing", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const auto result = parseGameResult(c.line);
        ASSERT_TRUE(result);
        EXPECT_EQ(result->gameMode, c.mode);
        EXPECT_EQ(result->score, 3001);
    }
}

TEST(GameResultLine, AnythingElseIsNoResult) {
    const std::string s = scrambled(3001);
    const std::string lines[] = {
        "",
        "corvanth",
        "corvanth 1",
        "corvanth 1 " + s + " extra",
        "corvanth 1\t" + s,
        "corvanth 1 " + std::to_string(encodeScore(3001, gameResultPair) + 1),
        "corvanth 1 " + std::to_string(encodeScore(3001, highScorePair)),
        "corvanth 1 abc",
        "corvanth 1 99999999999999999999",
        // One blank too many for the 1024-byte buffer.
        "corvanth 1 " + s + std::string(1024 - 11 - s.size(), ' '),
        "corvanth 1 " + s + std::string(100000, ' '),
    };
    for (const std::string& line : lines) {
        SCOPED_TRACE(line.substr(0, 80));
        EXPECT_EQ(parseGameResult(line), std::nullopt);
    }
    // The longest line the buffer holds still counts.
    EXPECT_TRUE(parseGameResult("corvanth 1 " + s + std::string(1023 - 11 - s.size(), ' ')));
}

TEST(GameResultLine, ArgvUsesTheBareProgramName) {
    const std::string s = scrambled(5000);
    const char* withPath[] = {"/opt/my games/bin/corvanth", "1", s.c_str(), nullptr};
    EXPECT_EQ(commandLineText(3, withPath), "corvanth 1 " + s);
    const auto result = parseGameResult(3, withPath);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->score, 5000);

    const char* handStarted[] = {"./corvanth", nullptr};
    EXPECT_EQ(parseGameResult(1, handStarted), std::nullopt);
    EXPECT_EQ(parseGameResult(0, nullptr), std::nullopt);
    // An argument holding blanks makes more tokens, as on the joined line.
    const std::string joined = "1 " + s;
    const char* twoInOne[] = {"corvanth", joined.c_str(), "extra", nullptr};
    EXPECT_EQ(parseGameResult(3, twoInOne), std::nullopt);
    const std::string huge(1 << 20, '7');
    const char* long_[] = {"corvanth", "1", huge.c_str(), s.c_str(), nullptr};
    EXPECT_EQ(parseGameResult(4, long_), std::nullopt);
    EXPECT_LE(commandLineText(4, long_).size(), huge.size() + 20);
}

TEST(GamesPlayedText, RoundTripAndShortOrDamagedFiles) {
    const GamesPlayed games{17, 4};
    const std::string text = formatGamesPlayed(games);
    EXPECT_EQ(text, std::to_string(encodeScore(17, swingingGamesPair)) + " " +
                        std::to_string(encodeScore(4, staticGamesPair)) + "\n");
    const std::string swing17 = std::to_string(encodeScore(17, swingingGamesPair));
    const std::string static4 = std::to_string(encodeScore(4, staticGamesPair));
    const struct {
        std::string text;
        std::int32_t swinging;
        std::int32_t statics;
    } cases[] = {
        {text, 17, 4},
        {swing17 + "\n\t" + static4, 17, 4},
        {swing17, 17, 0},
        {swing17 + " x", 17, 0},
        {"", 0, 0},
        {"junk", 0, 0},
        {static4 + " " + swing17, 0, 0},
        {"1 " + static4, 0, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const GamesPlayed read = parseGamesPlayed(c.text);
        EXPECT_EQ(read.swingingGames, c.swinging);
        EXPECT_EQ(read.staticGames, c.statics);
    }
}

} // namespace
