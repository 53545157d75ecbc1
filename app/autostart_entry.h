// "Start at login": the XDG autostart entry that starts the program into the tray.
#pragma once

#include <QString>

namespace orvanta {

// $XDG_CONFIG_HOME/autostart when XDG_CONFIG_HOME is an absolute path, else
// $HOME/.config/autostart (relative values are ignored, as the base directory rules say).
QString AutostartFolder();

// AutostartFolder()/orvanta.desktop.
QString AutostartEntryPath();

// The entry's text: an application entry that runs program with --background. The program's
// path is quoted as desktop entries quote an argument when it holds anything but letters,
// digits and "/._+-".
QString AutostartEntryText(const QString& program);

// Writes the entry (creating the folder) so that it starts program; replaces an older one.
// False when it could not be written.
[[nodiscard]] bool WriteAutostartEntry(const QString& program);

// Removes the entry. True when afterwards there is none.
[[nodiscard]] bool RemoveAutostartEntry();

}  // namespace orvanta
