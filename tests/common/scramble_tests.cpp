// Scrambling: the four constant pairs, the wrap-around and the check.
#include "common/scramble.h"

#include <gtest/gtest.h>

#include <cstdint>

using namespace crv;

namespace {

struct PairCase {
    const char* use;
    ScramblePair pair;
    std::int32_t value;
    std::int32_t stored; // worked out by hand: (value * M mod 2^32) xor K, read as signed
};

const PairCase pairCases[] = {
    {"high score", highScorePair, 0, 1562895539},
    {"high score", highScorePair, 1000, 1564021115},
    {"high score", highScorePair, 3001, 1568345590},
    {"high score", highScorePair, -5, -1562886932},
    {"game result", gameResultPair, 1, 1671551067},
    {"game result", gameResultPair, 1000, 1673429974},
    {"game result", gameResultPair, 1000000, 436181790},
    {"swinging games", swingingGamesPair, 1, 1317741874},
    {"swinging games", swingingGamesPair, 3001, 1323310762},
    {"static games", staticGamesPair, 0, 398679337},
    {"static games", staticGamesPair, 1000, 401004625},
    // 2000000 * 2053 does not fit in 32 bits: the product wraps.
    {"game result, wrapped", gameResultPair, 2000000, -1759688994},
};

TEST(Scramble, EachPairEncodesAndDecodesTheHandComputedValues) {
    for (const PairCase& c : pairCases) {
        SCOPED_TRACE(std::string(c.use) + " " + std::to_string(c.value));
        EXPECT_EQ(encodeScore(c.value, c.pair), c.stored);
        if (std::string(c.use).find("wrapped") == std::string::npos) {
            EXPECT_EQ(decodeScore(c.stored, c.pair), c.value);
        }
    }
}

TEST(Scramble, CheckRejectsNonMultiplesAndTheOtherPairsValues) {
    EXPECT_EQ(decodeScore(1564021115 + 1, highScorePair), std::nullopt);
    EXPECT_EQ(decodeScore(0, highScorePair), std::nullopt);
    // A stored high score is no game result.
    EXPECT_EQ(decodeScore(1564021115, gameResultPair), std::nullopt);
    // The wrapped game result fails the check: the game would be lost.
    EXPECT_EQ(decodeScore(-1759688994, gameResultPair), std::nullopt);
    // Extremes of the stored range neither overflow nor pass by accident.
    EXPECT_EQ(decodeScore(INT32_MIN, staticGamesPair), std::nullopt);
    EXPECT_EQ(decodeScore(INT32_MAX, swingingGamesPair), std::nullopt);
}

} // namespace
