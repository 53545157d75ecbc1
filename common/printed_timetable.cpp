#include "common/printed_timetable.h"

#include <algorithm>
#include <map>
#include <optional>
#include <string>

#include "astro/civil_days.h"
#include "common/utf16.h"

namespace orvanta {
namespace {

constexpr int kSlots = 6;
constexpr std::int32_t kMinutesPerDay = 1440;
constexpr std::string_view kNoTimeText = "??? (Can't determine)";  // what the csv writes

// Collects faults up to the bound.
class Faults {
  public:
    void Add(PrintedFault fault, std::size_t line, int slot = -1) {
        if (result_.faults.size() < kPrintedMaxFaults) {
            result_.faults.push_back({fault, line, slot});
        } else {
            result_.moreFaults = true;
        }
    }
    bool Any() const { return !result_.faults.empty(); }
    PrintedTimetable Take(std::vector<PrintedDay> days) {
        std::stable_sort(result_.faults.begin(), result_.faults.end(),
                         [](const auto& a, const auto& b) { return a.line < b.line; });
        if (!Any()) {
            result_.days = std::move(days);
        }
        return std::move(result_);
    }

  private:
    PrintedTimetable result_;
};

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
        text = text.substr(1, text.size() - 2);
    }
    return text;
}

std::vector<std::string_view> Fields(std::string_view line) {
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t comma = line.find(',', start);
        fields.push_back(Trim(line.substr(start, comma - start)));
        if (comma == std::string_view::npos) {
            return fields;
        }
        start = comma + 1;
    }
}

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return lower;
}

bool Digits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int Number(std::string_view digits) {
    int value = 0;
    for (const char c : digits) {
        value = value * 10 + (c - '0');
    }
    return value;
}

// "YYYY-MM-DD", an existing date of years 1 .. 9999: its day number.
std::optional<std::int64_t> DayOf(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-' || !Digits(text.substr(0, 4)) ||
        !Digits(text.substr(5, 2)) || !Digits(text.substr(8, 2))) {
        return std::nullopt;
    }
    const int year = Number(text.substr(0, 4));
    const int month = Number(text.substr(5, 2));
    const int day = Number(text.substr(8, 2));
    if (year < 1 || month < 1 || month > 12 || day < 1 || day > civil::DaysInMonth(year, month)) {
        return std::nullopt;
    }
    return civil::DaysFromCivil(year, month, day);
}

// "H:MM" / "HH:MM" with the hour 0 .. maxHour: hour and minute.
std::optional<std::pair<int, int>> ClockOf(std::string_view text, int maxHour) {
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos || colon == 0 || colon > 2 || text.size() != colon + 3 ||
        !Digits(text.substr(0, colon)) || !Digits(text.substr(colon + 1))) {
        return std::nullopt;
    }
    const int hour = Number(text.substr(0, colon));
    const int minute = Number(text.substr(colon + 1));
    if (hour > maxHour || minute > 59) {
        return std::nullopt;
    }
    return std::make_pair(hour, minute);
}

// A 24-hour time, or with twelveHour also "h:mm AM" / "h:mm PM" (0 or 12 AM is midnight): the
// minutes after midnight.
std::optional<std::int32_t> MinutesOf(std::string_view text, bool twelveHour) {
    std::string_view suffix;
    if (twelveHour && text.size() > 3 && text[text.size() - 3] == ' ') {
        suffix = text.substr(text.size() - 2);
        text = text.substr(0, text.size() - 3);
        if (suffix != "AM" && suffix != "PM" && suffix != "am" && suffix != "pm") {
            return std::nullopt;
        }
    }
    const std::optional<std::pair<int, int>> clock = ClockOf(text, suffix.empty() ? 23 : 12);
    if (!clock) {
        return std::nullopt;
    }
    int hour = clock->first;
    if (!suffix.empty()) {
        hour = (hour % 12) + (suffix[0] == 'P' || suffix[0] == 'p' ? 12 : 0);
    }
    return hour * 60 + clock->second;
}

