// The settings file on disk: $XDG_CONFIG_HOME/orvanta/registry.reg (default
// ~/.config/orvanta/registry.reg), with the writers' lock registry.reg.lock beside it.
#pragma once

#include <chrono>
#include <filesystem>
#include <optional>

#include "settings/settings_file.h"

namespace orvanta {

// The per-user settings file; nothing when the user's configuration folder is unknown.
std::optional<std::filesystem::path> UserSettingsFilePath();

class DiskSettingsFile final : public SettingsFile {
  public:
    // file: the registry file's path (an empty path makes every operation fail). lockWait: how
    // long LockForUpdate waits for another writer before it gives up.
    explicit DiskSettingsFile(std::filesystem::path file,
                              std::chrono::milliseconds lockWait = std::chrono::seconds(5));
    ~DiskSettingsFile() override;
    DiskSettingsFile(const DiskSettingsFile&) = delete;
    DiskSettingsFile& operator=(const DiskSettingsFile&) = delete;

    // Only a regular file is read (symbolic links followed); a FIFO, device or folder at the
    // path counts as unreadable and is never waited on. A file larger than
    // kMaxSettingsFileBytes is not read: kTooLarge.
    Contents Read() const override;
    // An exclusive flock on registry.reg.lock (mode 0600, a regular file); creates the folder
    // (mode 0700) when missing.
    bool LockForUpdate() override;
    void Unlock() override;
    // Renames the file to registry.reg.damaged-<UTC time YYYYMMDDTHHMMSSZ>[-<n>].
    std::optional<std::filesystem::path> MoveAside() override;
    std::string Name() const override { return file_.string(); }
    // Writes a temporary file in the same folder (mode 0600), flushes it to disk, renames it
    // over the file and flushes the folder (ReplaceFileAtomically). A symbolic link is followed:
    // its target is replaced.
    bool ReplaceAtomically(std::string_view bytes) override;

  private:
    std::filesystem::path file_;
    std::chrono::milliseconds lockWait_;
    int lockFd_ = -1;
};

}  // namespace orvanta
