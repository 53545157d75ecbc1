// What orvanta-times lets out: names with control characters are refused when added and shown
// as visible escapes when a database has them; one error line in one style, with long values
// cut; lost output is an error; --24h and the trimmed time field of csv and json; the help.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <nlohmann/json.hpp>
#include <regex>
#include <sstream>
#include <streambuf>
#include <tuple>

#include "cities/home_city_store.h"
#include "cities/sqlite_city_store.h"
#include "common/visible_text.h"
#include "run_times.h"
#include "tests/support/scratch_database.h"

namespace orvanta {
namespace {

using testing_support::RunResult;

// ESC ] 0 ; X BEL sets a terminal's title; the newline would forge a line.
const std::string kHostileShown = "Evil\\x1b]0;X\\x07\\x0aLine";

// A city database with a hostile name (and a C1 CSI, U+009B, in its country) and Mecca, and a
// per-user database, in a scratch folder.
class Databases {
  public:
    Databases() {
        built_ = testing_support::BuildDatabase(
            shipped_,
            "INSERT INTO zones VALUES (1, 'Asia/Riyadh', -180, 0);"
            "INSERT INTO fold_map VALUES (69, 'e'), (77, 'm');"
            "INSERT INTO cities VALUES (1, 'Evil' || char(27) || ']0;X' || char(7) || "
            "char(10) || 'Line', 'evil', 'Land' || char(155), 'XX', '', 2125, 3949, 1, "
            "1), (2, 'Mecca', 'mecca', 'Saudi Arabia', 'SA', '', 2125, 3949, 1, 2);");
        services_.today = [] { return CivilDate{2026, 3, 1}; };
        services_.homeCity = &home_;
        services_.cities = &store_;
        services_.cityDatabasePath = shipped_;
        services_.userDatabasePath = user_;
    }
    bool Built() const { return built_; }
    const TimesServices& Services() const { return services_; }
    RunResult Run(const std::vector<std::string>& args) const {
        return testing_support::RunTimes(args, services_);
    }

  private:
    testing_support::ScratchFolder folder_;
    std::filesystem::path shipped_ = folder_.Path() / "cities.db";
    std::filesystem::path user_ = folder_.Path() / "user.db";
    HomeCityStore home_{user_};
    SqliteCityStore store_{shipped_, true, user_};
    TimesServices services_;
    bool built_ = false;
};

// True when text holds a raw control character: C0 other than the line end, DEL, or C1
// (UTF-8 C2 80 .. C2 9F); crlf allows the "\r\n" of iCalendar lines.
bool HasRawControl(const std::string& text, bool crlf) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0U;
        const bool lineEnd = byte == '\n' || (crlf && byte == '\r' && next == '\n');
        if ((byte < 0x20 && !lineEnd) || byte == 0x7F ||
            (byte == 0xC2 && next >= 0x80 && next <= 0x9F)) {
            return true;
        }
    }
    return false;
}

TEST(OutputHygiene, VisibleTextEscapesControlCharactersAndBrokenBytesOnly) {
    const std::vector<std::array<std::string, 2>> rows = {
        {"Detroit, MI \u00E9\u6771\u00A0", "Detroit, MI \u00E9\u6771\u00A0"},  // no-break: not C1
        {std::string("\x1b]0;\x07\n\t\0\x7f", 9), "\\x1b]0;\\x07\\x0a\\x09\\x00\\x7f"},
        {"\u0085\u009B", "\\x85\\x9b"},
        {"\xff\xc0\xaf\xed\xa0\x80\xc3", "\\xff\\xc0\\xaf\\xed\\xa0\\x80\\xc3"},  // not UTF-8
    };
    for (const auto& [text, shown] : rows) {
        EXPECT_EQ(VisibleText(text), shown);
    }
    EXPECT_FALSE(HasControlCharacter(rows[0][0]));
    EXPECT_TRUE(HasControlCharacter("a\u009Bb"));
    EXPECT_FALSE(HasControlCharacter(rows[3][0]));
}

