#include "settings/settings_update.h"

#include <algorithm>
#include <vector>

#include "common/utf16.h"
#include "settings/registry_text.h"
#include "settings/settings_values.h"

namespace orvanta {
namespace {

// Releases the writers' lock when the update returns.
class UpdateLock {
  public:
    explicit UpdateLock(SettingsFile& file) : file_(file), held_(file.LockForUpdate()) {}
    ~UpdateLock() {
        if (held_) {
            file_.Unlock();
        }
    }
    UpdateLock(const UpdateLock&) = delete;
    UpdateLock& operator=(const UpdateLock&) = delete;
    bool held() const { return held_; }

  private:
    SettingsFile& file_;
    bool held_;
};

}  // namespace

bool UpdateSettingsDocument(SettingsFile& file, const std::function<bool(RegistryDocument&)>& edit,
                            NoticeList* notices) {
    UpdateLock lock(file);
    if (!lock.held()) {
        return false;
    }
    const SettingsFile::Contents contents = file.Read();
    std::optional<RegistryDocument> document;
    switch (contents.status) {
        case SettingsFile::ReadStatus::kFailed:
        case SettingsFile::ReadStatus::kTooLarge:
            return false;  // replacing a file that could not be read could lose other keys
        case SettingsFile::ReadStatus::kMissing:
            document = NewRegistryDocument();
            break;
        case SettingsFile::ReadStatus::kRead:
            document = ParseRegistryText(contents.bytes);
            if (!document) {
                const std::optional<std::filesystem::path> movedTo = file.MoveAside();
                if (!movedTo) {
                    return false;
                }
                if (notices != nullptr) {
                    notices->Add(
                        {NoticeKind::kSettingsMovedAside, file.Name(), movedTo->string(), {}});
                }
                document = NewRegistryDocument();
            }
            break;
    }
    return edit(*document) && file.ReplaceAtomically(FormatRegistryText(*document));
}

std::optional<std::string> RegistryStringText(const RegistryData& data) {
    if (data.type != kRegistryTypeString || data.bytes.size() % 2 != 0) {
        return std::nullopt;
    }
    std::u16string units = Utf16FromLeBytes(
        std::string_view(reinterpret_cast<const char*>(data.bytes.data()), data.bytes.size()));
    units = units.substr(0, units.find(u'\0'));
    return Utf16ToUtf8(units);
}

RegistryData RegistryStringData(std::string_view text) {
    const std::string bytes = Utf16ToLeBytes(Utf8ToUtf16Lossy(text) + u'\0');
    return RegistryData{kRegistryTypeString, std::vector<std::uint8_t>(bytes.begin(), bytes.end())};
}

bool SameRegistryName(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [&lower](char x, char y) { return lower(x) == lower(y); });
}

void RemoveSettingsValue(RegistryDocument& document, std::string_view name) {
    for (RegistrySection& section : document.sections) {
        if (!SameRegistryName(section.path, kSettingsKeyPath)) {
            continue;
        }
        std::erase_if(section.entries, [name](const RegistryEntry& entry) {
            return entry.kind != RegistryEntry::Kind::kOther && SameRegistryName(entry.name, name);
        });
    }
}

}  // namespace orvanta
