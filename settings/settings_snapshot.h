// One read and parse of the settings file, shared by every group's loader in one load: a file
// with a large value is read and parsed once, not once per group.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "settings/registry_document.h"
#include "settings/settings_file.h"

namespace orvanta {

// The largest string value (REG_SZ, in bytes of UTF-16LE with its terminator) a group reads:
// far above any path or list the settings hold. A larger value is not a setting; it is ignored
// and reported as one that cannot be read, and left in the file.
inline constexpr std::size_t kMaxStringValueBytes = 64 * 1024;

struct SettingsSnapshot {
    std::string fileName;  // the file's name as the user knows it, for notices
    SettingsFile::ReadStatus status = SettingsFile::ReadStatus::kMissing;
    bool damaged = false;  // read, but not a registry export
    // The parsed file when it was read, parsed and holds the settings key; nothing otherwise
    // (the loaders then give their defaults).
    std::optional<RegistryDocument> key;
};

// Reads and parses the file once.
SettingsSnapshot ReadSettingsSnapshot(const SettingsFile& file);

}  // namespace orvanta
