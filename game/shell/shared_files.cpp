// What the game program reads from the shared files and hands to the front end.
#include "game/shell/shared_files.h"

#include <cstdio>

namespace crv {

ShellSettings readShellSettings() { return ShellSettings{}; }

float loadBestScore(int) { return 0.0f; }

HandBackArguments handBackArguments(int gameMode, float score) {
    HandBackArguments arguments{};
    std::snprintf(arguments.mode, sizeof arguments.mode, "%d", gameMode != 0 ? 1 : 0);
    std::snprintf(arguments.score, sizeof arguments.score, "%d", static_cast<int>(score));
    return arguments;
}

} // namespace crv
