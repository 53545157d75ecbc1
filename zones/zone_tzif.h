// Reading of compiled zone files (TZif, RFC 8536): the footer's rule text, which gives a zone's
// offsets after the last transition the file lists.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace orvanta {

// Given the bytes of a compiled zone file, returns the rule text of its footer (the POSIX TZ
// string for instants after the last listed transition, without its newlines): empty when the
// file is version 1 or its footer is empty; nothing when the bytes are not a well-formed TZif
// file (bad magic, counts that run past the end, a footer not framed by newlines).
std::optional<std::string> TzifFooter(std::string_view bytes);

}  // namespace orvanta
