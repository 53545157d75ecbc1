// How the window shows the times: the clock style, a registry string beside the classic values.
// A missing value means the language's own clock; a value that cannot be read is ignored,
// reported by name, and left in the file as it is.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/notices.h"
#include "settings/registry_document.h"
#include "settings/settings_file.h"
#include "settings/settings_snapshot.h"

namespace orvanta {

inline constexpr std::string_view kClockValueName = "Clock";
// "1": the window shows Imsak, midnight and the last third under the six times.
inline constexpr std::string_view kNightTimesValueName = "NightTimes";

enum class ClockStyle {
    kLanguage,        // the language's own short time format ("language")
    kTwelveHour,      // "12"
    kTwentyFourHour,  // "24"
};

struct DisplaySettings {
    ClockStyle clock = ClockStyle::kLanguage;
    std::vector<std::string> unreadable;  // names of stored values that were ignored
    bool nightTimes = false;              // off: the window shows the six times alone
};

// Reads the display values of the settings key. Clock must be a string (REG_SZ) whose text is
// "12", "24" or "language"; anything else is named in `unreadable` and ignored. No file, no
// key, no value: the language's clock.
DisplaySettings LoadDisplaySettings(const SettingsFile& file);
// The same from a file already read (ReadSettingsSnapshot).
DisplaySettings LoadDisplaySettings(const SettingsSnapshot& saved);

// Writes the clock style into the document's settings key: "12" or "24"; the language's clock
// removes the value. A value that was unreadable when loaded is only replaced by "12" or "24",
// which the user chose, never removed. False when the value cannot be set.
[[nodiscard]] bool StoreDisplayValues(RegistryDocument& document, const DisplaySettings& display);

// StoreDisplayValues in one locked, atomic replacement of the file (UpdateSettingsDocument). True
// only when the new file reached the disk.
[[nodiscard]] bool SaveDisplaySettings(SettingsFile& file, const DisplaySettings& display,
                                       NoticeList* notices = nullptr);

}  // namespace orvanta
