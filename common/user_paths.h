// Per-user folders of the program (XDG base directories).
#pragma once

#include <filesystem>
#include <optional>

namespace orvanta {

// $XDG_CONFIG_HOME/orvanta, else $HOME/.config/orvanta. Nothing when neither variable holds an
// absolute path.
std::optional<std::filesystem::path> UserConfigDir();

// $XDG_DATA_HOME/orvanta, else $HOME/.local/share/orvanta. Nothing when neither variable holds
// an absolute path.
std::optional<std::filesystem::path> UserDataDir();

}  // namespace orvanta
