// Reading the shared files without blocking, replacing them safely, and the save lock.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace crv {

/// Failure codes beside errno values.
constexpr int notRegularFile = -1; // a FIFO, device or socket where a file should be
constexpr int lockTimedOut = -2;   // another front end held the save lock too long

/// How a file operation went: 0 for success, else an errno value or a code above.
struct FileStatus {
    int error = 0;

    bool ok() const { return error == 0; }
    explicit operator bool() const { return ok(); }
};

/// The reason for a failure as a player reads it, such as "Permission denied".
std::string describeFileError(int error);

/// A file read whole. Only a file that does not exist is missing; any other failure, a
/// read error part-way through included, makes it unreadable.
struct FileText {
    std::string text;
    int error = 0; // 0 read, ENOENT missing, else unreadable

    bool missing() const;
    bool unreadable() const { return error != 0 && !missing(); }
};

/// Reads at most `maxBytes` of the file. Opens without blocking and reads only a regular
/// file, so a FIFO or device in its place is unreadable at once instead of hanging.
FileText readFile(const char* fileName, std::size_t maxBytes = SIZE_MAX);

/// Writes "<program>: <line>" to standard error.
void printProblem(const std::string& line);

/// One of the shared files read whole by `readFile`. A problem other than a missing file goes
/// to standard error as `Could not read "<name>": <reason>` and into `status`, if given, so
/// that the caller leaves the file alone; a missing file is no failure there.
FileText readSharedFile(const char* fileName, FileStatus* status = nullptr);

/// `Could not load "<name>": <reason>` on standard error, for a data file the game runs
/// without.
void reportLoadProblem(const char* fileName, const std::string& reason);

/// `Could not save "<name>": <reason>`, the line a failed save is reported with.
std::string saveFailureText(const char* fileName, FileStatus status);

/// Replaces the file with `content`: a new temporary with a unique name, created exclusively
/// beside the file (never through a link), written and synced, given the old file's
/// permission bits and group, renamed over the file, then the directory synced. A file that
/// is a symbolic link stays one: the file it points at is replaced. Refuses a file that exists
/// but is not a regular file, or cannot be both read and written, so what it holds is never
/// lost. On any failure the old file stays byte for byte and no temporary is left.
FileStatus replaceFile(const char* fileName, std::string_view content);

/// How long a save waits for another front end to finish its own.
constexpr int saveLockTimeoutMs = 5000;

/// The working directory's save lock, held while the object lives, so read-modify-write
/// steps of two front ends never interleave. Never nest two in one process: they would wait
/// for each other.
class SaveLock {
  public:
    explicit SaveLock(int timeoutMs = saveLockTimeoutMs);
    ~SaveLock();
    SaveLock(const SaveLock&) = delete;
    SaveLock& operator=(const SaveLock&) = delete;

    /// Failed only when the wait timed out; where the system cannot lock, saves go on.
    FileStatus status() const { return m_status; }

  private:
    int m_fd = -1;
    FileStatus m_status;
};

/// Runs `update`, which returns a FileStatus, under the save lock; a timed-out wait is the
/// failure, with `update` not run.
template <typename Update> FileStatus underSaveLock(Update update) {
    const SaveLock lock;
    return lock.status() ? update() : lock.status();
}

} // namespace crv
