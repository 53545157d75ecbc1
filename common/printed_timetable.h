// A mosque's printed timetable as a CSV file: the six times of each day, read and checked as a
// whole. Pure functions: the text in, the days or every fault (with its line) out.
//
// Two layouts are read, told apart by the header line:
//  - "date,fajr,shuruq,zuhr,asr,maghrib,isha" (names in any case; "sunrise" for shuruq and
//    "dhuhr" for zuhr too): one day per line, an ISO date and six 24-hour local times "HH:MM"
//    ("5:07" too);
//  - "date,prayer,hours,time,..." as orvanta-times --format csv writes it: one line per prayer,
//    the six lines of a date together; the time column is read ("5:26 AM" or "05:26"), the
//    hours column is not, so an edited time counts; lines of other names are passed over.
// The times are local clock times of the date, as printed (daylight saving included). They must
// follow each other: Fajr < Shuruq < Zuhr < Asr < Maghrib <= Isha. An Isha written earlier than
// both Maghrib and Fajr (e.g. "00:40") is taken as after midnight, on the night that follows.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

namespace orvanta {

// One day of a printed timetable.
struct PrintedDay {
    std::int64_t day = 0;  // days since 1970-01-01 of its date
    // Minutes after the date's local midnight, Fajr .. Isha; Isha after midnight is 1440 or more.
    std::array<std::int32_t, 6> minutes{};
};

// Bounds of one file: ten years of days, and bytes enough for them in the one-line-per-prayer
// layout (about 50 bytes a line, six lines a day) with room to spare.
inline constexpr std::size_t kPrintedMaxDays = 3653;
inline constexpr std::size_t kPrintedMaxBytes = 4 * 1024 * 1024;
// Faults reported at most; a file with more says only that there are more.
inline constexpr std::size_t kPrintedMaxFaults = 20;

enum class PrintedFault {
    kEmpty,        // no header line
    kTooLarge,     // more than kPrintedMaxBytes
    kNotText,      // a NUL byte, or bytes that are not UTF-8
    kBadHeader,    // the first line names neither layout
    kFieldCount,   // a line without the layout's fields
    kBadDate,      // not an existing YYYY-MM-DD date of years 1 .. 9999
    kDateTwice,    // a date already given (or its lines not together)
    kTimeTwice,    // a prayer given twice for a date (one line per prayer)
    kMissingTime,  // an empty time, or a prayer without its line
    kBadTime,      // not HH:MM (or h:mm AM/PM in the one-line-per-prayer layout)
    kOutOfOrder,   // slot is not after the time before it
    kTooManyDays,  // more than kPrintedMaxDays days
    kNoDays,       // a header and no day
};

struct PrintedFaultAt {
    PrintedFault fault = PrintedFault::kEmpty;
    std::size_t line = 0;  // 1-based; 0 for the whole file
    int slot = -1;         // the prayer concerned (0 Fajr .. 5 Isha), -1 for none
};

struct PrintedTimetable {
    std::vector<PrintedDay> days;        // by date, when there is no fault
    std::vector<PrintedFaultAt> faults;  // at most kPrintedMaxFaults, in line order
    bool moreFaults = false;             // faults were left out
};

// Reads a whole file's text. Any fault refuses the whole: days is then empty.
PrintedTimetable ParsePrintedTimetable(std::string_view text);

// The first of the six minutes not after the one before it (Isha may equal Maghrib), with an
// Isha before both Maghrib and Fajr moved past midnight first; -1 when they are in order.
int FirstTimeOutOfOrder(std::array<std::int32_t, 6>& minutes);

// Lookup of a city's printed days by day number, for the day pipeline.
class PrintedDays {
  public:
    PrintedDays() = default;
    // days sorted by day, each day once.
    explicit PrintedDays(std::vector<PrintedDay> days) : days_(std::move(days)) {}
    const PrintedDay* Find(std::int64_t day) const;
    bool Empty() const { return days_.empty(); }

  private:
    std::vector<PrintedDay> days_;
};

}  // namespace orvanta
