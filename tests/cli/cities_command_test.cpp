// orvanta-times cities: search, home, add and remove over a small city database and a per-user
// database in a scratch home, one step after another. The city database is only ever read.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "command_table.h"

namespace orvanta {
namespace {

using testing_support::CliHome;
using Result = testing_support::RunResult;

// A user city is found before the shipped one of the same (folded) name until removed, with the
// user's coordinates and zone; a village added by coordinates is stored to the arc minute
// (32.11 N 34.98 E is 32°07′ N 34°59′ E); the home city is the database's name, used by
// default, kept when a name is refused, else the settings' city (by default Detroit, MI). Names
// after "--" may begin with '-'; a no-break space is no control character.
const char* const kSteps = R"(
0 --city Mecca --date 2024-03-10 | Position: 21°25′ N 39°49′ E
0 cities add Mecca --lat -33.5 --lon 151.25 --tz Australia/Sydney | Added Mecca
0 --city MECCA --date 2024-03-10 | Position: 33°30′ S 151°15′ E | Zone:     Australia/Sydney
2 cities add mecca --lat 1 --lon 1 --tz UTC | you already have a city named "mecca"
0 --city Mecca --date 2024-03-10 | Position: 33°30′ S 151°15′ E
0 cities remove mecca | Removed mecca
0 --city Mecca --date 2024-03-10 | Position: 21°25′ N 39°49′ E
1 cities remove Mecca | you have no city named "Mecca"
0 cities add Kfar~Qasem --lat 32.11 --lon 34.98 --tz Asia/Jerusalem | Added Kfar Qasem
0 --city kfar~qasem | Position: 32°07′ N 34°59′ E
0 cities search kfar | Kfar Qasem  (your city)           32°07′ N  34°59′ E  Asia/Jerusalem
0 cities search mec | City   Country       Region  Position             Zone | Mecca  Saudi Arabia  Makkah   21°25′ N  39°49′ E  Asia/Riyadh
0 cities search det |  42°20′ N  83°03′ W  America/Detroit
0 cities home ~~MECCA~ | Home city: Mecca
0 --date 2024-03-10 | City:     Mecca
1 cities home Qqqzzz~Nowhere | cannot find the city "Qqqzzz Nowhere"
0 --date 2024-03-10 | City:     Mecca
0 cities home --clear | No home city
0 --date 2024-03-10 | City:     Detroit, MI
0 cities add -- -Dash --lat 1 --lon 2 --tz UTC | Added -Dash
0 cities add --lat 1 --lon 2 --tz UTC -- --Two | Added --Two
0 cities add Nb sp --lat 1 --lon 2 --tz UTC | Added Nb sp
0 cities search -- - | --Two
0 cities remove -- --Two | Removed --Two
)";

TEST(CitiesCommand, EachStepSeesTheOnesBefore) {
    const CliHome home;
    ASSERT_TRUE(home.Built());
    const std::string shippedBytes = testing_support::ReadBytes(home.cities);
    EXPECT_EQ(testing_support::ExpectCommands(kSteps, home), 24u);
    EXPECT_EQ(testing_support::ReadBytes(home.cities), shippedBytes);
    // 25 towns begin with "town": 20 by default, else the limit; the two names beginning "-".
    for (const auto& [words, lines] :
         std::vector<std::pair<const char*, int>>{{"cities search town", 1 + 20},
                                                  {"cities search town --limit 3", 1 + 3},
                                                  {"cities search -- -", 1 + 1}}) {
        const Result run = home.Run(testing_support::Args(words));
        EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), lines) << words;
    }
}

}  // namespace
}  // namespace orvanta
