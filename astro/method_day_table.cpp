#include "astro/method_day_table.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/day_table_rules.h"
#include "astro/solar_position.h"
#include "astro/twilight_rules.h"

namespace orvanta {
namespace {

constexpr double kSeasonalLatitudeLimitDeg = 55.0;  // above it the high-latitude rule applies
constexpr double kRadToDeg = 57.29577951308232;

// Zenith distances (radians) of the method's events, fixed over one call.
struct MethodAngles {
    double horizon;  // 90.83 deg, as the classic table
    double fajr;
    double isha;
    double maghrib;
    bool fajrReachable;  // depressions beyond 90 deg never happen
    bool ishaByAngle;
    bool ishaReachable;
    bool maghribByAngle;
};

MethodAngles AnglesOf(const PrayerMethod& m) {
    MethodAngles a{};
    a.horizon = DegreesToRadians(90.83);
    a.fajr = DegreesToRadians(m.fajrAngleDeg + 90.0);
    a.isha = DegreesToRadians(m.ishaAngleDeg + 90.0);
    a.maghrib = DegreesToRadians(m.maghribAngleDeg + 90.0);
    a.fajrReachable = m.fajrAngleDeg <= 90.0;
    a.ishaByAngle = m.ishaRule == IshaRule::Angle;
    a.ishaReachable = a.ishaByAngle && m.ishaAngleDeg <= 90.0;
    a.maghribByAngle = m.maghribAngleDeg > 0.0 && m.maghribAngleDeg <= 90.0;
    return a;
}

// Each event's estimate of its time today (hours), carried from the previous day.
struct MethodSeeds {
    double fajr = kFajrSeed.fallback;
    double shuruq = kShuruqSeed.fallback;
    double asr = kAsrSeed.fallback;
    double sunset = kMaghribSeed.fallback;
    double maghrib = kMaghribSeed.fallback;  // the Maghrib angle's own event
    double isha = kIshaSeed.fallback;
};

// One event: its time for the day and the next day's seed, as the classic table carries it.
double Track(double time, double& seed, double fallback) {
    seed = NextSeed(ToSlot(time), time, fallback);
    return time;
}

struct Day {
    const YearElements& el;
    const CityLocation& city;
    std::int16_t dayNumber;

