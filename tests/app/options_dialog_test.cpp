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
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include <memory>

#include "fakes.h"
#include "window_test_support.h"

namespace orvanta {
namespace {

using testing_support::FakeWorld;
using testing_support::Message;

class OptionsDialogTest : public testing::Test {
  protected:
    void SetUp() override { Reset(); }
    // Back to the defaults, stored and in memory, for the next row of a table.
    void Reset() {
        world_.settings.stored = PrayerSettings{};
        world_.settings.saves = 0;
        world_.messages.clear();
        world_.homeCity.home.reset();
        settings_ = world_.settings.stored;
        city_ = CityLocation{};
        city_.name = "Detroit, MI";
        shown_.clear();
    }
    void TearDown() override {
        dialog_.reset();
        testing_support::CloseEverything();
    }

    void Open(MethodSettings* method = nullptr) {
        const OptionsContext context{settings_, city_, world_.services,
                                     [this](const std::string& name) { shown_.push_back(name); },
                                     method};
        dialog_ = std::make_unique<OptionsDialog>(context);
        dialog_->show();
        dialog_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog_.get()));
    }
    template <typename T>
    T* Control(const char* id) const {
        T* control = dialog_->findChild<T*>(QString::fromLatin1(id));
        EXPECT_NE(control, nullptr) << id;
        return control;
    }
    QRadioButton* Radio(const char* id) const { return Control<QRadioButton>(id); }
    QSpinBox* NumberField() const { return Control<QSpinBox>("id1003"); }
    QString NumberText() const { return NumberField()->text(); }
    // Replaces the number field's text by typing, as a user would.
    void TypeNumber(const char* keys) const {
        NumberField()->setFocus();
        NumberField()->selectAll();
        QTest::keyClick(NumberField(), Qt::Key_Delete);
        QTest::keyClicks(NumberField(), QString::fromLatin1(keys));
    }
    // Clicks a button; a radio button on its indicator, which its label may not reach.
    void Click(const char* id) const {
        QAbstractButton* button = Control<QAbstractButton>(id);
        const QPoint at = qobject_cast<QRadioButton*>(button) != nullptr
                              ? QPoint(8, button->height() / 2)
                              : button->rect().center();
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, at);
    }
    void Ok() const { Click("id1"); }
    QLineEdit* CityField() const { return Control<QLineEdit>("id1008"); }
    QAbstractItemView* Popup() const { return dialog_->findChild<QCompleter*>()->popup(); }
    void TypeCity(const char* text) const {
        CityField()->setFocus();
        CityField()->clear();
        QTest::keyClicks(CityField(), QString::fromUtf8(text));
    }

    FakeWorld world_;
    PrayerSettings settings_;
    CityLocation city_;
    std::vector<std::string> shown_;
    std::unique_ptr<OptionsDialog> dialog_;
};

TEST_F(OptionsDialogTest, OpensWithTheDefaultsTheTextsAndTheTabOrder) {
    Open();
    EXPECT_TRUE(Radio("id1001")->isChecked());
    EXPECT_FALSE(Radio("id1002")->isChecked());
    EXPECT_TRUE(Radio("id1005")->isChecked());
    EXPECT_FALSE(Radio("id1006")->isChecked());
    EXPECT_EQ(NumberText(), QStringLiteral("18"));
    EXPECT_EQ(Control<QLineEdit>("id1008")->text(), QStringLiteral("Detroit, MI"));
    EXPECT_TRUE(dialog_->windowTitle().isEmpty());
    EXPECT_EQ(Radio("id1001")->text(), QStringLiteral("By Depression Angle"));
    EXPECT_EQ(Radio("id1002")->text(), QStringLiteral("By Interval"));
    EXPECT_EQ(Radio("id1005")->text(), QStringLiteral("Shafi"));
    EXPECT_EQ(Radio("id1006")->text(), QStringLiteral("Hanafi"));
    EXPECT_EQ(Control<QPushButton>("id1")->text(), QStringLiteral("OK"));
    EXPECT_TRUE(Control<QPushButton>("id1")->isDefault());
    EXPECT_EQ(Control<QPushButton>("id2")->text(), QStringLiteral("Cancel"));
    // The numbered controls in focus-chain order from the first. (Within a group of radio
    // buttons, Tab itself stops only at the checked one; the arrow keys move inside the group.)
    std::vector<std::string> reached;
    QWidget* start = Control<QWidget>("id1001");
    QWidget* widget = start;
    do {
        if (widget->objectName().startsWith(QStringLiteral("id"))) {
            reached.push_back(widget->objectName().toStdString());
        }
        widget = widget->nextInFocusChain();
    } while (widget != nullptr && widget != start && reached.size() < 50);
    EXPECT_EQ(reached, (std::vector<std::string>{"id1001", "id1002", "id1003", "id1005", "id1006",
                                                 "id1", "id2", "id1008"}));
    Click("id1002");
    EXPECT_EQ(NumberText(), QStringLiteral("90"));
}

