// The window in other languages: the language the desktop gets, the times in each language's
// clock and direction, every visible text through the translations, and notices that keep
// their file names.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QSpinBox>
#include <QTabWidget>
#include <QTranslator>
#include <QTreeWidget>

#include <functional>
#include <memory>

#include "app/about_dialog.h"
#include "app/display_text.h"
#include "app/main_window.h"
#include "app/options_dialog.h"
#include "app/time_display.h"
#include "common/notices.h"
#include "fakes.h"
#include "language_scope.h"
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
        {"nothing translated", {"de", "ja"}, nullptr},
        {"nothing at all", {}, nullptr},
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
        Qt::LayoutDirection direction;
        const char16_t* shown;
    };
    const Row rows[] = {
        {"English as always", nullptr, kFivePast, ClockStyle::kLanguage, Qt::LeftToRight,
         u"  5:25 PM"},
        {"English 12-hour", nullptr, kMorning, ClockStyle::kTwelveHour, Qt::LeftToRight,
         u"  5:07 AM"},
        {"English 24-hour", nullptr, kMorning, ClockStyle::kTwentyFourHour, Qt::LeftToRight,
         u"05:07"},
        {"English mirrored", nullptr, kFivePast, ClockStyle::kLanguage, Qt::RightToLeft,
         u"\u2066  5:25 PM\u2069"},
        {"Arabic digits", "ar", kFivePast, ClockStyle::kLanguage, Qt::RightToLeft,
         u"\u2066\u0665:\u0662\u0665 \u0645\u2069"},
        {"Urdu in order", "ur", kFivePast, ClockStyle::kLanguage, Qt::RightToLeft,
         u"\u20665:25 PM\u2069"},
        {"Persian 24-hour", "fa", kFivePast, ClockStyle::kLanguage, Qt::LeftToRight,
         u"\u06F1\u06F7:\u06F2\u06F5"},
        {"Turkish 12-hour", "tr", kFivePast, ClockStyle::kTwelveHour, Qt::LeftToRight,
         u"\u00D6S 5:25"},
        {"Indonesian dots", "id", kMorning, ClockStyle::kTwentyFourHour, Qt::LeftToRight, u"05.07"},
        {"Malay afternoon", "ms", kFivePast, ClockStyle::kLanguage, Qt::LeftToRight, u"5:25 PTG"},
        {"Bengali digits", "bn", kMorning, ClockStyle::kTwentyFourHour, Qt::LeftToRight,
         u"\u09E6\u09EB:\u09E6\u09ED"},
        {"French 12-hour", "fr", kFivePast, ClockStyle::kTwelveHour, Qt::LeftToRight, u"5:25 PM"},
        {"no time", "ar", 1000.0, ClockStyle::kLanguage, Qt::RightToLeft,
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
        EXPECT_EQ(DisplayTime(row.hours, row.clock, language, row.direction),
                  QString::fromUtf16(row.shown))
            << row.name;
    }
}

TEST(Languages, NoticesKeepTheirFileNamesInEveryForm) {
    const std::string file = "/home/a/.config/orvanta/registry.reg";
    const std::string moved = "/home/a/.config/orvanta/registry.reg.damaged-1";
    // The sentences as the settings and the city layers write them.
    const std::vector<std::string> notices = {
        MovedAsideNotice("the settings file " + file, moved,
                         "the settings are saved in a new file"),
        MovedAsideNotice(file, moved,
                         "your home city and your own cities in it are no longer used"),
        "cannot read the settings file " + file +
            " (it is not a regular file, or not readable); the default settings are used and the"
            " file is left as it is",
        "the settings file " + file +
            " is damaged; the default settings are used, and saving the settings moves it aside",
        file +
            " is not a regular file and is left alone; your home city and your own cities"
            " cannot be used",
    };
    for (const std::string& notice : notices) {
        QString english = QString::fromStdString(notice) + QLatin1Char('.');
        english.front() = english.front().toUpper();
        EXPECT_EQ(NoticeSentence(notice), english);
        const LanguageScope urdu("ur");
        QString sentence = NoticeSentence(notice);
        EXPECT_EQ(sentence.contains(QString::fromStdString(moved)),
                  notice.find(moved) != std::string::npos)
            << notice;
        sentence.remove(QString::fromStdString(moved));
        EXPECT_TRUE(sentence.contains(QString::fromStdString(file))) << notice;
        sentence.remove(QString::fromStdString(file));
        EXPECT_FALSE(sentence.contains(QStringLiteral("the "))) << notice;
        EXPECT_TRUE(sentence.endsWith(QChar(0x06D4))) << notice;  // the Urdu full stop
    }
}

