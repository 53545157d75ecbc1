// Reading and writing the text of a registry export file ("Windows Registry Editor Version
// 5.00"): UTF-8 with or without a byte-order mark, or UTF-16LE with one; CRLF or LF line
// endings; values as "text" strings, dword:, hex: and hex(N): (hex lines may wrap with a
// trailing backslash), and deletions "name"=-.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "settings/registry_document.h"

namespace orvanta {

// Parses the bytes of a whole file. Nothing when they are not a registry export: a missing or
// different version line, a line that is neither blank, a comment (";"), a [key] header nor a
// value of the forms above, a value before the first key, malformed hex or dword digits, an
// unterminated quoted text, a name or string that is not well-formed UTF-8, or UTF-16 with a
// lone surrogate. A pure function of its input.
std::optional<RegistryDocument> ParseRegistryText(std::string_view fileBytes);

// The bytes of the file: unchanged entries as read, new or changed ones formatted (numbers of 4
// bytes as dword:xxxxxxxx, other data as hex:/hex(N): lines wrapped after 76 characters),
// encoded as the document was read.
std::string FormatRegistryText(const RegistryDocument& document);

}  // namespace orvanta
