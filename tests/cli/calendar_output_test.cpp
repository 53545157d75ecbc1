// The Hijri date, the Qibla and the method in orvanta-times: in each format, from the command
// line or the saved settings; a preset's published times and the list of presets.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "command_table.h"
#include "settings/settings_memory_file.h"

namespace orvanta {
namespace {

using testing_support::Args;
using testing_support::RunResult;
using testing_support::RunTimes;

// 18 February 2026 is 1 Ramadan 1447 (announced by the Saudi Supreme Court). The Qibla of
// Detroit, computed by hand with the spherical formula, is 52.03 degrees (published: 52); none
// at the Kaaba. 27 May 2026 is 10 Dhu al-Hijjah 1447 (Eid al-Adha in Saudi Arabia). An offset moves
// the Hijri date: each row's civil date is 1 Ramadan with it. Diyanet's imsakiye for Istanbul, 19
// February 2026: Zuhr 13:23, Asr 16:20; adjusted by whole minutes (the JSON's minutes are the
// preset's own plus the adjustment). The method is named in every format; the presets are listed
// with their sources. Umm al-Qura's Isha on 2 Ramadan is 120 minutes after Maghrib, not its
// usual 90. The days of the Islamic year (Umm al-Qura: Eid al-Fitr 1445 Wednesday 10 April
// 2024, Eid al-Adha 1447 Wednesday 27 May 2026) in json, in csv with --extras, and listed by
// `holidays`, 1 Muharram twice in 2008.
const char* const kRows = R"(
0 @detroit-fixed --date 2026-02-18 | Qibla:    52.0° clockwise from true north | Date:     2026-02-18 (1 Ramadan 1447)
0 @detroit-fixed --date 2026-02-18 --format csv | 2026-02-18,Fajr,*,1447-09-01 | 2026-02-18,Isha,*,1447-09-01
0 @detroit-fixed --date 2026-02-18 --format json | "qiblaDegrees": 52.02 | "year": 1447, | "month": 9, | "day": 1, | "text": "1 Ramadan 1447"
0 @mecca --date 2026-05-27 | (10 Dhu al-Hijjah 1447)
0 @detroit-fixed --from 2026-02-16 --to 2026-02-18 |   Hijri | 2026-02-18 * 1 Ramadan 1447
0 @detroit-fixed --date 0001-01-01 --format json | "hijri": null
0 @detroit-fixed --from 0622-07-18 --to 0622-07-19 |   Hijri | 0622-07-19 * 1 Muharram 1
0 --lat 21.4225 --lon 39.8262 --zone 3 --format json | "qiblaDegrees": null
0 @detroit-fixed --date 2026-02-17 --hijri-offset 1 | (1 Ramadan 1447)
0 @mecca --date 2026-05-27 --format json | "holiday": "eid-al-adha"
0 @mecca --date 2026-05-28 --format json | "holiday": null
0 @mecca --date 2026-05-26 --format csv --extras | hijri,holiday | 2026-05-26,Isha,*,1447-12-09,arafah
0 @mecca --date 2026-05-25 --hijri-offset 1 --format csv --extras | 2026-05-25,Fajr,*,1447-12-09,arafah
0 @mecca --date 2026-05-27 --format csv --extras | 2026-05-27,Maghrib,*,1447-12-10,eid-al-adha
0 holidays --year 2024 | 2024-04-10  Wed  Eid al-Fitr       1 Shawwal 1445
0 holidays --year 2024 --hijri-offset -1 | 2024-06-17  Mon  Eid al-Adha       10 Dhu al-Hijjah 1445
0 holidays --year 2008 --format json | "date": "2008-01-10", | "date": "2008-12-29", | "id": "new-year",
0 holidays --year 2025 --format ics | UID:ramadan-1446@orvanta | DTSTART;VALUE=DATE:20250301 | DTEND;VALUE=DATE:20250302
2 holidays --year 2025 --format csv | holidays are written as text, json or ics, not csv
2 holidays --city Mecca | --city does not go with holidays
0 @detroit-fixed --date 2026-02-20 --hijri-offset -2 | (1 Ramadan 1447)
0 @detroit-fixed --date 2026-02-18 --hijri-offset -0 | (1 Ramadan 1447)
2 @detroit-fixed --hijri-offset 3 | hijri offset must be -2, -1, 0, 1 or 2, not "3"
2 @detroit-fixed --hijri-offset +1 | hijri offset must be -2, -1, 0, 1 or 2, not "+1"
0 @istanbul --date 2026-02-19 --preset turkey --24h | Method:   turkey (Diyanet | Zuhr (Noon)       13:23 | Asr (Afternoon)   16:20 | ; high latitude twilight-angle; Asr
0 @istanbul --date 2026-02-19 --preset mwl --nearest-latitude 65 | ; high latitude nearest-latitude at 65°; Asr
0 @istanbul --date 2026-02-19 --preset mwl --format json | "highLatitude": "nearest-latitude", | "nearestLatitude": 48.5,
0 @istanbul --date 2026-02-19 --preset turkey --24h --adjust zuhr=+2,asr=-60 | Zuhr (Noon)       13:25 | Asr (Afternoon)   15:20
0 @istanbul --date 2026-02-19 --preset turkey --format json --adjust zuhr=+2,asr=-60 | "zuhr": "2026-02-19T13:25:00+03:00" | "asr": "2026-02-19T15:20:00+03:00" | "zuhr": 7, | "asr": -56,
0 @istanbul --date 2026-02-19 --preset umm-al-qura --format json | "method": "umm-al-qura" | "ishaInterval": 90.0
0 @istanbul --date 2026-02-19 --preset umm-al-qura --24h | Maghrib (Sunset)  18:43 | Isha (Night)      20:43
0 @istanbul --date 2026-02-19 --preset dubai --format ics | (method: dubai)
0 presets | classic  | moonsighting  Moonsighting Committee Worldwide:  | (source:  | high latitudes: nearest-latitude at 48.5° (its Fiqh Council | high latitudes: twilight-angle (the authority prescribes none
)";

RunResult Times(const std::vector<std::string>& args, const std::string& savedLine = "",
                int* reads = nullptr) {
    MemorySettingsFile saved;
    saved.content = testing_support::RegistryExport(savedLine);
    RunResult run =
        testing_support::RunTimes(args, testing_support::Pinned({2026, 2, 18}, nullptr, &saved));
    if (reads != nullptr) {
        *reads = saved.readCount;
    }
    return run;
}

TEST(CalendarOutput, EveryFormatCarriesTheHijriDateAndTheQibla) {
    EXPECT_EQ(testing_support::ExpectCommands(kRows, [](const auto& args) { return Times(args); }),
              33u);
}

// Saved settings: a Hijri offset (the command line's wins), a method; unreadable values are
// said once and left alone, and classic's own options choose classic for the run. The file is
// read once a run, for every value it gives.
TEST(CalendarOutput, SavedHijriOffsetAndMethodApplyAndUnreadableValuesWarnOnce) {
    const std::string qatar = "\"Method\"=\"qatar\"\n\"FajrAngle\"=\"steep\"";
    const std::string fajrTold =
        "orvanta-times: warning: ignored the method settings that cannot be read (FajrAngle); they "
        "stay in the settings file as they are\n";
    const struct {
        const char* words;
        std::string saved;
        const char* shown;
        std::string told;
    } rows[] = {
        {"@detroit-fixed --date 2026-02-19", "\"HijriOffset\"=\"-1\"", "(1 Ramadan 1447)", ""},
        {"@detroit-fixed --date 2026-02-18 --hijri-offset 0", "\"HijriOffset\"=\"2\"",
         "(1 Ramadan 1447)", ""},
        {"@detroit-fixed --date 2026-02-18", "\"HijriOffset\"=\"tomorrow\"", "(1 Ramadan 1447)",
         "orvanta-times: warning: ignored the Hijri offset that cannot be read (HijriOffset); it "
         "stays in the settings file as it is\n"},
        {"@istanbul --date 2026-02-19", qatar, "Method:   qatar (", fajrTold},
        {"@istanbul --date 2026-02-19 --depression 15", qatar, "sun 15\u00B0 below", fajrTold},
    };
    for (const auto& row : rows) {
        int reads = 0;
        const RunResult run = Times(Args(row.words), row.saved, &reads);
        EXPECT_EQ(run.status, 0) << row.words;
        EXPECT_EQ(reads, 1) << row.words;
        EXPECT_NE(run.out.find(row.shown), std::string::npos) << row.saved << run.out;
        EXPECT_EQ(run.err, row.told) << row.words;
    }
}

TEST(MethodCommand, PresetsGiveTheAuthoritiesTimesAndAreNamed) {
    const RunResult presets = RunTimes({"presets"}, {});
    EXPECT_EQ(std::count(presets.out.begin(), presets.out.end(), '\n'), 18);
    for (const char* format : {"text", "json", "csv", "ics"}) {
        const std::string words = std::string("@istanbul --date 2026-02-19 --format ") + format;
        const RunResult plain = RunTimes(Args(words), {});
        EXPECT_EQ(plain.out, RunTimes(Args(words + " --preset classic"), {}).out) << format;
        EXPECT_EQ(plain.out.find("method: "), std::string::npos) << format;
    }
}

}  // namespace
}  // namespace orvanta
