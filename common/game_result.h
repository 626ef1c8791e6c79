// `GameResult`: the command line on which the game hands its mode and final score back to the
// front end, built by the game and parsed by the front end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/scramble.h"

namespace crv {

/// The front end's command-line buffer, terminator included; a longer line is no result.
constexpr std::size_t commandLineBufferSize = 1024;

/// The largest score whose products with both the `GameResult` and the high-score
/// multipliers fit in 32 bits, so it is neither lost on the way back nor in the table.
constexpr std::int32_t maxHandBackScore =
    std::numeric_limits<std::int32_t>::max() / (gameResultPair.multiplier > highScorePair.multiplier
                                                    ? gameResultPair.multiplier
                                                    : highScorePair.multiplier);

struct GameResult {
    std::int32_t gameMode; // non-zero = swinging
    std::int32_t score;    // decoded
};

/// Game: the final score truncated toward zero and clamped to +-`maxHandBackScore`.
std::int32_t handBackScore(float score);

/// Game: the front end's argv, {"corvanth", "1" or "0", the scrambled score}; the score is
/// clamped as `handBackScore` does.
std::vector<std::string> handBackArguments(std::int32_t gameMode, std::int32_t score);

/// The same as one line, "corvanth 1 %d" or "corvanth 0 %d".
std::string formatGameResult(std::int32_t gameMode, std::int32_t score);

/// Front end: the text its argv stands for: the last path component of argv[0], then the
/// other arguments, each behind one blank.
std::string commandLineText(int argc, const char* const* argv);

/// Front end: a valid result is a line shorter than the buffer with exactly three tokens
/// between runs of blanks (tabs do not separate), whose third decodes with the `GameResult`
/// pair; the mode is the second token's leading integer.
std::optional<GameResult> parseGameResult(std::string_view commandLine);

/// Front end: `parseGameResult` of `commandLineText`.
std::optional<GameResult> parseGameResult(int argc, const char* const* argv);

} // namespace crv
