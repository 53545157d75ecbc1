// orvanta-times timetable: a mosque's printed timetable imported for a city drives the times,
// next and the exports on its dates, the calculation elsewhere; a refused file stores nothing.
// Mecca's calculated times of 20 March 2026 are 5:11, 6:25, 12:28, 3:53, 6:32, 7:46.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "command_table.h"

namespace orvanta {
namespace {

using testing_support::CliHome;
using testing_support::RunResult;

// The Isha of the 20th is written after midnight; "dir/" names the scratch folder. Detroit's
// Isha of 7 March 2026 at 3:30 lies after the clocks went forward at 2:00.
constexpr const char* kMeccaCsv =
    "date,fajr,shuruq,zuhr,asr,maghrib,isha\n"
    "2026-03-20,05:00,06:20,12:30,15:50,18:35,00:30\n"
    "2026-03-21,05:01,06:21,12:31,15:51,18:36,20:00\n";
constexpr const char* kDetroitCsv =
    "date,fajr,shuruq,zuhr,asr,maghrib,isha\n2026-03-07,05:10,06:50,12:40,15:50,18:30,03:30\n";
constexpr const char* kBadCsv =
    "date,fajr,shuruq,zuhr,asr,maghrib,isha\n"
    "2026-03-22,05:00,06:20,12:30,15:50,18:35,20:00\n"
    "2026-03-23,05:00,06:20,12:30,11:50,18:35,20:00\n"
    "2026-03-22,05:00,06:20,12:30,15:50,18:35,20:00\n";

const char* const kSteps = R"(
0 timetable list | No timetable is stored
0 cities home Mecca | Home city: Mecca
0 timetable import dir/detroit.csv | Stored the timetable of Mecca: 1 day, 2026-03-07 to 2026-03-07
0 timetable import dir/mecca.csv | Stored the timetable of Mecca: 2 days, 2026-03-20 to 2026-03-21
0 --city Mecca --date 2026-03-07 | Method:   Fajr and Isha
0 timetable import dir/detroit.csv --city Detroit,~MI | Stored the timetable of Detroit, MI: 1 day
0 --city Detroit,~MI --date 2026-03-07 --format json | "isha": "2026-03-08T03:30:00-04:00"
0 --city Mecca --24h | Method:   timetable of Mecca | Fajr*05:00 | Isha*00:30
0 --city Mecca --from 2026-03-19 --to 2026-03-22 --24h | Method:   timetable of Mecca (2026-03-20 to 2026-03-21); other days: Fajr and Isha * | 2026-03-19  05:12 | 2026-03-20  05:00   06:20  12:30  15:50    18:35  00:30 | 2026-03-22  05:09
0 --city Mecca next --now 2026-03-20T20:00 | Isha 0:30 AM (in 4 h 30 min)
0 --city Mecca next --now 2026-03-22T19:00 | Isha 7:4* PM (in 4* min)
0 --city Mecca --date 2026-03-21 --format json | "method": "timetable of Mecca" | "isha": "2026-03-21T20:00:00+03:00"
0 --city Mecca --date 2026-03-20 --format ics | Fajr (Dawn) at Mecca (method: timetable of Mecca)
0 timetable list | Detroit, MI  2026-03-07  2026-03-07      1 | Mecca        2026-03-20  2026-03-21      2  2024-06-20 00:00 UTC
0 timetable remove --city MECCA | Removed the timetable of Mecca
0 --city Mecca --24h | Fajr*05:11
1 timetable remove | there is no timetable of "Mecca"
1 timetable import dir/mecca.csv --city Atlantis | cannot find the city "Atlantis"
)";

TEST(PrintedTimetableCommand, ImportedDaysReplaceTheCalculationOnTheirDatesOnly) {
    const CliHome home;
    ASSERT_TRUE(home.Built());
    testing_support::WriteBytes(home.folder.Path() / "mecca.csv", kMeccaCsv);
    testing_support::WriteBytes(home.folder.Path() / "bad.csv", kBadCsv);
    testing_support::WriteBytes(home.folder.Path() / "detroit.csv", kDetroitCsv);
    const auto run = [&home](std::vector<std::string> args) {
        for (std::string& arg : args) {
            if (arg.rfind("dir/", 0) == 0) {
                arg = (home.folder.Path() / arg.substr(4)).string();
            }
        }
        return home.Run(args);
    };
    EXPECT_EQ(testing_support::ExpectCommands(kSteps, run), 18u);

    // A refused file: every bad line named, and the store as it was.
    ASSERT_EQ(run({"timetable", "import", "dir/mecca.csv"}).status, 0);
    const std::string stored = testing_support::ReadBytes(home.user);
    const RunResult refused = run({"timetable", "import", "dir/bad.csv"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.out, "");
    EXPECT_NE(refused.err.find("bad.csv:3: Asr is not after Zuhr\n"), std::string::npos);
    EXPECT_NE(refused.err.find("bad.csv:4: the date is given twice\n"), std::string::npos);
    EXPECT_NE(refused.err.find("nothing was stored"), std::string::npos);
    EXPECT_EQ(testing_support::ReadBytes(home.user), stored);
}

// What --format csv writes, imported, gives back the same clock times and instants: Detroit in
// March 2026, with the change to daylight saving on the 8th.
TEST(PrintedTimetableCommand, TheCsvWrittenReadsBackToTheSameTimes) {
    const CliHome home;
    ASSERT_TRUE(home.Built());
    const std::vector<std::string> month = {"--city", "Detroit, MI", "--month", "2026-03"};
    const auto with = [&month](std::vector<std::string> more) {
        more.insert(more.begin(), month.begin(), month.end());
        return more;
    };
    const RunResult csv = home.Run(with({"--format", "csv"}));
    const RunResult json = home.Run(with({"--format", "json"}));
    testing_support::WriteBytes(home.folder.Path() / "march.csv", csv.out);
    ASSERT_EQ(home.Run({"timetable", "import", (home.folder.Path() / "march.csv").string(),
                        "--city", "Detroit, MI"})
                  .status,
              0);
    const auto before = nlohmann::json::parse(json.out)["days"];
    const auto after = nlohmann::json::parse(home.Run(with({"--format", "json"})).out)["days"];
    ASSERT_EQ(after.size(), 31u);
    for (std::size_t d = 0; d < after.size(); ++d) {
        EXPECT_EQ(after[d]["times"], before[d]["times"]) << d;
        EXPECT_EQ(after[d]["texts"], before[d]["texts"]) << d;
        EXPECT_EQ(after[d]["method"], "timetable of Detroit, MI") << d;
    }
}

}  // namespace
}  // namespace orvanta
