#include "timetable/ics_output.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <optional>
#include <sstream>

#include "astro/angles.h"
#include "astro/time_text.h"
#include "common/visible_text.h"
#include "timetable/civil_time.h"
#include "timetable/event_instants.h"
#include "timetable/night_rows.h"
#include "timetable/prayer_fields.h"
#include "zones/zone_rules.h"

namespace orvanta {
namespace {

constexpr std::size_t kMaxLineOctets = 75;
constexpr std::int64_t kSecondsPerDay = 86400;
// Seconds from 1970-01-01 to 0001-01-01 and to 10000-01-01: the zone's rules answer inside.
constexpr std::int64_t kFirstInstant = -62135596800;
constexpr std::int64_t kEndInstant = 253402300800;

// Seconds since 1970 as "YYYYMMDDThhmmss" of that clock.
std::string BasicDateTime(std::int64_t seconds) {
    const std::int64_t days = seconds >= 0 ? seconds / kSecondsPerDay
                                           : -((-seconds + kSecondsPerDay - 1) / kSecondsPerDay);
    const std::int64_t secondOfDay = seconds - days * kSecondsPerDay;
    const CivilDate date = CivilFromDays(days);
    std::array<char, 48> text{};
    std::snprintf(text.data(), text.size(), "%04d%02d%02dT%02d%02d%02d", date.year, date.month,
                  date.day, static_cast<int>(secondOfDay / 3600),
                  static_cast<int>(secondOfDay / 60 % 60), static_cast<int>(secondOfDay % 60));
    return text.data();
}

// An offset in seconds east as "+hhmm" (or "+hhmmss" when it has seconds).
std::string UtcOffset(std::int32_t seconds) {
    const std::int32_t magnitude = seconds < 0 ? -seconds : seconds;
    std::array<char, 16> text{};
    if (magnitude % 60 != 0) {
        std::snprintf(text.data(), text.size(), "%c%02d%02d%02d", seconds < 0 ? '-' : '+',
                      magnitude / 3600, magnitude / 60 % 60, magnitude % 60);
    } else {
        std::snprintf(text.data(), text.size(), "%c%02d%02d", seconds < 0 ? '-' : '+',
                      magnitude / 3600, magnitude / 60 % 60);
    }
    return text.data();
}

// The place part of the events' UIDs: the coordinates to 1e-4 degree, east positive.
std::string PlaceKey(const CityLocation& city) {
    std::array<char, 64> text{};
    std::snprintf(text.data(), text.size(), "%+.4f%+.4f", city.latitudeRad * kDegreesPerRadian,
                  -city.longitudeRad * kDegreesPerRadian);
    return text.data();
}

// The zone's offsets over a span: the offset at its start and its changes.
struct ZoneSpan {
    std::int32_t initialOffset = 0;
    std::vector<ZoneTransition> changes;

    // The offset in force at a UT instant inside the span.
    std::int32_t OffsetAt(std::int64_t utc) const {
        std::int32_t offset = initialOffset;
        for (const ZoneTransition& change : changes) {
            if (change.utcSeconds > utc) {
                break;
            }
            offset = change.offsetAfter;
        }
        return offset;
    }
};

class IcsWriter {
  public:
    explicit IcsWriter(std::ostream& out) : out_(out) {}
    void Line(std::string_view text) { out_ << FoldContentLine(text); }

  private:
    std::ostream& out_;
};

void WriteTimeZone(IcsWriter& ics, const std::string& zoneName, const ZoneSpan& span,
                   std::int64_t spanStart, std::int32_t standardOffset) {
    ics.Line("BEGIN:VTIMEZONE");
    ics.Line("TZID:" + zoneName);
    const auto observance = [&](std::int64_t utc, std::int32_t from, std::int32_t to) {
        const char* kind = to > standardOffset ? "DAYLIGHT" : "STANDARD";
        ics.Line(std::string("BEGIN:") + kind);
        // An observance starts at the local time of the clock it replaces.
        ics.Line("DTSTART:" + BasicDateTime(utc + from));
        ics.Line("TZOFFSETFROM:" + UtcOffset(from));
        ics.Line("TZOFFSETTO:" + UtcOffset(to));
        ics.Line(std::string("END:") + kind);
    };
    observance(spanStart, span.initialOffset, span.initialOffset);
    for (const ZoneTransition& change : span.changes) {
        observance(change.utcSeconds, change.offsetBefore, change.offsetAfter);
    }
    ics.Line("END:VTIMEZONE");
}

// What every event of one calendar shares.
struct EventContext {
    IcsWriter& ics;
    const CityLocation& city;
    const ZoneSpan* span;  // null for a zone given only as a fixed offset
    std::string stamp;     // DTSTAMP
    std::string place;     // the place part of the UIDs
    std::string shownName;
    std::string_view methodText;
};

// One VEVENT: UID from the date, the lower-case key and the place; DTSTART local with TZID
// or in UT; SUMMARY the name.
void WriteEvent(const EventContext& c, const std::string& dateKey, std::string_view key,
                std::string_view name, std::string_view displayName, std::int64_t utc) {
    std::string lower(key);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char ch) { return static_cast<char>(ch | 0x20); });
    c.ics.Line("BEGIN:VEVENT");
    c.ics.Line("UID:" + dateKey + "-" + lower + c.place + "@orvanta");
    c.ics.Line("DTSTAMP:" + c.stamp);
    if (c.span != nullptr) {
        c.ics.Line("DTSTART;TZID=" + c.city.zoneName + ":" +
                   BasicDateTime(utc + c.span->OffsetAt(utc)));
    } else {
        c.ics.Line("DTSTART:" + BasicDateTime(utc) + "Z");
    }
    c.ics.Line("SUMMARY:" + std::string(name));
    c.ics.Line("DESCRIPTION:" +
               EscapeText(std::string(displayName) + " at " + c.shownName +
                          (c.methodText.empty() ? std::string()
                                                : " (method: " + std::string(c.methodText) + ")")));
    c.ics.Line("LOCATION:" + EscapeText(c.shownName));
    c.ics.Line("TRANSP:TRANSPARENT");
    c.ics.Line("END:VEVENT");
}

}  // namespace

