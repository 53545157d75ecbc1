#include "common/damaged_file.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <ctime>
#include <string>

namespace orvanta {
namespace {

std::string UtcStamp() {
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    char text[32] = "unknown-time";
    if (::gmtime_r(&now, &utc) != nullptr) {
        std::strftime(text, sizeof text, "%Y%m%dT%H%M%SZ", &utc);
    }
    return text;
}

// Renames from to to unless to exists (errno EEXIST then).
bool RenameNoReplace(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        return true;
    }
    if (errno != EINVAL && errno != ENOSYS) {
        return false;
    }
    // The file system cannot refuse to replace: make a second name, then drop the first. link()
    // fails with EEXIST instead of replacing.
    if (::link(from.c_str(), to.c_str()) != 0) {
        return false;
    }
    return ::unlink(from.c_str()) == 0;
}

// Flushes a folder's entries (a rename in it) to disk. File systems that cannot flush a folder
// answer EINVAL; there is nothing more to do on them.
void SyncFolder(const std::filesystem::path& folder) {
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

std::optional<std::filesystem::path> MoveDamagedFileAside(const std::filesystem::path& file) {
    if (file.empty()) {
        return std::nullopt;
    }
    const std::string stem = file.string() + ".damaged-" + UtcStamp();
    for (int n = 0; n < 1000; ++n) {
        const std::filesystem::path target = n == 0 ? stem : stem + "-" + std::to_string(n);
        if (!RenameNoReplace(file, target)) {
            if (errno == EEXIST) {
                continue;
            }
            return std::nullopt;
        }
        for (const char* suffix : std::array{"-journal", "-wal", "-shm"}) {
            std::filesystem::path companion = file;
            companion += suffix;
            std::filesystem::path companionTarget = target;
            companionTarget += suffix;
            if (::access(companion.c_str(), F_OK) == 0) {
                (void)RenameNoReplace(companion, companionTarget);
            }
        }
        SyncFolder(file.parent_path());
        return target;
    }
    return std::nullopt;
}

}  // namespace orvanta
