// The file that holds the settings' registry key: read whole, replaced whole.
#pragma once

#include <string>
#include <string_view>

namespace orvanta {

class SettingsFile {
  public:
    enum class ReadStatus {
        kRead,     // bytes holds the whole file
        kMissing,  // there is no file (nothing saved yet)
        kFailed,   // the file exists but could not be read
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
    // file, so that the next save does not destroy it. False when it could not be moved.
    [[nodiscard]] virtual bool MoveAside() = 0;

    // Replaces the file with bytes so that a crash or a full disk leaves either the old or the
    // new file complete. True only when the new file reached the disk.
    [[nodiscard]] virtual bool ReplaceAtomically(std::string_view bytes) = 0;
};

}  // namespace orvanta
