#include "app/options/options_dialog.h"

#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QCompleter>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabBar>
#include <QTest>

#include <map>
#include <optional>
#include <set>
#include <string>

#include "app/options/method_page.h"
#include "window_test_support.h"

namespace orvanta {
namespace {

using testing_support::Count;
using testing_support::Find;
using testing_support::Message;

// The object names of the Options controls these tests use, in one place.
constexpr const char* kAngle = "byDepressionAngle";  // Fajr and Isha by the sun's angle
constexpr const char* kInterval = "byInterval";      // by an interval
constexpr const char* kNumber = "angleOrInterval";   // the angle or the interval
constexpr const char* kShafi = "fiqhShafi";
constexpr const char* kHanafi = "fiqhHanafi";
constexpr const char* kCity = "cityName";
constexpr const char* kOk = "okButton";
constexpr const char* kCancel = "cancelButton";

// The Options dialog as the window opens it, over stored settings that start at the defaults.
class OptionsDialogTest : public testing_support::WindowTest {
  protected:
    void Open() {
        Create();
        world_.log.clear();
        dialog_ = OpenOptions();
        ASSERT_NE(dialog_, nullptr);
        dialog_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog_));
    }
    template <typename T = QWidget>
    T* Control(const char* id) const {
        return Find<T>(dialog_, id);
    }
    QSpinBox* NumberField() const { return Control<QSpinBox>(kNumber); }
    // Replaces the number field's text by typing, as a user would.
    void TypeNumber(const QString& keys) const {
        NumberField()->setFocus();
        NumberField()->selectAll();
        QTest::keyClick(NumberField(), Qt::Key_Delete);
        QTest::keyClicks(NumberField(), keys);
    }
    // Clicks a button; a radio button on its indicator, which its label may not reach.
    void Click(const char* id) const {
        auto* button = Control<QAbstractButton>(id);
        const QPoint at = qobject_cast<QRadioButton*>(button) != nullptr
                              ? QPoint(8, button->height() / 2)
                              : button->rect().center();
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, at);
    }
    void Ok() const { Click(kOk); }
    QAbstractItemView* Popup() const { return dialog_->findChild<QCompleter*>()->popup(); }
    void TypeCity(const char* text) const {
        Control<QLineEdit>(kCity)->setFocus();
        Control<QLineEdit>(kCity)->clear();
        QTest::keyClicks(Control<QLineEdit>(kCity), QString::fromUtf8(text));
    }

    OptionsDialog* dialog_ = nullptr;
};

// A step of a row: what the person does in the dialog, or what the row checks on the way.
enum class Do {
    kType,     // replaces the number's text by typing
    kPaste,    // replaces the number's text by pasting
    kClick,    // clicks the control named
    kSetCity,  // replaces the city
    kShows,    // checks the number's text
    kSaves,    // checks the number of saves so far
    kAgain,    // opens the dialog again
};
struct Step {
    Do what;
    const char* text = "";
};

// After OK: the stored method, depression, interval, school and city.
struct Stored {
    std::int16_t method;
    double depressionDegrees, intervalMinutes;
    std::int32_t fiqh;
    std::string city = "Detroit, MI";
    bool operator==(const Stored&) const = default;
};

