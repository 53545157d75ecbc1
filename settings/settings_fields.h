// The string values of the settings key as one table per group: each row names a value, reads
// its text into the group's record and formats it back. One reader and one writer serve every
// group, so that every group treats a missing, unreadable or unchanged value alike.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "settings/registry_document.h"
#include "settings/settings_update.h"
#include "settings/settings_values.h"

namespace orvanta {

// What saving does to a stored value while the record holds the field's default.
enum class AtDefault {
    kRemove,         // missing means the default: the stored value goes
    kRewriteStored,  // a stored value is set to the default's text; none is added
    kLeaveStored,    // a stored value stays as it is
};

template <typename Record>
struct SettingsField {
    std::string_view name;
    // Sets the record's member from the value's text; false, changing nothing, when the text is
    // not a value of this field.
    bool (*read)(const std::string& text, Record& record);
    // The text the record's member is stored as.
    std::string (*format)(const Record& record);
    // True when the record's member holds the field's default.
    bool (*isDefault)(const Record& record);
    AtDefault atDefault = AtDefault::kRemove;
};

// The boolean spelling of values written from now on: "1" and "0". ParseSettingsSwitch also
// reads "on" and "off", which earlier versions wrote for some values.
std::string SettingsSwitchText(bool on);
std::optional<bool> ParseSettingsSwitch(std::string_view text);

// The text of a stored string value: nothing when it is not a string (REG_SZ) or larger than
// kMaxStringValueBytes.
std::optional<std::string> SettingsStringText(const RegistryData& data);

// True when the name is in names, ASCII case ignored.
bool HasRegistryName(const std::vector<std::string>& names, std::string_view name);

// Sets the value to text unless the stored value reads as the same (so that its spelling stays
// as written). False when it cannot be set.
template <typename Record>
bool SetSettingsField(RegistryDocument& document, const SettingsField<Record>& field,
                      const Record& record) {
    const std::string text = field.format(record);
    if (const RegistryData* stored = FindRegistryValue(document, kSettingsKeyPath, field.name)) {
        Record was = record;
        const std::optional<std::string> storedText = SettingsStringText(*stored);
        if (storedText && field.read(*storedText, was) && field.format(was) == text) {
            return true;
        }
    }
    return SetRegistryValue(document, kSettingsKeyPath, field.name, RegistryStringData(text));
}

// Reads each field that is stored into the record: a missing value leaves its member as it is;
// one that is not a string, is larger than kMaxStringValueBytes or that the field refuses is
// named in unreadable and leaves its member as it is.
template <typename Record>
void ReadSettingsFields(const RegistryDocument& document,
                        std::span<const SettingsField<Record>> fields, Record& record,
                        std::vector<std::string>& unreadable) {
    for (const SettingsField<Record>& field : fields) {
        const RegistryData* data = FindRegistryValue(document, kSettingsKeyPath, field.name);
        if (data == nullptr) {
            continue;
        }
        const std::optional<std::string> text = SettingsStringText(*data);
        if (!text || !field.read(*text, record)) {
            unreadable.emplace_back(field.name);
        }
    }
}

// Writes each field whose member is not at its default; a field at its default does what its
// atDefault says, except that a value named in leaveAlone (unreadable when loaded) is only ever
// replaced by a value the person chose. False when a value cannot be set.
template <typename Record>
bool StoreSettingsFields(RegistryDocument& document, std::span<const SettingsField<Record>> fields,
                         const Record& record, const std::vector<std::string>& leaveAlone) {
    for (const SettingsField<Record>& field : fields) {
        bool ok = true;
        if (!field.isDefault(record)) {
            ok = SetSettingsField(document, field, record);
        } else if (!HasRegistryName(leaveAlone, field.name)) {
            if (field.atDefault == AtDefault::kRemove) {
                RemoveSettingsValue(document, field.name);
            } else if (field.atDefault == AtDefault::kRewriteStored &&
                       FindRegistryValue(document, kSettingsKeyPath, field.name) != nullptr) {
                ok = SetSettingsField(document, field, record);
            }
        }
        if (!ok) {
            return false;
        }
    }
    return true;
}

}  // namespace orvanta
