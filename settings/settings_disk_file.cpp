#include "settings/settings_disk_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "common/atomic_file.h"
#include "common/damaged_file.h"
#include "common/private_folder.h"
#include "common/regular_file.h"
#include "common/user_paths.h"

namespace orvanta {
namespace {

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
    const OpenedFile opened = OpenRegularFile(file_, O_RDONLY);
    if (opened.kind != FileKind::kRegular) {
        return {opened.kind == FileKind::kMissing ? ReadStatus::kMissing : ReadStatus::kFailed, {}};
    }
    const int fd = opened.file.Get();
    struct stat status {};
    if (::fstat(fd, &status) == 0 &&
        static_cast<std::uintmax_t>(status.st_size) > kMaxSettingsFileBytes) {
        return {ReadStatus::kTooLarge, {}};
    }
    Contents contents{ReadStatus::kRead, {}};
    contents.bytes.reserve(static_cast<std::size_t>(std::max<off_t>(status.st_size, 0)));
    std::vector<char> chunk(64 * 1024);
    while (true) {
        const ssize_t got = ::read(fd, chunk.data(), chunk.size());
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            contents = {ReadStatus::kFailed, {}};
            break;
        }
        if (contents.bytes.size() + static_cast<std::size_t>(got) > kMaxSettingsFileBytes) {
            contents = {ReadStatus::kTooLarge, {}};  // it grew while being read
            break;
        }
        if (got == 0) {
            break;
        }
        contents.bytes.append(chunk.data(), static_cast<std::size_t>(got));
    }
    return contents;
}

bool DiskSettingsFile::LockForUpdate() {
    if (file_.empty() || lockFd_ >= 0 || !MakePrivateFolders(file_.parent_path())) {
        return false;
    }
    std::filesystem::path lockPath = file_;
    lockPath += ".lock";
    OpenedFile opened = OpenRegularFile(lockPath, O_RDWR | O_CREAT, 0600);
    if (opened.kind != FileKind::kRegular) {
        return false;
    }
    const int fd = opened.file.Release();
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

std::optional<std::filesystem::path> DiskSettingsFile::MoveAside() {
    return MoveDamagedFileAside(file_);
}

bool DiskSettingsFile::ReplaceAtomically(std::string_view bytes) {
    if (file_.empty()) {
        return false;
    }
    // The folder to create is the one the file's content goes to: a link's target's.
    std::filesystem::path folder = file_.parent_path();
    std::error_code error;
    if (std::filesystem::is_symlink(file_, error)) {
        folder = std::filesystem::canonical(file_, error).parent_path();
        if (error) {
            return false;
        }
    }
    return MakePrivateFolders(folder) &&
           ReplaceFileAtomically(file_, bytes) == ReplaceStatus::kReplaced;
}

}  // namespace orvanta
