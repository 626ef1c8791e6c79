// Non-blocking whole-file reads, replace-by-rename writes and the directory's save lock.
#include "common/file_io.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace crv {

namespace {

/// Links followed before a chain counts as a loop, as the kernel counts them.
constexpr int maxLinkHops = 40;

/// The directory part of a path, "." for a bare name.
std::string directoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string baseNameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

/// Where a save really goes: the file at the end of any chain of links, or an error. A link
/// is followed only when its owner is this user or the directory's, as the kernel's own
/// protection does in shared directories, so nobody else's link can aim a save elsewhere.
int resolveTarget(std::string& path, struct stat& info, bool& exists) {
    for (int hop = 0;; ++hop) {
        if (lstat(path.c_str(), &info) != 0) {
            exists = false;
            return errno == ENOENT ? 0 : errno;
        }
        exists = true;
        if (!S_ISLNK(info.st_mode)) {
            return 0;
        }
        struct stat directory {};
        if (hop == maxLinkHops || stat(directoryOf(path).c_str(), &directory) != 0) {
            return ELOOP;
        }
        if (info.st_uid != geteuid() && info.st_uid != directory.st_uid) {
            return EACCES;
        }
        char link[4096];
        const ssize_t length = readlink(path.c_str(), link, sizeof link - 1);
        if (length < 0) {
            return errno;
        }
        link[length] = '\0';
        path = link[0] == '/' ? std::string(link) : directoryOf(path) + '/' + link;
    }
}

/// What a file about to be replaced must be: a regular file this user can read and write.
int checkReplaceable(const std::string& path, const struct stat& info) {
    if (S_ISDIR(info.st_mode)) {
        return EISDIR;
    }
    if (!S_ISREG(info.st_mode)) {
        return notRegularFile;
    }
    // A file the player made read-only stays as it is, as an in-place rewrite would.
    if (access(path.c_str(), W_OK) != 0) {
        return errno;
    }
    // Contents nobody could read are not known to be replaceable: keep them.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        return errno;
    }
    close(fd);
    return 0;
}

/// Creates a new file with a name no one else uses, "<dir>/.<name>.XXXXXX", or -1.
int createTemporary(const std::string& target, std::string& tempName) {
    static unsigned counter = 0;
    const std::string prefix = directoryOf(target) + "/." + baseNameOf(target) + '.';
    for (int attempt = 0; attempt < 100; ++attempt) {
        const auto ticks = static_cast<unsigned long long>(
            std::chrono::steady_clock::now().time_since_epoch().count());
        char suffix[32];
        std::snprintf(suffix, sizeof suffix, "%06llx",
                      (ticks ^ (static_cast<unsigned long long>(getpid()) << 20) ^ ++counter) &
                          0xffffffULL);
        tempName = prefix + suffix;
        // O_EXCL never opens an existing path, a link included; the umask applies as usual.
        const int fd =
            open(tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

bool writeAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t written = write(fd, content.data(), content.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

} // namespace

std::string describeFileError(int error) {
    switch (error) {
    case 0:
        return "Success";
    case notRegularFile:
        return "Not a regular file";
    case lockTimedOut:
        return "Another Corvanth front end kept its files locked";
    default:
        return std::strerror(error);
    }
}

bool FileText::missing() const {
    return error == ENOENT;
}

FileText readFile(const char* fileName, std::size_t maxBytes) {
    FileText file;
    // Without O_NONBLOCK a FIFO would hold the open until someone writes into it.
    const int fd = open(fileName, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        file.error = errno;
        return file;
    }
    struct stat info {};
    if (fstat(fd, &info) != 0) {
        file.error = errno;
    } else if (S_ISDIR(info.st_mode)) {
        file.error = EISDIR;
    } else if (!S_ISREG(info.st_mode)) {
        file.error = notRegularFile;
    }
    char buffer[4096];
    while (file.error == 0 && file.text.size() < maxBytes) {
        const std::size_t wanted = std::min(sizeof buffer, maxBytes - file.text.size());
        const ssize_t got = read(fd, buffer, wanted);
        if (got < 0) {
            if (errno != EINTR) {
                file.error = errno;
            }
            continue;
        }
        if (got == 0) {
            break;
        }
        file.text.append(buffer, static_cast<std::size_t>(got));
    }
    close(fd);
    if (file.error != 0) {
        file.text.clear();
    }
    return file;
}

void printProblem(const std::string& line) {
    std::fprintf(stderr, "%s: %s\n", program_invocation_short_name, line.c_str());
}

FileText readSharedFile(const char* fileName, FileStatus* status) {
    FileText file = readFile(fileName);
    if (file.unreadable()) {
        printProblem(std::string("Could not read \"") + fileName +
                     "\": " + describeFileError(file.error));
    }
    if (status != nullptr) {
        *status = {file.unreadable() ? file.error : 0};
    }
    return file;
}

void reportLoadProblem(const char* fileName, const std::string& reason) {
    printProblem(std::string("Could not load \"") + fileName + "\": " + reason);
}

std::string saveFailureText(const char* fileName, FileStatus status) {
    return std::string("Could not save \"") + fileName + "\": " + describeFileError(status.error);
}

FileStatus replaceFile(const char* fileName, std::string_view content) {
    std::string target = fileName;
    struct stat old {};
    bool exists = false;
    if (const int error = resolveTarget(target, old, exists); error != 0) {
        return {error};
    }
    if (exists) {
        if (const int error = checkReplaceable(target, old); error != 0) {
            return {error};
        }
    }

    std::string tempName;
    const int fd = createTemporary(target, tempName);
    if (fd < 0) {
        return {errno};
    }
    int error = 0;
    if (exists) {
        // Others sharing the file keep their access: its owner and group where this process
        // may set them (the group alone for a member), then its permission bits.
        if (fchown(fd, old.st_uid, old.st_gid) != 0) {
            [[maybe_unused]] const int ignored = fchown(fd, static_cast<uid_t>(-1), old.st_gid);
        }
        if (fchmod(fd, old.st_mode & 07777) != 0) {
            error = errno;
        }
    }
    if (error == 0 && !writeAll(fd, content)) {
        error = errno;
    }
    // The rename must not reach the disk before the data it points at.
    if (error == 0 && fsync(fd) != 0) {
        error = errno;
    }
    if (close(fd) != 0 && error == 0) {
        error = errno;
    }
    if (error == 0 && rename(tempName.c_str(), target.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        unlink(tempName.c_str());
        return {error};
    }
    // Makes the rename itself survive a power cut. The new file is in place by now, so a
    // directory that cannot be synced does not turn the save into a failure.
    const int directory = open(directoryOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (directory >= 0) {
        fsync(directory);
        close(directory);
    }
    return {};
}

SaveLock::SaveLock(int timeoutMs) {
    // The lock sits on the directory itself: nothing to create, nothing a link could redirect.
    m_fd = open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_fd < 0) {
        return;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        if (error == EINTR) {
            continue;
        }
        if (error != EWOULDBLOCK || std::chrono::steady_clock::now() >= deadline) {
            // A file system without locks still saves; only a lock someone holds is a failure.
            if (error == EWOULDBLOCK) {
                m_status = {lockTimedOut};
            }
            close(m_fd);
            m_fd = -1;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

SaveLock::~SaveLock() {
    if (m_fd >= 0) {
        close(m_fd); // closing the descriptor releases the lock
    }
}

} // namespace crv
