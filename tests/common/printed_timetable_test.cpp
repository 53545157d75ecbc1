// A mosque's printed timetable read from CSV: each refusal as a row with its line and prayer,
// and the layouts and spellings that are read.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "common/printed_timetable.h"

namespace orvanta {
namespace {

constexpr const char* kHeader = "date,fajr,shuruq,zuhr,asr,maghrib,isha\n";
constexpr const char* kGoodDay = "2026-03-07,05:10,06:50,13:00,16:00,18:35,20:15\n";

TEST(PrintedTimetable, EachFaultIsReportedWithItsLine) {
    const struct {
        const char* name;
        std::string text;
        PrintedFault fault;
        std::size_t line;
        int slot;
    } rows[] = {
        {"empty", "", PrintedFault::kEmpty, 0, -1},
        {"blank lines only", "\xEF\xBB\xBF\n \r\n", PrintedFault::kEmpty, 0, -1},
        {"NUL byte", std::string("a\0b", 3), PrintedFault::kNotText, 1, -1},
        {"not UTF-8 in a row", std::string(kHeader) + kGoodDay + "2026-03-08,\xFF\n",
         PrintedFault::kNotText, 3, -1},
        {"header of neither layout", "day,fajr\n", PrintedFault::kBadHeader, 1, -1},
        {"header slots out of order", "date,shuruq,fajr,zuhr,asr,maghrib,isha\n",
         PrintedFault::kBadHeader, 1, -1},
        {"header only", kHeader, PrintedFault::kNoDays, 0, -1},
        {"too few fields", std::string(kHeader) + "2026-03-07,05:10\n", PrintedFault::kFieldCount,
         2, -1},
        {"day 30 February", std::string(kHeader) + "2026-02-30,05:10,06:50,13:00,16:00,18:35,20:15",
         PrintedFault::kBadDate, 2, -1},
        {"date not ISO", std::string(kHeader) + "7.3.2026,05:10,06:50,13:00,16:00,18:35,20:15",
         PrintedFault::kBadDate, 2, -1},
        {"date twice", std::string(kHeader) + kGoodDay + "\n" + kGoodDay, PrintedFault::kDateTwice,
         4, -1},
        {"missing Asr", std::string(kHeader) + "2026-03-07,05:10,06:50,13:00,,18:35,20:15",
         PrintedFault::kMissingTime, 2, 3},
        {"minutes of one digit",
         std::string(kHeader) + "2026-03-07,05:10,6:5,13:00,16:00,18:35,20:15",
         PrintedFault::kBadTime, 2, 1},
        {"hour 24", std::string(kHeader) + "2026-03-07,05:10,06:50,24:00,16:00,18:35,20:15",
         PrintedFault::kBadTime, 2, 2},
        {"12-hour text in the day layout",
         std::string(kHeader) + "2026-03-07,5:10 AM,06:50,13:00,16:00,18:35,20:15",
         PrintedFault::kBadTime, 2, 0},
        {"Zuhr as a morning time",
         std::string(kHeader) + "2026-03-07,05:10,06:50,01:00,16:00,18:35,20:15",
         PrintedFault::kOutOfOrder, 2, 2},
        {"Shuruq equal to Fajr",
         std::string(kHeader) + "2026-03-07,05:10,05:10,13:00,16:00,18:35,20:15",
         PrintedFault::kOutOfOrder, 2, 1},
        {"Isha after midnight but after Fajr",
         std::string(kHeader) + "2026-03-07,05:10,06:50,13:00,16:00,18:35,05:30",
         PrintedFault::kOutOfOrder, 2, 5},
        {"one line per prayer: a prayer without its line",
         "date,prayer,hours,time,hijri\n2026-03-07,Fajr,5,5:10 AM,\n2026-03-07,Shuruq,6,6:50 AM,\n",
         PrintedFault::kMissingTime, 2, 2},
        {"one line per prayer: a prayer twice",
         "date,prayer,hours,time\n2026-03-07,Fajr,5,5:10 AM\n2026-03-07,Fajr,5,5:10 AM\n",
         PrintedFault::kTimeTwice, 3, 0},
        {"one line per prayer: the day's lines apart",
         "date,prayer,hours,time\n2026-03-07,Fajr,5,5:10 AM\n2026-03-08,Fajr,5,5:10 AM\n"
         "2026-03-07,Shuruq,6,6:50 AM\n",
         PrintedFault::kMissingTime, 2, 1},
        {"one line per prayer: no time",
         "date,prayer,hours,time\n2026-03-07,Isha,10000001,??? (Can't determine)\n",
         PrintedFault::kMissingTime, 2, 5},
        {"one line per prayer: 13 PM", "date,prayer,hours,time\n2026-03-07,Zuhr,13,13:00 PM\n",
         PrintedFault::kBadTime, 2, 2},
    };
    for (const auto& row : rows) {
        const PrintedTimetable parsed = ParsePrintedTimetable(row.text);
        ASSERT_FALSE(parsed.faults.empty()) << row.name;
        EXPECT_TRUE(parsed.days.empty()) << row.name;
        EXPECT_TRUE(std::any_of(parsed.faults.begin(), parsed.faults.end(), [&row](const auto& f) {
            return f.fault == row.fault && f.line == row.line && f.slot == row.slot;
        })) << row.name;
    }
}

TEST(PrintedTimetable, EveryBadLineIsReportedUpToTheBound) {
    std::string text = kHeader;
    for (int i = 0; i < 30; ++i) {
        text += "2026-13-01,05:10,06:50,13:00,16:00,18:35,20:15\n";
    }
    const PrintedTimetable parsed = ParsePrintedTimetable(text);
    ASSERT_EQ(parsed.faults.size(), kPrintedMaxFaults);
    EXPECT_EQ(parsed.faults.back().line, kPrintedMaxFaults + 1);
    EXPECT_TRUE(parsed.moreFaults);
    EXPECT_EQ(ParsePrintedTimetable(std::string(kPrintedMaxBytes + 1, ' ')).faults.front().fault,
              PrintedFault::kTooLarge);
}

TEST(PrintedTimetable, BothLayoutsReadToMinutesAfterMidnight) {
    const struct {
        const char* name;
        std::string text;
        std::array<std::int32_t, 6> minutes;
    } rows[] = {
        {"day per line, CRLF, spaces, quotes, other names",
         "\xEF\xBB\xBF Date,Fajr,Sunrise,Dhuhr,Asr,Maghrib,ISHA\r\n"
         "2026-03-07, 5:10 ,\"06:50\",13:00,16:00,18:35,20:15\r\n",
         {310, 410, 780, 960, 1115, 1215}},
        {"Isha after midnight",
         std::string(kHeader) + "2026-06-21,03:10,04:50,13:00,17:00,21:35,00:40",
         {190, 290, 780, 1020, 1295, 1480}},
        {"Isha at Maghrib",
         std::string(kHeader) + "2026-06-21,03:10,04:50,13:00,17:00,21:35,21:35",
         {190, 290, 780, 1020, 1295, 1295}},
        {"as --format csv writes, 12-hour, an extra row passed over",
         "date,prayer,hours,time,hijri\n2026-03-07,Fajr,5.1,5:10 AM,1447-09-18\n"
         "2026-03-07,Shuruq,6,6:50 AM,x\n2026-03-07,Imsak,5,5:00 AM,x\n2026-03-07,Zuhr,12,12:00 "
         "PM,x\n"
         "2026-03-07,Asr,16,4:00 PM,x\n2026-03-07,Maghrib,18,6:35 PM,x\n"
         "2026-03-07,Isha,20,12:15 AM,x\n",
         {310, 410, 720, 960, 1115, 1455}},
        {"as --format csv --24h writes",
         "date,prayer,hours,time,hijri\n2026-03-07,Fajr,5,05:10,\n2026-03-07,Shuruq,6,06:50,\n"
         "2026-03-07,Zuhr,13,13:00,\n2026-03-07,Asr,16,16:00,\n2026-03-07,Maghrib,18,18:35,\n"
         "2026-03-07,Isha,20,20:15,\n",
         {310, 410, 780, 960, 1115, 1215}},
    };
    for (const auto& row : rows) {
        const PrintedTimetable parsed = ParsePrintedTimetable(row.text);
        ASSERT_TRUE(parsed.faults.empty()) << row.name << " line " << parsed.faults.front().line;
        ASSERT_EQ(parsed.days.size(), 1u) << row.name;
        EXPECT_EQ(parsed.days.front().minutes, row.minutes) << row.name;
        EXPECT_NE(PrintedDays(parsed.days).Find(parsed.days.front().day), nullptr);
    }
}

}  // namespace
}  // namespace orvanta
