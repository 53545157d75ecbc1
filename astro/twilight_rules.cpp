#include "astro/twilight_rules.h"

#include <cmath>

namespace orvanta {
namespace {

// Anchor minutes at latitude 0 and their growth per degree of |latitude| (x / 55), at the
// winter solstice (a), 91 days later (b), 137 days later (c) and at the summer solstice (d).
struct SeasonalAnchors {
    double a, b, c, d;  // minutes per 55 degrees of |latitude|
};
constexpr double kBaseMinutes = 75.0;
constexpr SeasonalAnchors kFajrAnchors{28.65, 19.44, 32.74, 48.10};
constexpr SeasonalAnchors kIshaAnchors{25.60, 2.050, -9.21, 6.14};

// The piecewise-linear seasonal curve through the anchors at days 0, 91, 137, 183, 229, 275
// and back to the first anchor at the next solstice (day 366).
double SeasonalMinutes(const SeasonalAnchors& k, double latitude, int days) {
    const double f = std::fabs(latitude) / 55.0;
    const double a = kBaseMinutes + k.a * f;
    const double b = kBaseMinutes + k.b * f;
    const double c = kBaseMinutes + k.c * f;
    const double d = kBaseMinutes + k.d * f;
    const auto line = [days](double from, double to, int start, int span) {
        return from + (to - from) / span * (days - start);
    };
    if (days < 91) {
        return line(a, b, 0, 91);
    }
    if (days < 137) {
        return line(b, c, 91, 46);
    }
    if (days < 183) {
        return line(c, d, 137, 46);
    }
    if (days < 229) {
        return line(d, c, 183, 46);
    }
    if (days < 275) {
        return line(c, b, 229, 46);
    }
    return line(b, a, 275, 91);
}

}  // namespace

double NightPortion(HighLatitudeRule rule, double angleDeg) {
    switch (rule) {
        case HighLatitudeRule::kMiddleOfNight:
            return 0.5;
        case HighLatitudeRule::kSeventhOfNight:
            return 1.0 / 7.0;
        case HighLatitudeRule::kTwilightAngle:
            return angleDeg / 60.0;
        case HighLatitudeRule::kNone:
        case HighLatitudeRule::kNearestDay:
        case HighLatitudeRule::kNearestLatitude:
            break;
    }
    return 0.0;
}

SeasonalTwilight MoonsightingTwilight(double latitudeDeg, int daysSinceWinterSolstice) {
    return SeasonalTwilight{SeasonalMinutes(kFajrAnchors, latitudeDeg, daysSinceWinterSolstice),
                            SeasonalMinutes(kIshaAnchors, latitudeDeg, daysSinceWinterSolstice)};
}

int DaysSinceWinterSolstice(int dayIndex, bool leapYear, bool south) {
    const int leap = leapYear ? 1 : 0;
    const int daysInYear = 365 + leap;
    const int solstice = (south ? 171 : 354) + leap;  // index of 21 June / 21 December
    return dayIndex >= solstice ? dayIndex - solstice : dayIndex + (daysInYear - solstice);
}

double RoundUpToMinute(double hours) {
    if (!(hours <= 360.0)) {
        return hours;
    }
    constexpr double kSlackMinutes = 1e-6 / 60.0;  // one microsecond
    return std::ceil(hours * 60.0 - kSlackMinutes) / 60.0;
}

}  // namespace orvanta