    double At(double zenith, double seed, std::int16_t morning) const {
        return SolarEventTime(el, city, dayNumber, zenith, seed, morning);
    }
};

MethodSeeds InitialSeeds(const Day& d, const PrayerMethod& m, const MethodAngles& a) {
    const auto seedOf = [](double t, const SeedRule& rule) { return t < 24.0 ? t : rule.fallback; };
    const double asrAngle = AsrZenithDistance(
        m.asrShadowFactor, SolarTransit(d.el, d.city, d.dayNumber).noonZenithDistanceRad);
    MethodSeeds s;
    s.shuruq = seedOf(d.At(a.horizon, kShuruqSeed.initial, kMorning), kShuruqSeed);
    s.asr = seedOf(d.At(asrAngle, kAsrSeed.initial, kEvening), kAsrSeed);
    s.sunset = seedOf(d.At(a.horizon, kMaghribSeed.initial, kEvening), kMaghribSeed);
    if (a.maghribByAngle) {
        s.maghrib = seedOf(d.At(a.maghrib, kMaghribSeed.initial, kEvening), kMaghribSeed);
    }
    if (a.fajrReachable) {
        s.fajr = seedOf(d.At(a.fajr, kFajrSeed.initial, kMorning), kFajrSeed);
    }
    if (a.ishaReachable) {
        s.isha = seedOf(d.At(a.isha, kIshaSeed.initial, kEvening), kIshaSeed);
    }
    return s;
}

bool Exists(double t) {
    return t <= 360.0;
}

// The day's six times before the bounds and offsets, in day-row order, plus the sunset.
struct RawDay {
    std::array<double, kMethodSlotCount> slot{};
    double sunset = NO_EVENT_TIME;
};

RawDay ComputeRaw(const Day& d, const PrayerMethod& m, const MethodAngles& a, bool ramadan,
                  MethodSeeds& s) {
    RawDay r;
    const SolarTransitResult transit = SolarTransit(d.el, d.city, d.dayNumber);
    const double asrAngle = AsrZenithDistance(m.asrShadowFactor, transit.noonZenithDistanceRad);
    r.slot[SlotIndex(PrayerSlot::Zuhr)] = transit.clockHours;
    r.slot[SlotIndex(PrayerSlot::Shuruq)] =
        Track(d.At(a.horizon, s.shuruq, kMorning), s.shuruq, kShuruqSeed.fallback);
    r.slot[SlotIndex(PrayerSlot::Asr)] =
        Track(d.At(asrAngle, s.asr, kEvening), s.asr, kAsrSeed.fallback);
    r.sunset = Track(d.At(a.horizon, s.sunset, kEvening), s.sunset, kMaghribSeed.fallback);
    const double maghrib = a.maghribByAngle ? Track(d.At(a.maghrib, s.maghrib, kEvening), s.maghrib,
                                                    kMaghribSeed.fallback)
                                            : r.sunset;
    r.slot[SlotIndex(PrayerSlot::Maghrib)] = maghrib;
    r.slot[SlotIndex(PrayerSlot::Fajr)] =
        a.fajrReachable ? Track(d.At(a.fajr, s.fajr, kMorning), s.fajr, kFajrSeed.fallback)
                        : NO_EVENT_TIME;
    double isha = NO_EVENT_TIME;
    if (a.ishaByAngle) {
        isha = a.ishaReachable ? Track(d.At(a.isha, s.isha, kEvening), s.isha, kIshaSeed.fallback)
                               : NO_EVENT_TIME;
    } else if (Exists(maghrib)) {
        const double minutes = ramadan && m.ramadanIshaIntervalMinutes > 0.0
                                   ? m.ramadanIshaIntervalMinutes
                                   : m.ishaIntervalMinutes;
        isha = maghrib + minutes * kOneSixtieth;
    }
    r.slot[SlotIndex(PrayerSlot::Isha)] = isha;
    return r;
}

// The longest Fajr and Isha may lie from sunrise and sunset that day, in hours; 0 = no limit.
struct TwilightLimit {
    double fajrHours = 0.0;
    double ishaHours = 0.0;
};

TwilightLimit LimitOf(const PrayerMethod& m, const CityLocation& city, double night, int dayIndex,
                      bool leapYear) {
    const double latitudeDeg = city.latitudeRad * kRadToDeg;
    if (m.twilightBound == TwilightBound::MoonsightingSeasonal &&
        std::fabs(latitudeDeg) < kSeasonalLatitudeLimitDeg) {
        const SeasonalTwilight t = MoonsightingTwilight(
            latitudeDeg, DaysSinceWinterSolstice(dayIndex, leapYear, latitudeDeg < 0.0));
        return TwilightLimit{t.fajrMinutes * kOneSixtieth, t.ishaMinutes * kOneSixtieth};
    }
    return TwilightLimit{NightPortion(m.highLatitude, m.fajrAngleDeg) * night,
                         NightPortion(m.highLatitude, m.ishaAngleDeg) * night};
}

void BoundTwilights(RawDay& r, const PrayerMethod& m, const CityLocation& city, int dayIndex,
                    bool leapYear) {
    const double sunrise = r.slot[SlotIndex(PrayerSlot::Shuruq)];
    if (!Exists(sunrise) || !Exists(r.sunset)) {
        return;  // no night to divide: the twilight stays as computed
    }
    const double night = 24.0 - (r.sunset - sunrise);
    const TwilightLimit limit = LimitOf(m, city, night, dayIndex, leapYear);
    double& fajr = r.slot[SlotIndex(PrayerSlot::Fajr)];
    if (limit.fajrHours > 0.0 && (!Exists(fajr) || sunrise - fajr > limit.fajrHours)) {
        fajr = sunrise - limit.fajrHours;
    }
    double& isha = r.slot[SlotIndex(PrayerSlot::Isha)];
    if (m.ishaRule == IshaRule::Angle && limit.ishaHours > 0.0 &&
        (!Exists(isha) || isha - r.sunset > limit.ishaHours)) {
        isha = r.sunset + limit.ishaHours;
    }
}

void StoreRow(DayRow& row, const RawDay& r, const PrayerMethod& m) {
    for (int i = 0; i < kMethodSlotCount; ++i) {
        double t = r.slot[i];
        if (Exists(t)) {
            t += (m.methodMinutes[i] + m.adjustmentMinutes[i]) * kOneSixtieth;
            if (m.rounding == RoundingRule::Up) {
                t = RoundUpToMinute(t);
            }
        }
        row[i] = ToSlot(t);
    }
}

}  // namespace

bool ComputeMethodDayTable(DayTable& table, std::int16_t first, std::int16_t last,
                           const YearElements& elements, const CityLocation& city,
                           const PrayerMethod& method, const MethodYear& year) {
    if (first < 0 || last > kDaysInTable) {
        return false;
    }
    if (first >= last) {
        return true;
    }
    const MethodAngles angles = AnglesOf(method);
    // The priming day number equals the first row's index: the day before the first row.
    MethodSeeds seeds = InitialSeeds(Day{elements, city, first}, method, angles);
    for (int i = first; i < last; ++i) {
        const Day day{elements, city, static_cast<std::int16_t>(i + 1)};
        RawDay raw = ComputeRaw(day, method, angles, year.ramadan[i] != 0, seeds);
        BoundTwilights(raw, method, city, i, year.leapYear);
        StoreRow(table.rows[i], raw, method);
    }
    ApplyDaylightShifts(table, first, last, year.daylightShifts);
    return true;
}

DayRow ComputeMethodSingleDayRow(std::int16_t index, const YearElements& elements,
                                 const CityLocation& city, const PrayerMethod& method,
                                 bool ramadanDay, bool leapYear, double shiftHours) {
    const MethodAngles angles = AnglesOf(method);
    MethodSeeds seeds = InitialSeeds(Day{elements, city, index}, method, angles);
    const Day day{elements, city, static_cast<std::int16_t>(index + 1)};
    RawDay raw = ComputeRaw(day, method, angles, ramadanDay, seeds);
    BoundTwilights(raw, method, city, index, leapYear);
    DayRow row{};
    StoreRow(row, raw, method);
    ShiftRow(row, shiftHours);
    return row;
}

}  // namespace orvanta
