// Random block colours from our own rand/srand generator.
#pragma once

#include "game/rules/game.h"

namespace crv {

/// Sets the generator's state, as srand does.
void seedRandom(RandomGenerator& generator, std::uint32_t seed);

/// The next value 0..32767, as rand does.
int nextRandom(RandomGenerator& generator);

/// A float in [0, x): the next value / 32768 * x.
float randomBelow(Game& game, float x);

/// A block colour 1..6.
std::int32_t randomColor(Game& game);

} // namespace crv
