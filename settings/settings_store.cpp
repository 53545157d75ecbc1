#include "settings/settings_store.h"

#include <optional>
#include <span>

#include "settings/companion_settings.h"
#include "settings/display_settings.h"
#include "settings/hijri_settings.h"
#include "settings/method_settings.h"
#include "settings/registry_document.h"
#include "settings/registry_text.h"
#include "settings/reminder_settings.h"
#include "settings/settings_update.h"
#include "settings/settings_values.h"

namespace orvanta {
namespace {

// The bytes of a value, as a registry read into a buffer of capacity bytes gives them: nothing
// when the value is missing or larger than the buffer. The type is not looked at.
std::optional<std::span<const std::uint8_t>> ReadValue(const RegistryDocument& document,
                                                       std::string_view name,
                                                       std::size_t capacity) {
    const RegistryData* data = FindRegistryValue(document, kSettingsKeyPath, name);
    if (data == nullptr || data->bytes.size() > capacity) {
        return std::nullopt;
    }
    return std::span<const std::uint8_t>(data->bytes);
}

std::optional<std::uint32_t> ReadNumber(const RegistryDocument& document, std::string_view name) {
    const auto bytes = ReadValue(document, name, kNumberValueBytes);
    return bytes ? NumberFromValueBytes(*bytes) : std::nullopt;
}

// Tells about a file that is there but cannot be read or parsed: the user's settings are not
// in use.
void TellUnusable(const SettingsSnapshot& saved, NoticeList* notices) {
    if (notices == nullptr) {
        return;
    }
    if (saved.status == SettingsFile::ReadStatus::kFailed) {
        notices->Add({NoticeKind::kSettingsUnreadable, saved.fileName, {}, {}});
    } else if (saved.status == SettingsFile::ReadStatus::kTooLarge) {
        notices->Add({NoticeKind::kSettingsTooLarge, saved.fileName, {}, {}});
    } else if (saved.damaged) {
        notices->Add({NoticeKind::kSettingsDamaged, saved.fileName, {}, {}});
    }
}

void ReadKey(const RegistryDocument& document, PrayerSettings& settings) {
    const PrayerSettings defaults;
    const std::optional<std::uint32_t> method = ReadNumber(document, kMethodValueName);
    settings.method = method ? MethodFromStored(*method) : TwilightMethod::kDepressionAngle;

    const std::optional<std::uint32_t> interval = ReadNumber(document, kIntervalValueName);
    settings.intervalMinutes =
        interval ? WholeNumberFromStored(*interval) : defaults.intervalMinutes;

    const std::optional<std::uint32_t> depression = ReadNumber(document, kDepressionValueName);
    settings.depressionDegrees =
        depression ? WholeNumberFromStored(*depression) : defaults.depressionDegrees;

    const std::optional<std::uint32_t> fiqh = ReadNumber(document, kFiqhValueName);
    settings.fiqh = fiqh ? FiqhFromStored(*fiqh) : Fiqh::kShafi;

    const auto cityBytes = ReadValue(document, kCityValueName, kCityValueBytes);
    const std::optional<std::string> city =
        cityBytes ? CityFromValueBytes(*cityBytes) : std::nullopt;
    settings.configuredCity = city ? *city : std::string(kDefaultCity);
}

}  // namespace

void LoadSettings(const SettingsFile& file, const HomeCitySource& homeCity,
                  PrayerSettings& settings, CityLocation& city, NoticeList* notices) {
    LoadSettings(ReadSettingsSnapshot(file), homeCity, settings, city, notices);
}

void LoadSettings(const SettingsSnapshot& saved, const HomeCitySource& homeCity,
                  PrayerSettings& settings, CityLocation& city, NoticeList* notices) {
    TellUnusable(saved, notices);
    const std::optional<RegistryDocument>& document = saved.key;
    if (document) {
        ReadKey(*document, settings);
    } else {
        const PrayerSettings defaults;
        settings.method = defaults.method;
        settings.intervalMinutes = defaults.intervalMinutes;
        settings.depressionDegrees = defaults.depressionDegrees;
        settings.fiqh = defaults.fiqh;
        // The configured city takes its default too, so that the Options dialog shows the name
        // the lookup uses and its first save does not store an empty city.
        settings.configuredCity = std::string(kDefaultCity);
    }
    if (!homeCity.ReadHomeCity(city)) {
        city.name = settings.configuredCity;
    }
    settings.asrShadowFactor = AsrShadowFactorForFiqh(settings.fiqh);
}

bool SaveSettings(SettingsFile& file, const PrayerSettings& settings, NoticeList* notices) {
    return SaveSettings(file, settings, nullptr, notices);
}

bool SaveSettings(SettingsFile& file, const PrayerSettings& settings, const MethodSettings* method,
                  NoticeList* notices) {
    SettingsGroups groups;
    groups.method = method;
    return SaveSettingsGroups(file, settings, groups, notices);
}

bool SaveSettingsGroups(SettingsFile& file, const PrayerSettings& settings,
                        const SettingsGroups& groups, NoticeList* notices) {
    std::optional<std::vector<std::uint8_t>> cityBytes = CityValueBytes(settings.configuredCity);
    if (!cityBytes) {
        return false;
    }

    const auto number = [](std::uint32_t value) {
        return RegistryData{kRegistryTypeDword, ValueBytesOfNumber(value)};
    };
    return UpdateSettingsDocument(
        file,
        [&](RegistryDocument& document) {
            const bool stored =
                SetRegistryValue(document, kSettingsKeyPath, kMethodValueName,
                                 number(StoredMethod(settings.method))) &&
                SetRegistryValue(document, kSettingsKeyPath, kIntervalValueName,
                                 number(StoredWholeNumber(settings.intervalMinutes))) &&
                SetRegistryValue(document, kSettingsKeyPath, kDepressionValueName,
                                 number(StoredWholeNumber(settings.depressionDegrees))) &&
                SetRegistryValue(document, kSettingsKeyPath, kFiqhValueName,
                                 number(StoredFiqh(settings.fiqh))) &&
                SetRegistryValue(document, kSettingsKeyPath, kCityValueName,
                                 RegistryData{kRegistryTypeString, std::move(*cityBytes)});
            const SettingsGroups& g = groups;
            return stored &&
                   (g.method == nullptr ||
                    StoreMethodValues(document, g.method->choice, g.method->unreadable)) &&
                   (!g.hijriOffsetDays || StoreHijriOffset(document, *g.hijriOffsetDays)) &&
                   (g.display == nullptr || StoreDisplayValues(document, *g.display)) &&
                   (g.reminders == nullptr || StoreReminderValues(document, *g.reminders)) &&
                   (g.companion == nullptr || StoreCompanionValues(document, *g.companion));
        },
        notices);
}

}  // namespace orvanta
