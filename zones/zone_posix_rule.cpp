#include "zones/zone_posix_rule.h"

#include <date/date.h>

#include <chrono>
#include <cstddef>

namespace orvanta {
namespace {

constexpr std::int32_t kSecondsPerHour = 3600;

// A read position in the rule text.
struct Cursor {
    std::string_view text;
    std::size_t pos = 0;

    bool AtEnd() const { return pos >= text.size(); }
    char Peek() const { return AtEnd() ? '\0' : text[pos]; }
    bool Accept(char c) {
        if (Peek() != c) {
            return false;
        }
        ++pos;
        return true;
    }
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsAlpha(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Reads an unsigned decimal of at most maxDigits digits; nothing when no digit follows.
std::optional<int> ReadNumber(Cursor& cursor, int maxDigits) {
    int value = 0;
    int digits = 0;
    while (digits < maxDigits && IsDigit(cursor.Peek())) {
        value = value * 10 + (cursor.Peek() - '0');
        ++cursor.pos;
        ++digits;
    }
    if (digits == 0) {
        return std::nullopt;
    }
    return value;
}

// Reads a zone abbreviation: three or more letters, or "<...>" holding three or more letters,
// digits, '+' or '-'.
bool ReadName(Cursor& cursor) {
    std::size_t length = 0;
    if (cursor.Accept('<')) {
        while (IsAlpha(cursor.Peek()) || IsDigit(cursor.Peek()) || cursor.Peek() == '+' ||
               cursor.Peek() == '-') {
            ++cursor.pos;
            ++length;
        }
        return cursor.Accept('>') && length >= 3;
    }
    while (IsAlpha(cursor.Peek())) {
        ++cursor.pos;
        ++length;
    }
    return length >= 3;
}

// Reads "[+|-]hh[:mm[:ss]]" with hh at most maxHours; returns signed seconds as written.
std::optional<std::int32_t> ReadClock(Cursor& cursor, int maxHours) {
    int sign = 1;
    if (cursor.Accept('-')) {
        sign = -1;
    } else {
        cursor.Accept('+');
    }
    const std::optional<int> hours = ReadNumber(cursor, 3);
    if (!hours || *hours > maxHours) {
        return std::nullopt;
    }
    int minutes = 0;
    int seconds = 0;
    if (cursor.Accept(':')) {
        const std::optional<int> mm = ReadNumber(cursor, 2);
        if (!mm || *mm > 59) {
            return std::nullopt;
        }
        minutes = *mm;
        if (cursor.Accept(':')) {
            const std::optional<int> ss = ReadNumber(cursor, 2);
            if (!ss || *ss > 59) {
                return std::nullopt;
            }
            seconds = *ss;
        }
    }
    return sign * (*hours * kSecondsPerHour + minutes * 60 + seconds);
}

// Reads one transition: "Jn", "n" or "Mm.w.d", then an optional "/time".
std::optional<PosixTransitionRule> ReadTransition(Cursor& cursor) {
    PosixTransitionRule rule;
    if (cursor.Accept('J')) {
        const std::optional<int> day = ReadNumber(cursor, 3);
        if (!day || *day < 1 || *day > 365) {
            return std::nullopt;
        }
        rule.form = PosixTransitionRule::Form::JulianNoLeap;
        rule.day = *day;
    } else if (cursor.Accept('M')) {
        const std::optional<int> month = ReadNumber(cursor, 2);
        if (!month || *month < 1 || *month > 12 || !cursor.Accept('.')) {
            return std::nullopt;
        }
        const std::optional<int> week = ReadNumber(cursor, 1);
        if (!week || *week < 1 || *week > 5 || !cursor.Accept('.')) {
            return std::nullopt;
        }
        const std::optional<int> weekday = ReadNumber(cursor, 1);
        if (!weekday || *weekday > 6) {
            return std::nullopt;
        }
        rule.form = PosixTransitionRule::Form::MonthWeekDay;
        rule.month = *month;
        rule.week = *week;
        rule.weekday = *weekday;
    } else {
        const std::optional<int> day = ReadNumber(cursor, 3);
        if (!day || *day > 365) {
            return std::nullopt;
        }
        rule.form = PosixTransitionRule::Form::ZeroBased;
        rule.day = *day;
    }
    if (cursor.Accept('/')) {
        const std::optional<std::int32_t> time = ReadClock(cursor, 167);
        if (!time) {
            return std::nullopt;
        }
        rule.timeSeconds = *time;
    }
    return rule;
}

// Given a transition rule and a calendar year, returns the day it falls on, as days since
// 1970-01-01.
std::int64_t TransitionDay(const PosixTransitionRule& rule, int year) {
    const date::year y{year};
    switch (rule.form) {
        case PosixTransitionRule::Form::JulianNoLeap: {
            const int leapDay = (y.is_leap() && rule.day >= 60) ? 1 : 0;
            const date::sys_days jan1{y / date::January / 1};
            return (jan1 + date::days{rule.day - 1 + leapDay}).time_since_epoch().count();
        }
        case PosixTransitionRule::Form::ZeroBased: {
            const date::sys_days jan1{y / date::January / 1};
            return (jan1 + date::days{rule.day}).time_since_epoch().count();
        }
        case PosixTransitionRule::Form::MonthWeekDay:
            break;
    }
    const date::month m{static_cast<unsigned>(rule.month)};
    const date::weekday wd{static_cast<unsigned>(rule.weekday)};
    if (rule.week == 5) {
        const date::sys_days last{y / m / date::weekday_last{wd}};
        return last.time_since_epoch().count();
    }
    const date::sys_days nth{y / m / date::weekday_indexed{wd, static_cast<unsigned>(rule.week)}};
    return nth.time_since_epoch().count();
}

// Given a transition, the year and the offset of the clock its time is read on (seconds east),
// returns the instant of the transition in seconds since 1970-01-01 00:00 Universal Time.
std::int64_t TransitionInstant(const PosixTransitionRule& rule, int year,
                               std::int32_t clockOffsetSeconds) {
    return TransitionDay(rule, year) * 86400 + rule.timeSeconds - clockOffsetSeconds;
}

}  // namespace

std::optional<PosixZoneRule> ParsePosixZoneRule(std::string_view text) {
    Cursor cursor{text};
    PosixZoneRule rule;
    if (!ReadName(cursor)) {
        return std::nullopt;
    }
    const std::optional<std::int32_t> standardWest = ReadClock(cursor, 24);
    if (!standardWest) {
        return std::nullopt;
    }
    rule.standardOffsetSeconds = -*standardWest;
    if (cursor.AtEnd()) {
        return rule;
    }
    if (!ReadName(cursor)) {
        return std::nullopt;
    }
    rule.hasAlternative = true;
    // Without an offset of its own the alternative time is one hour ahead of standard time.
    rule.alternativeOffsetSeconds = rule.standardOffsetSeconds + kSecondsPerHour;
    if (!cursor.AtEnd() && cursor.Peek() != ',') {
        const std::optional<std::int32_t> alternativeWest = ReadClock(cursor, 24);
        if (!alternativeWest) {
            return std::nullopt;
        }
        rule.alternativeOffsetSeconds = -*alternativeWest;
    }
    if (cursor.AtEnd()) {
        // Default member values: M3.2.0/2 and, set here, M11.1.0/2.
        rule.end.month = 11;
        rule.end.week = 1;
        return rule;
    }
    if (!cursor.Accept(',')) {
        return std::nullopt;
    }
    const std::optional<PosixTransitionRule> start = ReadTransition(cursor);
    if (!start || !cursor.Accept(',')) {
        return std::nullopt;
    }
    const std::optional<PosixTransitionRule> end = ReadTransition(cursor);
    if (!end || !cursor.AtEnd()) {
        return std::nullopt;
    }
    rule.start = *start;
    rule.end = *end;
    return rule;
}

std::int32_t PosixRuleOffsetAt(const PosixZoneRule& rule, std::int64_t utcSeconds) {
    if (!rule.hasAlternative) {
        return rule.standardOffsetSeconds;
    }
    const date::sys_days standardDay = std::chrono::floor<date::days>(
        date::sys_seconds{date::sys_seconds::duration{utcSeconds + rule.standardOffsetSeconds}});
    const int year = static_cast<int>(date::year_month_day{standardDay}.year());
    const std::int64_t start = TransitionInstant(rule.start, year, rule.standardOffsetSeconds);
    const std::int64_t end = TransitionInstant(rule.end, year, rule.alternativeOffsetSeconds);
    const bool alternative = start < end ? (start <= utcSeconds && utcSeconds < end)
                                         : !(end <= utcSeconds && utcSeconds < start);
    return alternative ? rule.alternativeOffsetSeconds : rule.standardOffsetSeconds;
}

}  // namespace orvanta
