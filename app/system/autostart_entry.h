// "Start at login": the XDG autostart entry that starts the program into the tray.
#pragma once

#include <optional>

#include <QString>

namespace orvanta {

enum class AutostartResult {
    kDone,
    kUnquotable,  // the program's path holds a line break or another control character
    kFailed,      // the folder or the entry could not be written or removed
};

// $XDG_CONFIG_HOME/autostart when XDG_CONFIG_HOME is an absolute path, else
// $HOME/.config/autostart (relative values are ignored, as the base directory rules say).
QString AutostartFolder();

// AutostartFolder()/orvanta.desktop.
QString AutostartEntryPath();

// The entry's text: an application entry that runs program with --background. The program's
// path is quoted as the desktop entry rules quote an argument when it holds anything but ASCII
// letters, digits and "/._+-". Nothing when a control character (a line break, a tab, ...) is
// in it: no quoting can carry that through the launcher.
std::optional<QString> AutostartEntryText(const QString& program);

// Writes the entry (creating the folder) so that it starts program, replacing an older one in
// one step: the entry itself, never the target of a symbolic link in its place (a linked
// autostart folder is the user's own and receives the entry).
[[nodiscard]] AutostartResult WriteAutostartEntry(const QString& program);

// Removes the entry. kDone when afterwards there is none.
[[nodiscard]] AutostartResult RemoveAutostartEntry();

}  // namespace orvanta
