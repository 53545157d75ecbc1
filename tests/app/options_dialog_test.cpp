#include "app/options_dialog.h"

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

#include <sstream>
#include <string>

#include "app/method_page.h"
#include "window_test_support.h"

namespace orvanta {
namespace {

using testing_support::Count;
using testing_support::Find;
using testing_support::Message;

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
    QSpinBox* NumberField() const { return Control<QSpinBox>("angleOrInterval"); }
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
    void Ok() const { Click("okButton"); }
    QAbstractItemView* Popup() const { return dialog_->findChild<QCompleter*>()->popup(); }
    void TypeCity(const char* text) const {
        Control<QLineEdit>("cityName")->setFocus();
        Control<QLineEdit>("cityName")->clear();
        QTest::keyClicks(Control<QLineEdit>("cityName"), QString::fromUtf8(text));
    }

    OptionsDialog* dialog_ = nullptr;
};

// One row per line: the stored method, depression and interval ("-" for the defaults); the
// steps ("type:KEYS" replaces the number's text by typing, "paste:TEXT" by pasting, "click:ID",
// "city:TEXT" replaces the city, "shows:TEXT" checks the number's text, "saves:N" the number of
// saves so far, "again" opens the dialog again); then, after OK, the stored method, depression,
// interval, school and city.
TEST_F(OptionsDialogTest, OkStoresTheSelectedMethodsNumberOnlyAndCancelNothing) {
    const std::string table = R"(
        -           type:19                                           | 0 19 90 0 Detroit, MI
        -           shows:18 click:byInterval shows:90 type:80            | 1 18 80 0 Detroit, MI
        -           type:1234                                         | 0 123 90 0 Detroit, MI
        -           type:                                             | 0 0 90 0 Detroit, MI
        -           type:a-1b2.                                       | 0 12 90 0 Detroit, MI
        -           type:19 click:byInterval type:80 click:byDepressionAngle         | 0 19 90 0 Detroit, MI
        -           type:25 click:byDepressionAngle click:byInterval click:byDepressionAngle    | 0 25 90 0 Detroit, MI
        -           paste:1234 shows:123                              | 0 123 90 0 Detroit, MI
        -           paste:-5 shows:18                                 | 0 18 90 0 Detroit, MI
        -           paste:4x shows:18                                 | 0 18 90 0 Detroit, MI
        -           paste:٥ shows:18                                  | 0 18 90 0 Detroit, MI
        7/19.9/4294967295 shows:999 click:byDepressionAngle shows:19 click:byInterval | 1 19.9 999 0 Detroit, MI
        -           type:25 click:fiqhHanafi city:Mecca click:cancelButton saves:0 again shows:18 | 0 18 90 0 Detroit, MI
        -           click:fiqhHanafi city:Mecca                           | 0 18 90 1 Mecca)";
    std::istringstream rows(table);
    for (std::string row; std::getline(rows, row);) {
        if (row.find('|') == std::string::npos) {
            continue;
        }
        SCOPED_TRACE(row);
        std::istringstream steps(row.substr(0, row.find('|')));
        std::string stored;
        steps >> stored;
        world_.stored = PrayerSettings{.configuredCity = "Detroit, MI"};
        if (stored != "-") {  // any nonzero method is the interval; a fraction is dropped
            char slash = 0;
            int method = 0;
            std::istringstream(stored) >> method >> slash >> world_.stored.depressionDegrees >>
                slash >> world_.stored.intervalMinutes;
            world_.stored.method = static_cast<TwilightMethod>(method != 0);
        }
        Open();
        for (std::string step; steps >> step;) {
            const QString argument = QString::fromStdString(step.substr(step.find(':') + 1));
            if (step.starts_with("click:")) {
                Click(argument.toLatin1().constData());
            } else if (step.starts_with("shows:")) {
                EXPECT_EQ(NumberField()->text(), argument);
            } else if (step.starts_with("city:")) {
                Control<QLineEdit>("cityName")->setText(argument);
            } else if (step.starts_with("saves:")) {
                EXPECT_EQ(Count(world_.log, "save"), argument.toInt());
            } else if (step == "again") {
                dialog_ = OpenOptions();
            } else if (step.starts_with("paste:")) {
                NumberField()->selectAll();
                QApplication::clipboard()->setText(argument);
                QTest::keyClick(NumberField(), Qt::Key_V, Qt::ControlModifier);
            } else {
                TypeNumber(argument);
            }
        }
        Ok();
        const PrayerSettings& saved = world_.stored;
        std::ostringstream got;  // as the row's right side spells it
        got << "| " << static_cast<int>(saved.method) << ' ' << saved.depressionDegrees << ' '
            << saved.intervalMinutes << ' ' << static_cast<int>(saved.fiqh) << ' '
            << saved.configuredCity;
        EXPECT_EQ(got.str(), row.substr(row.find('|')));
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
        Control<QLineEdit>("cityName")->setText(typed);
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

TEST_F(OptionsDialogTest, MethodPageChoosesAPresetAndTheClassicControlsWait) {
    Open();
    auto* preset = Control<QComboBox>("methodPreset");
    EXPECT_EQ(preset->currentIndex(), 0);  // classic first
    EXPECT_TRUE(Control("byDepressionAngle")->isEnabled());
    preset->setCurrentIndex(preset->findData(QStringLiteral("turkey")));
    for (const char* id : {"byDepressionAngle", "byInterval", "angleOrInterval"}) {
        EXPECT_FALSE(Control(id)->isEnabled()) << id;
    }
    EXPECT_TRUE(Control("fiqhShafi")->isEnabled());
    EXPECT_EQ(NumberField()->text(), QStringLiteral("18"));                // kept, only disabled
    EXPECT_EQ(Control<QDoubleSpinBox>("methodFajrAngle")->value(), 18.0);  // the preset's own
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
    world_.method.choice.rounding = RoundingRule::Up;
    world_.method.choice.nearestLatitudeDeg = 52.25;  // kept untouched, though shown as 52.3
    Open();
    preset = Control<QComboBox>("methodPreset");
    EXPECT_EQ(preset->currentData().toString(), QStringLiteral("umm-al-qura"));
    EXPECT_FALSE(Control("byDepressionAngle")->isEnabled());
    EXPECT_EQ(Control<QComboBox>("methodRounding")->currentIndex(), 2);
    EXPECT_FALSE(Control("methodNearestLatitude")->isEnabled());
    EXPECT_EQ(Control<MethodPage>("methodPage")->Choice().nearestLatitudeDeg, 52.25);  // untouched
    preset->setCurrentIndex(0);
    EXPECT_TRUE(Control("byDepressionAngle")->isEnabled());
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
        int method;  // 0 (angle): byDepressionAngle checked, else byInterval
        int fiqh;    // 0 (Shafi): fiqhShafi checked, else fiqhHanafi
        const char* from;
        Qt::Key key;
        const char* reached;
    };
    const Case cases[] = {
        // (The City field is the page's last stop: Tab from it goes on to the tabs, not back.)
        {0, 0, "byDepressionAngle", Qt::Key_Tab, "angleOrInterval"},
        {1, 0, "angleOrInterval", Qt::Key_Backtab, "byInterval"},
        {0, 1, "angleOrInterval", Qt::Key_Tab, "fiqhHanafi"},
        {0, 1, "okButton", Qt::Key_Backtab, "fiqhHanafi"},
        {0, 1, "fiqhHanafi", Qt::Key_Backtab, "angleOrInterval"},
        {0, 0, "fiqhShafi", Qt::Key_Tab, "okButton"},
        {0, 0, "okButton", Qt::Key_Tab, "cancelButton"},
        {0, 0, "cancelButton", Qt::Key_Tab, "cityName"},
    };
    for (const Case& c : cases) {
        world_.stored.method = static_cast<TwilightMethod>(c.method);
        world_.stored.fiqh = static_cast<Fiqh>(c.fiqh);
        Open();
        EXPECT_EQ(QApplication::focusWidget(),
                  Control(c.method == 0 ? "byDepressionAngle" : "byInterval"));
        EXPECT_TRUE(Control<QRadioButton>(c.fiqh == 0 ? "fiqhShafi" : "fiqhHanafi")->isChecked());
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
