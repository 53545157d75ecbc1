// The Hijri offset of the settings key: the days (-2 .. +2) the user moves the computed Hijri
// calendar by to follow a local sighting, as a registry string beside the classic values. A
// missing value means 0; one that cannot be read is ignored, reported, and left in the file.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/notices.h"
#include "settings/registry_document.h"
#include "settings/settings_file.h"
#include "settings/settings_snapshot.h"

namespace orvanta {

inline constexpr std::string_view kHijriOffsetValueName = "HijriOffset";

struct HijriSettings {
    int offsetDays = 0;       // -2 .. +2
    bool unreadable = false;  // a stored value was ignored
};

// The offset of a text: a whole number -2 .. 2 in decimal, with an optional minus sign and no
// plus sign or blanks ("-1", "0", "2"; "-0" is 0). Nothing for anything else. The command line
// and the settings file accept the same texts.
std::optional<int> ParseHijriOffset(std::string_view text);

// Reads HijriOffset: a string (REG_SZ) holding an offset as ParseHijriOffset reads it.
// Anything else sets unreadable and leaves the offset 0. No file, no key, no value: 0.
HijriSettings LoadHijriSettings(const SettingsFile& file);
// The same from a file already read (ReadSettingsSnapshot).
HijriSettings LoadHijriSettings(const SettingsSnapshot& saved);

// Sets HijriOffset in the document's settings key to the offset's text. False when the offset
// is out of range or the value cannot be set.
[[nodiscard]] bool StoreHijriOffset(RegistryDocument& document, int offsetDays);

// Stores the offset in the file (UpdateSettingsDocument), keeping everything else. True only when
// it reached the disk.
[[nodiscard]] bool SaveHijriOffset(SettingsFile& file, int offsetDays,
                                   NoticeList* notices = nullptr);

}  // namespace orvanta
