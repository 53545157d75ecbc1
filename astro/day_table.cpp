#include "astro/day_table.h"

#include <cmath>
#include <limits>

#include "astro/angles.h"
#include "astro/day_table_rules.h"
#include "astro/solar_position.h"

namespace orvanta {
namespace {

// Each event's estimate of its time today, carried from the previous day (hours).
struct Seeds {
    double fajr;
    double shuruq;
    double asr;
    double maghrib;
    double isha;
};

// The inputs that stay fixed over one call: the zenith distances sought, as their fixed terms.
struct Angles {
    EventGeometry horizon;   // kHorizonZenithDeg: upper limb on the horizon, refraction
    EventGeometry twilight;  // 90 deg + depression
    bool twilightReachable;  // false for a depression above 90 deg (or not a number)
};

Angles AnglesOf(const CityLocation& city, const PrayerSettings& settings) {
    Angles a;
    a.horizon = EventGeometryOf(city, DegreesToRadians(kHorizonZenithDeg));
    a.twilight = EventGeometryOf(city, DegreesToRadians(settings.depressionDegrees + 90.0));
    // Beyond 90 deg the angle would wrap around the circle and put Fajr after sunrise.
    a.twilightReachable = settings.depressionDegrees <= 90.0;
    return a;
}

// The Asr event of a day: the zenith distance at which a shadow is the noon shadow plus the
// shadow factor times the object's height.
EventGeometry AsrGeometry(const CityLocation& city, const PrayerSettings& settings,
                          const SolarTransitResult& transit) {
    return EventGeometryOf(
        city, AsrZenithDistance(settings.asrShadowFactor, transit.noonZenithDistanceRad));
}

// The seeds of the day after dayNumber, from dayNumber's events at the first estimates; transit
// is SolarTransit of dayNumber.
Seeds InitialSeeds(const YearElements& el, const CityLocation& city, const PrayerSettings& settings,
                   const Angles& angles, std::int16_t dayNumber,
                   const SolarTransitResult& transit) {
    const auto seedOf = [](double t, const SeedRule& rule) { return t < 24.0 ? t : rule.fallback; };
    const EventGeometry asr = AsrGeometry(city, settings, transit);
    Seeds s;
    s.shuruq =
        seedOf(SolarEventTime(el, city, dayNumber, angles.horizon, kShuruqSeed.initial, kMorning),
               kShuruqSeed);
    s.asr = seedOf(SolarEventTime(el, city, dayNumber, asr, kAsrSeed.initial, kEvening), kAsrSeed);
    s.maghrib =
        seedOf(SolarEventTime(el, city, dayNumber, angles.horizon, kMaghribSeed.initial, kEvening),
               kMaghribSeed);
    s.fajr = kFajrSeed.fallback;
    s.isha = kIshaSeed.fallback;
    if (settings.method == TwilightMethod::kDepressionAngle && angles.twilightReachable) {
        s.fajr = seedOf(
            SolarEventTime(el, city, dayNumber, angles.twilight, kFajrSeed.initial, kMorning),
            kFajrSeed);
        s.isha = seedOf(
            SolarEventTime(el, city, dayNumber, angles.twilight, kIshaSeed.initial, kEvening),
            kIshaSeed);
    }
    return s;
}

// Computes one event, stores it in its slot and carries its seed to the next day.
double StoreEvent(DayRow& row, PrayerSlot slot, double time, double& seed, double fallback) {
    row[SlotIndex(slot)] = ToSlot(time);
    seed = NextSeed(row[SlotIndex(slot)], time, fallback);
    return time;
}

// Fills the row of dayNumber from the seeds and carries them on; transit is SolarTransit of
// dayNumber.
void ComputeRow(DayRow& row, std::int16_t dayNumber, const YearElements& el,
                const CityLocation& city, const PrayerSettings& settings, const Angles& angles,
                Seeds& seeds, const SolarTransitResult& transit) {
    row[SlotIndex(PrayerSlot::kZuhr)] = ToSlot(transit.clockHours);
    const EventGeometry asr = AsrGeometry(city, settings, transit);

    const double sunrise =
        StoreEvent(row, PrayerSlot::kShuruq,
                   SolarEventTime(el, city, dayNumber, angles.horizon, seeds.shuruq, kMorning),
                   seeds.shuruq, kShuruqSeed.fallback);
    StoreEvent(row, PrayerSlot::kAsr, SolarEventTime(el, city, dayNumber, asr, seeds.asr, kEvening),
               seeds.asr, kAsrSeed.fallback);
    const double sunset =
        StoreEvent(row, PrayerSlot::kMaghrib,
                   SolarEventTime(el, city, dayNumber, angles.horizon, seeds.maghrib, kEvening),
                   seeds.maghrib, kMaghribSeed.fallback);

    if (settings.method != TwilightMethod::kDepressionAngle) {
        // Interval mode follows today's own sunrise and sunset whenever they have a time (also
        // a time past 24 h, as in zones far ahead of their longitude); without one, the
        // carried fallback seeds 5.0 and 21.0 stand in. No wrapping, no fallback afterwards.
        const double k = settings.intervalMinutes * kOneSixtieth;
        const double fajr = (sunrise <= 360.0 ? sunrise : seeds.shuruq) - k;
        const double isha = k + (sunset <= 360.0 ? sunset : seeds.maghrib);
        row[SlotIndex(PrayerSlot::kFajr)] = ToSlot(fajr);
        row[SlotIndex(PrayerSlot::kIsha)] = ToSlot(isha);
        return;
    }
    const double fajr =
        angles.twilightReachable
            ? SolarEventTime(el, city, dayNumber, angles.twilight, seeds.fajr, kMorning)
            : NO_EVENT_TIME;
    StoreEvent(row, PrayerSlot::kFajr, fajr, seeds.fajr, kFajrSeed.fallback);
    const double isha =
        angles.twilightReachable
            ? SolarEventTime(el, city, dayNumber, angles.twilight, seeds.isha, kEvening)
            : NO_EVENT_TIME;
    StoreEvent(row, PrayerSlot::kIsha, isha, seeds.isha, kIshaSeed.fallback);
}

}  // namespace

void ShiftRow(DayRow& row, double shiftHours) {
    if (shiftHours == 0.0) {
        return;
    }
    for (int s = 0; s < kPrayerCount; ++s) {
        row[s] = ToSlot(static_cast<double>(row[s]) + shiftHours);
    }
}

void ApplyDaylightShifts(DayTable& table, int first, int last, const DaylightShiftTable& shifts) {
    for (int j = first; j < last; ++j) {
        ShiftRow(table.rows[j], shifts[j]);
    }
}

float ToSlot(double hours) {
    constexpr double kMaxFloat = std::numeric_limits<float>::max();
    if (std::isfinite(hours) && std::fabs(hours) > kMaxFloat) {
        constexpr float kInfinity = std::numeric_limits<float>::infinity();
        return hours > 0.0 ? kInfinity : -kInfinity;
    }
    return static_cast<float>(hours);
}

double NextSeed(float stored, double returned, double fallback) {
    return static_cast<double>(stored) < 24.0 ? returned : fallback;
}

double AsrZenithDistance(double shadowFactor, double noonZenithDistanceRad) {
    return std::atan(shadowFactor + std::tan(noonZenithDistanceRad));
}

bool ComputeDayTable(DayTable& table, std::int16_t first, std::int16_t last,
                     const YearElements& elements, const CityLocation& city,
                     const PrayerSettings& settings, const DaylightShiftTable& daylightShifts) {
    if (first < 0 || last > kDaysInTable) {
        return false;
    }
    if (first >= last) {
        return true;
    }
    const Angles angles = AnglesOf(city, settings);
    // The priming day number equals the first row's index: the day before the first row.
    Seeds seeds =
        InitialSeeds(elements, city, settings, angles, first, SolarTransit(elements, city, first));
    for (int i = first; i < last; ++i) {
        const auto dayNumber = static_cast<std::int16_t>(i + 1);
        ComputeRow(table.rows[i], dayNumber, elements, city, settings, angles, seeds,
                   SolarTransit(elements, city, dayNumber));
    }
    ApplyDaylightShifts(table, first, last, daylightShifts);
    return true;
}

DayRow ComputeSingleDayRow(std::int16_t index, const YearElements& elements,
                           const CityLocation& city, const PrayerSettings& settings,
                           double shiftHours) {
    const Angles angles = AnglesOf(city, settings);
    Seeds seeds =
        InitialSeeds(elements, city, settings, angles, index, SolarTransit(elements, city, index));
    DayRow row{};
    const auto dayNumber = static_cast<std::int16_t>(index + 1);
    ComputeRow(row, dayNumber, elements, city, settings, angles, seeds,
               SolarTransit(elements, city, dayNumber));
    ShiftRow(row, shiftHours);
    return row;
}

bool ComputeSingleDayRows(DayTable& table, std::int16_t first, std::int16_t last,
                          const YearElements& elements, const CityLocation& city,
                          const PrayerSettings& settings,
                          const DaylightShiftTable& daylightShifts) {
    if (first < 0 || last > kDaysInTable) {
        return false;
    }
    const Angles angles = AnglesOf(city, settings);
    // Each row is primed from its own day before, as a single day is; that day's transit is
    // the previous row's own.
    SolarTransitResult dayBefore = SolarTransit(elements, city, first);
    for (int i = first; i < last; ++i) {
        const auto dayNumber = static_cast<std::int16_t>(i + 1);
        const SolarTransitResult transit = SolarTransit(elements, city, dayNumber);
        Seeds seeds =
            InitialSeeds(elements, city, settings, angles, static_cast<std::int16_t>(i), dayBefore);
        ComputeRow(table.rows[i], dayNumber, elements, city, settings, angles, seeds, transit);
        ShiftRow(table.rows[i], daylightShifts[static_cast<std::size_t>(i)]);
        dayBefore = transit;
    }
    return true;
}

}  // namespace orvanta
