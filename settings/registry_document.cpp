#include "settings/registry_document.h"

#include <algorithm>
#include <optional>

#include "common/utf16.h"

namespace orvanta {
namespace {

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return AsciiLower(x) == AsciiLower(y);
           });
}

// The name a value entry stands for: the default value "@" has the empty name.
std::string_view EntryName(const RegistryEntry& entry) {
    return entry.isDefaultValue ? std::string_view{} : std::string_view{entry.name};
}

bool IsValueEntry(const RegistryEntry& entry) {
    return entry.kind == RegistryEntry::Kind::kValue ||
           entry.kind == RegistryEntry::Kind::kDeletedValue;
}

bool IsWritableName(std::string_view text) {
    return Utf16Length(text).has_value() && text.find_first_of("\r\n") == std::string_view::npos;
}

// The last entry of the name under the key, searching every section of the key (Document is
// RegistryDocument, const or not).
template <typename Document>
auto* FindLastEntry(Document& document, std::string_view keyPath, std::string_view valueName) {
    decltype(&document.sections.front().entries.front()) found = nullptr;
    for (auto& section : document.sections) {
        if (!EqualIgnoringAsciiCase(section.path, keyPath)) {
            continue;
        }
        for (auto& entry : section.entries) {
            if (IsValueEntry(entry) && EqualIgnoringAsciiCase(EntryName(entry), valueName)) {
                found = &entry;
            }
        }
    }
    return found;
}

}  // namespace

RegistryDocument NewRegistryDocument() {
    RegistryDocument document;
    document.preamble = "Windows Registry Editor Version 5.00\n\n";
    return document;
}

bool HasRegistryKey(const RegistryDocument& document, std::string_view keyPath) {
    return std::any_of(
        document.sections.begin(), document.sections.end(),
        [&](const RegistrySection& s) { return EqualIgnoringAsciiCase(s.path, keyPath); });
}

const RegistryData* FindRegistryValue(const RegistryDocument& document, std::string_view keyPath,
                                      std::string_view valueName) {
    const RegistryEntry* entry = FindLastEntry(document, keyPath, valueName);
    if (entry == nullptr || entry->kind != RegistryEntry::Kind::kValue) {
        return nullptr;
    }
    return &entry->data;
}

bool SetRegistryValue(RegistryDocument& document, std::string_view keyPath,
                      std::string_view valueName, RegistryData data) {
    if (!IsWritableName(keyPath) || !IsWritableName(valueName) || keyPath.empty()) {
        return false;
    }
    if (RegistryEntry* existing = FindLastEntry(document, keyPath, valueName)) {
        existing->kind = RegistryEntry::Kind::kValue;
        existing->data = std::move(data);
        existing->rawText.clear();
        return true;
    }

    RegistryEntry entry;
    entry.kind = RegistryEntry::Kind::kValue;
    entry.isDefaultValue = valueName.empty();
    entry.name = std::string(valueName);
    entry.data = std::move(data);

    RegistrySection* last = nullptr;
    for (RegistrySection& section : document.sections) {
        if (EqualIgnoringAsciiCase(section.path, keyPath)) {
            last = &section;
        }
    }
    if (last != nullptr) {
        // After the key's last value, before the blank lines and comments that close it.
        auto position = last->entries.begin();
        for (auto it = last->entries.begin(); it != last->entries.end(); ++it) {
            if (IsValueEntry(*it)) {
                position = it + 1;
            }
        }
        last->entries.insert(position, std::move(entry));
        return true;
    }

    RegistrySection section;
    section.path = std::string(keyPath);
    section.entries.push_back(std::move(entry));
    RegistryEntry blank;
    blank.rawText = document.newline;
    section.entries.push_back(std::move(blank));
    document.sections.push_back(std::move(section));
    return true;
}

}  // namespace orvanta
