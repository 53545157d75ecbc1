// The file that holds the settings' registry key: read whole, replaced whole.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace orvanta {

// Files larger than this are not settings files and are not read (16 MiB).
inline constexpr std::size_t kMaxSettingsFileBytes = std::size_t{16} << 20;

class SettingsFile {
  public:
    enum class ReadStatus {
        kRead,      // bytes holds the whole file
        kMissing,   // there is no file (nothing saved yet)
        kFailed,    // something is there but could not be read, or is not a regular file
        kTooLarge,  // a regular file larger than any settings file (kMaxSettingsFileBytes)
    };
    struct Contents {
        ReadStatus status = ReadStatus::kFailed;
        std::string bytes;
    };

    virtual ~SettingsFile() = default;

    // The whole file. Readers need no lock: the file is only ever replaced by a rename, so a
    // reader sees either the old or the new file.
    virtual Contents Read() const = 0;

    // Takes the writers' lock (waiting a bounded time for another writer) so that a
    // read-modify-write does not lose a concurrent update; creates the folder when missing.
    // False when the lock cannot be taken.
    [[nodiscard]] virtual bool LockForUpdate() = 0;
    // Releases the lock taken by LockForUpdate; nothing when none is held.
    virtual void Unlock() = 0;

    // Renames a file that cannot be parsed to a new name beside it, never overwriting another
    // file, so that the next save does not destroy it. Returns the new name; nothing when it
    // could not be moved.
    [[nodiscard]] virtual std::optional<std::filesystem::path> MoveAside() = 0;

    // The file's name as the user knows it (its path), for messages.
    virtual std::string Name() const = 0;

    // Replaces the file with bytes so that a crash or a full disk leaves either the old or the
    // new file complete. True only when the new file reached the disk.
    [[nodiscard]] virtual bool ReplaceAtomically(std::string_view bytes) = 0;
};

}  // namespace orvanta
