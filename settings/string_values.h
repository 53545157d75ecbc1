// Registry string values (REG_SZ): UTF-16LE text with its terminator.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "settings/registry_document.h"

namespace orvanta {

// The UTF-8 text of a string value, up to its terminator. Nothing for another type, an odd
// byte count or a lone surrogate.
std::optional<std::string> StringValueText(const RegistryData& data);

// A string value holding the text (ill-formed UTF-8 replaced) and its terminator.
RegistryData StringValueData(std::string_view text);

}  // namespace orvanta
