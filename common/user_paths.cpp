#include "common/user_paths.h"

#include <cstdlib>

namespace orvanta {
namespace {

// The XDG variable when it holds an absolute path, else $HOME joined with the fallback.
std::optional<std::filesystem::path> XdgDir(const char* variable, const char* homeFallback) {
    const char* value = std::getenv(variable);
    if (value != nullptr && value[0] == '/') {
        return std::filesystem::path(value) / "orvanta";
    }
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/') {
        return std::filesystem::path(home) / homeFallback / "orvanta";
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::filesystem::path> UserConfigDir() {
    return XdgDir("XDG_CONFIG_HOME", ".config");
}

std::optional<std::filesystem::path> UserDataDir() {
    return XdgDir("XDG_DATA_HOME", ".local/share");
}

}  // namespace orvanta
