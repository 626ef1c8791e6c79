// Scrambling and checking of stored scores and counters.
#include "common/scramble.h"

namespace crv {

std::int32_t encodeScore(std::int32_t value, ScramblePair pair) {
    // Unsigned arithmetic gives the wrap-around without signed overflow.
    const std::uint32_t product =
        static_cast<std::uint32_t>(value) * static_cast<std::uint32_t>(pair.multiplier);
    return static_cast<std::int32_t>(product ^ pair.mask);
}

std::optional<std::int32_t> decodeScore(std::int32_t stored, ScramblePair pair) {
    const auto t = static_cast<std::int32_t>(static_cast<std::uint32_t>(stored) ^ pair.mask);
    // The multipliers are positive and above 1, so neither operation can overflow.
    if (t % pair.multiplier != 0) {
        return std::nullopt;
    }
    return t / pair.multiplier;
}

} // namespace crv