TEST_F(OptionsDialogTest, OkStoresTheSelectedMethodsNumberOnlyAndCancelNothing) {
    const Stored kept{0, 18, 90, 0};
    const struct {
        const char* name;
        std::optional<Stored> before;  // the stored values; nothing: the defaults
        std::vector<Step> steps;
        Stored after;
    } rows[] = {
        {"typed", {}, {{Do::kType, "19"}}, {0, 19, 90, 0}},
        {"interval",
         {},
         {{Do::kShows, "18"}, {Do::kClick, kInterval}, {Do::kShows, "90"}, {Do::kType, "80"}},
         {1, 18, 80, 0}},
        {"three digits at most", {}, {{Do::kType, "1234"}}, {0, 123, 90, 0}},
        {"empty is zero", {}, {{Do::kType, ""}}, {0, 0, 90, 0}},
        {"only digits typed", {}, {{Do::kType, "a-1b2."}}, {0, 12, 90, 0}},
        {"the selected one only",
         {},
         {{Do::kType, "19"}, {Do::kClick, kInterval}, {Do::kType, "80"}, {Do::kClick, kAngle}},
         {0, 19, 90, 0}},
        {"kept across switches",
         {},
         {{Do::kType, "25"}, {Do::kClick, kAngle}, {Do::kClick, kInterval}, {Do::kClick, kAngle}},
         {0, 25, 90, 0}},
        {"pasted, cut", {}, {{Do::kPaste, "1234"}, {Do::kShows, "123"}}, {0, 123, 90, 0}},
        {"pasted sign refused", {}, {{Do::kPaste, "-5"}, {Do::kShows, "18"}}, kept},
        {"pasted letter refused", {}, {{Do::kPaste, "4x"}, {Do::kShows, "18"}}, kept},
        {"pasted other digits refused", {}, {{Do::kPaste, "\u0665"}, {Do::kShows, "18"}}, kept},
        // Any nonzero method is the interval; a fraction is dropped when shown.
        {"stored values",
         Stored{7, 19.9, 4294967295.0, 0},
         {{Do::kShows, "999"}, {Do::kClick, kAngle}, {Do::kShows, "19"}, {Do::kClick, kInterval}},
         {1, 19.9, 999, 0}},
        {"cancel",
         {},
         {{Do::kType, "25"},
          {Do::kClick, kHanafi},
          {Do::kSetCity, "Mecca"},
          {Do::kClick, kCancel},
          {Do::kSaves, "0"},
          {Do::kAgain},
          {Do::kShows, "18"}},
         kept},
        {"school and city",
         {},
         {{Do::kClick, kHanafi}, {Do::kSetCity, "Mecca"}},
         {0, 18, 90, 1, "Mecca"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        world_.stored = PrayerSettings{.configuredCity = "Detroit, MI"};
        if (row.before) {
            world_.stored.method = static_cast<TwilightMethod>(row.before->method != 0);
            world_.stored.depressionDegrees = row.before->depressionDegrees;
            world_.stored.intervalMinutes = row.before->intervalMinutes;
        }
        Open();
        for (const Step& step : row.steps) {
            const QString text = QString::fromUtf8(step.text);
            switch (step.what) {
                case Do::kType:
                    TypeNumber(text);
                    break;
                case Do::kPaste:
                    NumberField()->selectAll();
                    QApplication::clipboard()->setText(text);
                    QTest::keyClick(NumberField(), Qt::Key_V, Qt::ControlModifier);
                    break;
                case Do::kClick:
                    Click(step.text);
                    break;
                case Do::kSetCity:
                    Control<QLineEdit>(kCity)->setText(text);
                    break;
                case Do::kShows:
                    EXPECT_EQ(NumberField()->text(), text);
                    break;
                case Do::kSaves:
                    EXPECT_EQ(Count(world_.log, "save"), text.toInt());
                    break;
                case Do::kAgain:
                    dialog_ = OpenOptions();
                    break;
            }
        }
        Ok();
        const PrayerSettings& saved = world_.stored;
        EXPECT_EQ((Stored{static_cast<std::int16_t>(saved.method), saved.depressionDegrees,
                          saved.intervalMinutes, static_cast<std::int32_t>(saved.fiqh),
                          saved.configuredCity}),
                  row.after);
        EXPECT_EQ(records_.settings.depressionDegrees, saved.depressionDegrees);
        EXPECT_EQ(CityDisplay().toStdString(), saved.configuredCity);
        EXPECT_EQ(dialog_->result(), QDialog::Accepted);
    }
}

TEST_F(OptionsDialogTest, LongCityKeepsItsFirst199Utf16UnitsWithoutSplittingAPair) {
    const QString a198(198, QLatin1Char('a'));
    const QString c197(197, QLatin1Char('c'));
    const QString emoji = QString::fromUtf8("\xf0\x9f\x95\x8c");  // two UTF-16 units
    const std::pair<QString, QString> cases[] = {
        {QString(250, QLatin1Char('b')), QString(199, QLatin1Char('b'))},
        {a198 + emoji, a198},  // a pair across the limit
        {c197 + emoji, c197 + emoji},
    };
    for (const auto& [typed, stored] : cases) {
        Open();
        Control<QLineEdit>(kCity)->setText(typed);
        Ok();
        EXPECT_EQ(QString::fromStdString(world_.stored.configuredCity), stored);
    }
}

TEST_F(OptionsDialogTest, FailedSaveIsReportedOnceAndTheValuesStayInEffect) {
    world_.failSave = true;
    Open();
    TypeNumber(QStringLiteral("16"));
    Ok();
    EXPECT_EQ(world_.messages, (std::vector<Message>{{"Settings could not be saved.", "Error"}}));
    EXPECT_EQ(records_.settings.depressionDegrees, 16.0);
    EXPECT_EQ(dialog_->result(), QDialog::Accepted);
    EXPECT_FALSE(dialog_->isVisible());
}

// Keyboard only, page by page: Tab runs from the tabs through the page in the order it shows its
// controls (one stop for a radio set) to OK and Cancel; from the page's first control (a list on
// Method and Display, which would take Ctrl+Tab as a letter to search for) Ctrl+Tab and
// Ctrl+Shift+Tab show the next and the previous page, round the ends; Return accepts and
// Escape cancels there, OK under the tabs being the one default button.
TEST_F(OptionsDialogTest, TheKeyboardWalksEveryPage) {
    const std::vector<std::vector<std::string>> pages = {
        {"classicPage", kAngle, kNumber, kShafi, kCity, "useMyLocation"},
        {"methodPage", "methodPreset", "methodFajrOverride", "methodFajrAngle",
         "methodIshaAngleOverride", "methodIshaIntervalOverride", "methodMaghribOverride",
         "methodMaghribAngle", "methodAdjust0", "methodAdjust1", "methodAdjust2", "methodAdjust3",
         "methodAdjust4", "methodAdjust5", "methodHighLatitude", "methodRounding"},
        {"displayPage", "displayClock", "displayNightTimes", "displayImsakMinutes"},
        {"companionPage", "keepInTray", "startAtLogin"},
        {"calendarPage", "hijriOffset"},
        // The morning column of prayers, then the afternoon's; the sound on.
        {"reminderPage", "remindAt0", "remindAt1", "remindAt2", "remindAt3", "remindAt4",
         "remindAt5", "minutesBefore", "jumuahMinutes", "reminderSound", "soundFile", "chooseSound",
         "builtInSound", "volume", "playSound", "stopSound"},
    };
    world_.reminders.choice.sound = true;
    const int count = static_cast<int>(pages.size());
    for (int page = 0; page < count; ++page) {
        const char* name = pages[page][0].c_str();
        world_.method.choice = MethodChoice{};
        if (std::string_view(name) == "methodPage") {  // a preset, two angles overridden
            world_.method.choice.presetId = "turkey";
            world_.method.choice.fajrAngleDeg = 19.0;
            world_.method.choice.maghribAngleDeg = 1.0;
        }
        for (const auto& [key, result] : {std::pair{Qt::Key_Return, QDialog::Accepted},
                                          std::pair{Qt::Key_Escape, QDialog::Rejected}}) {
            Open();
            auto* tabs = Control<QTabWidget>("optionsTabs");
            tabs->setCurrentWidget(Control(name));
            tabs->tabBar()->setFocus();
            std::vector<std::string> reached = {name};
            for (int step = 0; step < 30; ++step) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                if (QApplication::focusWidget() == tabs->tabBar()) {
                    break;
                }
                reached.push_back(QApplication::focusWidget()->objectName().toStdString());
            }
            std::vector<std::string> expected = pages[page];
            expected.insert(expected.end(), {kOk, kCancel});
            EXPECT_EQ(reached, expected);
            QWidget* first = Control(pages[page][1].c_str());
            for (const auto& [keys, step] :
                 {std::pair{QKeyCombination(Qt::ControlModifier, Qt::Key_Tab), 1},
                  std::pair{
                      QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Backtab),
                      count - 1}}) {
                tabs->setCurrentIndex(page);
                first->setFocus();
                QTest::keyClick(first, keys.key(), keys.keyboardModifiers());
                EXPECT_EQ(tabs->currentIndex(), (page + step) % count) << name;
                EXPECT_TRUE(QApplication::focusWidget()->isVisible()) << name;
            }
            tabs->setCurrentIndex(page);
            first->setFocus();
            dialog_->setResult(-1);
            QTest::keyClick(first, key);
            EXPECT_EQ(dialog_->result(), result) << name;
            EXPECT_FALSE(dialog_->isVisible()) << name;
        }
    }
}

