#include "zones/zone_posix_rule.h"

#include <array>
#include <cstddef>

#include "astro/civil_days.h"

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
        rule.form = PosixTransitionRule::Form::kJulianNoLeap;
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
        rule.form = PosixTransitionRule::Form::kMonthWeekDay;
        rule.month = *month;
        rule.week = *week;
        rule.weekday = *weekday;
    } else {
        const std::optional<int> day = ReadNumber(cursor, 3);
        if (!day || *day > 365) {
            return std::nullopt;
        }
        rule.form = PosixTransitionRule::Form::kZeroBased;
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
std::int64_t TransitionDay(const PosixTransitionRule& rule, std::int64_t year) {
    const std::int64_t jan1 = civil::DaysFromCivil(year, 1, 1);
    switch (rule.form) {
        case PosixTransitionRule::Form::kJulianNoLeap: {
            const int leapDay = (civil::IsLeapYear(year) && rule.day >= 60) ? 1 : 0;
            return jan1 + rule.day - 1 + leapDay;
        }
        case PosixTransitionRule::Form::kZeroBased:
            return jan1 + rule.day;
        case PosixTransitionRule::Form::kMonthWeekDay:
            break;
    }
    // The first such weekday of the month, then whole weeks on; week 5 is the last one.
    const std::int64_t first = civil::DaysFromCivil(year, rule.month, 1);
    const int ahead = (rule.weekday - civil::WeekdayOfDays(first) + 7) % 7;
    std::int64_t day = first + ahead + 7 * (rule.week - 1);
    const std::int64_t monthEnd = first + civil::DaysInMonth(year, rule.month);
    while (day >= monthEnd) {
        day -= 7;
    }
    return day;
}

// Given a transition, the year and the offset of the clock its time is read on (seconds east),
// returns the instant of the transition in seconds since 1970-01-01 00:00 Universal Time.
std::int64_t TransitionInstant(const PosixTransitionRule& rule, std::int64_t year,
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

std::array<std::int64_t, 2> PosixRuleChangesOfYear(const PosixZoneRule& rule, std::int64_t year) {
    return {TransitionInstant(rule.start, year, rule.standardOffsetSeconds),
            TransitionInstant(rule.end, year, rule.alternativeOffsetSeconds)};
}

std::int32_t PosixRuleOffsetAt(const PosixZoneRule& rule, std::int64_t utcSeconds) {
    if (!rule.hasAlternative) {
        return rule.standardOffsetSeconds;
    }
    const std::array<std::int64_t, 2> changes = PosixRuleChangesOfYear(
        rule, civil::YearOfDays(civil::FloorDiv(utcSeconds + rule.standardOffsetSeconds, 86400)));
    const std::int64_t start = changes[0];
    const std::int64_t end = changes[1];
    const bool alternative = start < end ? (start <= utcSeconds && utcSeconds < end)
                                         : !(end <= utcSeconds && utcSeconds < start);
    return alternative ? rule.alternativeOffsetSeconds : rule.standardOffsetSeconds;
}

}  // namespace orvanta
