// Hijri dates for a calendar row: published dates and their text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hijri/hijri_date.h"
#include "hijri/hijri_text.h"

namespace orvanta {
namespace {

struct PublishedRow {
    std::string source;
    CivilDate civil;
    std::string text;  // the Hijri date as the row shows it
    std::string iso;   // as the csv column writes it
};

TEST(HijriCalendar, PublishedDatesAndTheirText) {
    const std::vector<PublishedRow> rows = {
        // The Saudi Supreme Court: Wednesday 18 February 2026 is the first day of Ramadan 1447.
        {"Ramadan 1447", {2026, 2, 18}, "1 Ramadan 1447", "1447-09-01"},
        // The Umm al-Qura calendar: Ramadan 1448 begins on Monday 8 February 2027.
        {"Ramadan 1448", {2027, 2, 8}, "1 Ramadan 1448", "1448-09-01"},
        // The Saudi Supreme Court: Saturday 30 July 2022 is 1 Muharram 1444.
        {"Muharram 1444", {2022, 7, 30}, "1 Muharram 1444", "1444-01-01"},
        {"Date row example", {2026, 12, 6}, "26 Jumada II 1448", "1448-06-26"},
    };
    for (const PublishedRow& row : rows) {
        const std::optional<HijriDate> date = HijriDateOf(row.civil);
        ASSERT_TRUE(date.has_value()) << row.source;
        EXPECT_EQ(HijriDateText(*date), row.text) << row.source;
        EXPECT_EQ(HijriIsoText(*date), row.iso) << row.source;
    }
}

}  // namespace
}  // namespace orvanta
