// The window in other languages: the language the desktop gets, its direction, the times in
// each language's clock, and notices that keep their file names.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTextLayout>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <tuple>

#include "app/month/timetable_print.h"
#include "app/options/calendar_page.h"
#include "app/text/bidi_text.h"
#include "app/text/calendar_texts.h"
#include "app/text/count_text.h"
#include "app/text/display_text.h"
#include "app/text/method_words.h"
#include "app/text/time_display.h"
#include "app/text/ui_language.h"
#include "app/widgets/digit_spin_box.h"
#include "app/window/main_window.h"
#include "common/notices.h"
#include "window_test_support.h"

namespace orvanta {
namespace {

using testing_support::LanguageScope;

TEST(Languages, TheFirstTranslatedDesktopLanguageWinsAndEnglishStopsTheSearch) {
    struct Row {
        const char* name;
        QStringList desktop;
        const char* chosen;  // locale name; nullptr: English
    };
    const Row rows[] = {
        {"first of two translated", {"ur", "ar"}, "ur_PK"},
        {"region kept", {"ar-SA", "en-US"}, "ar_SA"},
        {"untranslated ones skipped", {"de-DE", "it", "fr-CA"}, "fr_CA"},
        {"English before a translation", {"en-GB", "tr"}, nullptr},
    };
    for (const Row& row : rows) {
        const std::optional<QLocale> chosen = ChooseLanguage(row.desktop);
        EXPECT_EQ(chosen ? chosen->name() : QString(),
                  row.chosen ? QString::fromLatin1(row.chosen) : QString())
            << row.name;
    }
}

TEST(Languages, TimesFollowTheLanguageTheClockAndTheDirection) {
    constexpr double kFivePast = 17.0 + 25.0 / 60.0;  // 17:25
    constexpr double kMorning = 5.0 + 7.0 / 60.0;     // 05:07
    struct Row {
        const char* name;
        const char* language;  // nullptr: English
        double hours;
        ClockStyle clock;
        bool mirrored;  // shown in a right-to-left layout
        const char16_t* shown;
    };
    constexpr ClockStyle kOwn = ClockStyle::kLanguage;
    constexpr ClockStyle k12 = ClockStyle::kTwelveHour;
    constexpr ClockStyle k24 = ClockStyle::kTwentyFourHour;
    const Row rows[] = {
        {"English as always", nullptr, kFivePast, kOwn, false, u"  5:25 PM"},
        {"English 24-hour", nullptr, kMorning, k24, false, u"05:07"},
        {"English mirrored", nullptr, kFivePast, kOwn, true, u"\u20665:25 PM\u2069"},
        {"Arabic digits", "ar", kFivePast, kOwn, true, u"\u2066\u0665:\u0662\u0665 \u0645\u2069"},
        {"Urdu in order", "ur", kFivePast, kOwn, true, u"\u20665:25 PM\u2069"},
        {"Turkish 12-hour", "tr", kFivePast, k12, false, u"\u00D6S 5:25"},
        {"Indonesian dots", "id", kMorning, k24, false, u"05.07"},
        {"Bengali digits", "bn", kMorning, k24, false, u"\u09E6\u09EB:\u09E6\u09ED"},
        {"no time", "ar", 1000.0, kOwn, true,
         u"\u061F\u061F\u061F (\u062A\u0639\u0630\u0651\u0631 "
         u"\u0627\u0644\u062A\u062D\u062F\u064A\u062F)"},
    };
    for (const Row& row : rows) {
        std::unique_ptr<LanguageScope> scope;
        std::optional<QLocale> language;
        if (row.language != nullptr) {
            scope = std::make_unique<LanguageScope>(row.language);
            language = CurrentLanguage();
        }
        EXPECT_EQ(DisplayTime(row.hours, row.clock, language,
                              row.mirrored ? Qt::RightToLeft : Qt::LeftToRight),
                  QString::fromUtf16(row.shown))
            << row.name;
    }
}

// Every kind of notice has its own wording in every language, with its file names as they are
// (a "%2" inside a name included), in English the file before the place it was moved to.
TEST(Languages, EveryNoticeKindIsWordedInEveryLanguageWithItsFiles) {
    const std::string file = "/home/a/%2/registry.reg";
    const std::string moved = "/home/a/registry.reg.damaged-1";
    const NoticeKind kinds[] = {
        NoticeKind::kSettingsMovedAside,     NoticeKind::kSettingsUnreadable,
        NoticeKind::kSettingsDamaged,        NoticeKind::kSettingsTooLarge,
        NoticeKind::kUserDatabaseMovedAside, NoticeKind::kUserDatabaseNotRegular,
    };
    for (const QString& language : TranslatedLanguages()) {
        for (const NoticeKind kind : kinds) {
            const Notice notice{kind, file, moved, {}};
            const QString english = NoticeSentence(notice);
            const LanguageScope scope(language.toLatin1().constData());
            const QString sentence = NoticeSentence(notice);
            const QString what = language + QLatin1Char(' ') + english;
            const qsizetype movedAt = english.indexOf(QString::fromStdString(moved));
            EXPECT_TRUE(movedAt < 0 || english.indexOf(QString::fromStdString(file)) < movedAt);
            EXPECT_NE(sentence, english) << what.toStdString();
            EXPECT_EQ(sentence.count(QString::fromStdString(moved)),
                      english.count(QString::fromStdString(moved)))
                << what.toStdString();
            EXPECT_EQ(sentence.count(QString::fromStdString(file)), 1) << what.toStdString();
        }
    }
}

// Numbers and signs in order in right-to-left text, the page's columns from the right, the number
// field's digits, and words in Arabic script drawn by one font with joined letters.
TEST(Languages, RightToLeftTextDigitsAndLettersFollowTheLanguage) {
    const PrintedMonth month{QStringLiteral("Detroit, MI"), QStringLiteral("m"), {}, {}, {}};
    const auto page = [&month] {  // the heading and the first column's title
        return MonthPageHtml(month)
            .remove(QRegularExpression(QStringLiteral("<p>.*?<th>")))
            .section(QStringLiteral("</th>"), 0, 0);
    };
    DigitSpinBox field;
    const auto typed = [&field](const char16_t* text) {  // as shown|as read, after typing text
        return [&field, text] {
            field.findChild<QLineEdit*>()->setText(QString::fromUtf16(text));
            return field.text() + '|' + field.DigitsText();
        };
    };
    const auto shaped = [](const char16_t* word, char16_t letter) {  // fonts, then faults
        return [word, letter] {
            QTextLayout layout(QString::fromUtf16(word), QApplication::font());
            layout.beginLayout();
            layout.createLine();
            layout.endLayout();
            const QGlyphRun run = layout.glyphRuns().value(0);
            const quint32 alone = run.rawFont().glyphIndexesForString(QChar(letter)).value(0);
            return QString::number(layout.glyphRuns().size()) +
                   (run.glyphIndexes().contains(0u) ? " missing" : "") +
                   (run.glyphIndexes().contains(alone) ? " unjoined" : "");
        };
    };
    const auto qibla = [] { return QiblaDisplay(Qibla{QiblaKind::kBearing, 52.0}); };
    // The method's line in words, for a preset with edits and the Asr shadow factor.
    const auto method = [](const char* preset, void (*edit)(MethodChoice&, PrayerSettings&)) {
        return [=] {
            MethodChoice choice;
            choice.presetId = preset;
            PrayerSettings settings;
            edit(choice, settings);
            return MethodInWords(settings, choice);
        };
    };
    const auto shuruqPlus2 = [](MethodChoice& c, PrayerSettings&) { c.adjustments[1] = 2; };
    const std::tuple<const char*, const char*, std::function<QString()>, const char16_t*> rows[] = {
        {"degree sign after its number", "ar", qibla,
         u"\u0627\u0644\u0642\u0628\u0644\u0629 \u2066\u0665\u0662\u066B\u0660\u00B0\u2069"},
        {"no dot beside a dotted zero", "fa", DateSeparator, u"\u2013 "},
        {"lines from the right", "ur", [] { return RightToLeftLines(QStringLiteral("a\nb")); },
         u"\u200Fa\n\u200Fb"},
        {"English page", nullptr, page, u"<html><body><h2>Detroit, MI \u2014 m</h2>Date"},
        {"page from the right", "ar", page,
         u"<html><body dir=\"rtl\"><h2>\u2068Detroit, MI\u2069 \u2014 m</h2>"
         u"\u0627\u0644\u0639\u0634\u0627\u0621"},
        {"field in the language's digits", "ar", typed(u"18"), u"\u0661\u0668|18"},
        {"native digits typed", "fa", typed(u"\u06F2\u06F5\u06F0"), u"\u06F2\u06F5\u06F0|250"},
        {"Urdu heh joined", "ur", shaped(u"\u0638\u06C1\u0631", u'\u06C1'), u"1"},
        {"Arabic heh joined", "ar", shaped(u"\u0627\u0644\u0638\u0647\u0631", u'\u0647'), u"1"},
        {"classic method as before", nullptr,
         method("classic", [](MethodChoice&, PrayerSettings&) {}),
         u"Fajr and Isha with the sun 18° below the horizon; Asr Shafi"},
        {"unknown preset as classic", nullptr,
         method("nowhere",
                [](MethodChoice&, PrayerSettings& s) {
                    s.method = TwilightMethod::kInterval;
                    s.asrShadowFactor = 2.0;
                }),
         u"Fajr 90 min before sunrise, Isha 90 min after sunset; Asr Hanafi"},
        {"a preset's method in words", nullptr, method("umm-al-qura", shuruqPlus2),
         u"Umm al-Qura University, Makkah: Fajr 18.5°, Isha 90 min after Maghrib (120 in "
         u"Ramadan); Shuruq +2 min; high latitudes: Twilight angle; Asr Shafi"},
        {"overrides and rules in words", nullptr,
         method("mwl",
                [](MethodChoice& c, PrayerSettings& s) {
                    s.asrShadowFactor = 2.0;
                    c.ishaIntervalMinutes = 80.0;
                    c.maghribAngleDeg = 1.5;
                    c.adjustments[5] = -3;
                    c.nearestLatitudeDeg = 65.0;
                }),
         u"Muslim World League: Fajr 18°, Isha 80 min after Maghrib, Maghrib 1.5°; Isha -3 min; "
         u"high "
         u"latitudes: Nearest latitude at 65°; Asr Hanafi"},
        {"an authority's minutes, rounded up", nullptr,
         method("moonsighting",
                [](MethodChoice& c, PrayerSettings&) { c.rounding = RoundingRule::kUp; }),
         u"Moonsighting Committee Worldwide: Fajr 18°, Isha 18°, Fajr and Isha within the "
         u"seasonal bound, Zuhr +5 min, Maghrib +3 min; high latitudes: One seventh of the "
         u"night; rounded up to the next minute; Asr Shafi"},
        {"method in Arabic words", "ar", method("umm-al-qura", shuruqPlus2),
         u"\u2068Umm al-Qura University, Makkah\u2069: الفجر \u2066١٨٫٥°\u2069، العشاء بعد "
         u"المغرب بـ٩٠ دقيقة (١٢٠ في رمضان)؛ الشروق \u2066+٢\u2069 دقيقة؛ خطوط العرض العليا: "
         u"زاوية الشفق؛ العصر الشافعي"},
    };
    for (const auto& [name, language, text, expected] : rows) {
        const std::unique_ptr<LanguageScope> scope(language ? new LanguageScope(language)
                                                            : nullptr);
        EXPECT_EQ(text().toStdString(), QString::fromUtf16(expected).toStdString()) << name;
    }
}

// A count takes the language's plural form: Arabic has six (0, 1, 2, 3..10, 11..99, 100..),
// French and Urdu two, Turkish one; the number keeps the language's digits.
TEST(Languages, CountsTakeTheLanguagesPluralForm) {
    const struct {
        const char* language;  // "en": no translation
        qint64 hours, minutes;
        const char* countdown;  // HoursAndMinutesText
        int days;
        const char* daysSuffix;  // the Hijri offset's
    } rows[] = {
        {"en", 1, 12, "1 h 12 min", 1, " day"},
        {"en", 0, 1, "1 min", -1, " day"},
        {"en", 2, 0, "2 h", 2, " days"},
        {"en", 0, 0, "0 min", 0, " days"},
        {"ar", 0, 0, "٠ دقيقة", 0, " يوم"},
        {"ar", 1, 1, "١ ساعة و١ دقيقة", 1, " يوم"},
        {"ar", 2, 2, "٢ ساعتان و٢ دقيقتان", 2, " يومان"},
        {"ar", 3, 3, "٣ ساعات و٣ دقائق", -2, " يومان"},
        {"ar", 11, 11, "١١ ساعة و١١ دقيقة", 0, " يوم"},
        {"ar", 0, 100, "١٠٠ دقيقة", 0, " يوم"},
        {"ur", 1, 0, "1 گھنٹہ", 1, " دن"},
        {"ur", 2, 5, "2 گھنٹے 5 منٹ", 2, " دن"},
        {"fr", 1, 1, "1 h 1 min", 1, " jour"},
        {"fr", 0, 2, "2 min", 2, " jours"},
        {"fa", 3, 1, "۳ ساعت و ۱ دقیقه", 1, " روز"},
        {"bn", 0, 3, "৩ মিনিট", 1, " দিন"},
    };
    for (const auto& row : rows) {
        std::optional<LanguageScope> scope;
        if (std::string_view(row.language) != "en") {
            scope.emplace(row.language);
        }
        const std::string trace = std::string(row.language) + " " + std::to_string(row.hours) +
                                  " h " + std::to_string(row.minutes) + " min";
        EXPECT_EQ(HoursAndMinutesText(row.hours, row.minutes).toStdString(), row.countdown)
            << trace;
        CalendarPage page(row.days);
        EXPECT_EQ(page.findChild<QSpinBox*>()->suffix().toStdString(), row.daysSuffix) << trace;
    }
}

using LanguagesWindow = testing_support::WindowTest;

TEST_F(LanguagesWindow, AClockChosenInOptionsShowsAtOnceAndIsSaved) {
    world_.stored.configuredCity = "Mecca";
    world_.dstHours = 0.0;
    Create();
    OptionsDialog* options = OpenOptions();
    ASSERT_NE(options, nullptr);
    testing_support::Find<QComboBox>(options, "displayClock")->setCurrentIndex(2);
    testing_support::Find<QPushButton>(options, "okButton")->click();
    // Mecca's Fajr on 20 March 2026 ("  5:11 AM" in the daily command's own tests).
    EXPECT_EQ(Rows()[0].second, "05:11");
    EXPECT_EQ(records_.display.clock, ClockStyle::kTwentyFourHour);
    UseClockStyle(ClockStyle::kLanguage);
}

}  // namespace
}  // namespace orvanta
