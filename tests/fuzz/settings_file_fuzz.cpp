// Arbitrary bytes as the registry file: loading must give usable settings, saving them must
// succeed, and loading the saved file must give the same settings back. A second save of the
// same settings must not change the file.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "settings/settings_memory_file.h"
#include "settings/settings_store.h"
#include "tests/support/scratch_database.h"

namespace {

using orvanta::CityLocation;
using orvanta::PrayerSettings;

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "settings_file_fuzz: %s\n", what);
    std::abort();
}

bool SameSettings(const PrayerSettings& a, const PrayerSettings& b) {
    return a.method == b.method && a.intervalMinutes == b.intervalMinutes &&
           a.depressionDegrees == b.depressionDegrees && a.fiqh == b.fiqh &&
           a.asrShadowFactor == b.asrShadowFactor && a.configuredCity == b.configuredCity;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    orvanta::MemorySettingsFile file;
    file.content = std::string(reinterpret_cast<const char*>(data), size);
    const orvanta::testing_support::NoHomeCity noHomeCity;

    PrayerSettings loaded;
    CityLocation city;
    orvanta::LoadSettings(file, noHomeCity, loaded, city);
    if (city.name != loaded.configuredCity) {
        Fail("the lookup name is not the configured city");
    }

    // Whatever was loaded can be saved: otherwise the Options dialog could never store the
    // user's next change over this file.
    if (!orvanta::SaveSettings(file, loaded) || file.locked || file.changedWithoutLock) {
        Fail("saving the loaded settings failed, skipped the writers' lock or kept it");
    }
    const std::string saved = *file.content;

    PrayerSettings reloaded;
    CityLocation reloadedCity;
    orvanta::LoadSettings(file, noHomeCity, reloaded, reloadedCity);
    if (!SameSettings(loaded, reloaded)) {
        Fail("the reloaded settings differ from the saved ones");
    }

    if (!orvanta::SaveSettings(file, reloaded) || *file.content != saved) {
        Fail("saving the same settings again changed the file");
    }
    return 0;
}
