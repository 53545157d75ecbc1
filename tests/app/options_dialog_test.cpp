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
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include <optional>
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

// Return accepts on every page, as OK does: each page's OK is the default while it is shown.
TEST_F(OptionsDialogTest, ReturnAcceptsOnEveryPage) {
    Open();
    const int pages = Control<QTabWidget>("optionsTabs")->count();
    ASSERT_GE(pages, 6);
    for (int page = 0; page < pages; ++page) {
        if (page > 0) {
            Open();
        }
        auto* tabs = Control<QTabWidget>("optionsTabs");
        tabs->setCurrentIndex(page);
        QWidget* shown = tabs->currentWidget();
        QTest::keyClick(shown, Qt::Key_Return);
        EXPECT_EQ(dialog_->result(), QDialog::Accepted) << tabs->tabText(page).toStdString();
        EXPECT_FALSE(dialog_->isVisible()) << tabs->tabText(page).toStdString();
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
    Click("methodOk");
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
        // (The City field is the page's last stop: Tab from it goes on to the tabs, not back.)
        {0, 0, kAngle, Qt::Key_Tab, kNumber},      {1, 0, kNumber, Qt::Key_Backtab, kInterval},
        {0, 1, kNumber, Qt::Key_Tab, kHanafi},     {0, 1, kOk, Qt::Key_Backtab, kHanafi},
        {0, 1, kHanafi, Qt::Key_Backtab, kNumber}, {0, 0, kShafi, Qt::Key_Tab, kOk},
        {0, 0, kOk, Qt::Key_Tab, kCancel},         {0, 0, kCancel, Qt::Key_Tab, kCity},
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
