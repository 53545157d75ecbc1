// The Hijri date and the Qibla in orvanta-times: in each format, with the offset from the
// command line or the saved settings, and the offsets refused.
#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "run_times.h"
#include "settings/settings_memory_file.h"

namespace orvanta {
namespace {

using testing_support::RunResult;
using testing_support::With;

// Detroit by coordinates: the Qibla, computed by hand with the spherical formula, is 52.03
// degrees (published figures for Detroit: 52 degrees).
const std::vector<std::string> kDetroit = {"--lat", "42.3314", "--lon", "-83.0458", "--zone", "-5"};
const std::string kKey =
    "Windows Registry Editor Version 5.00\n\n[HKEY_LOCAL_MACHINE\\Software\\Kelvarin\\Orvanta]\n";

RunResult Times(const std::vector<std::string>& args, const std::string& savedLine = "") {
    MemorySettingsFile saved;
    saved.content = kKey + savedLine + "\n";
    TimesServices services;
    services.today = [] { return CivilDate{2026, 2, 18}; };
    services.savedSettings = &saved;
    return testing_support::RunTimes(args, services);
}

// 18 February 2026 is 1 Ramadan 1447 (announced by the Saudi Supreme Court).
TEST(CalendarOutput, EveryFormatCarriesTheHijriDateAndTheQibla) {
    const RunResult text = Times(kDetroit);
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_NE(text.out.find("Qibla:    52.0\u00B0 clockwise from true north\n"), std::string::npos)
        << text.out;
    EXPECT_NE(text.out.find("Date:     2026-02-18 (1 Ramadan 1447)\n"), std::string::npos);

    const RunResult csv = Times(With(kDetroit, {"--format", "csv"}));
    ASSERT_EQ(csv.status, 0) << csv.err;
    EXPECT_EQ(csv.out.substr(0, csv.out.find('\n')), "date,prayer,hours,time,hijri");
    std::size_t marked = 0;
    for (std::size_t at = csv.out.find(",1447-09-01\n"); at != std::string::npos;
         at = csv.out.find(",1447-09-01\n", at + 1)) {
        ++marked;
    }
    EXPECT_EQ(marked, 6U) << csv.out;  // one line per prayer

    const RunResult json = Times(With(kDetroit, {"--format", "json"}));
    ASSERT_EQ(json.status, 0) << json.err;
    const auto document = nlohmann::json::parse(json.out);
    EXPECT_NEAR(document["place"]["qiblaDegrees"].get<double>(), 52.03, 0.01);
    const auto& hijri = document["days"][0]["hijri"];
    EXPECT_EQ(hijri["year"], 1447);
    EXPECT_EQ(hijri["month"], 9);
    EXPECT_EQ(hijri["day"], 1);
    EXPECT_EQ(hijri["text"], "1 Ramadan 1447");

    const RunResult range = Times(With(kDetroit, {"--from", "2026-02-16", "--to", "2026-02-18"}));
    ASSERT_EQ(range.status, 0) << range.err;
    EXPECT_NE(range.out.find("  Hijri\n"), std::string::npos) << range.out;
    EXPECT_NE(range.out.find("   1 Ramadan 1447\n"), std::string::npos) << range.out;

    const RunResult kaaba =
        Times({"--lat", "21.4225", "--lon", "39.8262", "--zone", "3", "--format", "json"});
    ASSERT_EQ(kaaba.status, 0) << kaaba.err;
    EXPECT_TRUE(nlohmann::json::parse(kaaba.out)["place"]["qiblaDegrees"].is_null());
}

TEST(CalendarOutput, TheOffsetComesFromTheCommandLineElseTheSavedSettings) {
    struct Row {
        std::string name;
        std::string date;
        std::vector<std::string> more;
        std::string saved;
        bool warned;
    };
    // Each row names the civil date whose Hijri date, moved by the offset in force, is the
    // first of Ramadan 1447.
    const std::vector<Row> rows = {
        {"option +1", "2026-02-17", {"--hijri-offset", "1"}, "", false},
        {"option -2", "2026-02-20", {"--hijri-offset", "-2"}, "", false},
        {"saved -1", "2026-02-19", {}, "\"HijriOffset\"=\"-1\"", false},
        {"option over saved",
         "2026-02-18",
         {"--hijri-offset", "0"},
         "\"HijriOffset\"=\"2\"",
         false},
        {"saved unreadable", "2026-02-18", {}, "\"HijriOffset\"=\"tomorrow\"", true},
    };
    for (const Row& row : rows) {
        const RunResult run =
            Times(With(With(kDetroit, {"--date", row.date}), row.more), row.saved);
        ASSERT_EQ(run.status, 0) << row.name << ": " << run.err;
        EXPECT_NE(run.out.find("(1 Ramadan 1447)"), std::string::npos) << row.name << run.out;
        EXPECT_EQ(run.err.find("HijriOffset") != std::string::npos, row.warned) << row.name;
    }
}

TEST(CalendarOutput, OffsetsOutsideTwoDaysAreRefused) {
    for (const std::string value : {"3", "-3", "1.5", "+1", "one", ""}) {
        const RunResult run = Times(With(kDetroit, {"--hijri-offset", value}));
        EXPECT_EQ(run.status, 2) << value;
        EXPECT_EQ(run.out, "") << value;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << value << run.err;
    }
}

}  // namespace
}  // namespace orvanta
