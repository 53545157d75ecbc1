// The prayer settings a settings file loads as, written as one text so that a failed comparison
// shows every field.
#pragma once

#include <iomanip>
#include <sstream>
#include <string>

#include "settings/settings_store.h"
#include "tests/support/scratch_database.h"

namespace orvanta::testing_support {

inline std::string Fields(const PrayerSettings& s) {
    std::ostringstream text;
    text << std::setprecision(17) << "method " << static_cast<int>(s.method) << ", interval "
         << s.intervalMinutes << ", depression " << s.depressionDegrees << ", fiqh "
         << static_cast<int>(s.fiqh) << ", asr " << s.asrShadowFactor << ", city \""
         << s.configuredCity << '"';
    return text.str();
}

// Loads file (no home city) over values unlike every default, so that a value left unread shows;
// the name the city lookup is to use goes to *lookupName.
inline PrayerSettings Loaded(const SettingsFile& file, std::string* lookupName = nullptr) {
    PrayerSettings settings{TwilightMethod::kInterval, -1.0, -1.0, Fiqh::kHanafi, 9.0, "leftover"};
    CityLocation city;
    city.name = "leftover";
    LoadSettings(file, NoHomeCity(), settings, city);
    if (lookupName != nullptr) {
        *lookupName = city.name;
    }
    return settings;
}

}  // namespace orvanta::testing_support
