#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDateEdit>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <memory>

#include "app/about_dialog.h"
#include "app/message_box.h"
#include "app/options_dialog.h"
#include "fakes.h"
#include "window_test_support.h"

namespace orvanta {
namespace {

using testing_support::FakeWorld;
using testing_support::Message;
using testing_support::RowsOf;
using testing_support::TextRows;

const Message kErrorGettingData{"Error getting data!", "Error!"};

class MainWindowTest : public testing::Test {
  protected:
    void TearDown() override {
        window_.reset();
        testing_support::CloseEverything();
    }

    MainWindow& Create() {
        window_ = std::make_unique<MainWindow>(records_, world_.services,
                                               [this](int code) { quitCodes_.push_back(code); });
        return *window_;
    }
    QTreeWidget* List() const { return records_.window.listView; }
    QString CityDisplay() const { return records_.window.cityDisplay->text(); }
    QDate PickerDate() const { return records_.window.datePicker->date(); }
    // Runs the Options command; the dialog it leaves open, or nothing.
    OptionsDialog* OpenOptions() {
        window_->RunCommand(40004);
        return qobject_cast<OptionsDialog*>(QApplication::activeModalWidget());
    }
    template <typename T>
    static T* Control(OptionsDialog* options, const char* id) {
        return options->findChild<T*>(QString::fromLatin1(id));
    }
    static void ClickOk(OptionsDialog* options) { Control<QPushButton>(options, "id1")->click(); }

