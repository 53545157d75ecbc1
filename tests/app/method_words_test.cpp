// The method's line in words: the authority and its parameters, only the minutes that are not
// zero, the rule in force at high latitudes, never the settings file's ids or key=value lists.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "app/text/method_words.h"
#include "window_test_support.h"

namespace orvanta {
namespace {

TEST(MethodWords, SayTheMethodAsAPersonWould) {
    const MethodChoice unknown = [] {
        MethodChoice c;
        c.presetId = "nowhere";
        return c;
    }();
    const auto preset = [](const char* id) {
        MethodChoice c;
        c.presetId = id;
        return c;
    };
    PrayerSettings hanafiInterval;
    hanafiInterval.method = TwilightMethod::kInterval;
    hanafiInterval.intervalMinutes = 75.0;
    hanafiInterval.asrShadowFactor = 2.0;
    MethodChoice ummAlQura = preset("umm-al-qura");
    ummAlQura.adjustments = {0, 2, 0, 0, 0, 0};
    MethodChoice mwl = preset("mwl");
    mwl.ishaIntervalMinutes = 80.0;
    mwl.nearestLatitudeDeg = 65.0;
    mwl.adjustments = {0, 0, 0, 0, 0, -3};
    MethodChoice moonsighting = preset("moonsighting");
    moonsighting.rounding = RoundingRule::kUp;
    MethodChoice tehran = preset("tehran");
    tehran.fajrAngleDeg = 18.25;
    tehran.highLatitude = HighLatitudeRule::kNone;
    struct Row {
        const char* name;
        const char* language;        // nullptr: English
        bool hanafiInterval;         // else the first page's defaults: 18°, Shafi
        const MethodChoice* choice;  // nullptr: classic
        const char16_t* expected;
    };
    // clang-format off
    const Row rows[] = {
        {"classic angle", nullptr, false, nullptr,
         u"Fajr and Isha with the sun 18° below the horizon; Asr Shafi"},
        {"classic interval, Hanafi", nullptr, true, nullptr,
         u"Fajr 75 min before sunrise, Isha 75 min after sunset; Asr Hanafi"},
        {"unknown preset as classic", nullptr, false, &unknown,
         u"Fajr and Isha with the sun 18° below the horizon; Asr Shafi"},
        {"interval with Ramadan, Shuruq adjusted", nullptr, false, &ummAlQura,
         u"Umm al-Qura University, Makkah: Fajr 18.5°, Isha 90 min after Maghrib (120 in "
         u"Ramadan); Shuruq +2 min; high latitudes: Twilight angle; Asr Shafi"},
        {"overrides, nearest latitude, Hanafi", nullptr, true, &mwl,
         u"Muslim World League: Fajr 18°, Isha 80 min after Maghrib; Isha -3 min; high "
         u"latitudes: Nearest latitude at 65°; Asr Hanafi"},
        {"authority's minutes and bound, rounded up", nullptr, false, &moonsighting,
         u"Moonsighting Committee Worldwide: Fajr 18°, Isha 18°, Fajr and Isha within the "
         u"seasonal bound, Zuhr +5 min, Maghrib +3 min; high latitudes: One seventh of the "
         u"night; rounded up to the next minute; Asr Shafi"},
        {"Maghrib angle, Fajr override, no rule", nullptr, false, &tehran,
         u"Institute of Geophysics, University of Tehran: Fajr 18.25°, Isha 14°, Maghrib 4.5°; "
         u"high latitudes: None; Asr Shafi"},
        {"Arabic: its digits, marks and separators", "ar", false, &ummAlQura,
         u"\u2068Umm al-Qura University, Makkah\u2069: الفجر \u2066١٨٫٥°\u2069، العشاء بعد "
         u"المغرب بـ٩٠ دقيقة (١٢٠ في رمضان)؛ الشروق \u2066+٢\u2069 دقيقة؛ خطوط العرض العليا: "
         u"زاوية الشفق؛ العصر الشافعي"},
    };
    // clang-format on
    for (const Row& row : rows) {
        const std::unique_ptr<testing_support::LanguageScope> scope(
            row.language ? new testing_support::LanguageScope(row.language) : nullptr);
        EXPECT_EQ(MethodInWords(row.hanafiInterval ? hanafiInterval : PrayerSettings{},
                                row.choice ? *row.choice : MethodChoice{})
                      .toStdString(),
                  QString::fromUtf16(row.expected).toStdString())
            << row.name;
    }
}

}  // namespace
}  // namespace orvanta
