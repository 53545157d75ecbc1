#include "settings/string_values.h"

#include <algorithm>
#include <vector>

#include "common/utf16.h"
#include "settings/registry_text.h"
#include "settings/settings_values.h"

namespace orvanta {
namespace {

bool SameName(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [&lower](char x, char y) { return lower(x) == lower(y); });
}

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

// The document to change: the file's, a new one for a missing file, or a new one once a
// damaged file has been moved aside. Nothing when the file cannot be read or moved aside.
std::optional<RegistryDocument> DocumentToChange(SettingsFile& file, NoticeList* notices) {
    const SettingsFile::Contents contents = file.Read();
    if (contents.status == SettingsFile::ReadStatus::kFailed) {
        return std::nullopt;  // replacing a file that could not be read could lose other keys
    }
    if (contents.status == SettingsFile::ReadStatus::kMissing) {
        return NewRegistryDocument();
    }
    if (std::optional<RegistryDocument> document = ParseRegistryText(contents.bytes)) {
        return document;
    }
    const std::optional<std::filesystem::path> movedTo = file.MoveAside();
    if (!movedTo) {
        return std::nullopt;
    }
    if (notices != nullptr) {
        notices->Add(MovedAsideNotice("the settings file " + file.Name(), movedTo->string(),
                                      "the settings are saved in a new file"));
    }
    return NewRegistryDocument();
}

}  // namespace

std::optional<std::string> TextOfStringValue(const RegistryData& data) {
    if (data.type != kRegistryTypeString || data.bytes.size() % 2 != 0) {
        return std::nullopt;
    }
    std::u16string units = Utf16FromLeBytes(
        std::string_view(reinterpret_cast<const char*>(data.bytes.data()), data.bytes.size()));
    units = units.substr(0, units.find(u'\0'));
    return Utf16ToUtf8(units);
}

RegistryData StringValueOf(std::string_view text) {
    const std::string bytes = Utf16ToLeBytes(Utf8ToUtf16Lossy(text) + u'\0');
    return RegistryData{kRegistryTypeString, std::vector<std::uint8_t>(bytes.begin(), bytes.end())};
}

void RemoveSettingsValue(RegistryDocument& document, std::string_view name) {
    for (RegistrySection& section : document.sections) {
        if (!SameName(section.path, kSettingsKeyPath)) {
            continue;
        }
        std::erase_if(section.entries, [name](const RegistryEntry& entry) {
            return entry.kind != RegistryEntry::Kind::kOther && SameName(entry.name, name);
        });
    }
}

bool UpdateSettingsFile(SettingsFile& file, const std::function<bool(RegistryDocument&)>& edit,
                        NoticeList* notices) {
    UpdateLock lock(file);
    if (!lock.held()) {
        return false;
    }
    std::optional<RegistryDocument> document = DocumentToChange(file, notices);
    return document && edit(*document) && file.ReplaceAtomically(FormatRegistryText(*document));
}

}  // namespace orvanta
