// What orvanta-times lets out: every refusal as one line in one style (long values cut, control
// characters shown as escapes), names from a database shown escaped in every output, lost
// output as an error, and the help.
#include <gtest/gtest.h>

#include <regex>

#include "cli/times_option_groups.h"
#include "command_table.h"

namespace orvanta {
namespace {

using testing_support::Args;
using testing_support::RunResult;

// A city whose name holds ESC ] 0 ; X BEL (it sets a terminal's title), a newline (it would
// forge a line) and a right-to-left override (it would turn the rest of the line around), with
// a C1 CSI (U+009B) in its country, beside the shipped rows.
const std::string kHostileRow =
    "INSERT INTO cities VALUES (2000, 'Evil' || char(27) || ']0;X' || char(7) || char(10) || "
    "'Line' || char(8238), 'evil', 'Land' || char(155), 'XX', '', 2125, 3949, 3, 1);";

// One row per check of the arguments: "STATUS ARGUMENTS | LINE", the arguments split at spaces,
// "@" standing for the place given by --lat 1 --lon 2 --zone 0.
const char* const kRefusals = R"(
2 --lat 91 --lon 0 --zone 0 | latitude must be a number from -90 to 90, not "91"
2 --lat 1 --lon 180.01 --zone 0 | longitude must be a number from -180 to 180, not "180.01"
2 --lat 1 --lon 1 --zone 14.5 | zone must be a number from -14 to 14, not "14.5"
2 --lat 1 --lon 1 | give the time zone with --tz ZONE or --zone HOURS
2 --lat 1 --lon 1 --tz Mars/Olympus | unknown time zone "Mars/Olympus"
2 @ --tz UTC | --tz does not go with --zone or --dst
2 --city Mecca @ | --city does not go with --lat, --lon, --tz, --zone or --dst
2 --city Mecca --city Mecca | --city may be given only once
2 @ --date 2023-02-29 | date must be an existing date YYYY-MM-DD with a year from 0001 to 9999, not "2023-02-29"
2 @ --date 2024-6-1 | date must be an existing date YYYY-MM-DD with a year from 0001 to 9999, not "2024-6-1"
2 @ --month 2024-13 | month must be YYYY-MM with a year from 0001 to 9999, not "2024-13"
2 @ --year 10000 | year must be a whole number from 1 to 9999, not "10000"
2 @ --from 2024-01-01 | give a range with both --from and --to
2 @ --from 2024-01-02 --to 2024-01-01 | the range ends (--to 2024-01-01) before it starts (--from 2024-01-02)
2 @ --from 2024-01-01 --to 2034-01-01 | a range may cover at most ten years (3653 days), not 3654
2 @ --date 2024-01-01 --month 2024-01 | give only one of --date, --month, --year and --from/--to
2 @ --method both | method must be angle or interval, not "both"
2 @ --format xml | format must be text, csv, json or ics, not "xml"
2 @ --depression -1 | depression must be a number from 0 to 90, not "-1"
2 @ --interval 1e9 | interval must be a number from 0 to 1440, not "1e9"
2 --city Mecca --format ics --24h | --24h does not go with --format ics (a calendar shows times its own way)
2 --24h=maybe | --24h takes no value
2 --lat | --lat needs a value
2 --bogus | unknown option "--bogus" (a name that begins with '-' goes after --)
2 @ extra | unexpected argument "extra"
2 @ --preset nope | preset must be classic or an id that 'orvanta-times presets' lists, not "nope"
2 @ --preset mwl --fajr-angle 30.5 | fajr angle must be a number above 0 and at most 30, not "30.5"
2 @ --preset mwl --isha-interval 301 | isha interval must be a number above 0 and at most 300, not "301"
2 @ --preset mwl --maghrib-angle 11 | maghrib angle must be a number from 0 to 10, not "11"
2 @ --preset mwl --adjust fajr=61 | adjust must be PRAYER=MIN[,...] with prayers fajr shuruq zuhr asr maghrib isha and whole minutes from -60 to 60, not "fajr=61"
2 @ --preset mwl --adjust dhuhr=1 | adjust must be PRAYER=MIN[,...] with prayers fajr shuruq zuhr asr maghrib isha and whole minutes from -60 to 60, not "dhuhr=1"
2 @ --preset mwl --high-latitude polar | high-latitude must be none, middle-of-night, seventh-of-night, twilight-angle, nearest-day or nearest-latitude, not "polar"
2 @ --preset mwl --nearest-latitude 66 | nearest latitude must be a number above 0 and at most 65, not "66"
2 @ --preset mwl --rounding down | rounding must be nearest or up, not "down"
2 @ --preset mwl --isha-angle 17 --isha-interval 90 | --isha-angle does not go with --isha-interval
2 @ --preset turkey --depression 15 | --method, --depression and --interval set the classic method; they do not go with --preset "turkey"
2 @ --adjust fajr=1 | the classic method has no such parameters; choose a method with --preset ID
2 presets --preset mwl | unknown option "--preset" (a name that begins with '-' goes after --)
2 cities | cities needs one of search, nearest, home, add and remove
2 cities fly | unexpected argument "fly"
2 --city Mecca cities search m | --city does not go with cities
2 cities nearest 10 | cities nearest needs a latitude and a longitude: LAT LON
2 cities nearest 90.5 0 | latitude must be a number from -90 to 90, not "90.5"
2 cities search s --limit 100000 | limit must be a whole number from 1 to 99999, not "100000"
2 cities home | cities home needs a city NAME or --clear
2 cities home Mecca --clear | cities home takes a city NAME or --clear, not both
2 cities add X --lat 1 | cities add needs --lat, --lon and --tz
2 cities add X --lat 1 --lon -181 --tz UTC | longitude must be a number from -180 to 180, not "-181"
2 cities add X --lat 1 --lon 1 --tz Mars/Base | unknown time zone "Mars/Base"
2 cities add -Name --lat 1 | unknown option "-Name" (a name that begins with '-' goes after --)
2 --city ~ | --city needs a city name
1 --city \x1b[2J | cannot find the city "\x1b[2J"
2 cities add Evil\x1b]0;X\x07 --lat 1 --lon 2 --tz UTC | a city name cannot hold control characters: "Evil\x1b]0;X\x07"
2 cities add Csi\xc2\x9b2J\x7f --lat 1 --lon 2 --tz UTC | a city name cannot hold control characters: "Csi\x9b2J\x7f"
2 cities add Rlo\xe2\x80\xaeIsolate\xe2\x81\xa6Alm\xd8\x9cLrm\xe2\x80\x8e --lat 1 --lon 2 --tz UTC | a city name cannot hold control characters: "Rlo\u202eIsolate\u2066Alm\u061cLrm\u200e"
1 --city Caf\xc3\xa9\xc2\xa0\xe6\x9d\xb1 | cannot find the city "Café 東"
2 cities add Bad\xff\xc0\xaf\xed\xa0\x80\xc3 --lat 1 --lon 2 --tz UTC | a city name must be UTF-8 text of 1 to 199 characters, not "Bad\xff\xc0\xaf\xed\xa0\x80\xc3"
2 cities add ~~~ --lat 1 --lon 2 --tz UTC | a city name must be UTF-8 text of 1 to 199 characters, not "   "
)";

// The rows above, then those whose arguments hold spaces or control characters.
TEST(OutputHygiene, EveryRefusalIsOneLineInOneStyle) {
    const testing_support::CliHome home(kHostileRow);
    ASSERT_TRUE(home.Built());
    std::vector<testing_support::CommandRow> rows = testing_support::CommandRows(kRefusals);
    const std::string huge(128 * 1024, 'x');
    std::string cut(1, '"');  // the first 80 characters, then an ellipsis
    cut.append(80, 'x').append("\u2026\"");
    rows.insert(
        rows.end(),
        {
            {{"--lat", huge}, 2, "latitude must be a number from -90 to 90, not " + cut},
            {{"--city", huge}, 1, "cannot find the city " + cut},
            {{"cities", "search", ""}, 2, "cities search needs the beginning of a city name"},
            {Args("cities add " + std::string(200, 'n') + " --lat 1 --lon 2 --tz UTC"), 2,
             "a city name must be UTF-8 text of 1 to 199 characters, not \"" +
                 std::string(80, 'n') + "\u2026\""},
        });
    for (const testing_support::CommandRow& row : rows) {
        testing_support::ExpectRun(row, home.Run(row.args));
    }
    EXPECT_EQ(rows.size(), 62u);  // every line of the table read
    EXPECT_FALSE(std::filesystem::exists(home.user)) << "nothing refused creates user.db";
}

// True when text holds a raw control character: C0 other than the line end, DEL, C1 (UTF-8
// C2 80 .. C2 9F) or a bidirectional control (U+061C, U+200E, U+200F, U+202A .. U+202E,
// U+2066 .. U+2069); crlf allows the "\r\n" of iCalendar lines.
bool HasRawControl(const std::string& text, bool crlf) {
    static const std::regex control(
        "[\\x00-\\x09\\x0b-\\x1f\\x7f]|\\xc2[\\x80-\\x9f]|\\xd8\\x9c|\\xe2\\x80[\\x8e\\x8f\\xaa-"
        "\\xae]|"
        "\\xe2\\x81[\\xa6-\\xa9]");
    return std::regex_search(crlf ? std::regex_replace(text, std::regex("\r\n"), "\n") : text,
                             control);
}

// The hostile name in every output, shown as escapes; iCalendar escapes the backslashes and the
// semicolon of the visible form, JSON its backslashes.
const char* const kHostileRows = R"(
0 --city evil --date 2026-03-01 --format text | City:     Evil\x1b]0;X\x07\x0aLine\u202e
0 --city evil --date 2026-03-01 --format csv | date,prayer
0 --city evil --date 2026-03-01 --format json | "name": "Evil\\x1b]0;X\\x07\\x0aLine\\u202e",
0 --city evil --date 2026-03-01 --format ics | LOCATION:Evil\\x1b]0\;X\\x07\\x0aLine\\u202e
0 --city evil --month 2026-03 | City:     Evil\x1b]0;X\x07\x0aLine\u202e
0 cities search ev | Land\x9b
0 cities home evil | Home city: Evil\x1b]0;X\x07\x0aLine\u202e
)";

