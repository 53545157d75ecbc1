// The reminder values of the settings key: which prayers remind, how early, and the sound, as
// registry strings beside the classic values. Every reminder is off until the person turns it
// on. A missing value means its default; a value that cannot be read is ignored, reported by
// name, and left in the file as it is.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "astro/day_table.h"
#include "common/notices.h"
#include "settings/registry_document.h"
#include "settings/settings_file.h"
#include "settings/settings_snapshot.h"

namespace orvanta {

inline constexpr std::string_view kReminderPrayersValueName = "ReminderPrayers";
inline constexpr std::string_view kReminderEarlyValueName = "ReminderMinutesBefore";
inline constexpr std::string_view kReminderSoundValueName = "ReminderSound";
inline constexpr std::string_view kReminderSoundFileValueName = "ReminderSoundFile";
inline constexpr std::string_view kReminderVolumeValueName = "ReminderVolume";
inline constexpr std::string_view kReminderJumuahValueName = "ReminderJumuahMinutes";

inline constexpr int kMaxMinutesBefore = 60;
inline constexpr int kMaxJumuahMinutesBefore = 120;

struct ReminderChoice {
    // Per slot in PrayerSlot order (Fajr first): a reminder at the event's time. Shuruq is
    // sunrise, not a prayer, so it too starts off.
    std::array<bool, kPrayerCount> atPrayer{};
    // Minutes, 0 .. 60: a second reminder this long before each chosen event; 0 gives none.
    int minutesBefore = 0;
    bool sound = false;      // play a sound with each reminder
    std::string soundFile;   // UTF-8 path of the sound; empty: the built-in chime
    int volumePercent = 70;  // 0 .. 100, on the listener's (logarithmic) scale
    // Minutes, 0 .. 120: a reminder this long before Zuhr on a Friday (Jumu'ah), whether or not
    // Zuhr is chosen above; 0 gives none.
    int jumuahMinutesBefore = 0;

    bool operator==(const ReminderChoice&) const = default;
};

struct ReminderSettings {
    ReminderChoice choice;
    std::vector<std::string> unreadable;  // names of stored values that were ignored
};

// Reads the reminder values. Each must be a string: "fajr,asr,..." (slot ids, each at most
// once, empty items such as the one in "fajr," skipped; "" for none) for ReminderPrayers, a whole
// number 0 .. 60 (ReminderMinutesBefore) or 0 .. 100 (ReminderVolume), "1" or "0"
// (ReminderSound; "on" and "off" are read too), any text (ReminderSoundFile), a whole number
// 0 .. 120 (ReminderJumuahMinutes). Anything else is
// listed in `unreadable` and ignored. No file, no key: the defaults.
ReminderSettings LoadReminderSettings(const SettingsFile& file);
// The same from a file already read (ReadSettingsSnapshot).
ReminderSettings LoadReminderSettings(const SettingsSnapshot& saved);

// Writes the choice into the document's settings key: each value that differs from its
// default is written (a stored value that reads as the same stays as written), each other one
// removed, except that a value named in `unreadable` is only ever replaced by a value the
// person chose, never removed. False when a value cannot be set.
[[nodiscard]] bool StoreReminderValues(RegistryDocument& document,
                                       const ReminderSettings& settings);

// StoreReminderValues in one locked, atomic replacement of the file: each value that differs
// from its default is written, each other one removed, except that a value named in
// `unreadable` is only ever replaced by a value the person chose, never removed. True only
// when the file reached the disk.
[[nodiscard]] bool SaveReminderSettings(SettingsFile& file, const ReminderSettings& settings,
                                        NoticeList* notices = nullptr);

}  // namespace orvanta
