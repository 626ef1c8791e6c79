// Starting the front end as a process of its own that outlives the game.
#include "game/shell/process_start.h"

#include <spawn.h>
#include <sys/types.h>
#include <unistd.h>

#include <climits>
#include <vector>

extern char** environ;

namespace crv {

bool startDetached(const std::string& program, const char* const* arguments, int argumentCount,
                   const std::string& preferredDirectory) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (int i = 0; i < argumentCount; ++i) {
        argv.push_back(const_cast<char*>(arguments[i]));
    }
    argv.push_back(nullptr);

    // Its own process group, so a signal meant for the game does not reach the front end.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attributes, 0);
    // Only the standard streams go along: the game's own files (the disk-audio output, its
    // devices) are nothing of the front end's, and would stay open as long as it runs.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclosefrom_np(&actions, STDERR_FILENO + 1);

    pid_t child = 0;
    int result = -1;
    const std::string local = preferredDirectory + program;
    if (!preferredDirectory.empty() && access(local.c_str(), X_OK) == 0) {
        result = posix_spawn(&child, local.c_str(), &actions, &attributes, argv.data(), environ);
    } else {
        result = posix_spawnp(&child, program.c_str(), &actions, &attributes, argv.data(), environ);
    }
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    return result == 0;
}

std::string executableDirectory() {
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) {
        return "";
    }
    std::string directory(path, static_cast<std::size_t>(length));
    return directory.substr(0, directory.rfind('/') + 1);
}

} // namespace crv
