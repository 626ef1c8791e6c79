// Building and parsing the `GameResult` command line.
#include "common/game_result.h"

#include "common/build_facts.h"
#include "common/text_scan.h"

#include <algorithm>

namespace crv {

std::int32_t handBackScore(float score) {
    constexpr auto limit = static_cast<float>(maxHandBackScore);
    // Converting a float beyond the 32-bit range, or NaN, to an integer is undefined.
    if (!(score == score)) {
        return 0;
    }
    if (score >= limit) {
        return maxHandBackScore;
    }
    if (score <= -limit) {
        return -maxHandBackScore;
    }
    return static_cast<std::int32_t>(score);
}

std::vector<std::string> handBackArguments(std::int32_t gameMode, std::int32_t score) {
    score = std::clamp(score, -maxHandBackScore, maxHandBackScore);
    // The front end's bare name, found through the program search path.
    return {frontEndProgramName, gameMode != 0 ? "1" : "0",
            std::to_string(encodeScore(score, gameResultPair))};
}

std::string formatGameResult(std::int32_t gameMode, std::int32_t score) {
    const std::vector<std::string> arguments = handBackArguments(gameMode, score);
    return arguments[0] + ' ' + arguments[1] + ' ' + arguments[2];
}

std::string commandLineText(int argc, const char* const* argv) {
    std::string text;
    if (argc < 1 || argv == nullptr || argv[0] == nullptr) {
        return text;
    }
    // Only the bare name: a path to the program may hold blanks.
    const std::string_view program = argv[0];
    const std::size_t slash = program.rfind('/');
    text = program.substr(slash == std::string_view::npos ? 0 : slash + 1);
    for (int i = 1; i < argc && argv[i] != nullptr; ++i) {
        text += ' ';
        text += argv[i];
        // Anything past the buffer is no result anyway; stop growing with it.
        if (text.size() >= commandLineBufferSize) {
            break;
        }
    }
    return text;
}

std::optional<GameResult> parseGameResult(std::string_view commandLine) {
    if (commandLine.size() >= commandLineBufferSize) {
        return std::nullopt;
    }
    std::string_view tokens[3];
    int count = 0;
    std::size_t pos = 0;
    while (true) {
        pos = commandLine.find_first_not_of(' ', pos);
        if (pos == std::string_view::npos) {
            break;
        }
        const std::size_t end = std::min(commandLine.find(' ', pos), commandLine.size());
        if (count == 3) {
            return std::nullopt;
        }
        tokens[count++] = commandLine.substr(pos, end - pos);
        pos = end;
    }
    if (count != 3) {
        return std::nullopt;
    }
    const auto score = decodeScore(leadingInt(tokens[2]), gameResultPair);
    if (!score) {
        return std::nullopt;
    }
    return GameResult{leadingInt(tokens[1]), *score};
}

std::optional<GameResult> parseGameResult(int argc, const char* const* argv) {
    return parseGameResult(commandLineText(argc, argv));
}

} // namespace crv
