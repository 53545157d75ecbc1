#include "settings/settings_disk_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "common/damaged_file.h"
#include "common/user_paths.h"

namespace orvanta {
namespace {

constexpr std::size_t kMaxFileBytes = 16u << 20;

// Creates the folder and any missing parents with mode 0700; true when it is a folder.
bool MakeFolders(const std::filesystem::path& folder) {
    if (folder.empty()) {
        return false;
    }
    std::filesystem::path partial;
    for (const std::filesystem::path& part : folder) {
        partial /= part;
        if (::mkdir(partial.c_str(), 0700) != 0 && errno != EEXIST) {
            return false;
        }
    }
    struct stat info {};
    return ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
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

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Removes the temporary files that a writer killed between creating and renaming its temporary
// file left beside target (<name>.tmp-XXXXXX). Only writers create them, and only under the
// writers' lock, so while the lock is held none of them belongs to a running save.
void RemoveStaleTemporaries(const std::filesystem::path& target) {
    const std::string prefix = target.filename().string() + ".tmp-";
    std::error_code error;
    std::filesystem::directory_iterator entries(target.parent_path(), error);
    if (error) {
        return;
    }
    for (const std::filesystem::directory_entry& entry : entries) {
        const std::string name = entry.path().filename().string();
        if (name.size() == prefix.size() + 6 && name.compare(0, prefix.size(), prefix) == 0 &&
            entry.is_regular_file(error)) {
            std::filesystem::remove(entry.path(), error);
        }
    }
}

}  // namespace

std::optional<std::filesystem::path> UserSettingsFilePath() {
    const std::optional<std::filesystem::path> folder = UserConfigDir();
    if (!folder) {
        return std::nullopt;
    }
    return *folder / "registry.reg";
}

DiskSettingsFile::DiskSettingsFile(std::filesystem::path file, std::chrono::milliseconds lockWait)
    : file_(std::move(file)), lockWait_(lockWait) {}

DiskSettingsFile::~DiskSettingsFile() {
    Unlock();
}

SettingsFile::Contents DiskSettingsFile::Read() const {
    if (file_.empty()) {
        return {ReadStatus::kFailed, {}};
    }
    const int fd = ::open(file_.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return {errno == ENOENT ? ReadStatus::kMissing : ReadStatus::kFailed, {}};
    }
    Contents contents{ReadStatus::kRead, {}};
    std::vector<char> chunk(64 * 1024);
    while (true) {
        const ssize_t got = ::read(fd, chunk.data(), chunk.size());
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0 || contents.bytes.size() + static_cast<std::size_t>(got) > kMaxFileBytes) {
            contents = {ReadStatus::kFailed, {}};
            break;
        }
        if (got == 0) {
            break;
        }
        contents.bytes.append(chunk.data(), static_cast<std::size_t>(got));
    }
    ::close(fd);
    return contents;
}

bool DiskSettingsFile::LockForUpdate() {
    if (file_.empty() || lockFd_ >= 0 || !MakeFolders(file_.parent_path())) {
        return false;
    }
    std::filesystem::path lockPath = file_;
    lockPath += ".lock";
    const int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        return false;
    }
    const auto deadline = std::chrono::steady_clock::now() + lockWait_;
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) ||
            std::chrono::steady_clock::now() >= deadline) {
            ::close(fd);
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    lockFd_ = fd;
    RemoveStaleTemporaries(file_);
    return true;
}

void DiskSettingsFile::Unlock() {
    if (lockFd_ >= 0) {
        ::flock(lockFd_, LOCK_UN);
        ::close(lockFd_);
        lockFd_ = -1;
    }
}

bool DiskSettingsFile::MoveAside() {
    return MoveDamagedFileAside(file_).has_value();
}

bool DiskSettingsFile::ReplaceAtomically(std::string_view bytes) {
    if (file_.empty()) {
        return false;
    }
    std::filesystem::path target = file_;
    std::error_code error;
    if (std::filesystem::is_symlink(file_, error)) {
        target = std::filesystem::canonical(file_, error);
        if (error) {
            return false;
        }
    }
    const std::filesystem::path folder = target.parent_path();
    if (!MakeFolders(folder)) {
        return false;
    }
    std::string temporary = target.string() + ".tmp-XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);  // creates the file with mode 0600
    if (fd < 0) {
        return false;
    }
    bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    written = (::close(fd) == 0) && written;
    if (!written || ::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return SyncFolder(folder);
}

}  // namespace orvanta
