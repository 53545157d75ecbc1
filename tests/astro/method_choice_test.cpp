// The method choice as the settings file and the command line spell it.
#include <gtest/gtest.h>

#include <tuple>

#include "astro/method_choice.h"
#include "astro/method_presets.h"

namespace orvanta {
namespace {

TEST(MethodChoice, AdjustmentTextsAcceptedAndRefused) {
    const MinuteOffsets base = {1, 1, 1, 1, 1, 1};
    EXPECT_EQ(ParseAdjustments("fajr=0,shuruq=0,zuhr=0,asr=0,maghrib=0,isha=0", base),
              MinuteOffsets{});
    EXPECT_EQ(ParseAdjustments("isha=+60,fajr=-60", base), (MinuteOffsets{-60, 1, 1, 1, 1, 60}));
    EXPECT_EQ(ParseAdjustments("zuhr=2", base), (MinuteOffsets{1, 1, 2, 1, 1, 1}));
    for (const char* text : {"isha=61", "isha=-61", "isha=1.5", "fajr=1,fajr=2", "dhuhr=1",
                             "fajr=", "fajr=1,", "", "fajr=+-1", "Fajr=1"}) {
        EXPECT_FALSE(ParseAdjustments(text, base)) << text;
    }
    const MinuteOffsets some = {2, 0, -3, 0, 60, -60};
    EXPECT_EQ(ParseAdjustments(FormatAdjustments(some)), some);
}

TEST(MethodChoice, ValueRangesAtTheirEnds) {
    EXPECT_FALSE(ParseTwilightAngle("0"));
    EXPECT_EQ(ParseTwilightAngle("30"), 30.0);
    EXPECT_FALSE(ParseTwilightAngle("30.01"));
    EXPECT_EQ(ParseTwilightAngle("17.5"), 17.5);
    EXPECT_FALSE(ParseTwilightAngle("17,5"));
    EXPECT_FALSE(ParseTwilightAngle("nan"));
    EXPECT_EQ(ParseMaghribAngle("0"), 0.0);
    EXPECT_FALSE(ParseMaghribAngle("10.5"));
    EXPECT_FALSE(ParseIshaInterval("0"));
    EXPECT_EQ(ParseIshaInterval("300"), 300.0);
    using enum HighLatitudeRule;
    for (const auto& [name, rule] : {std::pair{"none", kNone},
                                     {"middle-of-night", kMiddleOfNight},
                                     {"seventh-of-night", kSeventhOfNight},
                                     {"twilight-angle", kTwilightAngle}}) {
        EXPECT_EQ(ParseHighLatitudeRule(name), rule) << name;
        EXPECT_EQ(HighLatitudeRuleName(rule), name);
    }
    EXPECT_FALSE(ParseHighLatitudeRule("angle"));
    EXPECT_EQ(ParseRoundingRule("up"), RoundingRule::kUp);
    EXPECT_FALSE(ParseRoundingRule("down"));
}

TEST(MethodChoice, OverridesReplaceOnlyWhatTheyName) {
    MethodChoice choice;
    EXPECT_FALSE(ResolveMethod(choice, 1.0));  // classic has no method record
    choice.presetId = "no-such-authority";
    EXPECT_FALSE(ResolveMethod(choice, 1.0));

    choice.presetId = "umm-al-qura";
    choice.ishaAngleDeg = 17.0;
    choice.adjustments = {0, 0, 0, 0, 0, 5};
    choice.rounding = RoundingRule::kUp;
    const auto angled = ResolveMethod(choice, 2.0);
    ASSERT_TRUE(angled);
    // Isha rule and angle, Umm al-Qura's own Fajr angle, adjustments, rounding, Asr shadow.
    EXPECT_EQ(std::tuple(angled->ishaRule, angled->ishaAngleDeg, angled->fajrAngleDeg,
                         angled->adjustmentMinutes[5], angled->rounding, angled->asrShadowFactor),
              std::tuple(IshaRule::kAngle, 17.0, 18.5, 5, RoundingRule::kUp, 2.0));

    choice.ishaIntervalMinutes = 75.0;  // an interval wins over an angle
    const auto interval = ResolveMethod(choice, 1.0);
    ASSERT_TRUE(interval);
    EXPECT_EQ(std::tuple(interval->ishaRule, interval->ishaIntervalMinutes,
                         interval->ramadanIshaIntervalMinutes),
              std::tuple(IshaRule::kInterval, 75.0, 0.0));

    MethodChoice turkey;
    turkey.presetId = "turkey";
    EXPECT_EQ(ResolveMethod(turkey, 1.0)->methodMinutes,
              FindMethodPreset("turkey")->method.methodMinutes);
}

}  // namespace
}  // namespace orvanta
