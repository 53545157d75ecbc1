// String values (REG_SZ: UTF-16LE text with a terminator) of the settings key, and one locked,
// atomic change of the settings file, for the groups of values stored beside the classic five.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "common/notices.h"
#include "settings/registry_document.h"
#include "settings/settings_file.h"

namespace orvanta {

// The text of a string value: UTF-16LE up to the terminator. Nothing for another type, an odd
// byte count or a lone surrogate.
std::optional<std::string> TextOfStringValue(const RegistryData& data);

// A string value holding text (UTF-8; ill-formed bytes become U+FFFD).
RegistryData StringValueOf(std::string_view text);

// Removes every entry of that value name (ASCII case ignored) from the settings key.
void RemoveSettingsValue(RegistryDocument& document, std::string_view name);

// Under the writers' lock: reads the file (a missing file starts a new document; a damaged one
// is moved aside with a notice naming where), lets edit change the document and replaces the
// file atomically. True only when the new file reached the disk; false, writing nothing, when
// the file cannot be read, locked, moved aside or replaced, or when edit returns false.
[[nodiscard]] bool UpdateSettingsFile(SettingsFile& file,
                                      const std::function<bool(RegistryDocument&)>& edit,
                                      NoticeList* notices);

}  // namespace orvanta