TEST(OutputHygiene, EveryRefusalIsOneLineInOneStyle) {
    const Databases db;
    ASSERT_TRUE(db.Built());
    const std::string huge(128 * 1024, 'x');
    std::string cut(1, '"');  // the first 80 characters, then an ellipsis
    cut.append(80, 'x').append("\u2026\"");
    const std::vector<std::string> add = {"--lat", "1", "--lon", "2", "--tz", "UTC"};
    const std::string dash = " (a name that begins with '-' goes after --)";
    const std::vector<std::tuple<std::vector<std::string>, int, std::string>> rows = {
        {{"cities", "add", "Evil\x1b]0;X\x07"},
         2,
         "a city name cannot hold control characters: \"Evil\\x1b]0;X\\x07\""},
        {{"cities", "add", "Two\nLines"},
         2,
         "a city name cannot hold control characters: \"Two\\x0aLines\""},
        {{"cities", "add", "Csi\u009B2J"},
         2,
         "a city name cannot hold control characters: \"Csi\\x9b2J\""},
        {{"--city", "\x1b[2J"}, 1, "cannot find the city \"\\x1b[2J\""},
        {{"--city", huge}, 1, "cannot find the city " + cut},
        {{"--lat", huge}, 2, "latitude must be a number from -90 to 90, not " + cut},
        {{"cities", "search", "\x07"}, 1, "no city name begins with \"\\x07\""},
        {{"--lat"}, 2, "--lat needs a value"},
        {{"--city", "Mecca", "--city", "Mecca"}, 2, "--city may be given only once"},
        {{"--24h=maybe"}, 2, "--24h takes no value"},
        {{"--bogus"}, 2, "unknown option \"--bogus\"" + dash},
        {{"cities", "add", "-Name", "--lat", "1"}, 2, "unknown option \"-Name\"" + dash},
        {{"cities", "search", "a", "b"}, 2, "unexpected argument \"b\""},
        {{"cities"}, 2, "cities needs one of search, home, add and remove"},
        {{"cities", "add", "X", "--lat", "1"}, 2, "cities add needs --lat, --lon and --tz"},
        {{"--lat", "1", "--lon", "2", "--zone", "0", "--tz", "UTC"},
         2,
         "--tz does not go with --zone or --dst"},
        {{"--method", "both"}, 2, "method must be angle or interval, not \"both\""},
        {{"--city", "Mecca", "cities", "search", "m"}, 2, "--city does not go with cities"},
        {{"--lat", "1", "--lon", "1", "--tz", "Mars/Olympus"},
         2,
         "unknown time zone \"Mars/Olympus\""},
        {{"cities", "search", ""}, 2, "cities search needs the beginning of a city name"},
        {{"--city", " "}, 2, "--city needs a city name"},
        {{"--city", "Mecca", "--format", "ics", "--24h"},
         2,
         "--24h does not go with --format ics (a calendar shows times its own way)"},
    };
    for (const auto& [args, status, line] : rows) {
        const bool adds = args.size() == 3 && args[1] == "add";
        const RunResult run = db.Run(adds ? testing_support::With(args, add) : args);
        EXPECT_EQ(run.status, status) << line;
        EXPECT_EQ(run.out, "") << line;
        EXPECT_EQ(run.err, "orvanta-times: " + line + "\n");
    }
}

TEST(OutputHygiene, ANameFromADatabaseShowsItsControlCharactersInEveryOutput) {
    const Databases db;
    ASSERT_TRUE(db.Built());
    const std::vector<std::string> day = {"--city", "evil", "--date", "2026-03-01", "--format"};
    std::map<std::string, std::string> outputs;
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{testing_support::With(day, {"text"}),
                                               testing_support::With(day, {"csv"}),
                                               testing_support::With(day, {"json"}),
                                               testing_support::With(day, {"ics"}),
                                               {"--city", "evil", "--month", "2026-03"},
                                               {"cities", "search", "ev"},
                                               {"cities", "home", "evil"}}) {
        const RunResult run = db.Run(args);
        ASSERT_EQ(run.status, 0) << args.back() << ": " << run.err;
        EXPECT_FALSE(HasRawControl(run.out, args.back() == "ics")) << run.out;
        outputs[args.back()] = run.out;
    }
    EXPECT_EQ(outputs["text"].substr(0, outputs["text"].find('\n')), "City:     " + kHostileShown);
    EXPECT_EQ(nlohmann::json::parse(outputs["json"]).at("place").at("name"), kHostileShown);
    // iCalendar escapes the backslashes and the semicolon of the visible form.
    EXPECT_NE(outputs["ics"].find("LOCATION:Evil\\\\x1b]0\\;X\\\\x07\\\\x0aLine\r\n"),
              std::string::npos);
    EXPECT_NE(outputs["ev"].find("Land\\x9b"), std::string::npos) << outputs["ev"];
    EXPECT_EQ(outputs["evil"], "Home city: " + kHostileShown + "\n");
}

