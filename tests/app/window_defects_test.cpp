// The window and its dialogs used with the keyboard: the City field's completions, the name
// shown after a calculation, sizes, Tab into radio groups, the menu's keys.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCompleter>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <memory>

#include "app/about_dialog.h"
#include "app/main_window.h"
#include "app/message_box.h"
#include "app/options_dialog.h"
#include "fakes.h"
#include "window_test_support.h"

namespace orvanta {
namespace {

// A database that writes every name it finds as "Tromsø", however it was typed.
struct RespellingLookup final : CityLookup {
    explicit RespellingLookup(const CityLookup& places) : inner(places) {}
    bool LookUpCity(CityLocation& city, const MessageFn& showMessage) const override {
        const bool found = inner.LookUpCity(city, showMessage);
        city.name = found ? "Troms\xc3\xb8" : city.name;
        return found;
    }
    const CityLookup& inner;
};

class WindowDefectsTest : public testing::Test {
  protected:
    void TearDown() override {
        dialog_.reset();
        window_.reset();
        testing_support::CloseEverything();
    }
    void OpenOptions(std::vector<std::string> suggestions = {}) {
        world_.suggestions.answer = std::move(suggestions);
        dialog_ = std::make_unique<OptionsDialog>(
            OptionsContext{settings_, city_, world_.services, nullptr});
        dialog_->show();
        dialog_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog_.get()));
    }
    QWidget* Control(const char* id) const {
        return dialog_->findChild<QWidget*>(QString::fromLatin1(id));
    }
    QLineEdit* CityField() const { return static_cast<QLineEdit*>(Control("id1008")); }
    QAbstractItemView* Popup() const { return dialog_->findChild<QCompleter*>()->popup(); }
    void TypeCity(const char* text) const {
        CityField()->setFocus();
        CityField()->clear();
        QTest::keyClicks(CityField(), QString::fromUtf8(text));
    }
    void CreateWindow() {
        window_ = std::make_unique<MainWindow>(records_, services_, [](int) {});
        window_->show();
        window_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    }

    testing_support::FakeWorld world_;
    RespellingLookup cities_{world_.cities};
    Services services_{world_.clock,
                       cities_,
                       world_.homeCity,
                       world_.settings,
                       world_.zones,
                       world_.suggestions,
                       world_.services.showMessage};
    PrayerSettings settings_;
    CityLocation city_;
    AppRecords records_;
    std::unique_ptr<OptionsDialog> dialog_;
    std::unique_ptr<MainWindow> window_;
};

// The lookup, not the pop-up, decides which city a typed name means: Return applies a
// suggestion only when the person moved to it.
TEST_F(WindowDefectsTest, ReturnInTheCityFieldAppliesOnlyASuggestionThePersonMovedTo) {
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
        OpenOptions(c.suggestions);
        TypeCity(c.typed);
        ASSERT_TRUE(Popup()->isVisible()) << c.kept;
        EXPECT_EQ(Popup()->model()->index(0, 0).data().toString().toStdString(), c.suggestions[0]);
        for (const Qt::Key key : c.keys) {  // delivered as the window system does: to the pop-up
            QTest::keyClick(dialog_->windowHandle(), key);
        }
        EXPECT_FALSE(Popup()->isVisible()) << c.kept;
        static_cast<QPushButton*>(Control("id1"))->click();
        EXPECT_EQ(settings_.configuredCity, c.kept);
    }
}

TEST_F(WindowDefectsTest, LocationShowsTheDatabasesNameFromItsBeginning) {
    world_.settings.stored.configuredCity = "Mecca";
    CreateWindow();
    EXPECT_EQ(records_.window.cityDisplay->text(), QString::fromUtf8("Troms\xc3\xb8"));
    const QString longName = QString(30, QLatin1Char('x')) + QString(30, QLatin1Char('y'));
    window_->RunCommand(40004);
    QWidget* options = QApplication::activeModalWidget();
    ASSERT_NE(options, nullptr);
    options->findChild<QLineEdit*>(QStringLiteral("id1008"))->setText(longName);
    options->findChild<QPushButton*>(QStringLiteral("id1"))->click();
    EXPECT_EQ(records_.window.cityDisplay->cursorPosition(), 0);  // the start is in view
}

TEST_F(WindowDefectsTest, MessageBoxShowsItsWholeCaptionAndTheDialogsHaveAFixedSize) {
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Orvanta"));
    const std::unique_ptr<QMessageBox> box = MakeMessageBox("Error getting data!", "Error!");
    box->show();
    QFont bold = QApplication::font("QMdiSubWindowTitleBar");
    bold.setBold(true);
    // The title bar reads "Error! — Orvanta" beside an icon and three buttons, each a square
    // at least one and a half lines high.
    const QFontMetrics title(bold);
    EXPECT_GE(box->width(), title.horizontalAdvance(QString::fromUtf8("Error! \u2014 Orvanta")) +
                                4 * title.height() * 3 / 2);

    OpenOptions();
    AboutDialog about;
    about.show();
    for (const QDialog* dialog :
         {static_cast<QDialog*>(dialog_.get()), static_cast<QDialog*>(&about)}) {
        EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
        EXPECT_FALSE(dialog->windowFlags() & Qt::WindowMaximizeButtonHint);
    }
}

// Opening the dialog, Tab and Shift+Tab land on a radio group's checked button, so that Space
// there changes nothing.
TEST_F(WindowDefectsTest, FocusEntersARadioGroupOnItsCheckedButton) {
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
        settings_.method = c.method;
        settings_.fiqh = c.fiqh;
        OpenOptions();
        EXPECT_EQ(QApplication::focusWidget(), Control(c.method == 0 ? "id1001" : "id1002"));
        Control(c.from)->setFocus();
        QTest::keyClick(Control(c.from), c.key);
        EXPECT_EQ(QApplication::focusWidget(), Control(c.reached)) << c.from << " " << c.reached;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        dialog_->accept();
        EXPECT_EQ(settings_.method, c.method);
        EXPECT_EQ(settings_.fiqh, c.fiqh);
    }
}

// Alt+T opens the Tools menu, whose items show their keys without shortcuts of their own (the
// keys keep doing what they did); the completion pop-up shows no row cut by its lower edge.
TEST_F(WindowDefectsTest, AltTOpensToolsAndThePopupShowsWholeRows) {
    CreateWindow();
    QMenu* tools = window_->menuBar()->actions().at(0)->menu();
    QTest::keyClick(window_->windowHandle(), Qt::Key_T, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([tools] { return tools->isVisible(); }, 2000));
    for (const QAction* action : tools->actions()) {
        EXPECT_TRUE(action->shortcut().isEmpty());
    }
    tools->close();

    OpenOptions(std::vector<std::string>(12, "Al"));
    TypeCity("Al");
    const int shown = Popup()->viewport()->height();
    for (int row = 0; row < 12; ++row) {
        const QRect rect = Popup()->visualRect(Popup()->model()->index(row, 0));
        EXPECT_FALSE(rect.top() < shown && rect.bottom() >= shown) << "row " << row << " is cut";
    }
}

}  // namespace
}  // namespace orvanta