// On every page, in every language, each check box, radio button, button and captioned field
// has an Alt key of its own there, and the key reaches it.
TEST_F(OptionsDialogTest, EveryPageHasDistinctAltKeysThatReachTheirControls) {
    for (const char* language : {"en", "ar", "ur", "fa", "fr", "tr", "id", "ms", "bn"}) {
        std::optional<testing_support::LanguageScope> scope;
        if (std::string_view(language) != "en") {
            scope.emplace(language);
        }
        world_.method.choice = MethodChoice{};
        world_.method.choice.presetId = "turkey";
        world_.reminders.choice.sound = true;
        Open();
        auto* tabs = Control<QTabWidget>("optionsTabs");
        for (int page = 0; page < tabs->count(); ++page) {
            tabs->setCurrentIndex(page);
            QWidget* shown = tabs->currentWidget();
            const std::string trace =
                std::string(language) + " " + shown->objectName().toStdString();
            std::map<QString, QWidget*> keys;  // Alt key: the control it reaches
            const auto add = [&](const QString& text, QWidget* target) {
                const QString key = QKeySequence::mnemonic(text).toString();
                EXPECT_FALSE(key.isEmpty()) << trace << " " << text.toStdString();
                EXPECT_TRUE(key.isEmpty() || keys.emplace(key, target).second)
                    << trace << " " << key.toStdString() << " twice";
            };
            // A field right after a check box in the tab order is captioned by it (the box
            // switches it on).
            std::set<QWidget*> captioned;
            for (QAbstractButton* button : shown->findChildren<QAbstractButton*>()) {
                add(button->text(), button);
                if (qobject_cast<QCheckBox*>(button) != nullptr) {
                    captioned.insert(button->nextInFocusChain());
                }
            }
            for (QLabel* label : shown->findChildren<QLabel*>()) {
                if (label->buddy() != nullptr) {
                    add(label->text(), label->buddy());
                    captioned.insert(label->buddy());
                }
            }
            for (QWidget* field : shown->findChildren<QWidget*>()) {
                const bool part = qobject_cast<QAbstractSpinBox*>(field->parentWidget()) ||
                                  qobject_cast<QComboBox*>(field->parentWidget());
                const bool isField =
                    qobject_cast<QAbstractSpinBox*>(field) || qobject_cast<QComboBox*>(field) ||
                    qobject_cast<QSlider*>(field) || (qobject_cast<QLineEdit*>(field) && !part);
                EXPECT_TRUE(!isField || captioned.contains(field))
                    << trace << " " << field->objectName().toStdString() << " has no caption";
            }
            for (const auto& [key, target] : keys) {
                // (A button's key clicks it; Choose... would open a file dialog.)
                if (target->isEnabled() && qobject_cast<QPushButton*>(target) == nullptr) {
                    const QKeyCombination alt = QKeySequence(key, QKeySequence::PortableText)[0];
                    const QString letter = QString(QChar(alt.key())).toLower();
                    QTest::sendKeyEvent(QTest::Click, dialog_, alt.key(), letter,
                                        alt.keyboardModifiers());
                    EXPECT_EQ(QApplication::focusWidget(), target)
                        << trace << " " << key.toStdString();
                }
            }
        }
    }
}

