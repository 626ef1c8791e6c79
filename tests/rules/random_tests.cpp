// The generator's sequence and the colours it yields.
#include "rules_fixture.h"

namespace {

/// Inverse of the generator's multiplier modulo 2^32, to set up any next value.
std::uint32_t inverseMultiplier() {
    std::uint32_t inverse = 1;
    for (int i = 0; i < 5; ++i) { // Newton's step doubles the correct low bits each time.
        inverse *= 2u - 1103515245u * inverse;
    }
    return inverse;
}

/// Puts the generator in the state whose next draw is `value`.
void prepareDraw(crv::RandomGenerator& generator, int value) {
    const std::uint32_t after = static_cast<std::uint32_t>(value) * 65536u;
    generator.next = (after - 12345u) * inverseMultiplier();
}

} // namespace

TEST(RandomTest, FollowsTheCStandardSampleGenerator) {
    crv::RandomGenerator generator;
    const int expected[] = {16838, 5758, 10113, 17515, 31051};
    for (int value : expected) {
        EXPECT_EQ(crv::nextRandom(generator), value);
    }
    crv::seedRandom(generator, 1);
    EXPECT_EQ(crv::nextRandom(generator), 16838);
}

TEST(RandomTest, ColorsCoverOneToSixWithTheirShares) {
    crv::Game game;
    int shares[8] = {};
    for (int value = 0; value < 32768; ++value) {
        prepareDraw(game.random, value);
        const int color = crv::randomColor(game);
        ASSERT_GE(color, 1);
        ASSERT_LE(color, 6);
        ++shares[color];
        if (value == 0) {
            EXPECT_EQ(color, 1);
        }
        if (value == 32767) {
            EXPECT_EQ(color, 6);
        }
    }
    const int expected[8] = {0, 5462, 5461, 5461, 5462, 5461, 5461, 0};
    for (int color = 0; color < 8; ++color) {
        EXPECT_EQ(shares[color], expected[color]) << "colour " << color;
    }
}
