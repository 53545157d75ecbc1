#include "cli/next_command.h"

#include <cmath>
#include <sstream>

#include "cli/error_line.h"
#include "cli/next_output.h"
#include "cli/run_setup.h"
#include "cli/timetable_command.h"
#include "timetable/civil_time.h"
#include "timetable/hijri_days.h"
#include "zones/zone_rules.h"

namespace orvanta {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;
// Where no event comes in the days around now (a polar day or night without a method that
// fills it), the search goes on this many days.
constexpr std::int64_t kLongestSearchDays = 366;

constexpr std::int64_t kFirstDay = civil::DaysFromCivil(1, 1, 2);      // keeps the day before
constexpr std::int64_t kLastDay = civil::DaysFromCivil(9999, 12, 30);  // and the day after

// The given moment's seconds since 1970 UT on its own offset, or on the local clock of the
// place as written on it: the zone's offset in force then (found twice, so that a moment just
// after a change takes the offset after it), else the offset of that date's noon.
std::int64_t InstantOf(const GivenInstant& given, const CityLocation& city,
                       const std::vector<DatedRow>& days) {
    const std::int64_t local = DaysFromCivil(given.date) * kSecondsPerDay + given.secondOfDay;
    if (given.offsetSeconds) {
        return local - *given.offsetSeconds;
    }
    if (!city.zoneName.empty()) {
        const auto guess = std::lround(city.zoneHours * 3600.0);
        const std::optional<std::int32_t> first = ZoneOffsetAtInstant(city.zoneName, local - guess);
        const std::optional<std::int32_t> second =
            first ? ZoneOffsetAtInstant(city.zoneName, local - *first) : std::nullopt;
        if (second) {
            return local - *second;
        }
    }
    for (const DatedRow& day : days) {
        if (day.date.year == given.date.year && day.date.month == given.date.month &&
            day.date.day == given.date.day) {
            return local - std::lround(day.utcOffsetHours * 3600.0);
        }
    }
    return local - std::lround(city.zoneHours * 3600.0);
}

// The days from first to last (day numbers), kept within the years 1 .. 9999, with the city's
// printed timetable where it covers them.
std::optional<std::vector<DatedRow>> DaysAround(std::int64_t first, std::int64_t last,
                                                const RunSetup& setup, const NextRequest& request,
                                                const TimesServices& services) {
    first = std::clamp(first, kFirstDay - 1, kLastDay + 1);
    last = std::clamp(last, kFirstDay - 1, kLastDay + 1);
    const LocationSource source = request.times.source;
    const PrintedDays printed = PrintedDaysOfRun(services, setup, source, first, last);
    return ComputeDateRange(
        CivilFromDays(first), CivilFromDays(last), setup.city, setup.settings, setup.choice,
        source == LocationSource::kCoordinates ? ZoneYears::kEachYear : ZoneYears::kAsGiven,
        &printed);
}

}  // namespace

int RunNextCommand(const NextRequest& request, std::ostream& out, std::ostream& err,
                   const TimesServices& services) {
    std::optional<std::int64_t> nowUtc;
    if (request.now && request.now->offsetSeconds) {
        nowUtc = InstantOf(*request.now, CityLocation{}, {});
    } else if (!request.now && services.nowUtc) {
        nowUtc = services.nowUtc();
    } else if (!request.now) {
        WriteErrorLine(err, "cannot read the time from the system clock");
        return 1;
    }
    const std::int64_t roughDay =
        request.now ? DaysFromCivil(request.now->date) : FloorDiv(*nowUtc, kSecondsPerDay);
    RunSetup setup;
    if (const int status =
            SetUpRun(request.times, services,
                     CivilFromDays(std::clamp(roughDay, kFirstDay, kLastDay)).year, err, setup);
        status != 0) {
        return status;
    }
    // The local date is within a day of roughDay: the days around it hold the event before now
    // and the next one, unless the place has none for days.
    std::optional<std::vector<DatedRow>> days =
        DaysAround(roughDay - 1, roughDay + 2, setup, request, services);
    if (!days) {
        return ReportNoDays(setup.city, err);
    }
    if (!nowUtc) {
        nowUtc = InstantOf(*request.now, setup.city, *days);
    }
    std::optional<NextPrayer> next = FindNextPrayer(*days, *nowUtc);
    if (!next) {
        days = DaysAround(roughDay - 1, roughDay + kLongestSearchDays, setup, request, services);
        next = days ? FindNextPrayer(*days, *nowUtc) : std::nullopt;
    }
    if (!next) {
        WriteErrorLine(err, "no prayer time comes in the year after that moment at this place");
        return 1;
    }
    if (request.format == NextRequest::Format::kWaybar &&
        !AddHijriDates(*days, setup.hijriOffset)) {
        WriteErrorLine(err, "cannot compute the Hijri dates (the ICU calendar data)");
        return 1;
    }
    std::ostringstream text;
    WriteNextPrayer(text, *next, request, setup.city);
    return WriteOutput(out, err, text.view());
}

}  // namespace orvanta
