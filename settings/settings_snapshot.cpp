#include "settings/settings_snapshot.h"

#include <utility>

#include "settings/registry_text.h"
#include "settings/settings_values.h"

namespace orvanta {

SettingsSnapshot ReadSettingsSnapshot(const SettingsFile& file) {
    SettingsFile::Contents contents = file.Read();
    SettingsSnapshot snapshot;
    snapshot.fileName = file.Name();
    snapshot.status = contents.status;
    if (contents.status != SettingsFile::ReadStatus::kRead) {
        return snapshot;
    }
    std::optional<RegistryDocument> document = ParseRegistryText(contents.bytes);
    snapshot.damaged = !document;
    if (document && HasRegistryKey(*document, kSettingsKeyPath)) {
        snapshot.key = std::move(document);
    }
    return snapshot;
}

}  // namespace orvanta
