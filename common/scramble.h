// The multiply-and-exclusive-or scrambling of every stored score and counter, with its check.
#pragma once

#include <cstdint>
#include <optional>

namespace crv {

/// One use's constants: the multiplier gives the check, the mask hides the product.
struct ScramblePair {
    std::int32_t multiplier;
    std::uint32_t mask;
};

/// Scores in "static.scr" and "swing.scr" (front end and game).
constexpr ScramblePair highScorePair{2029, 0x5d27e4b3u};
/// The score on the `GameResult` command line.
constexpr ScramblePair gameResultPair{2053, 0x63a1d05eu};
/// The swinging-games counter in "nrgames.dat".
constexpr ScramblePair swingingGamesPair{2341, 0x4e8b2c17u};
/// The static-games counter in "nrgames.dat".
constexpr ScramblePair staticGamesPair{2459, 0x17c35d29u};

/// (value x multiplier) xor mask on 32-bit two's complement; the product wraps modulo 2^32.
std::int32_t encodeScore(std::int32_t value, ScramblePair pair);

/// The largest value whose scrambled form still passes the check: its product with the
/// multiplier must fit in 32 bits, or it wraps and reads back as invalid.
constexpr std::int32_t largestScrambled(ScramblePair pair) {
    return INT32_MAX / pair.multiplier;
}

/// The value behind a stored number, or nothing when (stored xor mask) is not an exact
/// multiple of the multiplier (signed truncating division).
std::optional<std::int32_t> decodeScore(std::int32_t stored, ScramblePair pair);

} // namespace crv
