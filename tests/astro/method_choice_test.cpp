// The method choice as the settings file and the command line spell it.
#include <gtest/gtest.h>

#include <vector>

#include "astro/method_choice.h"
#include "astro/method_presets.h"

namespace orvanta {
namespace {

TEST(MethodChoice, AdjustmentTextsAcceptedAndRefused) {
    struct Row {
        const char* text;
        std::optional<MinuteOffsets> expected;
    };
    const MinuteOffsets base = {1, 1, 1, 1, 1, 1};
    for (const Row& r :
         std::vector<Row>{{"fajr=0,shuruq=0,zuhr=0,asr=0,maghrib=0,isha=0", MinuteOffsets{}},
                          {"isha=+60,fajr=-60", MinuteOffsets{-60, 1, 1, 1, 1, 60}},
                          {"zuhr=2", MinuteOffsets{1, 1, 2, 1, 1, 1}},
                          {"isha=61", std::nullopt},
                          {"isha=-61", std::nullopt},
                          {"isha=1.5", std::nullopt},
                          {"fajr=1,fajr=2", std::nullopt},
                          {"dhuhr=1", std::nullopt},
                          {"fajr=", std::nullopt},
                          {"fajr=1,", std::nullopt},
                          {"", std::nullopt},
                          {"fajr=+-1", std::nullopt},
                          {"Fajr=1", std::nullopt}}) {
        EXPECT_EQ(ParseAdjustments(r.text, base), r.expected) << r.text;
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
    for (const auto rule : {HighLatitudeRule::None, HighLatitudeRule::MiddleOfNight,
                            HighLatitudeRule::SeventhOfNight, HighLatitudeRule::TwilightAngle}) {
        EXPECT_EQ(ParseHighLatitudeRule(HighLatitudeRuleName(rule)), rule);
    }
    EXPECT_FALSE(ParseHighLatitudeRule("angle"));
    EXPECT_EQ(ParseRoundingRule("up"), RoundingRule::Up);
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
    choice.rounding = RoundingRule::Up;
    const auto angled = ResolveMethod(choice, 2.0);
    ASSERT_TRUE(angled);
    EXPECT_EQ(angled->ishaRule, IshaRule::Angle);
    EXPECT_EQ(angled->ishaAngleDeg, 17.0);
    EXPECT_EQ(angled->fajrAngleDeg, 18.5);
    EXPECT_EQ(angled->adjustmentMinutes[5], 5);
    EXPECT_EQ(angled->rounding, RoundingRule::Up);
    EXPECT_EQ(angled->asrShadowFactor, 2.0);

    choice.ishaIntervalMinutes = 75.0;  // an interval wins over an angle
    const auto interval = ResolveMethod(choice, 1.0);
    ASSERT_TRUE(interval);
    EXPECT_EQ(interval->ishaRule, IshaRule::Interval);
    EXPECT_EQ(interval->ishaIntervalMinutes, 75.0);
    EXPECT_EQ(interval->ramadanIshaIntervalMinutes, 0.0);

    MethodChoice turkey;
    turkey.presetId = "turkey";
    EXPECT_EQ(ResolveMethod(turkey, 1.0)->methodMinutes,
              FindMethodPreset("turkey")->method.methodMinutes);
}

}  // namespace
}  // namespace orvanta
