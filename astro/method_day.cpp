#include "astro/method_day.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/day_table_rules.h"
#include "astro/solar_position.h"
#include "astro/twilight_rules.h"

namespace orvanta {
namespace {

constexpr double kSeasonalLatitudeLimitDeg = 55.0;  // the seasonal bound applies below it
constexpr int kNearestDaySpan = 183;                // days searched either way
constexpr int kFajr = 0, kShuruq = 1, kZuhr = 2, kAsr = 3, kMaghrib = 4, kIsha = 5;

using Slots = std::array<double, kMethodSlotCount>;

bool Exists(double t) {
    return t <= 360.0;
}

double TimeOf(const Crossing& c) {
    return c.exists ? c.hours : NO_EVENT_TIME;
}

double SinOfDepression(double depressionDeg) {
    return -std::sin(DegreesToRadians(depressionDeg));
}

// The sun's events of one date at one latitude, hours on the date's axis.
struct Events {
    double transit = 12.0;
    Crossing sunrise, sunset, fajr, asr, maghribAngle, isha;
    Crossing lastSunset, nextSunrise;  // the day before's sunset, the next day's sunrise
};

SunWindow WindowOf(const YearElements& el, const CityLocation& city, const MethodDayFacts& f,
                   int offset, double latitudeRad) {
    const auto at = static_cast<std::size_t>(offset + 1);
    return MakeSunWindow(el, city, f.dayIndex + 1 + offset,
                         {f.noon[at], f.noon[at + 1], f.noon[at + 2]}, latitudeRad);
}

// The crossing of a neighbouring date moved onto this date's axis.
Crossing Moved(Crossing c, double hours) {
    c.hours += hours;
    return c;
}

Crossing AsrOf(const SunWindow& w, double transit, double shadowFactor) {
    const SunAtHour noon = SunOnAxis(w, transit);
    const double noonZenith =
        std::fabs(w.latitudeRad - std::atan2(noon.sinDeclination, noon.cosDeclination));
    if (!(noonZenith < 0.5 * kPi)) {
        return {};  // the sun stays below the horizon: no shadow to measure
    }
    const double zenith = std::atan(shadowFactor + std::tan(noonZenith));
    return CrossingHours(w, std::cos(zenith), transit, false);
}

Events EventsAt(const YearElements& el, const CityLocation& city, const PrayerMethod& m,
                const MethodDayFacts& f, double latitudeRad) {
    std::array<HorizonDay, 3> horizon = f.horizon;
    if (latitudeRad != city.latitudeRad) {
        for (int k = 0; k < 3; ++k) {
            const auto at = static_cast<std::size_t>(k);
            horizon[at] = HorizonOf(el, city, f.dayIndex + k,
                                    {f.noon[at], f.noon[at + 1], f.noon[at + 2]}, latitudeRad);
        }
    }
    const SunWindow day = WindowOf(el, city, f, 0, latitudeRad);
    Events e;
    e.transit = horizon[1].transit;
    e.sunrise = horizon[1].sunrise;
    e.sunset = horizon[1].sunset;
    e.lastSunset = Moved(horizon[0].sunset, -24.0);
    e.nextSunrise = Moved(horizon[2].sunrise, 24.0);
    e.asr = AsrOf(day, e.transit, m.asrShadowFactor);
    if (m.fajrAngleDeg <= 90.0) {
        e.fajr = CrossingHours(day, SinOfDepression(m.fajrAngleDeg), e.transit, true);
    }
    if (m.ishaRule == IshaRule::kAngle && m.ishaAngleDeg <= 90.0) {
        e.isha = CrossingHours(day, SinOfDepression(m.ishaAngleDeg), e.transit, false);
    }
    if (m.maghribAngleDeg > 0.0 && m.maghribAngleDeg <= 90.0) {
        e.maghribAngle = CrossingHours(day, SinOfDepression(m.maghribAngleDeg), e.transit, false);
    }
    return e;
}

bool MaghribByAngle(const PrayerMethod& m) {
    return m.maghribAngleDeg > 0.0 && m.maghribAngleDeg <= 90.0;
}

// The six times as the sun gives them; Isha by interval is added later, after its Maghrib.
Slots SlotsOf(const Events& e, const PrayerMethod& m) {
    Slots s;
    s[kFajr] = TimeOf(e.fajr);
    s[kShuruq] = TimeOf(e.sunrise);
    s[kZuhr] = e.transit;
    s[kAsr] = TimeOf(e.asr);
    s[kMaghrib] = MaghribByAngle(m) ? TimeOf(e.maghribAngle) : TimeOf(e.sunset);
    s[kIsha] = m.ishaRule == IshaRule::kAngle ? TimeOf(e.isha) : NO_EVENT_TIME;
    return s;
}

// Hours of the night that ends at this sunrise and of the one that begins at this sunset; 0
// where the sun does not set or rise.
double NightBefore(const Events& e) {
    return e.sunrise.exists && e.lastSunset.exists ? e.sunrise.hours - e.lastSunset.hours : 0.0;
}
double NightAfter(const Events& e) {
    return e.sunset.exists && e.nextSunrise.exists ? e.nextSunrise.hours - e.sunset.hours : 0.0;
}

// Fajr no earlier than `limit` hours before sunrise, an evening time no later than `limit`
// hours after sunset; each stands in where the sun does not reach its angle.
void BoundMorning(double& t, const Events& e, double limit) {
    if (limit > 0.0 && e.sunrise.exists && (!Exists(t) || e.sunrise.hours - t > limit)) {
        t = e.sunrise.hours - limit;
    }
}
void BoundEvening(double& t, const Events& e, double limit) {
    if (limit > 0.0 && e.sunset.exists && (!Exists(t) || t - e.sunset.hours > limit)) {
        t = e.sunset.hours + limit;
    }
}

// The portion rules and the seasonal bound, for Fajr, a Maghrib by angle and an Isha by angle.
void BoundByPortion(Slots& s, const Events& e, const PrayerMethod& m, HighLatitudeRule rule,
                    const MethodDayFacts& f, double latitudeDeg) {
    const bool byAngle = m.ishaRule == IshaRule::kAngle;
    if (m.twilightBound == TwilightBound::kMoonsightingSeasonal &&
        std::fabs(latitudeDeg) < kSeasonalLatitudeLimitDeg) {
        const SeasonalTwilight t = MoonsightingTwilight(
            latitudeDeg, DaysSinceWinterSolstice(f.dayIndex, f.leapYear, latitudeDeg < 0.0));
        BoundMorning(s[kFajr], e, t.fajrMinutes * kOneSixtieth);
        if (byAngle) {
            BoundEvening(s[kIsha], e, t.ishaMinutes * kOneSixtieth);
        }
        return;
    }
    BoundMorning(s[kFajr], e, NightPortion(rule, m.fajrAngleDeg) * NightBefore(e));
    if (MaghribByAngle(m)) {
        BoundEvening(s[kMaghrib], e, NightPortion(rule, m.maghribAngleDeg) * NightAfter(e));
    }
    if (byAngle) {
        BoundEvening(s[kIsha], e, NightPortion(rule, m.ishaAngleDeg) * NightAfter(e));
    }
}

// A stood-in Fajr no earlier, an evening time no later, than the middle of its night.
void CapAtMiddle(double& t, const Events& e, bool morning) {
    if (!Exists(t)) {
        return;
    }
    if (morning && NightBefore(e) > 0.0) {
        t = std::fmax(t, e.sunrise.hours - 0.5 * NightBefore(e));
    } else if (!morning && NightAfter(e) > 0.0) {
        t = std::fmin(t, e.sunset.hours + 0.5 * NightAfter(e));
    }
}

// The interval after the final Maghrib, no later than the rule's portion of the night (the
// portion of the Fajr angle under twilight-angle: the interval has no angle of its own), or
// than the middle of the night under the rules that only stand in.
void AddIshaInterval(Slots& s, const Events& e, const PrayerMethod& m, bool ramadan) {
    if (m.ishaRule != IshaRule::kInterval || !Exists(s[kMaghrib])) {
        return;
    }
    const double minutes = ramadan && m.ramadanIshaIntervalMinutes > 0.0
                               ? m.ramadanIshaIntervalMinutes
                               : m.ishaIntervalMinutes;
    s[kIsha] = s[kMaghrib] + minutes * kOneSixtieth;
    const HighLatitudeRule rule = m.highLatitude;
    if (rule == HighLatitudeRule::kNearestDay || rule == HighLatitudeRule::kNearestLatitude) {
        CapAtMiddle(s[kIsha], e, false);
    } else if (const double limit = NightPortion(rule, m.fajrAngleDeg) * NightAfter(e);
               limit > 0.0) {
        s[kIsha] = std::fmin(s[kIsha], e.sunset.hours + limit);
    }
}

// The time on the nearest date, up to half a year either way (the earlier first), on which the
// sun reaches the altitude on that side of its transit; NO_EVENT_TIME when there is none. Each
// day's sun is computed once, when first needed.
double NearestDayTime(const YearElements& el, const CityLocation& city, const MethodDayFacts& f,
                      double sinAltitude, bool morning) {
    constexpr int kSpan = kNearestDaySpan + 1;  // samples either side of the date
    std::array<SunSample, 2 * kSpan + 1> noon{};
    std::array<bool, 2 * kSpan + 1> known{};
    const int date = f.dayIndex + 1;
    const auto sample = [&](int day) {
        const auto at = static_cast<std::size_t>(day - date + kSpan);
        if (!known[at]) {
            noon[at] = SunAtClockNoon(el, city, day);
            known[at] = true;
        }
        return noon[at];
    };
    for (int k = 1; k <= kNearestDaySpan; ++k) {
        for (const int day : {date - k, date + k}) {
            const SunWindow w = MakeSunWindow(
                el, city, day, {sample(day - 1), sample(day), sample(day + 1)}, city.latitudeRad);
            const Crossing c = CrossingHours(w, sinAltitude, TransitHours(w), morning);
            if (c.exists) {
                return c.hours;
            }
        }
    }
    return NO_EVENT_TIME;
}

void StandInNearestDay(Slots& s, const Events& e, const YearElements& el, const CityLocation& city,
                       const PrayerMethod& m, const MethodDayFacts& f) {
    const auto standIn = [&](int slot, double angleDeg, bool morning) {
        if (!Exists(s[slot])) {
            s[slot] = NearestDayTime(el, city, f, SinOfDepression(angleDeg), morning);
            CapAtMiddle(s[slot], e, morning);
        }
    };
    if (m.fajrAngleDeg <= 90.0) {
        standIn(kFajr, m.fajrAngleDeg, true);
    }
    if (MaghribByAngle(m)) {
        standIn(kMaghrib, m.maghribAngleDeg, false);
    }
    if (m.ishaRule == IshaRule::kAngle && m.ishaAngleDeg <= 90.0) {
        standIn(kIsha, m.ishaAngleDeg, false);
    }
}

// The part of the night a twilight takes at the reference latitude, as a fraction of the night
// there (0 .. 0.5 after the middle-of-night bound), applied to the place's own night; where the
// place has no night on that side, the same duration instead.
double ShareOfNight(double refTime, const Crossing& refEdge, double refNight, const Crossing& edge,
                    double night) {
    const double span = std::fabs(refTime - refEdge.hours);
    const double share = refNight > 0.0 && night > 0.0 ? span / refNight * night : span;
    return refTime < refEdge.hours ? edge.hours - share : edge.hours + share;
}

// Where the sun does not rise or set, the whole day as at the reference latitude (true is
// returned: the times now belong to `reference`); else each twilight that does not occur takes
// the same part of the place's night as it takes there (the Fiqh Council's analogy with the
// nearest place where the signs are distinct). At the reference latitude a twilight that does
// not occur either is bounded by the middle of the night.
bool StandInNearestLatitude(Slots& s, const Events& place, const Events& reference,
                            const PrayerMethod& m, const MethodDayFacts& f) {
    PrayerMethod middle = m;
    middle.twilightBound = TwilightBound::kNone;
    Slots ref = SlotsOf(reference, m);
    BoundByPortion(ref, reference, middle, HighLatitudeRule::kMiddleOfNight, f, 0.0);
    if (!place.sunrise.exists || !place.sunset.exists) {
        s = ref;
        return true;
    }
    const auto standIn = [&](int slot, bool morning) {
        const Crossing& refEdge = morning ? reference.sunrise : reference.sunset;
        if (!Exists(s[slot]) && Exists(ref[slot]) && refEdge.exists) {
            s[slot] = morning ? ShareOfNight(ref[slot], refEdge, NightBefore(reference),
                                             place.sunrise, NightBefore(place))
                              : ShareOfNight(ref[slot], refEdge, NightAfter(reference),
                                             place.sunset, NightAfter(place));
            CapAtMiddle(s[slot], place, morning);
        }
    };
    standIn(kFajr, true);
    // Where the sun's centre stays below the horizon at noon there is no shadow to measure:
    // Asr takes the same share of the afternoon as at the reference latitude.
    if (!Exists(s[kAsr]) && Exists(ref[kAsr]) && reference.sunset.exists) {
        s[kAsr] = place.transit + (ref[kAsr] - reference.transit) /
                                      (reference.sunset.hours - reference.transit) *
                                      (place.sunset.hours - place.transit);
    }
    if (MaghribByAngle(m)) {
        standIn(kMaghrib, false);
    }
    if (m.ishaRule == IshaRule::kAngle) {
        standIn(kIsha, false);
    }
    return false;
}

// True when a time the nearest-latitude rule stands in for is missing.
bool NeedsReference(const Events& place, const Slots& s, const PrayerMethod& m) {
    return !place.sunrise.exists || !place.sunset.exists || !Exists(s[kFajr]) || !Exists(s[kAsr]) ||
           (MaghribByAngle(m) && !Exists(s[kMaghrib])) ||
           (m.ishaRule == IshaRule::kAngle && !Exists(s[kIsha]));
}

// Blanks every time that is not in its place: Zuhr is the anchor; Shuruq and Fajr lie before
// it in that order and after the last sunset; Asr and Maghrib after it in that order; Isha at
// or after Maghrib (after Asr or Zuhr without one) and before the next sunrise.
void KeepOrder(Slots& s, const Events& e) {
    double bound = s[kZuhr];
    for (const int i : {kShuruq, kFajr}) {
        if (Exists(s[i]) && s[i] < bound) {
            bound = s[i];
        } else {
            s[i] = NO_EVENT_TIME;
        }
    }
    if (Exists(s[kFajr]) && e.lastSunset.exists && !(s[kFajr] > e.lastSunset.hours)) {
        s[kFajr] = NO_EVENT_TIME;
    }
    bound = s[kZuhr];
    for (const int i : {kAsr, kMaghrib}) {
        if (Exists(s[i]) && s[i] > bound) {
            bound = s[i];
        } else {
            s[i] = NO_EVENT_TIME;
        }
    }
    if (Exists(s[kIsha])) {
        const bool placed = s[kIsha] > bound || (Exists(s[kMaghrib]) && s[kIsha] == bound);
        if (!placed || (e.nextSunrise.exists && !(s[kIsha] < e.nextSunrise.hours))) {
            s[kIsha] = NO_EVENT_TIME;
        }
    }
}

// The method's minutes and rounding, the order, then the user's minutes.
DayRow Finish(Slots& s, const Events& e, const PrayerMethod& m) {
    for (int i = 0; i < kMethodSlotCount; ++i) {
        if (Exists(s[i])) {
            s[i] += m.methodMinutes[i] * kOneSixtieth;
            s[i] = m.rounding == RoundingRule::kUp ? RoundUpToMinute(s[i]) : s[i];
        }
    }
    KeepOrder(s, e);
    DayRow row{};
    for (int i = 0; i < kMethodSlotCount; ++i) {
        double t = s[i];
        if (Exists(t)) {
            t += m.adjustmentMinutes[i] * kOneSixtieth;
        }
        row[i] = ToSlot(t);
    }
    return row;
}

}  // namespace

HorizonDay HorizonOf(const YearElements& elements, const CityLocation& city, int dayNumber,
                     const std::array<SunSample, 3>& noon, double latitudeRad) {
    const double horizon = std::sin(DegreesToRadians(-kHorizonDepressionDeg));
    const SunWindow w = MakeSunWindow(elements, city, dayNumber, noon, latitudeRad);
    HorizonDay day;
    day.transit = TransitHours(w);
    day.sunrise = CrossingHours(w, horizon, day.transit, true);
    day.sunset = CrossingHours(w, horizon, day.transit, false);
    return day;
}

DayRow ComputeMethodRow(const YearElements& elements, const CityLocation& city,
                        const PrayerMethod& method, const MethodDayFacts& facts) {
    const double latitudeDeg = city.latitudeRad / kRadiansPerDegree;
    const Events place = EventsAt(elements, city, method, facts, city.latitudeRad);
    Slots s = SlotsOf(place, method);
    const Events* frame = &place;
    Events reference;
    if (method.highLatitude == HighLatitudeRule::kNearestLatitude &&
        NeedsReference(place, s, method)) {
        const double degrees = std::copysign(method.nearestLatitudeDeg, latitudeDeg);
        reference = EventsAt(elements, city, method, facts, DegreesToRadians(degrees));
        if (StandInNearestLatitude(s, place, reference, method, facts)) {
            frame = &reference;
        }
    } else if (method.highLatitude == HighLatitudeRule::kNearestDay) {
        StandInNearestDay(s, place, elements, city, method, facts);
    }
    if (frame == &place) {
        BoundByPortion(s, place, method, method.highLatitude, facts, latitudeDeg);
    }
    AddIshaInterval(s, *frame, method, facts.ramadan);
    return Finish(s, *frame, method);
}

}  // namespace orvanta
