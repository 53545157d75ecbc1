#include "common/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <random>
#include <string>

namespace orvanta {
namespace {

constexpr int kNameAttempts = 100;

ReplaceStatus StatusOfError(int error) {
    return error == ENOSPC || error == EDQUOT || error == EFBIG ? ReplaceStatus::kNoSpace
                                                                : ReplaceStatus::kFailed;
}

// Flushes a folder's entries (a rename in it) to disk. File systems that cannot flush a folder
// answer EINVAL; there is nothing more to do on them.
bool SyncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL;
    ::close(fd);
    return synced;
}

// 0 when every byte was written, else the error.
int WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

// Creates a new file <target>.tmp-XXXXXX with mode (less the umask); -1 with errno on failure.
int CreateTemporary(const std::filesystem::path& target, mode_t mode, std::string& name) {
    static constexpr std::string_view kLetters =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device seed;
    std::mt19937 random(seed());
    std::uniform_int_distribution<std::size_t> pick(0, kLetters.size() - 1);
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        name = target.string() + ".tmp-";
        for (int i = 0; i < 6; ++i) {
            name += kLetters[pick(random)];
        }
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

// Where the bytes go: the link's target when links are followed. kReplaced when the path
// holds a regular file or nothing.
ReplaceStatus ResolveTarget(const std::filesystem::path& path, bool followLink,
                            std::filesystem::path& target, struct stat& existing, bool& exists) {
    target = path;
    std::error_code error;
    if (followLink && std::filesystem::is_symlink(path, error)) {
        target = std::filesystem::canonical(path, error);
        if (error) {
            return ReplaceStatus::kFailed;
        }
    }
    exists = ::lstat(target.c_str(), &existing) == 0;
    if (!exists) {
        return errno == ENOENT ? ReplaceStatus::kReplaced : ReplaceStatus::kFailed;
    }
    if (S_ISLNK(existing.st_mode) && !followLink) {
        exists = false;  // the link itself is replaced; its target's mode is not ours
        return ReplaceStatus::kReplaced;
    }
    return S_ISREG(existing.st_mode) ? ReplaceStatus::kReplaced : ReplaceStatus::kNotRegular;
}

}  // namespace

ReplaceStatus ReplaceFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                                    const ReplaceOptions& options) {
    if (path.empty() || path.filename().empty()) {
        return ReplaceStatus::kFailed;
    }
    std::filesystem::path target;
    struct stat existing {};
    bool exists = false;
    if (const ReplaceStatus status =
            ResolveTarget(path, options.followLink, target, existing, exists);
        status != ReplaceStatus::kReplaced) {
        return status;
    }
    std::string temporary;
    const int fd = CreateTemporary(target, options.newFileMode, temporary);
    if (fd < 0) {
        return StatusOfError(errno);
    }
    int error = WriteAll(fd, bytes);
    if (error == 0 && options.keepMode && exists && ::fchmod(fd, existing.st_mode & 07777) != 0) {
        error = errno;
    }
    if (error == 0 && ::fsync(fd) != 0) {
        error = errno;
    }
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(temporary.c_str());
        return StatusOfError(error);
    }
    const std::filesystem::path folder = target.parent_path();
    return SyncFolder(folder.empty() ? std::filesystem::path(".") : folder)
               ? ReplaceStatus::kReplaced
               : ReplaceStatus::kFailed;
}

}  // namespace orvanta