TEST_F(OptionsDialogTest, OkStoresTheSelectedMethodsNumberOnly) {
    struct Case {
        const char* name;
        std::vector<std::pair<const char*, const char*>> steps;  // {"click", id} or {"type", keys}
        std::int16_t method;
        double depression;
        double interval;
    };
    const Case cases[] = {
        {"19 by depression", {{"type", "19"}}, 0, 19.0, 90.0},
        {"19, switch, 80 by interval",
         {{"type", "19"}, {"click", "id1002"}, {"type", "80"}},
         1,
         18.0,
         80.0},
        {"1234 keeps three digits", {{"type", "1234"}}, 0, 123.0, 90.0},
        {"empty stores 0", {{"type", ""}}, 0, 0.0, 90.0},
        {"digits only", {{"type", "a-1b2."}}, 0, 12.0, 90.0},
        {"back and forth keeps each number",
         {{"type", "19"}, {"click", "id1002"}, {"type", "80"}, {"click", "id1001"}},
         0,
         19.0,
         90.0},
        {"a click on the checked button changes nothing",
         {{"type", "25"}, {"click", "id1001"}, {"click", "id1002"}, {"click", "id1001"}},
         0,
         25.0,
         90.0},
    };
    for (const Case& c : cases) {
        Reset();
        Open();
        for (const auto& [action, argument] : c.steps) {
            if (std::string(action) == "click") {
                Click(argument);
            } else {
                TypeNumber(argument);
            }
        }
        Ok();
        EXPECT_EQ(settings_.method, c.method) << c.name;
        EXPECT_EQ(settings_.depressionDegrees, c.depression) << c.name;
        EXPECT_EQ(settings_.intervalMinutes, c.interval) << c.name;
        EXPECT_EQ(world_.settings.stored.depressionDegrees, c.depression) << c.name;
        EXPECT_EQ(dialog_->result(), QDialog::Accepted) << c.name;
        dialog_.reset();
    }
}

