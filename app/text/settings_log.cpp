#include "app/text/settings_log.h"

#include <string>

#include <QtGlobal>

namespace orvanta {

void LogUnreadableValues(std::string_view group, const std::vector<std::string>& names) {
    if (names.empty()) {
        return;
    }
    std::string text = "ignored the " + std::string(group) + " settings that cannot be read (";
    for (std::size_t i = 0; i < names.size(); ++i) {
        text += (i != 0 ? ", " : "") + names[i];
    }
    text += "); they stay in the settings file as they are";
    qWarning("%s", text.c_str());
}

void LogUnreadableHijriOffset(const HijriSettings& hijri) {
    if (hijri.unreadable) {
        qWarning(
            "ignored the Hijri offset that cannot be read (HijriOffset); it stays in the "
            "settings file as it is");
    }
}

}  // namespace orvanta