TEST_F(OptionsDialogTest, MethodPageChoosesAPresetAndTheClassicControlsWait) {
    Open();
    auto* preset = Control<QComboBox>("methodPreset");
    EXPECT_EQ(preset->currentIndex(), 0);                                // classic first
    EXPECT_EQ(Control<QDoubleSpinBox>("methodFajrAngle")->text(), " ");  // blank: none of its own
    EXPECT_TRUE(Control(kAngle)->isEnabled());
    preset->setCurrentIndex(preset->findData(QStringLiteral("turkey")));
    for (const char* id : {kAngle, kInterval, kNumber}) {
        EXPECT_FALSE(Control(id)->isEnabled()) << id;
    }
    EXPECT_TRUE(Control(kShafi)->isEnabled());
    EXPECT_EQ(NumberField()->text(), QStringLiteral("18"));                // kept, only disabled
    EXPECT_EQ(Control<QDoubleSpinBox>("methodFajrAngle")->value(), 18.0);  // the preset's own
    // Blank where the preset has no value of its own: an angle preset's Isha interval.
    EXPECT_EQ(Control<QDoubleSpinBox>("methodIshaInterval")->text(), " ");
    Control<QCheckBox>("methodFajrOverride")->setChecked(true);
    Control<QDoubleSpinBox>("methodFajrAngle")->setValue(19.5);
    Control<QSpinBox>("methodAdjust2")->setValue(3);
    Control<QComboBox>("methodHighLatitude")->setCurrentIndex(6);  // nearest-latitude
    EXPECT_TRUE(Control("methodNearestLatitude")->isEnabled());
    Control<QDoubleSpinBox>("methodNearestLatitude")->setValue(60.0);
    Ok();
    const MethodChoice& choice = records_.method.choice;
    EXPECT_EQ(choice.presetId, "turkey");
    EXPECT_EQ(choice.fajrAngleDeg, 19.5);
    EXPECT_EQ(choice.adjustments, (MinuteOffsets{0, 0, 3, 0, 0, 0}));
    EXPECT_FALSE(choice.ishaAngleDeg);
    EXPECT_EQ(choice.nearestLatitudeDeg, 60.0);
    EXPECT_EQ(Count(world_.log, "save"), 1);
    EXPECT_EQ(records_.settings.depressionDegrees, 18.0);

    // Opened again on the saved preset, and back to classic.
    world_.method.choice.presetId = "umm-al-qura";
    world_.method.choice.rounding = RoundingRule::kUp;
    world_.method.choice.nearestLatitudeDeg = 52.25;  // kept untouched, though shown as 52.3
    Open();
    preset = Control<QComboBox>("methodPreset");
    EXPECT_EQ(preset->currentData().toString(), QStringLiteral("umm-al-qura"));
    EXPECT_FALSE(Control(kAngle)->isEnabled());
    EXPECT_EQ(Control<QComboBox>("methodRounding")->currentIndex(), 2);
    // The lists read as words, not as the ids the settings file stores.
    EXPECT_EQ(Control<QComboBox>("methodRounding")->currentText(), "Up to the next minute");
    EXPECT_EQ(Control<QComboBox>("methodHighLatitude")->itemText(2), "Middle of the night");
    EXPECT_FALSE(Control("methodNearestLatitude")->isEnabled());
    EXPECT_EQ(Control<MethodPage>("methodPage")->Choice().nearestLatitudeDeg, 52.25);  // untouched
    preset->setCurrentIndex(0);
    EXPECT_TRUE(Control(kAngle)->isEnabled());
    Ok();
    EXPECT_EQ(records_.method.choice.presetId, "classic");
    EXPECT_FALSE(records_.method.choice.rounding);
}

