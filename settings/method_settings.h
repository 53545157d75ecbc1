// The method values of the settings key: which method the user prays by, as registry strings
// beside the classic values. A missing value means the preset's own (or classic's); a value
// that cannot be read is ignored, reported by name, and left in the file as it is.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "astro/method_choice.h"
#include "settings/registry_document.h"
#include "settings/settings_file.h"
#include "settings/settings_snapshot.h"

namespace orvanta {

inline constexpr std::string_view kMethodIdValueName = "Method";
inline constexpr std::string_view kFajrAngleValueName = "FajrAngle";
inline constexpr std::string_view kIshaAngleValueName = "IshaAngle";
inline constexpr std::string_view kIshaIntervalValueName = "IshaInterval";
inline constexpr std::string_view kMaghribAngleValueName = "MaghribAngle";
inline constexpr std::string_view kAdjustmentsValueName = "Adjustments";
inline constexpr std::string_view kHighLatitudeValueName = "HighLatitude";
inline constexpr std::string_view kRoundingValueName = "Rounding";
inline constexpr std::string_view kNearestLatitudeValueName = "NearestLatitude";
inline constexpr std::string_view kImsakMinutesValueName = "ImsakMinutes";  // 0 .. 60

struct MethodSettings {
    MethodChoice choice;                  // classic with nothing else when nothing is stored
    std::vector<std::string> unreadable;  // names of stored values that were ignored
};

// Reads the method values of the settings key. Each must be a string (REG_SZ, UTF-16LE) whose
// text is a preset id or "classic" (Method), a decimal number in its range (FajrAngle,
// IshaAngle: 0 < deg <= 30; IshaInterval: 0 < min <= 300; MaghribAngle: 0 <= deg <= 10;
// NearestLatitude: 0 < deg <= 65),
// "fajr=0,shuruq=0,..." (Adjustments), a rule name (HighLatitude) or "nearest"/"up"
// (Rounding); anything else is listed in `unreadable` and ignored. No file, no key: classic.
MethodSettings LoadMethodSettings(const SettingsFile& file);
// The same from a file already read (ReadSettingsSnapshot).
MethodSettings LoadMethodSettings(const SettingsSnapshot& saved);

// Writes the choice into the document's settings key: Method when it is not classic or the key
// already holds a Method value; each override, the adjustments (when any is nonzero), the rule
// and the rounding when the choice has them, and removes them when it has not. A value named in
// `leaveAlone` (unreadable when loaded) is only ever replaced by a value the user chose, never
// removed. False when a value cannot be set.
[[nodiscard]] bool StoreMethodValues(RegistryDocument& document, const MethodChoice& choice,
                                     const std::vector<std::string>& leaveAlone);

}  // namespace orvanta
