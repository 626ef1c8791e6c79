// Whole-file reads and replace-by-rename writes for the shared files.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace crv {

/// The file's bytes, or nothing when it cannot be opened for reading.
std::optional<std::string> readWholeFile(const char* fileName);

/// Replaces the file with `content`: written to "<fileName>.tmp" in the same directory,
/// flushed to disk, then renamed over the old file. False, with the old file untouched and
/// no temporary left behind, when any step fails or the old file is not writable.
bool replaceFile(const char* fileName, std::string_view content);

} // namespace crv