// The lookup, not the pop-up, decides which city a typed name means: the pop-up offers the
// suggestions for every prefix typed, and Return applies one only when the person moved to it.
// No row of the pop-up is cut by its lower edge.
TEST_F(OptionsDialogTest, ReturnInTheCityFieldAppliesOnlyASuggestionThePersonMovedTo) {
    struct Case {
        const char* typed;
        std::vector<std::string> suggestions;  // in the lookup's order
        std::vector<Qt::Key> keys;
        const char* kept;
    };
    const std::vector<std::string> koln = {"Köln", "Kolno"};
    const Case cases[] = {
        {"Koln", koln, {Qt::Key_Return}, "Koln"},
        {"Hyderab", {"Hyderābād", "Hyderabad, Pakistan"}, {Qt::Key_Return}, "Hyderab"},
        {"Koln", koln, {Qt::Key_Down, Qt::Key_Return}, "Köln"},
        {"Koln", koln, {Qt::Key_Down, Qt::Key_Down, Qt::Key_Return}, "Kolno"},
        {"Koln", koln, {Qt::Key_Down, Qt::Key_Up, Qt::Key_Return}, "Koln"},  // up off the rows
    };
    for (const Case& c : cases) {
        world_.suggestions = c.suggestions;
        world_.suggested.clear();
        Open();
        TypeCity(c.typed);
        EXPECT_EQ(world_.suggested.size(), std::string_view(c.typed).size());
        EXPECT_EQ(world_.suggested.back(), c.typed);
        ASSERT_TRUE(Popup()->isVisible()) << c.kept;
        for (const Qt::Key key : c.keys) {  // delivered as the window system does: to the pop-up
            QTest::keyClick(dialog_->windowHandle(), key);
        }
        EXPECT_FALSE(Popup()->isVisible()) << c.kept;
        Ok();
        EXPECT_EQ(world_.stored.configuredCity, c.kept);
    }
    world_.suggestions = std::vector<std::string>(12, "Al");
    Open();
    TypeCity("Al");
    const int shown = Popup()->viewport()->height();
    for (int row = 0; row < 12; ++row) {
        const QRect rect = Popup()->visualRect(Popup()->model()->index(row, 0));
        EXPECT_FALSE(rect.top() < shown && rect.bottom() >= shown) << "row " << row << " is cut";
    }
}