TEST(OutputHygiene, ANameFromADatabaseShowsItsControlCharactersInEveryOutput) {
    const testing_support::CliHome home(kHostileRow);
    ASSERT_TRUE(home.Built());
    for (const testing_support::CommandRow& row : testing_support::CommandRows(kHostileRows)) {
        const RunResult run = home.Run(row.args);
        testing_support::ExpectRun(row, run);
        EXPECT_FALSE(HasRawControl(run.out, row.args.back() == "ics")) << run.out;
    }
}

TEST(OutputHygiene, LostOutputIsAnErrorForEveryCommand) {
    const testing_support::CliHome home;
    ASSERT_TRUE(home.Built());
    for (const char* words : {"--help", "cities add --help", "--version", "--city Mecca",
                              "cities search me", "cities home Mecca", "cities home --clear",
                              "cities add Oasis --lat 1 --lon 2 --tz UTC", "cities remove Oasis"}) {
        std::ostream out(nullptr);  // takes nothing, as a full disk or a closed descriptor
        testing_support::ExpectRun({{}, 1, "cannot write the output"}, home.Run(Args(words), &out));
    }
}

TEST(OutputHygiene, HelpGivesUnitsAndRulesWithoutTheLibrarysNotes) {
    const std::string top = testing_support::RunTimes({"--help"}, {}).out;
    for (const char* shown :
         {"--lat DEG", "--zone HOURS", "--tz ZONE", "--date YYYY-MM-DD", "--month YYYY-MM",
          "--year YYYY", "--interval MIN", "--city NAME", "not with --tz", "not with ics",
          "Exit status", "Fajr angle replaced (above 0, at most 30)"}) {
        EXPECT_NE(top.find(shown), std::string::npos) << shown;
    }
    EXPECT_FALSE(std::regex_search(top, std::regex("Needs:|Excludes:|REQUIRED|--[a-z0-9]+ TEXT")));
    EXPECT_LE(std::count(top.begin(), top.end(), '\n'), 58);
    EXPECT_EQ(testing_support::RunTimes({"cities", "add", "--help"}, {}).out.find("Exit status"),
              std::string::npos);
}

// A run declares a group of options only when its arguments name one of them, so each group's
// names must be exactly the options it declares: one missing would be an unknown option.
TEST(OutputHygiene, EachOptionGroupNamesTheOptionsItDeclares) {
    for (const auto& group : TimesOptionGroups()) {
        CLI::App app;
        std::vector<CLI::Option*> declared;
        group->Declare(app, declared);
        std::vector<std::string> names(group->Names().begin(), group->Names().end());
        std::vector<std::string> declaredNames;
        for (const CLI::Option* option : declared) {
            declaredNames.push_back(option->get_name());
        }
        EXPECT_EQ(declaredNames, names);
    }
}

}  // namespace
}  // namespace orvanta
