// The companion values of the settings key: the tray, the start at login and the window's
// place, as registry strings beside the classic values. A missing value means its default; a
// value that cannot be read is ignored, reported by name, and left in the file as it is.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/notices.h"
#include "settings/registry_document.h"
#include "settings/settings_file.h"
#include "settings/settings_snapshot.h"

namespace orvanta {

inline constexpr std::string_view kKeepInTrayValueName = "KeepInTray";
inline constexpr std::string_view kStartAtLoginValueName = "StartAtLogin";
inline constexpr std::string_view kWindowPlacementValueName = "WindowPlacement";

// Where the main window was: its frame's top-left corner and its size, in the desktop's
// logical pixels (x to the right, y down from the top-left of the virtual desktop).
struct WindowPlacement {
    int x = 0;
    int y = 0;
    int width = 0;   // 1 .. 100000
    int height = 0;  // 1 .. 100000
    bool operator==(const WindowPlacement&) const = default;
};

struct CompanionSettings {
    bool keepInTray = false;    // closing the window hides it into the tray
    bool startAtLogin = false;  // an autostart entry starts the program into the tray
    std::optional<WindowPlacement> placement;  // nothing: the window's own default
    std::vector<std::string> unreadable;       // names of stored values that were ignored
};

// Reads the companion values. KeepInTray and StartAtLogin must be the strings "1" or "0"
// ("on" and "off" are read too);
// WindowPlacement "x,y,width,height" in decimal (|x|, |y| <= 100000, sizes 1 .. 100000).
// Anything else is listed in `unreadable` and ignored. No file, no key: the defaults.
CompanionSettings LoadCompanionSettings(const SettingsFile& file);
// The same from a file already read (ReadSettingsSnapshot).
CompanionSettings LoadCompanionSettings(const SettingsSnapshot& saved);

// Writes the values into the document's settings key, leaving the other keys and values as
// they were: each switch ("1" or "0") when it is on or the file already holds it, unless it is
// off and named in settings.unreadable (a value the person did not set stays as it is); the
// placement when there is one. A stored value that reads as the same stays as written. False
// when a value cannot be set.
[[nodiscard]] bool StoreCompanionValues(RegistryDocument& document,
                                        const CompanionSettings& settings);

// StoreCompanionValues in one locked, atomic replacement of the file (UpdateSettingsDocument).
// True only when the new file reached the disk.
[[nodiscard]] bool SaveCompanionSettings(SettingsFile& file, const CompanionSettings& settings,
                                         NoticeList* notices = nullptr);

}  // namespace orvanta