// Opening the dialog, Tab and Shift+Tab land on a radio group's checked button, so that Space
// there changes nothing; the other controls follow in their order.
TEST_F(OptionsDialogTest, FocusEntersARadioGroupOnItsCheckedButton) {
    struct Case {
        std::int16_t method;  // 0: by angle, else by interval
        std::int32_t fiqh;    // 0: Shafi, else Hanafi
        const char* from;
        Qt::Key key;
        const char* reached;
    };
    const Case cases[] = {
        {0, 0, kAngle, Qt::Key_Tab, kNumber},        {1, 0, kNumber, Qt::Key_Backtab, kInterval},
        {0, 1, kNumber, Qt::Key_Tab, kHanafi},       {0, 1, kCity, Qt::Key_Backtab, kHanafi},
        {0, 1, kHanafi, Qt::Key_Backtab, kNumber},   {0, 0, kShafi, Qt::Key_Tab, kCity},
        {0, 0, kCity, Qt::Key_Tab, "useMyLocation"}, {0, 0, kOk, Qt::Key_Tab, kCancel},
    };
    for (const Case& c : cases) {
        world_.stored.method = static_cast<TwilightMethod>(c.method);
        world_.stored.fiqh = static_cast<Fiqh>(c.fiqh);
        Open();
        EXPECT_EQ(QApplication::focusWidget(), Control(c.method == 0 ? kAngle : kInterval));
        EXPECT_TRUE(Control<QRadioButton>(c.fiqh == 0 ? kShafi : kHanafi)->isChecked());
        Control(c.from)->setFocus();
        QTest::keyClick(Control(c.from), c.key);
        EXPECT_EQ(QApplication::focusWidget(), Control(c.reached)) << c.from << " " << c.reached;
        if (qobject_cast<QRadioButton*>(QApplication::focusWidget()) != nullptr) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        }
        dialog_->accept();
        EXPECT_EQ(records_.settings.method, static_cast<TwilightMethod>(c.method));
        EXPECT_EQ(records_.settings.fiqh, static_cast<Fiqh>(c.fiqh));
    }
}

}  // namespace
}  // namespace orvanta
