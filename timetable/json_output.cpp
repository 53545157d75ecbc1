#include "timetable/json_output.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cctype>
#include <string>

#include "astro/angles.h"
#include "astro/method_presets.h"
#include "astro/qibla.h"
#include "common/visible_text.h"
#include "hijri/hijri_holidays.h"
#include "hijri/hijri_text.h"
#include "timetable/civil_time.h"
#include "timetable/event_dates.h"
#include "timetable/night_rows.h"
#include "timetable/prayer_fields.h"

namespace orvanta {
namespace {

std::string LowerCase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return lower;
}

// The "settings" of a preset in force, with the parameters after the user's overrides.
nlohmann::ordered_json MethodSettingsJson(const MethodChoice& choice,
                                          const PrayerSettings& settings) {
    nlohmann::ordered_json json;
    const MethodPreset* preset = FindMethodPreset(choice.presetId);
    const std::optional<PrayerMethod> m = ResolveMethod(choice, settings.asrShadowFactor);
    if (preset == nullptr || !m) {
        return json;
    }
    json["method"] = choice.presetId;
    json["authority"] = preset->authority;
    json["fajrAngle"] = m->fajrAngleDeg;
    if (m->ishaRule == IshaRule::kAngle) {
        json["ishaAngle"] = m->ishaAngleDeg;
    } else {
        json["ishaInterval"] = m->ishaIntervalMinutes;
        if (m->ramadanIshaIntervalMinutes > 0.0) {
            json["ramadanIshaInterval"] = m->ramadanIshaIntervalMinutes;
        }
    }
    json["maghribAngle"] = m->maghribAngleDeg;
    nlohmann::ordered_json minutes = nlohmann::ordered_json::object();
    for (int s = 0; s < kPrayerCount; ++s) {
        minutes[LowerCase(PrayerShortName(s))] = m->methodMinutes[s] + m->adjustmentMinutes[s];
    }
    json["minutes"] = std::move(minutes);
    json["highLatitude"] = HighLatitudeRuleName(m->highLatitude);
    if (m->highLatitude == HighLatitudeRule::kNearestLatitude) {
        json["nearestLatitude"] = m->nearestLatitudeDeg;  // degrees, the place's hemisphere
    }
    json["rounding"] = RoundingRuleName(m->rounding);
    json["asr"] = settings.asrShadowFactor == 1.0 ? "shafi" : "hanafi";
    return json;
}

// Degrees clockwise from true north, or null at the Kaaba and at its antipode.
nlohmann::ordered_json QiblaJson(const CityLocation& city) {
    const Qibla qibla = QiblaFrom(city.latitudeRad, city.longitudeRad);
    return qibla.kind == QiblaKind::kBearing ? nlohmann::ordered_json(qibla.degrees)
                                             : nlohmann::ordered_json(nullptr);
}

nlohmann::ordered_json HijriJson(const std::optional<HijriDate>& date) {
    if (!date) {
        return nullptr;
    }
    return {{"year", date->year},
            {"month", date->month},
            {"day", date->day},
            {"text", HijriDateText(*date)}};
}

// The day's HolidayId, or null.
nlohmann::ordered_json HolidayJson(const std::optional<HijriDate>& date) {
    const std::optional<HijriHoliday> holiday = date ? HolidayOf(*date) : std::nullopt;
    return holiday ? nlohmann::ordered_json(std::string(HolidayId(*holiday)))
                   : nlohmann::ordered_json(nullptr);
}

// The night's times of a day as ISO local date-times with offset ("2022-08-31T00:21:00+04:30",
// on the next date past midnight), null where a time does not exist.
nlohmann::ordered_json NightJson(const DatedRow& day) {
    nlohmann::ordered_json night = nlohmann::ordered_json::object();
    for (const NightField& field : kNightFields) {
        const std::optional<NightTime>& time = (*day.night).*field.member;
        night[field.key] =
            time ? nlohmann::ordered_json(IsoLocalDateTime(day.date, NightMinutes(*time)) +
                                          OffsetText(time->offsetHours))
                 : nlohmann::ordered_json(nullptr);
    }
    return night;
}

}  // namespace

void WriteTimetableAsJson(std::ostream& out, const CityLocation& city,
                          const PrayerSettings& settings, const std::vector<DatedRow>& days,
                          const MethodChoice* choice, bool clock24) {
    nlohmann::ordered_json document;
    document["place"] = {
        {"name", VisibleText(city.name)},
        {"latitude", city.latitudeRad * kDegreesPerRadian},
        {"longitude", -city.longitudeRad * kDegreesPerRadian},  // east positive
        {"zone", city.zoneName.empty() ? nlohmann::ordered_json(nullptr)
                                       : nlohmann::ordered_json(VisibleText(city.zoneName))},
        {"standardOffset", OffsetText(city.zoneHours)},
        {"fixedDaylightSaving", city.zoneName.empty() && city.supportsDst != 0},
        {"qiblaDegrees", QiblaJson(city)},
    };
    document["settings"] = {
        {"method", settings.method == TwilightMethod::kDepressionAngle ? "angle" : "interval"},
        {"depression", settings.depressionDegrees},
        {"interval", settings.intervalMinutes},
        {"asr", settings.asrShadowFactor == 1.0 ? "shafi" : "hanafi"},
    };
    if (choice != nullptr && !IsClassic(*choice)) {
        document["settings"] = MethodSettingsJson(*choice, settings);
    }
    const bool allPrinted =
        !days.empty() &&
        std::all_of(days.begin(), days.end(), [](const DatedRow& day) { return day.printed; });
    if (allPrinted) {
        document["settings"] = {{"method", PrintedMethodText(city)}};
    }
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const DatedRow& day : days) {
        const std::string offset = OffsetText(day.utcOffsetHours);
        nlohmann::ordered_json times = nlohmann::ordered_json::object();
        nlohmann::ordered_json texts = nlohmann::ordered_json::object();
        nlohmann::ordered_json hours = nlohmann::ordered_json::object();
        const auto minutesOf = EventMinutes(day.row);
        for (int s = 0; s < kPrayerCount; ++s) {
            const std::string key = LowerCase(PrayerShortName(s));
            const auto value = static_cast<double>(day.row[s]);
            if (const std::optional<std::int64_t> minutes = minutesOf[s]) {
                times[key] =
                    IsoLocalDateTime(day.date, *minutes) + OffsetText(day.eventOffsetHours[s]);
                hours[key] = value;
            } else {
                times[key] = nullptr;
                hours[key] = nullptr;
            }
            texts[key] = TimeField(value, clock24);
        }
        list.push_back({{"date", IsoDate(day.date)},
                        {"hijri", HijriJson(day.hijri)},
                        {"holiday", HolidayJson(day.hijri)},
                        {"utcOffset", offset},
                        {"times", std::move(times)},
                        {"texts", std::move(texts)},
                        {"hours", std::move(hours)}});
        if (day.night) {
            list.back()["night"] = NightJson(day);
        }
        if (IsFridayDate(day.date)) {
            list.back()["jumuah"] = true;  // Zuhr is the Friday prayer; the key stays "zuhr"
        }
        if (day.printed) {
            list.back()["method"] = PrintedMethodText(city);
        }
    }
    document["days"] = std::move(list);
    out << document.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
}

}  // namespace orvanta
