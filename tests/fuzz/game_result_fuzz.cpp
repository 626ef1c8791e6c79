// libFuzzer target: any command line parses safely, as text and as argv split at zero bytes.
#include "common/game_result.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const auto result = crv::parseGameResult(text)) {
        // What the front end accepts, the game can hand back again the same way.
        const auto again =
            crv::parseGameResult(crv::formatGameResult(result->gameMode, result->score));
        if (!again || again->score != result->score ||
            (again->gameMode != 0) != (result->gameMode != 0)) {
            std::abort();
        }
    }
    std::vector<std::string> arguments;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('\0', start), text.size());
        arguments.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    std::vector<const char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(argument.c_str());
    }
    argv.push_back(nullptr);
    crv::parseGameResult(static_cast<int>(arguments.size()), argv.data());
    return 0;
}
