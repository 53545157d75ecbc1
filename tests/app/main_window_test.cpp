#include "app/window/main_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <optional>
#include <string_view>

#include "app/reminders/dbus_notifier.h"
#include "app/system/app_resources.h"
#include "app/widgets/message_box.h"
#include "app/window/about_dialog.h"
#include "timetable/civil_time.h"
#include "window_test_support.h"

namespace orvanta {
namespace {

using testing_support::Find;
using testing_support::Message;
using testing_support::TextRows;

class MainWindowTest : public testing_support::WindowTest {
  protected:
    // Creates the window (with a tray icon if asked) and waits until it is shown and active.
    void ShowActive(bool tray = false) {
        world_.companion.keepInTray = tray;
        Create(tray).ShowAtStart(false);
        window_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    }
};

// The icon is drawn only after the window's first paint, and then serves every window.
TEST(AppIcon, IsTheApplicationsOnceTheWindowHasPainted) {
    QApplication::setWindowIcon(QIcon());
    QWidget window;
    UseAppIconAfterFirstPaint(window);
    EXPECT_TRUE(QApplication::windowIcon().isNull());
    window.show();
    EXPECT_TRUE(QTest::qWaitFor([] { return !QApplication::windowIcon().isNull(); }, 5000));
}

TEST_F(MainWindowTest, StartUpLoadsSettingsFirstThenEachCalculationReplacesTheRows) {
    const auto treesNow = [] { return QApplication::allWidgets().count(); };
    const qsizetype widgetsBefore = treesNow();
    qsizetype widgetsAtLoad = -1;
    world_.onLoad = [&] { widgetsAtLoad = treesNow(); };

    Create();
    // Settings load before any control exists (only the window itself is there).
    EXPECT_LE(widgetsAtLoad, widgetsBefore + 1);
    EXPECT_EQ(CityDisplay(), QStringLiteral("Detroit, MI"));
    EXPECT_EQ(records_.window.datePicker->date(), QDate(2026, 3, 20));
    EXPECT_FALSE(records_.window.datePicker->isEnabled());
    EXPECT_FALSE(records_.window.cityDisplay->isEnabled());

    // Each calculation replaces the six rows and moves the date picker (a failed one keeps
    // both: the daily command's tests).
    const TextRows march20 = Rows();
    world_.date = CivilDate{2026, 3, 21};  // past midnight
    Run("toolsCalculate");
    Run("toolsCalculate");
    const TextRows march21 = Rows();
    EXPECT_EQ(march21.size(), 6U);
    EXPECT_NE(march21, march20);
    EXPECT_EQ(records_.window.datePicker->date(), QDate(2026, 3, 21));
    EXPECT_EQ(world_.searched.size(), 3U);  // one at the start, one for each
    EXPECT_TRUE(world_.messages.empty());
}

// A printed timetable of the city gives the times of the day it covers and says so under them;
// the next day, which it does not cover, is calculated again and the line goes.
TEST_F(MainWindowTest, APrintedTimetableGivesTheTimesOfTheDaysItCovers) {
    constexpr std::int64_t march20 = DaysFromCivil(CivilDate{2026, 3, 20});
    world_.services.printedDays = [](const std::string& city, std::int64_t first,
                                     std::int64_t last) {
        std::vector<PrintedDay> days;
        if (city == "Detroit, MI" && first <= march20 && march20 <= last) {
            days.push_back({march20, {300, 420, 780, 960, 1140, 1230}});
        }
        return PrintedDays(days);
    };
    Create();
    const auto* source = Find<QLabel>(window_.get(), "timesSource");
    EXPECT_NE(Rows()[0].second.find("5:00 AM"), std::string::npos);
    EXPECT_NE(Rows()[5].second.find("8:30 PM"), std::string::npos);
    EXPECT_TRUE(source->isVisibleTo(window_.get()));
    EXPECT_TRUE(source->text().contains(QStringLiteral("timetable of")));
    world_.date = CivilDate{2026, 3, 21};
    Run("toolsCalculate");
    EXPECT_EQ(Rows()[0].second.find("5:00 AM"), std::string::npos);
    EXPECT_FALSE(source->isVisibleTo(window_.get()));
}

// Ctrl+Q (Exit in the Tools menu) quits with 0 and closes the window; with a tray icon, where
// closing only hides the window, it quits all the same.
TEST_F(MainWindowTest, CtrlQQuitsWithZeroAndClosesTheWindow) {
    for (const bool tray : {false, true}) {
        quitCodes_.clear();
        ShowActive(tray);
        QTest::keyClick(window_.get(), Qt::Key_Q, Qt::ControlModifier);
        EXPECT_EQ(quitCodes_, std::vector<int>{0}) << tray;
        EXPECT_EQ(window_->isVisible(), tray) << tray;  // with a tray, left to the program's end
    }
}

// Alt+T opens the one menu, Tools, whose items are in order with their keys; Ctrl+A opens
// About, which Escape closes; Options is titled, modal and raised by a second start; both
// dialogs have a fixed size.
TEST_F(MainWindowTest, ToolsMenuKeysAndDialogs) {
    ShowActive();
    const QList<QAction*> bar = window_->menuBar()->actions();
    ASSERT_EQ(bar.size(), 1);
    EXPECT_EQ(bar[0]->text(), QStringLiteral("&Tools"));
    QMenu* tools = bar[0]->menu();
    QTest::keyClick(window_->windowHandle(), Qt::Key_T, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([tools] { return tools->isVisible(); }, 2000));
    QStringList items;  // text=key; the separator has neither
    for (const QAction* action : tools->actions()) {
        items.append(action->text() + u'=' + action->shortcut().toString());
    }
    EXPECT_EQ(items.join(u'|'), QStringLiteral("&Calculate=|&Options=|&Timetable...=|About=Ctrl+A|"
                                               "=|E&xit=Ctrl+Q"));
    tools->close();

    QTest::keyClick(window_.get(), Qt::Key_A, Qt::ControlModifier);
    auto* about = qobject_cast<AboutDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(about, nullptr);
    const auto fixedSize = [](const QDialog* dialog) {
        return dialog->minimumSize() == dialog->maximumSize() &&
               !(dialog->windowFlags() & Qt::WindowMaximizeButtonHint);
    };
    EXPECT_TRUE(fixedSize(about));
    QTest::keyClick(about, Qt::Key_Escape);
    EXPECT_FALSE(about->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    OptionsDialog* options = OpenOptions();
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(options->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(options->windowTitle(), QStringLiteral("Options"));
    EXPECT_TRUE(fixedSize(options));
    window_->showMinimized();
    window_->BringToFront();
    EXPECT_FALSE(window_->isMinimized());
    EXPECT_TRUE(window_->isVisible());
    EXPECT_TRUE(QTest::qWaitForWindowActive(options));
}

// With a home city, OK saves the typed city but the home city stays the one shown and computed;
// once the Options page's note clears it, the typed city is the one to compute: OK looks it up
// and shows its times under its name as the database spells it, or says it was not found.
TEST_F(MainWindowTest, TypedCityIsShownAndComputedAfterOkUnlessThereIsAHomeCity) {
    world_.dstHours = 0.0;
    world_.home = "Mecca";
    Create();
    const auto typeAndOk = [this](const QString& city) {
        OptionsDialog* options = OpenOptions();
        ASSERT_NE(options, nullptr);
        Find<QLineEdit>(options, "cityName")->setText(city);
        records_.window.cityDisplay->setText(QStringLiteral("stale text"));
        Find<QPushButton>(options, "okButton")->click();
    };
    typeAndOk(QStringLiteral("detroit, mi"));
    Run("toolsCalculate");
    EXPECT_EQ(world_.stored.configuredCity, "detroit, mi");
    EXPECT_EQ(CityDisplay(), QStringLiteral("Mecca"));
    EXPECT_EQ(Rows()[2].second, " 12:28 PM");

    OptionsDialog* options = OpenOptions();
    ASSERT_NE(options, nullptr);
    auto* note = Find<QLabel>(options, "homeCityNote");
    EXPECT_TRUE(note->isVisibleTo(options) && note->text().contains(QStringLiteral("Mecca")));
    Find<QPushButton>(options, "clearHomeCity")->click();
    EXPECT_FALSE(world_.home);
    EXPECT_FALSE(note->isVisibleTo(options));
    EXPECT_EQ(CityDisplay(), QStringLiteral("detroit, mi"));
    options->reject();
    Run("toolsCalculate");
    EXPECT_EQ(CityDisplay(), QStringLiteral("Detroit, MI"));

    const TextRows detroit = Rows();
    const QString longName = QString(30, QLatin1Char('x')) + QString(30, QLatin1Char('y'));
    world_.messages.clear();
    typeAndOk(longName);  // looked up at OK: not found, said at once
    EXPECT_EQ(CityDisplay(), longName);
    EXPECT_EQ(records_.window.cityDisplay->cursorPosition(), 0);  // the start is in view
    EXPECT_EQ(Rows(), detroit);
    ASSERT_FALSE(world_.messages.empty());
    EXPECT_EQ(world_.messages.front().text, "Couldn't find city!");
    typeAndOk(QStringLiteral("mecca"));  // computed at OK, with no Calculate
    EXPECT_EQ(CityDisplay(), QStringLiteral("Mecca"));
    EXPECT_EQ(Rows()[2].second, " 12:28 PM");
}

// A new method and Asr school recompute nothing at OK and reach the next calculation.
TEST_F(MainWindowTest, HanafiAfterOkMovesAsrAtTheNextCalculation) {
    Create();
    const TextRows before = Rows();
    OptionsDialog* options = OpenOptions();
    ASSERT_NE(options, nullptr);
    Find<QRadioButton>(options, "byInterval")->setChecked(true);
    Find<QRadioButton>(options, "fiqhHanafi")->setChecked(true);
    world_.log.clear();
    Find<QPushButton>(options, "okButton")->click();
    EXPECT_EQ(testing_support::Count(world_.log, "lookup"), 0);
    EXPECT_EQ(Rows(), before);
    EXPECT_EQ(records_.settings.method, TwilightMethod::kInterval);
    Run("toolsCalculate");
    EXPECT_EQ(world_.stored.fiqh, Fiqh::kHanafi);
    EXPECT_EQ(Rows()[3].second, "  5:56 PM") << "Shafi Asr was " << before[3].second;
}

TEST_F(MainWindowTest, MessageBoxShowsItsWholeCaption) {
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Orvanta"));
    const std::unique_ptr<QMessageBox> box = MakeMessageBox("Error getting data!", "Error!");
    box->show();
    QFont bold = QApplication::font("QMdiSubWindowTitleBar");
    bold.setBold(true);
    // The title bar reads "Error! — Orvanta" beside an icon and three buttons, each a square at
    // least one and a half lines high.
    const QFontMetrics title(bold);
    EXPECT_GE(box->width(), title.horizontalAdvance(QString::fromUtf8("Error! \u2014 Orvanta")) +
                                4 * title.height() * 3 / 2);
}

// What the services did on their own account (a damaged file moved aside, a FIFO left alone) is
// shown once, in one message box, after the window is on screen.
TEST_F(MainWindowTest, NoticesAreShownOnceInOneBoxOnlyAfterTheWindowIsOnScreen) {
    NoticeList notices;
    world_.services.notices = &notices;
    const auto worded = [](const char* text) { return Notice{NoticeKind::kWorded, {}, {}, text}; };
    world_.onLoad = [&] {
        notices.Add(worded("registry.reg was damaged"));
        notices.Add(worded("user.db is not a regular file"));
    };
    Create();
    QCoreApplication::processEvents();
    EXPECT_EQ(world_.messages, std::vector<Message>{}) << "before the window shows";
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    QCoreApplication::processEvents();
    const Message startUp{"Registry.reg was damaged.\n\nUser.db is not a regular file.", "Orvanta"};
    EXPECT_EQ(world_.messages, std::vector<Message>{startUp});

    // Told once: the same condition met again, after another too, adds nothing to a calculation.
    // Something new while the Options dialog is open is shown when it closes.
    notices.Add(worded("user.db is not a regular file"));
    notices.Add(worded("registry.reg was damaged"));
    Run("toolsCalculate");
    OptionsDialog* options = OpenOptions();
    ASSERT_NE(options, nullptr);
    notices.Add(worded("user.db was moved"));
    Find<QPushButton>(options, "okButton")->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(world_.messages, (std::vector<Message>{startUp, {"User.db was moved.", "Orvanta"}}));
}

// Without a session bus (this process never had one: a socket where nothing listens) no call is
// ever answered, not even with an error: the first reminder says so, once.
TEST(Notifications, WithoutASessionBusTheRemindersSaySoOnce) {
    const QTemporaryDir folder;
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + QFile::encodeName(folder.filePath("none")));
    DBusNotifier notifier;
    QSignalSpy problems(&notifier, &Notifier::problem);
    notifier.Show(QStringLiteral("Zuhr"), QStringLiteral("Detroit, MI"), false);
    notifier.Show(QStringLiteral("Asr"), QStringLiteral("Detroit, MI"), true);
    QTest::qWait(200);
    ASSERT_EQ(problems.size(), 1);
    EXPECT_TRUE(problems[0][0].toString().contains("notification service cannot be reached"));
}

// At its least height the window still shows the six prayers whole, in each language's font
// (Urdu's is the tallest).
TEST_F(MainWindowTest, TheLeastHeightShowsAllSixPrayers) {
    for (const char* language : {"en", "ar", "ur"}) {
        std::optional<testing_support::LanguageScope> scope;
        if (std::string_view(language) != "en") {
            scope.emplace(language);
        }
        Start("Mecca", {2026, 3, 20});
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
        window_->resize(1, 1);  // held at the least size the layout allows
        QCoreApplication::processEvents();
        const QTreeWidget* list = records_.window.listView;
        ASSERT_EQ(list->topLevelItemCount(), 6) << language;
        for (int row = 0; row < 6; ++row) {
            const QRect rect = list->visualItemRect(list->topLevelItem(row));
            EXPECT_TRUE(!rect.isEmpty() && list->viewport()->rect().contains(rect))
                << language << " row " << row << " of " << list->viewport()->height();
        }
    }
}

}  // namespace
}  // namespace orvanta