std::string FoldContentLine(std::string_view line) {
    std::string folded;
    std::size_t start = 0;
    std::size_t room = kMaxLineOctets;
    while (line.size() - start > room) {
        std::size_t cut = start + room;
        // Back up to the start of a UTF-8 sequence.
        while (cut > start && (static_cast<unsigned char>(line[cut]) & 0xC0U) == 0x80U) {
            --cut;
        }
        folded.append(line.substr(start, cut - start));
        folded += "\r\n ";
        start = cut;
        room = kMaxLineOctets - 1;  // the leading space counts
    }
    folded.append(line.substr(start));
    folded += "\r\n";
    return folded;
}

std::string EscapeText(std::string_view text) {
    std::string escaped;
    for (const char c : text) {
        switch (c) {
            case '\\':
            case ';':
            case ',':
                escaped += '\\';
                escaped += c;
                break;
            case '\n':
                escaped += "\\n";
                break;
            case '\r':
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

bool WriteTimetableAsIcs(std::ostream& out, const CityLocation& city,
                         const std::vector<DatedRow>& days, std::int64_t nowUtc,
                         std::string_view methodText) {
    const bool named = !city.zoneName.empty();
    std::optional<ZoneSpan> span;
    std::int64_t spanStart = 0;
    if (named && !days.empty()) {
        // Two days of margin each side cover times carried past midnight and any offset, kept
        // inside the years whose rules can be read (events there never leave them).
        spanStart = std::max(
            kFirstInstant, DaysFromCivil(days.front().date) * kSecondsPerDay - 2 * kSecondsPerDay);
        const std::int64_t spanEnd = std::min(
            kEndInstant, DaysFromCivil(days.back().date) * kSecondsPerDay + 3 * kSecondsPerDay);
        const std::optional<std::int32_t> initial = ZoneOffsetAtInstant(city.zoneName, spanStart);
        std::optional<std::vector<ZoneTransition>> changes =
            ZoneTransitionsBetween(city.zoneName, spanStart, spanEnd);
        if (!initial || !changes) {
            return false;
        }
        span = ZoneSpan{*initial, std::move(*changes)};
    }

    std::ostringstream buffer;
    IcsWriter ics(buffer);
    ics.Line("BEGIN:VCALENDAR");
    ics.Line("VERSION:2.0");
    ics.Line("PRODID:-//Orvanta//orvanta-times 1.0.0//EN");
    ics.Line("CALSCALE:GREGORIAN");
    if (span) {
        WriteTimeZone(ics, city.zoneName, *span, spanStart,
                      static_cast<std::int32_t>(std::lround(city.zoneHours * 3600.0)));
    }
    EventContext context{
        ics, city,      span ? &*span : nullptr, BasicDateTime(nowUtc) + "Z", PlaceKey(city),
        {},  methodText};
    // Calendar text may hold no control characters: a name from a database shows them escaped.
    context.shownName = city.name.empty() ? context.place : VisibleText(city.name);
    const std::string printedMethod = PrintedMethodText(city);
    for (const DatedRow& day : days) {
        const auto instants = EventInstants(day);
        // A printed day says whose timetable it is instead of the calculation's method.
        context.methodText = day.printed ? std::string_view(printedMethod) : methodText;
        std::string dateKey = IsoDate(day.date);
        dateKey.erase(std::remove(dateKey.begin(), dateKey.end(), '-'), dateKey.end());
        for (int s = 0; s < kPrayerCount; ++s) {
            if (instants[s]) {  // no such time that day: no event
                WriteEvent(context, dateKey, PrayerShortName(s), PrayerShortName(s),
                           PrayerDisplayName(static_cast<PrayerSlot>(s)), *instants[s]);
            }
        }
        for (const NightField& field : kNightFields) {
            if (day.night && ((*day.night).*field.member)) {
                WriteEvent(context, dateKey, field.key, field.displayName, field.displayName,
                           NightInstant(day.date, *((*day.night).*field.member)));
            }
        }
    }
    ics.Line("END:VCALENDAR");
    out << buffer.str();
    return true;
}

}  // namespace orvanta
