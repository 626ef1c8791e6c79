// Runs each test in a fresh empty working directory, as the programs open bare file names.
#pragma once

#include <gtest/gtest.h>

#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

/// The unprivileged user the permission tests run as when the tests run as root.
constexpr uid_t nobody = 65534;

/// Runs `check` in a child process as an unprivileged user when this one is root, as CI is,
/// so that permission bits apply to it; true when the check passed there.
inline bool passesAsPlainUser(const std::function<bool()>& check) {
    const pid_t pid = fork();
    if (pid == 0) {
        if (geteuid() == 0 && (setgid(nobody) != 0 || setuid(nobody) != 0)) {
            _exit(2);
        }
        _exit(check() ? 0 : 1);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

class TempDirTest : public ::testing::Test {
  protected:
    void SetUp() override {
        oldDir = std::filesystem::current_path();
        std::string pattern = (std::filesystem::temp_directory_path() / "crvtest-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir = pattern;
        std::filesystem::current_path(dir);
    }

    void TearDown() override {
        std::filesystem::current_path(oldDir);
        std::filesystem::remove_all(dir);
    }

    static void writeText(const char* name, const std::string& text) {
        std::ofstream(name, std::ios::binary) << text;
    }

    /// The file's bytes, or nothing when it does not exist.
    static std::optional<std::string> readText(const char* name) {
        std::ifstream in(name, std::ios::binary);
        if (!in) {
            return std::nullopt;
        }
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    /// The names in the working directory, to see that nothing stray was left behind.
    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    std::filesystem::path oldDir;
    std::filesystem::path dir;
};
