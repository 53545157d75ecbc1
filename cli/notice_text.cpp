#include "cli/notice_text.h"

namespace orvanta {

std::string NoticeText(const Notice& notice) {
    const std::string& file = notice.file;
    switch (notice.kind) {
        case NoticeKind::kSettingsMovedAside:
            return "the settings file " + file + " was damaged and has been moved to " +
                   notice.movedTo + "; the settings are saved in a new file";
        case NoticeKind::kSettingsUnreadable:
            return "cannot read the settings file " + file +
                   " (it is not a regular file, or not readable); the default settings are used "
                   "and the file is left as it is";
        case NoticeKind::kSettingsDamaged:
            return "the settings file " + file +
                   " is damaged; the default settings are used, and saving the settings moves it "
                   "aside";
        case NoticeKind::kSettingsTooLarge:
            return "the settings file " + file +
                   " is too large to be a settings file (over 16 MiB); the default settings are "
                   "used and the file is left as it is";
        case NoticeKind::kUserDatabaseMovedAside:
            return file + " was damaged and has been moved to " + notice.movedTo +
                   "; your home city and your own cities in it are no longer used";
        case NoticeKind::kUserDatabaseNotRegular:
            return file +
                   " is not a regular file and is left alone; your home city and your own cities "
                   "cannot be used";
        case NoticeKind::kWorded:
            break;
    }
    return notice.text;
}

std::string UnreadableValuesText(std::string_view group, const std::vector<std::string>& names) {
    if (names.empty()) {
        return {};
    }
    std::string text = "ignored the " + std::string(group) + " settings that cannot be read (";
    for (std::size_t i = 0; i < names.size(); ++i) {
        text += (i != 0 ? ", " : "") + names[i];
    }
    return text + "); they stay in the settings file as they are";
}

}  // namespace orvanta