TEST_F(OptionsDialogTest, PastedTextKeepsItsFirstThreeDigitsAndRefusesOthers) {
    Open();
    struct Case {
        const char* pasted;
        const char* shown;
    };
    const Case cases[] = {{"1234", "123"}, {"-5", "18"}, {"4x", "18"}, {"\xd9\xa5", "18"}};
    for (const Case& c : cases) {
        TypeNumber("18");
        NumberField()->selectAll();
        QApplication::clipboard()->setText(QString::fromUtf8(c.pasted));
        QTest::keyClick(NumberField(), Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(NumberText(), QString::fromLatin1(c.shown)) << c.pasted;
    }
}

TEST_F(OptionsDialogTest, StoredValuesOutsideTheFieldOpenSensibly) {
    settings_.method = 7;  // any nonzero method is the interval
    settings_.intervalMinutes = 4294967295.0;
    settings_.depressionDegrees = 19.9;  // the fraction is dropped
    Open();
    EXPECT_TRUE(Radio("id1002")->isChecked());
    EXPECT_EQ(NumberText(), QStringLiteral("999"));
    Click("id1001");
    EXPECT_EQ(NumberText(), QStringLiteral("19"));
    Click("id1002");
    Ok();
    EXPECT_EQ(settings_.method, 1);
    EXPECT_EQ(settings_.intervalMinutes, 999.0);
}

TEST_F(OptionsDialogTest, CancelStoresNothingAndTheNextOpeningShowsTheStoredValues) {
    const PrayerSettings before = settings_;
    Open();
    TypeNumber("25");
    Click("id1006");
    Control<QLineEdit>("id1008")->setText(QStringLiteral("Mecca"));
    Click("id2");
    EXPECT_EQ(dialog_->result(), QDialog::Rejected);
    EXPECT_EQ(settings_.depressionDegrees, before.depressionDegrees);
    EXPECT_EQ(settings_.fiqh, before.fiqh);
    EXPECT_EQ(settings_.configuredCity, before.configuredCity);
    EXPECT_EQ(city_.name, "Detroit, MI");
    EXPECT_EQ(world_.settings.saves, 0);
    EXPECT_TRUE(shown_.empty());

    dialog_.reset();
    Open();
    EXPECT_EQ(NumberText(), QStringLiteral("18"));
    EXPECT_TRUE(Radio("id1005")->isChecked());
    EXPECT_EQ(Control<QLineEdit>("id1008")->text(), QStringLiteral("Detroit, MI"));
}

TEST_F(OptionsDialogTest, LongCityKeepsItsFirst199Utf16UnitsWithoutSplittingAPair) {
    struct Case {
        const char* name;
        QString typed;
        QString stored;
    };
    const QString a198(198, QLatin1Char('a'));
    const QString emoji = QString::fromUtf8("\xf0\x9f\x95\x8c");  // two UTF-16 units
    const Case cases[] = {
        {"250 letters", QString(250, QLatin1Char('b')), QString(199, QLatin1Char('b'))},
        {"a pair across the limit", a198 + emoji, a198},
        {"a pair inside the limit", QString(197, QLatin1Char('c')) + emoji,
         QString(197, QLatin1Char('c')) + emoji},
    };
    for (const Case& c : cases) {
        Reset();
        Open();
        Control<QLineEdit>("id1008")->setText(c.typed);
        Ok();
        EXPECT_EQ(QString::fromStdString(settings_.configuredCity), c.stored) << c.name;
        dialog_.reset();
    }
}

TEST_F(OptionsDialogTest, FailedSaveIsReportedOnceAndTheValuesStayInEffect) {
    world_.settings.failSave = true;
    Open();
    TypeNumber("16");
    Ok();
    EXPECT_EQ(world_.messages, (std::vector<Message>{{"Settings could not be saved.", "Error"}}));
    EXPECT_EQ(settings_.depressionDegrees, 16.0);
    EXPECT_EQ(dialog_->result(), QDialog::Accepted);
    EXPECT_FALSE(dialog_->isVisible());
}

TEST_F(OptionsDialogTest, CityFieldOffersCompletionsButOkStoresTheFieldsText) {
    Open();
    QLineEdit* cityField = Control<QLineEdit>("id1008");
    cityField->clear();
    cityField->setFocus();
    QTest::keyClicks(cityField, QStringLiteral("De"));
    EXPECT_EQ(world_.suggestions.asked, (std::vector<std::string>{"D", "De"}));
    auto* completer = dialog_->findChild<QCompleter*>();
    ASSERT_NE(completer, nullptr);
    ASSERT_EQ(completer->model()->rowCount(), 2);
    EXPECT_EQ(completer->model()->index(0, 0).data().toString(), QStringLiteral("Detroit, MI"));
    Ok();
    EXPECT_EQ(settings_.configuredCity, "De");
}

TEST_F(OptionsDialogTest, MethodPageChoosesAPresetAndTheClassicControlsWait) {
    MethodSettings method;
    Open(&method);
    auto* preset = Control<QComboBox>("methodPreset");
    EXPECT_EQ(preset->currentIndex(), 0);  // classic first
    EXPECT_TRUE(Radio("id1001")->isEnabled());
    preset->setCurrentIndex(preset->findData(QStringLiteral("turkey")));
    for (const char* id : {"id1001", "id1002", "id1003"}) {
        EXPECT_FALSE(Control<QWidget>(id)->isEnabled()) << id;
    }
    EXPECT_TRUE(Radio("id1005")->isEnabled());
    EXPECT_EQ(NumberText(), QStringLiteral("18"));                         // kept, only disabled
    EXPECT_EQ(Control<QDoubleSpinBox>("methodFajrAngle")->value(), 18.0);  // the preset's own
    Control<QCheckBox>("methodFajrOverride")->setChecked(true);
    Control<QDoubleSpinBox>("methodFajrAngle")->setValue(19.5);
    Control<QSpinBox>("methodAdjust2")->setValue(3);
    Click("methodOk");
    EXPECT_EQ(method.choice.presetId, "turkey");
    EXPECT_EQ(method.choice.fajrAngleDeg, 19.5);
    EXPECT_EQ(method.choice.adjustments, (MinuteOffsets{0, 0, 3, 0, 0, 0}));
    EXPECT_FALSE(method.choice.ishaAngleDeg);
    EXPECT_EQ(world_.settings.saves, 1);
    EXPECT_EQ(settings_.depressionDegrees, 18.0);
}

TEST_F(OptionsDialogTest, MethodPageOpensOnTheSavedPresetAndReturnsToClassic) {
    MethodSettings method;
    method.choice.presetId = "umm-al-qura";
    method.choice.rounding = RoundingRule::Up;
    Open(&method);
    auto* preset = Control<QComboBox>("methodPreset");
    EXPECT_EQ(preset->currentData().toString(), QStringLiteral("umm-al-qura"));
    EXPECT_FALSE(Radio("id1001")->isEnabled());
    EXPECT_EQ(Control<QComboBox>("methodRounding")->currentIndex(), 2);
    preset->setCurrentIndex(0);
    EXPECT_TRUE(Radio("id1001")->isEnabled());
    Ok();
    EXPECT_EQ(method.choice.presetId, "classic");
    EXPECT_FALSE(method.choice.rounding);
}

// The lookup, not the pop-up, decides which city a typed name means: Return applies a
// suggestion only when the person moved to it. No row of the pop-up is cut by its lower edge.
TEST_F(OptionsDialogTest, ReturnInTheCityFieldAppliesOnlyASuggestionThePersonMovedTo) {
    struct Case {
        const char* typed;
        std::vector<std::string> suggestions;  // in the lookup's order
        std::vector<Qt::Key> keys;
        const char* kept;
    };
    const std::vector<std::string> koln = {"K\xc3\xb6ln", "Kolno"};
    const Case cases[] = {
        {"Koln", koln, {Qt::Key_Return}, "Koln"},
        {"Hyderab",
         {"Hyder\xc4\x81"
          "b\xc4\x81"
          "d",
          "Hyderabad, Pakistan"},
         {Qt::Key_Return},
         "Hyderab"},
        {"Koln", koln, {Qt::Key_Down, Qt::Key_Return}, "K\xc3\xb6ln"},
        {"Koln", koln, {Qt::Key_Down, Qt::Key_Down, Qt::Key_Return}, "Kolno"},
        {"Koln", koln, {Qt::Key_Down, Qt::Key_Up, Qt::Key_Return}, "Koln"},  // up off the rows
    };
    for (const Case& c : cases) {
        Reset();
        world_.suggestions.answer = c.suggestions;
        Open();
        TypeCity(c.typed);
        ASSERT_TRUE(Popup()->isVisible()) << c.kept;
        for (const Qt::Key key : c.keys) {  // delivered as the window system does: to the pop-up
            QTest::keyClick(dialog_->windowHandle(), key);
        }
        EXPECT_FALSE(Popup()->isVisible()) << c.kept;
        Ok();
        EXPECT_EQ(settings_.configuredCity, c.kept);
    }
    Reset();
    world_.suggestions.answer = std::vector<std::string>(12, "Al");
    Open();
    TypeCity("Al");
    const int shown = Popup()->viewport()->height();
    for (int row = 0; row < 12; ++row) {
        const QRect rect = Popup()->visualRect(Popup()->model()->index(row, 0));
        EXPECT_FALSE(rect.top() < shown && rect.bottom() >= shown) << "row " << row << " is cut";
    }
}

// Opening the dialog, Tab and Shift+Tab land on a radio group's checked button, so that Space
// there changes nothing.
TEST_F(OptionsDialogTest, FocusEntersARadioGroupOnItsCheckedButton) {
    struct Case {
        std::int16_t method;  // 0: id1001 checked, else id1002
        std::int32_t fiqh;    // 0: id1005 checked, else id1006
        const char* from;
        Qt::Key key;
        const char* reached;
    };
    const Case cases[] = {
        // (The City field is the page's last stop: Tab from it goes on to the tabs, not back.)
        {0, 0, "id1001", Qt::Key_Tab, "id1003"},     {1, 0, "id1003", Qt::Key_Backtab, "id1002"},
        {0, 1, "id1003", Qt::Key_Tab, "id1006"},     {0, 1, "id1", Qt::Key_Backtab, "id1006"},
        {0, 1, "id1006", Qt::Key_Backtab, "id1003"},
    };
    for (const Case& c : cases) {
        Reset();
        settings_.method = c.method;
        settings_.fiqh = c.fiqh;
        Open();
        EXPECT_EQ(QApplication::focusWidget(),
                  Control<QWidget>(c.method == 0 ? "id1001" : "id1002"));
        Control<QWidget>(c.from)->setFocus();
        QTest::keyClick(Control<QWidget>(c.from), c.key);
        EXPECT_EQ(QApplication::focusWidget(), Control<QWidget>(c.reached))
            << c.from << " " << c.reached;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        dialog_->accept();
        EXPECT_EQ(settings_.method, c.method);
        EXPECT_EQ(settings_.fiqh, c.fiqh);
    }
}

}  // namespace
}  // namespace orvanta