// Marks every text it is asked for, so that a text shown without passing through the
// translations stands out.
class MarkingTranslator final : public QTranslator {
  public:
    QString translate(const char* /*context*/, const char* source, const char* /*disambiguation*/,
                      int /*n*/) const override {
        if (source == nullptr || *source == '\0' || qstrcmp(source, "QT_LAYOUT_DIRECTION") == 0) {
            return {};
        }
        return QStringLiteral("\u00AB") + QString::fromUtf8(source) + QStringLiteral("\u00BB");
    }
    bool isEmpty() const override { return false; }
};

// The texts a person reads in widget and its children: labels, buttons, tabs, list items and
// headers, combo box items, spin box suffixes and menu items. Data (the city, the date, the
// times, the method authorities' own names) and the program's name are left out.
QStringList VisibleTexts(const QWidget& widget) {
    QStringList texts;
    const auto add = [&texts](const QString& text) {
        if (!text.trimmed().isEmpty()) {
            texts.append(text);
        }
    };
    for (const QLabel* label : widget.findChildren<QLabel*>()) {
        if (label->objectName() != QStringLiteral("nameLine")) {
            add(label->text());
        }
    }
    for (const QAbstractButton* button : widget.findChildren<QAbstractButton*>()) {
        add(button->text());
    }
    for (const QTabWidget* tabs : widget.findChildren<QTabWidget*>()) {
        for (int i = 0; i < tabs->count(); ++i) {
            add(tabs->tabText(i));
        }
    }
    for (const QComboBox* box : widget.findChildren<QComboBox*>()) {
        const bool authorities = box->objectName() == QStringLiteral("methodPreset");
        for (int i = 0; i < (authorities ? 1 : box->count()); ++i) {
            add(box->itemText(i));
        }
    }
    for (const QSpinBox* box : widget.findChildren<QSpinBox*>()) {
        add(box->suffix());
    }
    for (const QTreeWidget* list : widget.findChildren<QTreeWidget*>()) {
        for (int c = 0; c < list->columnCount(); ++c) {
            add(list->headerItem()->text(c));
        }
        for (int r = 0; r < list->topLevelItemCount(); ++r) {
            add(list->topLevelItem(r)->text(0));
        }
    }
    for (const QMenu* menu : widget.findChildren<QMenu*>()) {
        add(menu->title());
        for (const QAction* action : menu->actions()) {
            add(action->text());
        }
    }
    return texts;
}

TEST(Languages, EveryTextOfTheWindowAndItsDialogsGoesThroughTheTranslations) {
    MarkingTranslator marking;
    QCoreApplication::installTranslator(&marking);
    testing_support::FakeWorld world;
    AppRecords records;
    MethodSettings method;
    DisplaySettings display;
    struct Row {
        const char* name;
        std::function<std::unique_ptr<QWidget>()> open;
    };
    const Row rows[] = {
        {"main window",
         [&] { return std::make_unique<MainWindow>(records, world.services, [](int) {}); }},
        {"options, every page",
         [&] {
             const OptionsContext context{records.settings, records.city, world.services, {},
                                          &method,          &display};
             return std::make_unique<OptionsDialog>(context);
         }},
        {"about", [] { return std::make_unique<AboutDialog>(); }},
    };
    for (const Row& row : rows) {
        const std::unique_ptr<QWidget> widget = row.open();
        const QStringList texts = VisibleTexts(*widget);
        EXPECT_GE(texts.size(), 3) << row.name;
        for (const QString& text : texts) {
            EXPECT_TRUE(text.contains(QChar(0x00AB))) << row.name << ": " << text.toStdString();
        }
    }
    QCoreApplication::removeTranslator(&marking);
    testing_support::CloseEverything();
}

TEST(Languages, RightToLeftLanguagesMirrorTheWindowAndKeepTimesInOrder) {
    struct Row {
        const char* language;
        bool mirrored;
    };
    const Row rows[] = {{"ar", true}, {"ur", true}, {"fa", true}, {"tr", false}, {"bn", false}};
    for (const Row& row : rows) {
        const LanguageScope scope(row.language);
        testing_support::FakeWorld world;
        world.settings.stored.configuredCity = "Mecca";
        AppRecords records;
        const MainWindow window(records, world.services, [](int) {});
        EXPECT_EQ(window.isRightToLeft(), row.mirrored) << row.language;
        const QString time = records.window.listView->topLevelItem(3)->text(1);
        EXPECT_EQ(time.startsWith(QChar(0x2066)), row.mirrored) << row.language;
        EXPECT_NE(records.window.listView->topLevelItem(3)->text(0),
                  QStringLiteral("Asr (Afternoon)"))
            << row.language;
    }
}

}  // namespace
}  // namespace orvanta
