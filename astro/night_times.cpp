#include "astro/night_times.h"

#include "astro/day_table.h"

namespace orvanta {
namespace {

constexpr double kNoEventAbove = 360.0;  // hours; NO_EVENT_TIME and its shifted values

std::optional<double> Happens(double hours) {
    if (!(hours <= kNoEventAbove)) {  // NaN counts as no event
        return std::nullopt;
    }
    return hours;
}

}  // namespace

NightTimes ComputeNightTimes(const NightEvents& events, NightEnd end, int imsakMinutes) {
    NightTimes night;
    if (const std::optional<double> fajr = Happens(events.fajr)) {
        night.imsak = *fajr - imsakMinutes / 60.0;
    }
    const std::optional<double> start = Happens(events.sunset);
    const std::optional<double> finish =
        Happens(end == NightEnd::kFajr ? events.nextFajr : events.nextSunrise);
    if (!start || !finish) {
        return night;
    }
    const double length = *finish - *start;  // hours
    if (length <= 0.0 || length > 24.0) {
        return night;
    }
    night.midnight = *start + length / 2.0;
    night.lastThird = *start + length * 2.0 / 3.0;
    return night;
}

PrayerMethod SunEventsMethod(PrayerMethod method) {
    method.maghribAngleDeg = 0.0;
    for (const PrayerSlot slot : {PrayerSlot::kShuruq, PrayerSlot::kMaghrib}) {
        method.methodMinutes[static_cast<std::size_t>(SlotIndex(slot))] = 0;
        method.adjustmentMinutes[static_cast<std::size_t>(SlotIndex(slot))] = 0;
    }
    return method;
}

}  // namespace orvanta