    FakeWorld world_;
    AppRecords records_;
    std::vector<int> quitCodes_;
    std::unique_ptr<MainWindow> window_;
};

TEST_F(MainWindowTest, StartUpLoadsSettingsFirstAndFillsTheListOnce) {
    const auto treesNow = [] { return QApplication::allWidgets().count(); };
    const qsizetype widgetsBefore = treesNow();
    qsizetype widgetsAtLoad = -1;
    world_.settings.onLoad = [&] { widgetsAtLoad = treesNow(); };
    world_.settings.stored.configuredCity = "Detroit, MI";

    Create();
    // Settings load before any control exists (only the window itself is there).
    EXPECT_LE(widgetsAtLoad, widgetsBefore + 1);
    // Load (asking for the home city), the date row's clock, then one calculation.
    EXPECT_EQ(world_.log,
              (testing_support::Log{"load", "home", "clock", "clock", "lookup", "zones"}));
    EXPECT_EQ(RowsOf(List()).size(), 6U);
    EXPECT_EQ(RowsOf(List())[0].first, "Fajr (Dawn)");
    EXPECT_EQ(CityDisplay(), QStringLiteral("Detroit, MI"));
    EXPECT_EQ(PickerDate(), QDate(2026, 3, 20));
    EXPECT_FALSE(records_.window.datePicker->isEnabled());
    EXPECT_FALSE(records_.window.cityDisplay->isEnabled());
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("Orvanta"));
    EXPECT_EQ(window_->objectName(), QStringLiteral("ORVANTA"));
    EXPECT_EQ(List()->headerItem()->text(0), QStringLiteral("Prayer"));
    EXPECT_EQ(List()->headerItem()->text(1), QStringLiteral("Time"));
}

TEST_F(MainWindowTest, ToolsMenuHoldsTheCommandsInOrder) {
    Create();
    const QList<QAction*> bar = window_->menuBar()->actions();
    ASSERT_EQ(bar.size(), 1);
    EXPECT_EQ(bar[0]->text(), QStringLiteral("&Tools"));
    std::vector<std::pair<std::string, int>> items;
    for (QAction* action : bar[0]->menu()->actions()) {
        items.emplace_back(action->isSeparator() ? "-" : action->text().toStdString(),
                           action->data().toInt());
    }
    EXPECT_EQ(items, (std::vector<std::pair<std::string, int>>{{"&Calculate", 40005},
                                                               {"&Options", 40004},
                                                               {"&Timetable...", 40007},
                                                               {"About\tCtrl+A", 40003},
                                                               {"-", 0},
                                                               {"E&xit\tCtrl+Q", 40006}}));
}

TEST_F(MainWindowTest, EachCalculationReplacesTheSixRowsAndMovesTheDatePicker) {
    Create();
    const TextRows march20 = RowsOf(List());
    world_.clock.date = CivilDate{2026, 3, 21};  // past midnight
    EXPECT_TRUE(window_->RunCommand(40005));
    EXPECT_TRUE(window_->RunCommand(40005));
    EXPECT_EQ(RowsOf(List()).size(), 6U);
    EXPECT_NE(RowsOf(List()), march20);
    EXPECT_EQ(PickerDate(), QDate(2026, 3, 21));
    EXPECT_EQ(world_.cities.searched.size(), 3U);
    EXPECT_TRUE(world_.messages.empty());
}

// The kinds of failure are one table in the daily command's tests.
TEST_F(MainWindowTest, FailedCalculationKeepsTheRowsAndTheDate) {
    Create();
    const TextRows before = RowsOf(List());
    world_.clock.date = CivilDate{2026, 3, 21};
    records_.city.name = "Atlantis";
    window_->RunCommand(40005);
    EXPECT_EQ(world_.messages,
              (std::vector<Message>{{"Couldn't find city!", "Error"}, kErrorGettingData}));
    EXPECT_EQ(RowsOf(List()), before);
    EXPECT_EQ(PickerDate(), QDate(2026, 3, 20));
}

TEST_F(MainWindowTest, UnknownCommandsDoNothing) {
    Create();
    world_.log.clear();
    for (const int command : {0, 2, 40001, 40002, 40008}) {
        EXPECT_FALSE(window_->RunCommand(command)) << command;
    }
    EXPECT_TRUE(world_.log.empty());
    EXPECT_TRUE(quitCodes_.empty());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// The real event loop: Ctrl+Q and "E&xit" each end QApplication::exec() with 0.
TEST_F(MainWindowTest, CtrlQAndExitEndTheEventLoopWithZero) {
    struct Case {
        const char* name;
        void (*act)(MainWindow&);
        bool windowStaysOpen;
    };
    const Case cases[] = {
        {"Ctrl+Q", [](MainWindow& w) { QTest::keyClick(&w, Qt::Key_Q, Qt::ControlModifier); },
         false},
        {"Exit",
         [](MainWindow& w) {
             QMenu* tools = w.menuBar()->actions().at(0)->menu();
             tools->actions().at(5)->trigger();
         },
         true},
    };
    for (const Case& c : cases) {
        MainWindow window(records_, world_.services,
                          [](int code) { QCoreApplication::exit(code); });
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window)) << c.name;
        QTimer::singleShot(0, &window, [&window, &c] { c.act(window); });
        QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });  // a hang fails, not blocks
        EXPECT_EQ(QApplication::exec(), 0) << c.name;
        EXPECT_EQ(window.isVisible(), c.windowStaysOpen) << c.name;
    }
}

TEST_F(MainWindowTest, CtrlAOpensAboutAndCommandsOpenTheirDialogsModal) {
    Create();
    window_->show();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    QTest::keyClick(window_.get(), Qt::Key_A, Qt::ControlModifier);
    auto* about = qobject_cast<AboutDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->windowTitle(), QStringLiteral("About Orvanta"));
    about->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    OptionsDialog* options = OpenOptions();
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(options->windowModality(), Qt::ApplicationModal);
}

