// Random block colours from our own rand/srand generator.
#include "game/rules/random.h"

namespace crv {

void seedRandom(RandomGenerator& generator, std::uint32_t seed) { generator.next = seed; }

int nextRandom(RandomGenerator& generator) {
    generator.next = generator.next * 1103515245u + 12345u;
    return static_cast<int>((generator.next / 65536u) % 32768u);
}

float randomBelow(Game& game, float x) {
    return static_cast<float>(nextRandom(game.random)) / 32768.0f * x;
}

std::int32_t randomColor(Game& game) {
    return static_cast<std::int32_t>(randomBelow(game, static_cast<float>(colorCount)) + 1.0f);
}

} // namespace crv