TEST(OutputHygiene, NamesAfterDoubleDashAndNoBreakSpacesCanBeAdded) {
    const Databases db;
    ASSERT_TRUE(db.Built());
    const std::vector<std::string> at = {"--lat", "1", "--lon", "2", "--tz", "UTC"};
    EXPECT_EQ(db.Run(testing_support::With({"cities", "add", "--", "-Dash"}, at)).status, 0);
    EXPECT_EQ(
        db.Run(testing_support::With({"cities", "add"}, testing_support::With(at, {"--", "--Two"})))
            .status,
        0);
    EXPECT_EQ(db.Run(testing_support::With({"cities", "add", "Nb\u00A0sp"}, at)).err, "");
    const RunResult listed = db.Run({"cities", "search", "--", "-"});
    EXPECT_EQ(std::count(listed.out.begin(), listed.out.end(), '\n'), 3) << listed.out;
    EXPECT_EQ(db.Run({"cities", "remove", "--", "--Two"}).out, "Removed --Two\n");
}

// A standard output that takes nothing, as a full disk or a closed descriptor.
class LostOutput final : public std::streambuf {
  protected:
    int overflow(int) override { return traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

TEST(OutputHygiene, LostOutputIsAnErrorForEveryCommand) {
    const Databases db;
    ASSERT_TRUE(db.Built());
    for (std::vector<std::string> args : std::vector<std::vector<std::string>>{
             {"--help"},
             {"cities", "add", "--help"},
             {"--version"},
             {"--city", "Mecca"},
             {"cities", "search", "me"},
             {"cities", "home", "Mecca"},
             {"cities", "home", "--clear"},
             {"cities", "add", "Oasis", "--lat", "1", "--lon", "2", "--tz", "UTC"},
             {"cities", "remove", "Oasis"}}) {
        args.insert(args.begin(), "orvanta-times");
        std::vector<const char*> argv;
        for (const std::string& arg : args) {
            argv.push_back(arg.c_str());
        }
        LostOutput lost;
        std::ostream out(&lost);
        std::ostringstream err;
        EXPECT_EQ(
            RunTimesCommand(static_cast<int>(argv.size()), argv.data(), out, err, db.Services()), 1)
            << args[1];
        EXPECT_EQ(err.str(), "orvanta-times: cannot write the output\n") << args[1];
    }
}

TEST(OutputHygiene, TimeFieldOfCsvAndJsonIsTrimmedAndFollows24h) {
    const Databases db;
    ASSERT_TRUE(db.Built());
    const std::vector<std::string> mecca = {"--city", "Mecca", "--date", "2026-03-01"};
    // Zuhr at Mecca, 1 March 2026: 12:33 local time (hours 12.55 .. 12.5667).
    const RunResult csv = db.Run(testing_support::With(mecca, {"--format", "csv"}));
    EXPECT_TRUE(
        std::regex_search(csv.out, std::regex("\n2026-03-01,Zuhr,12\\.5[5-6][0-9]*,12:33 PM,")))
        << csv.out;
    EXPECT_TRUE(std::regex_search(csv.out, std::regex(",[1-9]:[0-9][0-9] AM,"))) << csv.out;
    const RunResult csv24 = db.Run(testing_support::With(mecca, {"--format", "csv", "--24h"}));
    EXPECT_TRUE(std::regex_search(csv24.out, std::regex("Zuhr,[0-9.]+,12:33,"))) << csv24.out;
    EXPECT_TRUE(std::regex_search(csv24.out, std::regex("Fajr,[0-9.]+,0[45]:[0-9][0-9],")));
    const RunResult json = db.Run(testing_support::With(mecca, {"--format", "json", "--24h"}));
    EXPECT_EQ(nlohmann::json::parse(json.out).at("days").at(0).at("texts").at("zuhr"), "12:33");
}

TEST(OutputHygiene, HelpGivesUnitsAndRulesWithoutTheLibrarysNotes) {
    const Databases db;
    ASSERT_TRUE(db.Built());
    const std::string top = db.Run({"--help"}).out;
    for (const char* shown : {"--lat DEG", "--zone HOURS", "--tz ZONE", "--date YYYY-MM-DD",
                              "--month YYYY-MM", "--year YYYY", "--interval MIN", "--city NAME",
                              "not with --tz", "not with ics", "Exit status"}) {
        EXPECT_NE(top.find(shown), std::string::npos) << shown;
    }
    EXPECT_FALSE(std::regex_search(top, std::regex("Needs:|Excludes:|REQUIRED|--[a-z0-9]+ TEXT")));
    EXPECT_LE(std::count(top.begin(), top.end(), '\n'), 50);
    EXPECT_NE(db.Run({"cities", "search", "--help"}).out.find("--limit N"), std::string::npos);
    EXPECT_EQ(db.Run({"cities", "add", "--help"}).out.find("Exit status"), std::string::npos);
}

}  // namespace
}  // namespace orvanta