// The slot of a header name, -1 for none.
int SlotOfName(std::string_view name) {
    static constexpr std::array<std::array<std::string_view, 2>, kSlots> kNames = {{
        {"fajr", "fajr"},
        {"shuruq", "sunrise"},
        {"zuhr", "dhuhr"},
        {"asr", "asr"},
        {"maghrib", "maghrib"},
        {"isha", "isha"},
    }};
    const std::string lower = Lower(name);
    for (int s = 0; s < kSlots; ++s) {
        const auto& names = kNames[static_cast<std::size_t>(s)];
        if (lower == names[0] || lower == names[1]) {
            return s;
        }
    }
    return -1;
}

enum class Layout { kDayPerLine, kPrayerPerLine, kNone };

Layout LayoutOf(std::string_view header) {
    const std::vector<std::string_view> names = Fields(header);
    if (names.size() >= 4 && Lower(names[0]) == "date" && Lower(names[1]) == "prayer" &&
        Lower(names[2]) == "hours" && Lower(names[3]) == "time") {
        return Layout::kPrayerPerLine;
    }
    if (names.size() != kSlots + 1 || Lower(names[0]) != "date") {
        return Layout::kNone;
    }
    for (int s = 0; s < kSlots; ++s) {
        if (SlotOfName(names[static_cast<std::size_t>(s) + 1]) != s) {
            return Layout::kNone;
        }
    }
    return Layout::kDayPerLine;
}

// One day being read: its minutes and the line of each.
struct DayInProgress {
    std::int64_t day = 0;
    std::size_t firstLine = 0;
    std::array<std::optional<std::int32_t>, kSlots> minutes{};
    std::array<std::size_t, kSlots> lines{};
};

// Checks a complete day's order and adds it; the out-of-order fault names the slot's line.
void Finish(const DayInProgress& day, std::vector<PrintedDay>& days, Faults& faults) {
    PrintedDay printed{day.day, {}};
    for (int s = 0; s < kSlots; ++s) {
        const auto slot = static_cast<std::size_t>(s);
        if (!day.minutes[slot]) {
            return;  // already reported
        }
        printed.minutes[slot] = *day.minutes[slot];
    }
    if (const int slot = FirstTimeOutOfOrder(printed.minutes); slot >= 0) {
        faults.Add(PrintedFault::kOutOfOrder, day.lines[static_cast<std::size_t>(slot)], slot);
        return;
    }
    days.push_back(printed);
}

// A time field: its minutes into day, or the fault.
void ReadTime(std::string_view text, int slot, std::size_t line, bool twelveHour,
              DayInProgress& day, Faults& faults) {
    const auto index = static_cast<std::size_t>(slot);
    day.lines[index] = line;
    if (text.empty() || text == kNoTimeText) {
        faults.Add(PrintedFault::kMissingTime, line, slot);
    } else if (const std::optional<std::int32_t> minutes = MinutesOf(text, twelveHour)) {
        day.minutes[index] = *minutes;
    } else {
        faults.Add(PrintedFault::kBadTime, line, slot);
    }
}

// The lines of a layout after the header, each number with its text.
using Lines = std::vector<std::pair<std::size_t, std::string_view>>;

void ReadDayPerLine(const Lines& lines, std::vector<PrintedDay>& days, Faults& faults) {
    std::map<std::int64_t, std::size_t> seen;
    for (const auto& [number, text] : lines) {
        const std::vector<std::string_view> fields = Fields(text);
        if (fields.size() != kSlots + 1) {
            faults.Add(PrintedFault::kFieldCount, number);
            continue;
        }
        DayInProgress day;
        day.firstLine = number;
        if (const std::optional<std::int64_t> date = DayOf(fields[0])) {
            day.day = *date;
        } else {
            faults.Add(PrintedFault::kBadDate, number);
            continue;
        }
        if (!seen.emplace(day.day, number).second) {
            faults.Add(PrintedFault::kDateTwice, number);
            continue;
        }
        for (int s = 0; s < kSlots; ++s) {
            ReadTime(fields[static_cast<std::size_t>(s) + 1], s, number, false, day, faults);
        }
        Finish(day, days, faults);
    }
}

// A day of the one-line-per-prayer layout ends: a prayer without its line is missing.
void EndPrayerDay(const DayInProgress& day, std::vector<PrintedDay>& days, Faults& faults) {
    for (int s = 0; s < kSlots; ++s) {
        if (day.lines[static_cast<std::size_t>(s)] == 0) {
            faults.Add(PrintedFault::kMissingTime, day.firstLine, s);
        }
    }
    Finish(day, days, faults);
}

