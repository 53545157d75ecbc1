// The POSIX TZ rule text ("EST5EDT,M3.2.0,M11.1.0") with which a compiled zone file states the
// rule in force after the last transition it lists, and the offset that rule gives at an instant.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace orvanta {

// The day and wall-clock time at which the alternative (daylight-saving) time starts or ends.
struct PosixTransitionRule {
    enum class Form {
        kJulianNoLeap,  // "Jn": day n of the year, 1 .. 365, 29 February never counted
        kZeroBased,     // "n": day n of the year counted from 0, 0 .. 365, 29 February counted
        kMonthWeekDay,  // "Mm.w.d": weekday d (0 = Sunday) of week w (1 .. 5, 5 = last) of month m
    };
    Form form = Form::kMonthWeekDay;
    int day = 0;      // Jn and n forms
    int month = 3;    // Mm.w.d form: 1 .. 12
    int week = 2;     // Mm.w.d form: 1 .. 5
    int weekday = 0;  // Mm.w.d form: 0 .. 6
    // Seconds after local midnight of that day, -167 h .. +167 h; the start is read on the
    // standard-time clock, the end on the alternative-time clock.
    std::int32_t timeSeconds = 7200;
};

// A parsed rule. Offsets are total offsets from Universal Time in seconds, EAST positive (the
// text writes them west positive: "EST5" is -18000 here).
struct PosixZoneRule {
    std::int32_t standardOffsetSeconds = 0;
    bool hasAlternative = false;                // false: standardOffsetSeconds holds all year
    std::int32_t alternativeOffsetSeconds = 0;  // may be below the standard one ("IST-1GMT0")
    PosixTransitionRule start;                  // the alternative time begins
    PosixTransitionRule end;                    // the alternative time ends
};

// Given the rule text of a zone file's footer (POSIX TZ form with the RFC 8536 extensions:
// quoted names "<+0545>", transition times -167 .. 167 hours), returns the parsed rule, or
// nothing when the text is empty or malformed. A name of the alternative time without
// transition rules takes the rules M3.2.0 and M11.1.0 at 02:00.
std::optional<PosixZoneRule> ParsePosixZoneRule(std::string_view text);

// Given a rule with an alternative time and a calendar year, returns the instants (seconds since
// 1970 UT) at which that year's alternative time starts and ends, in that order.
std::array<std::int64_t, 2> PosixRuleChangesOfYear(const PosixZoneRule& rule, std::int64_t year);

// Given a rule and an instant in seconds since 1970-01-01 00:00 Universal Time, returns the total
// offset in force, seconds east positive. The year whose transitions apply is the standard-time
// calendar year of the instant; when the start comes after the end within a year (southern
// summers), the alternative time holds from the start to the year's end and from the year's
// beginning to the end.
std::int32_t PosixRuleOffsetAt(const PosixZoneRule& rule, std::int64_t utcSeconds);

}  // namespace orvanta
