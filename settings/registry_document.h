// An ordered model of a registry export file: keys in file order, each with its values,
// comments and blank lines. Entries read from a file keep their original text, so that writing
// the model back reproduces every part that was not changed byte for byte.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

// Registry value types used by the settings.
inline constexpr std::uint32_t kRegistryTypeString = 1;  // UTF-16LE text with terminator
inline constexpr std::uint32_t kRegistryTypeBinary = 3;
inline constexpr std::uint32_t kRegistryTypeDword = 4;  // 32-bit little-endian number

// A value's type and its raw bytes, as the registry would hand them to a reader.
struct RegistryData {
    std::uint32_t type = kRegistryTypeBinary;
    std::vector<std::uint8_t> bytes;

    bool operator==(const RegistryData&) const = default;
};

// One line (or several wrapped lines) inside a key.
struct RegistryEntry {
    enum class Kind {
        kValue,         // "name"=data
        kDeletedValue,  // "name"=- (removes the value when the file is imported)
        kOther,         // a blank line or a comment
    };
    Kind kind = Kind::kOther;
    bool isDefaultValue = false;  // written @= instead of "name"=
    std::string name;             // the value name, unescaped UTF-8
    RegistryData data;
    // The entry's text as read, line endings included; empty for an entry made or changed in
    // memory, whose text is formatted on output.
    std::string rawText;
};

// A [key] header and the entries that follow it up to the next header.
struct RegistrySection {
    std::string path;       // the text between the brackets
    std::string rawHeader;  // the header line as read, line ending included; empty when new
    std::vector<RegistryEntry> entries;
};

struct RegistryDocument {
    enum class Encoding { kUtf8, kUtf8WithBom, kUtf16LeWithBom };
    Encoding encoding = Encoding::kUtf8;
    // The line ending of new text: the file's first line ending.
    std::string newline = "\n";
    // The version line and any blank lines or comments before the first key, as read.
    std::string preamble;
    std::vector<RegistrySection> sections;
};

// A document holding only the version line and a blank line.
RegistryDocument NewRegistryDocument();

// True when a section of the document has the key path (ASCII letters compared without case,
// as the registry compares names).
bool HasRegistryKey(const RegistryDocument& document, std::string_view keyPath);

// The value as a registry read would see it after importing the file: the last entry of that
// name under the key wins, and a deletion entry hides the ones before it. Names compare without
// ASCII case. Null when the key or the value is absent or deleted. The pointer is valid until
// the document changes.
const RegistryData* FindRegistryValue(const RegistryDocument& document, std::string_view keyPath,
                                      std::string_view valueName);

// Stores the value under the key: replaces the last entry of that name in place, else adds the
// value after the last value of the key's last section, else adds a new section at the end.
// False, changing nothing, when the value name or the key path is not well-formed UTF-8 or
// holds a line break.
[[nodiscard]] bool SetRegistryValue(RegistryDocument& document, std::string_view keyPath,
                                    std::string_view valueName, RegistryData data);

}  // namespace orvanta