// Without a home city, OK makes the typed city the one to compute: the display shows it from
// its beginning and, after the next calculation, as the database spells it. With a home city
// the typed city is saved but the home city stays the one shown and computed.
TEST_F(MainWindowTest, TypedCityIsShownAndComputedAfterOkUnlessThereIsAHomeCity) {
    const QString longName = QString(30, QLatin1Char('x')) + QString(30, QLatin1Char('y'));
    for (const bool hasHome : {false, true}) {
        window_.reset();
        world_.homeCity.home.reset();
        if (hasHome) {
            world_.homeCity.home = "Detroit, MI";
        }
        world_.zones.hours = 0.0;
        Create();
        const TextRows detroit = RowsOf(List());
        OptionsDialog* options = OpenOptions();
        ASSERT_NE(options, nullptr);
        Control<QLineEdit>(options, "id1008")->setText(longName);
        records_.window.cityDisplay->setText(QStringLiteral("stale text"));
        ClickOk(options);
        EXPECT_EQ(CityDisplay(), hasHome ? QStringLiteral("Detroit, MI") : longName);
        EXPECT_EQ(records_.window.cityDisplay->cursorPosition(), 0);  // the start is in view
        EXPECT_EQ(RowsOf(List()), detroit);                           // nothing recomputed yet
        EXPECT_EQ(world_.settings.stored.configuredCity, longName.toStdString());

        Control<QLineEdit>(OpenOptions(), "id1008")->setText(QStringLiteral("mecca"));
        ClickOk(qobject_cast<OptionsDialog*>(QApplication::activeModalWidget()));
        window_->RunCommand(40005);
        EXPECT_EQ(world_.cities.searched.back(), hasHome ? "Detroit, MI" : "mecca");
        EXPECT_EQ(CityDisplay(), hasHome ? QStringLiteral("Detroit, MI") : QStringLiteral("Mecca"));
        if (!hasHome) {
            EXPECT_EQ(RowsOf(List())[2].second, " 12:28 PM");
        }
    }
}

// A new method and Asr school recompute nothing at OK and reach the next calculation.
TEST_F(MainWindowTest, HanafiAfterOkMovesAsrAtTheNextCalculation) {
    Create();
    const TextRows before = RowsOf(List());
    OptionsDialog* options = OpenOptions();
    ASSERT_NE(options, nullptr);
    Control<QRadioButton>(options, "id1002")->setChecked(true);
    Control<QRadioButton>(options, "id1006")->setChecked(true);
    world_.log.clear();
    ClickOk(options);
    EXPECT_EQ(std::count(world_.log.begin(), world_.log.end(), "lookup"), 0);
    EXPECT_EQ(RowsOf(List()), before);
    EXPECT_EQ(records_.settings.method, 1);
    window_->RunCommand(40005);
    EXPECT_EQ(records_.settings.asrShadowFactor, 2.0);
    EXPECT_EQ(world_.settings.stored.fiqh, 1);
    EXPECT_EQ(RowsOf(List())[3].second, "  5:56 PM") << "Shafi Asr was " << before[3].second;
}

TEST_F(MainWindowTest, BringToFrontRaisesTheOpenDialog) {
    Create();
    window_->show();
    window_->RunCommand(40004);
    QWidget* options = QApplication::activeModalWidget();
    ASSERT_NE(options, nullptr);
    window_->showMinimized();
    window_->BringToFront();
    EXPECT_FALSE(window_->isMinimized());
    EXPECT_TRUE(window_->isVisible());
    EXPECT_TRUE(QTest::qWaitForWindowActive(options));
}

// Alt+T opens the Tools menu, whose items show their keys without shortcuts of their own (the
// keys keep doing what they did).
TEST_F(MainWindowTest, AltTOpensToolsWhoseItemsHaveNoShortcutsOfTheirOwn) {
    Create();
    window_->show();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    QMenu* tools = window_->menuBar()->actions().at(0)->menu();
    QTest::keyClick(window_->windowHandle(), Qt::Key_T, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([tools] { return tools->isVisible(); }, 2000));
    for (const QAction* action : tools->actions()) {
        EXPECT_TRUE(action->shortcut().isEmpty());
    }
    tools->close();
}

TEST_F(MainWindowTest, MessageBoxShowsItsWholeCaptionAndTheDialogsHaveAFixedSize) {
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
    Create();
    OptionsDialog* options = OpenOptions();
    ASSERT_NE(options, nullptr);
    AboutDialog about;
    about.show();
    for (const QDialog* dialog : {static_cast<QDialog*>(options), static_cast<QDialog*>(&about)}) {
        EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
        EXPECT_FALSE(dialog->windowFlags() & Qt::WindowMaximizeButtonHint);
    }
}

}  // namespace
}  // namespace orvanta
