// Loading and saving the prayer settings under the registry key
// HKEY_LOCAL_MACHINE\Software\Kelvarin\Orvanta, kept in a registry export file.
#pragma once

#include <optional>
#include "astro/calculation_inputs.h"
#include "cities/home_city.h"
#include "common/notices.h"

#include "settings/settings_file.h"
#include "settings/settings_snapshot.h"

namespace orvanta {

// Fills settings from the file's key and settles the lookup name city.name.
//
// Without a readable key (no file, an unreadable or unparseable file, or no such key): the
// depression angle, interval 90 minutes, depression 18 degrees, Shafi, configured city
// "Detroit, MI".
// With the key, each value is read on its own and takes its default when missing or larger
// than its buffer (4 bytes for a number, 400 for "City"); the stored type is not checked:
//   "SunRise"    -> method: the depression angle when the low 16 bits are 0, else interval;
//   "Interval"   -> intervalMinutes: the 32 bits as unsigned, as double;
//   "Depression" -> depressionDegrees: likewise;
//   "Fiqh"       -> fiqh: Shafi when the 32 bits are 0, else Hanafi;
//   "City"       -> configuredCity: UTF-16LE up to the first zero unit (at most 199 units).
// asrShadowFactor is derived from fiqh: 1.0 for Shafi, 2.0 for Hanafi. city.name becomes the home
// city when homeCity gives one, else the configured city. A file that is there but cannot be read
// (not a regular file, no permission, larger than kMaxSettingsFileBytes) or cannot be parsed adds
// a notice that names it and says that the defaults are used; a missing file or key is not
// worth one.
void LoadSettings(const SettingsFile& file, const HomeCitySource& homeCity,
                  PrayerSettings& settings, CityLocation& city, NoticeList* notices = nullptr);
// The same from a file already read (ReadSettingsSnapshot).
void LoadSettings(const SettingsSnapshot& saved, const HomeCitySource& homeCity,
                  PrayerSettings& settings, CityLocation& city, NoticeList* notices = nullptr);

// Stores the five settings under the key, in the order "SunRise", "Interval", "Depression",
// "Fiqh", "City", and replaces the file atomically under the writers' lock. Other keys and
// values of the file are kept as they were; a file that cannot be parsed is first moved aside,
// with a notice naming the file it was moved to. A file that cannot be read is never replaced.
// Returns true only when the new file reached the disk. Returns false, writing nothing, when
// configuredCity is not well-formed UTF-8 or takes more than 199 UTF-16 code units, or when the
// file cannot be read, locked, moved aside or replaced.
[[nodiscard]] bool SaveSettings(SettingsFile& file, const PrayerSettings& settings,
                                NoticeList* notices = nullptr);

// As above, and in the same replacement of the file, the method values (StoreMethodValues with
// the choice, leaving alone the values that were unreadable when loaded); none when null.
struct MethodSettings;
[[nodiscard]] bool SaveSettings(SettingsFile& file, const PrayerSettings& settings,
                                const MethodSettings* method, NoticeList* notices = nullptr);

// The groups stored beside the classic values by one save; a null group (no offset) is left as
// it is in the file.
struct CompanionSettings;
struct DisplaySettings;
struct ReminderSettings;
struct SettingsGroups {
    const MethodSettings* method = nullptr;
    std::optional<int> hijriOffsetDays;  // -2 .. +2
    const DisplaySettings* display = nullptr;
    const ReminderSettings* reminders = nullptr;
    const CompanionSettings* companion = nullptr;
};

// As SaveSettings, and every group given in the same, one replacement of the file (in the order
// above, each as its own save would store it). False, writing nothing, when any value cannot be
// stored.
[[nodiscard]] bool SaveSettingsGroups(SettingsFile& file, const PrayerSettings& settings,
                                      const SettingsGroups& groups, NoticeList* notices = nullptr);

}  // namespace orvanta
