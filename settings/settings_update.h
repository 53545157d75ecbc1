// One locked read-modify-write of the settings file, and the string values the newer settings
// are stored as.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/notices.h"
#include "settings/registry_document.h"
#include "settings/settings_file.h"
#include "settings/settings_snapshot.h"
#include "settings/settings_values.h"

namespace orvanta {

// Under the writers' lock: reads the file (a missing file starts an empty document; a file that
// cannot be parsed is moved aside first, with a notice naming where it went), lets edit change
// the document, and replaces the file with the result. Returns true only when the new file
// reached the disk; false, writing nothing, when edit returns false or the file cannot be read,
// locked, moved aside or replaced (a file that cannot be read is never replaced).
[[nodiscard]] bool UpdateSettingsDocument(SettingsFile& file,
                                          const std::function<bool(RegistryDocument&)>& edit,
                                          NoticeList* notices = nullptr);

// The text of a string value (REG_SZ): UTF-16LE up to the terminator. Nothing for another
// type, an odd byte count or a lone surrogate.
std::optional<std::string> RegistryStringText(const RegistryData& data);

// A string value (REG_SZ) holding text in UTF-16LE with its terminator.
RegistryData RegistryStringData(std::string_view text);

// True when two key or value names are the same with ASCII case ignored, as registry names are.
bool SameRegistryName(std::string_view a, std::string_view b);

// Removes every entry of that value name (ASCII case ignored) from the settings key.
void RemoveSettingsValue(RegistryDocument& document, std::string_view name);

}  // namespace orvanta
