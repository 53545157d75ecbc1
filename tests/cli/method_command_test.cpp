// orvanta-times with the methods of the authorities: a preset's published times, the method
// named in every format, the saved method, and the list of presets.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "run_times.h"
#include "settings/method_settings.h"
#include "settings/settings_memory_file.h"
#include "settings/settings_store.h"

namespace orvanta {
namespace {

using testing_support::RunResult;
using testing_support::RunTimes;
using testing_support::With;

const std::vector<std::string> kIstanbul = {"--lat", "41.0082",         "--lon",  "28.9784",
                                            "--tz",  "Europe/Istanbul", "--date", "2026-02-19"};

RunResult RunCommand(const std::vector<std::string>& args, const TimesServices& services = {}) {
    return RunTimes(args, services);
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(MethodCommand, PresetGivesTheAuthoritysPublishedTimes) {
    // Diyanet's imsakiye for Istanbul, 19 February 2026: Zuhr 13:23, Asr 16:20.
    const RunResult r = RunCommand(With(kIstanbul, {"--preset", "turkey", "--24h"}));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(Contains(r.out, "Method:   turkey (Diyanet")) << r.out;
    EXPECT_TRUE(Contains(r.out, "Zuhr (Noon)       13:23")) << r.out;
    EXPECT_TRUE(Contains(r.out, "Asr (Afternoon)   16:20")) << r.out;
    const RunResult adjusted =
        RunCommand(With(kIstanbul, {"--preset", "turkey", "--24h", "--adjust", "zuhr=+2,asr=-60"}));
    EXPECT_TRUE(Contains(adjusted.out, "Zuhr (Noon)       13:25")) << adjusted.out;
    EXPECT_TRUE(Contains(adjusted.out, "Asr (Afternoon)   15:20")) << adjusted.out;
}

TEST(MethodCommand, EveryFormatNamesThePresetAndClassicStaysAsItWas) {
    const RunResult json =
        RunCommand(With(kIstanbul, {"--preset", "umm-al-qura", "--format", "json"}));
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_TRUE(Contains(json.out, "\"method\": \"umm-al-qura\""));
    EXPECT_TRUE(Contains(json.out, "\"ishaInterval\": 90.0"));
    const RunResult ics = RunCommand(With(kIstanbul, {"--preset", "dubai", "--format", "ics"}));
    EXPECT_TRUE(Contains(ics.out, "(method: dubai)"));
    for (const char* format : {"text", "json", "csv", "ics"}) {
        const RunResult plain = RunCommand(With(kIstanbul, {"--format", format}));
        const RunResult classic =
            RunCommand(With(kIstanbul, {"--format", format, "--preset", "classic"}));
        EXPECT_EQ(plain.out, classic.out) << format;
        EXPECT_FALSE(Contains(plain.out, "method: ")) << format;
    }
}

TEST(MethodCommand, SavedMethodAppliesAndUnreadableValuesWarnOnce) {
    MemorySettingsFile saved;
    MethodSettings method;
    method.choice.presetId = "qatar";
    ASSERT_TRUE(SaveSettings(saved, PrayerSettings{}, &method));
    *saved.content += "\"FajrAngle\"=\"steep\"\n";
    TimesServices services;
    services.savedSettings = &saved;
    const RunResult r = RunCommand(kIstanbul, services);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(Contains(r.out, "Method:   qatar ("));
    EXPECT_EQ(r.err,
              "orvanta-times: warning: ignored the method settings that cannot be read "
              "(FajrAngle); they stay in the settings file as they are\n");
    // Classic's own options choose classic for the run.
    const RunResult classic = RunCommand(With(kIstanbul, {"--depression", "15"}), services);
    EXPECT_TRUE(Contains(classic.out, "sun 15° below")) << classic.out;
}

TEST(MethodCommand, PresetsAreListedWithTheirSources) {
    const RunResult r = RunCommand({"presets"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(Contains(r.out, "classic "));
    EXPECT_TRUE(Contains(r.out, "moonsighting  Moonsighting Committee Worldwide: "));
    EXPECT_TRUE(Contains(r.out, "(source: "));
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 18);
}

}  // namespace
}  // namespace orvanta