void ReadPrayerPerLine(const Lines& lines, std::vector<PrintedDay>& days, Faults& faults) {
    std::map<std::int64_t, std::size_t> seen;
    std::optional<DayInProgress> current;
    for (const auto& [number, text] : lines) {
        const std::vector<std::string_view> fields = Fields(text);
        if (fields.size() < 4) {
            faults.Add(PrintedFault::kFieldCount, number);
            continue;
        }
        const std::optional<std::int64_t> date = DayOf(fields[0]);
        if (!date) {
            faults.Add(PrintedFault::kBadDate, number);
            continue;
        }
        const int slot = SlotOfName(fields[1]);
        if (slot < 0) {
            continue;  // a row of another kind (the extra times some exports add)
        }
        if (!current || current->day != *date) {
            if (current) {
                EndPrayerDay(*current, days, faults);
            }
            if (!seen.emplace(*date, number).second) {
                faults.Add(PrintedFault::kDateTwice, number);
                current.reset();
                continue;
            }
            current = DayInProgress{*date, number, {}, {}};
        }
        if (current->lines[static_cast<std::size_t>(slot)] != 0) {
            faults.Add(PrintedFault::kTimeTwice, number, slot);
            continue;
        }
        ReadTime(fields[3], slot, number, true, *current, faults);
    }
    if (current) {
        EndPrayerDay(*current, days, faults);
    }
}

}  // namespace

int FirstTimeOutOfOrder(std::array<std::int32_t, 6>& minutes) {
    if (minutes[5] < minutes[4] && minutes[5] < minutes[0]) {
        minutes[5] += kMinutesPerDay;  // Isha after midnight
    }
    for (std::size_t s = 1; s < minutes.size(); ++s) {
        const bool inOrder = s == 5 ? minutes[s] >= minutes[s - 1] : minutes[s] > minutes[s - 1];
        if (!inOrder) {
            return static_cast<int>(s);
        }
    }
    return -1;
}

PrintedTimetable ParsePrintedTimetable(std::string_view text) {
    Faults faults;
    if (text.size() > kPrintedMaxBytes) {
        faults.Add(PrintedFault::kTooLarge, 0);
        return faults.Take({});
    }
    if (text.substr(0, 3) == "\xEF\xBB\xBF") {
        text.remove_prefix(3);  // a byte-order mark, as spreadsheets write
    }
    Lines lines;
    std::size_t number = 0;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        end = end == std::string_view::npos ? text.size() : end;
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++number;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (line.find('\0') != std::string_view::npos || !Utf16Length(line)) {
            faults.Add(PrintedFault::kNotText, number);
            if (lines.empty()) {
                return faults.Take({});  // a binary file: its first line says enough
            }
        } else if (!Trim(line).empty()) {
            lines.emplace_back(number, line);
        }
    }
    if (lines.empty()) {
        faults.Add(PrintedFault::kEmpty, 0);
        return faults.Take({});
    }
    const Layout layout = LayoutOf(lines.front().second);
    if (layout == Layout::kNone) {
        faults.Add(PrintedFault::kBadHeader, lines.front().first);
        return faults.Take({});
    }
    const Lines body(lines.begin() + 1, lines.end());
    std::vector<PrintedDay> days;
    if (layout == Layout::kDayPerLine) {
        ReadDayPerLine(body, days, faults);
    } else {
        ReadPrayerPerLine(body, days, faults);
    }
    if (days.size() > kPrintedMaxDays) {
        faults.Add(PrintedFault::kTooManyDays, 0);
    } else if (days.empty() && !faults.Any()) {
        faults.Add(PrintedFault::kNoDays, 0);
    }
    std::sort(days.begin(), days.end(),
              [](const PrintedDay& a, const PrintedDay& b) { return a.day < b.day; });
    return faults.Take(std::move(days));
}

const PrintedDay* PrintedDays::Find(std::int64_t day) const {
    const auto found = std::lower_bound(
        days_.begin(), days_.end(), day,
        [](const PrintedDay& printed, std::int64_t wanted) { return printed.day < wanted; });
    return found != days_.end() && found->day == day ? &*found : nullptr;
}

}  // namespace orvanta
