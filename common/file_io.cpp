// Whole-file reads and writes that never leave a half-written file behind.
#include "common/file_io.h"

#include <cerrno>
#include <cstdio>
#include <string>

#include <unistd.h>

namespace crv {

std::optional<std::string> readWholeFile(const char* fileName) {
    std::FILE* file = std::fopen(fileName, "r");
    if (file == nullptr) {
        return std::nullopt;
    }
    std::string content;
    char buffer[4096];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        content.append(buffer, count);
    }
    std::fclose(file);
    return content;
}

bool replaceFile(const char* fileName, std::string_view content) {
    // A file the player made read-only stays as it is, as an in-place rewrite would.
    if (access(fileName, W_OK) != 0 && errno != ENOENT) {
        return false;
    }
    const std::string tempName = std::string(fileName) + ".tmp";
    std::FILE* file = std::fopen(tempName.c_str(), "w");
    if (file == nullptr) {
        return false;
    }
    bool written = std::fwrite(content.data(), 1, content.size(), file) == content.size();
    written = std::fflush(file) == 0 && written;
    // The rename must not reach the disk before the data it points at.
    written = fsync(fileno(file)) == 0 && written;
    written = std::fclose(file) == 0 && written;
    if (!written || std::rename(tempName.c_str(), fileName) != 0) {
        std::remove(tempName.c_str());
        return false;
    }
    return true;
}

} // namespace crv
