// Random block colours from our own rand/srand generator.
#include "game/rules/random.h"

namespace crv {

namespace {

// The C standard's sample rand(): the same colours from the same seed on every machine.
constexpr std::uint32_t multiplier = 1103515245u;
constexpr std::uint32_t increment = 12345u;
// Dropped from each result: the low bits of such a generator repeat soonest.
constexpr std::uint32_t lowBits = 65536u;
constexpr std::uint32_t valueCount = 32768u; // values 0..32767

} // namespace

void seedRandom(RandomGenerator& generator, std::uint32_t seed) {
    generator.next = seed;
}

int nextRandom(RandomGenerator& generator) {
    generator.next = generator.next * multiplier + increment;
    return static_cast<int>((generator.next / lowBits) % valueCount);
}

float randomBelow(Game& game, float x) {
    return static_cast<float>(nextRandom(game.random)) / static_cast<float>(valueCount) * x;
}

std::int32_t randomColor(Game& game) {
    return static_cast<std::int32_t>(randomBelow(game, static_cast<float>(colorCount)) + 1.0f);
}

} // namespace crv
