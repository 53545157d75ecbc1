// The window through a day on the fake clock: the next prayer marked and counted down, the
// roll-overs at midnight and after jumps of the wall clock, the tray and its options, the
// start into the tray, the autostart entry, the home-city note and the window's place.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "app/day/day_watch.h"
#include "app/options/options_dialog.h"
#include "app/system/autostart_entry.h"
#include "app/window/companion_tray.h"
#include "app/window/main_window.h"
#include "window_test_support.h"

namespace orvanta {
namespace {

using testing_support::Find;
using testing_support::RowsOf;
using testing_support::RunTool;
using testing_support::TextRows;

constexpr std::int64_t kEdtOffsetSeconds = -4 * 3600;  // Detroit in March: UT - 4 h

// Seconds since 1970 UT of a local time in Detroit (EDT) on a March 2026 day.
std::int64_t Local(int day, int hour, int minute, int second = 0) {
    const std::int64_t marchFirst = 1772323200;  // 2026-03-01 00:00 UT
    return marchFirst + (day - 1) * 86400 + hour * 3600 + minute * 60 + second - kEdtOffsetSeconds;
}

// Minutes after local midnight of a list time text ("  7:32 AM", " 12:05 PM").
int MinutesOfText(const std::string& text) {
    const int hour = std::stoi(text.substr(0, 3)) % 12;
    const int minute = std::stoi(text.substr(4, 2));
    return (text.find("PM") != std::string::npos ? hour + 12 : hour) * 60 + minute;
}

// The rows in bold (both columns), and the selected one (-1 for none).
using Marks = std::pair<std::vector<int>, int>;
Marks MarkedRows(const QTreeWidget* list) {
    std::vector<int> bold;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        if (list->topLevelItem(i)->font(0).bold() && list->topLevelItem(i)->font(1).bold()) {
            bold.push_back(i);
        }
    }
    const QList<QTreeWidgetItem*> selected = list->selectedItems();
    return {bold, selected.size() == 1 ? list->indexOfTopLevelItem(selected[0]) : -1};
}

class CompanionWindowTest : public testing_support::WindowTest {
  protected:
    void SetUp() override { MoveTo(20, 14, 0); }
    // Sets the wall clock and the date; the steady clock advances as much unless jump.
    void MoveTo(int day, int hour, int minute, int second = 0, bool jump = false) {
        const std::int64_t now = Local(day, hour, minute, second);
        if (!jump) {
            world_.steadyMilliseconds += (now - world_.utcSeconds) * 1000;
        }
        world_.steadyMilliseconds += 1000;  // time passes, also across a jump
        world_.utcSeconds = now;
        world_.date = CivilDate{2026, 3, static_cast<std::int16_t>(day)};
    }
    QTreeWidget* List() const { return records_.window.listView; }
    std::string Status() const { return window_->NextPrayerLine()->text().toStdString(); }
    int ListMinutes(int row) const { return MinutesOfText(Rows()[row].second); }
};

// "Fajr in 7 h 5 min" for a prayer minutes away (an hour or more).
std::string InText(const std::string& name, int minutes) {
    return name + " in " + std::to_string(minutes / 60) + " h " + std::to_string(minutes % 60) +
           " min";
}

// The status line and the tray (its tip and its menu's first line) name the next prayer and
// count down to it; its row is marked and selected. The tray's menu shows, hides and quits.
TEST_F(CompanionWindowTest, MarksAndCountsDownTheNextPrayer) {
    MoveTo(21, 12, 0);
    Create();
    const int tomorrowFajr = ListMinutes(0);
    const auto shown = [this](int row) {
        return QString::fromStdString(Rows()[row].second).trimmed().toStdString();
    };
    const std::string tomorrowFajrText = shown(0);
    MoveTo(20, 14, 0);
    world_.companion.keepInTray = true;
    Create(true).ShowAtStart(false);
    CompanionTray* tray = window_->Tray();
    ASSERT_NE(tray, nullptr);
    const int fajr = ListMinutes(0);
    const int asr = ListMinutes(3);
    const int maghrib = ListMinutes(4);
    const std::string atAsr = "Asr at " + shown(3);
    struct Case {
        const char* name;
        std::int64_t now;
        std::string status;
        Marks marks;
        std::string
            at;  // the tooltip's line with the next prayer's clock time, if not in the status
    };
    const Case cases[] = {
        {"BeforeFajr",
         Local(20, 0, 30),
         InText("Fajr", fajr - 30),
         {{0}, 0},
         "Fajr at " + shown(0)},
        // 1 h 11 min 40 s left: the countdown rounds up to the whole minute.
        {"BetweenZuhrAndAsr", Local(20, 0, asr - 72, 20), "Asr in 1 h 12 min", {{3}, 3}, atAsr},
        {"WholeHoursLeft", Local(20, 0, asr - 120), "Asr in 2 h", {{3}, 3}, atAsr},
        {"LastMinuteOfAsr", Local(20, 0, asr - 1, 30), atAsr, {{3}, 3}, atAsr},
        {"AtAsrTheNextOne",
         Local(20, 0, asr),
         InText("Maghrib", maghrib - asr),
         {{4}, 4},
         "Maghrib at " + shown(4)},
        // Tomorrow's Fajr at its time as tomorrow's list shows it; today's list has no row
        // for it, so the line gives the time, and the tooltip does not repeat it.
        {"AfterIsha",
         Local(20, 23, 0),
         "Fajr tomorrow at " + tomorrowFajrText + ", " +
             InText("Fajr", 60 + tomorrowFajr).substr(5),
         {{}, -1},
         ""},
    };
    // Nothing plays yet, so the menu's "Stop sound" cannot be chosen.
    EXPECT_FALSE(Find<QAction>(tray->Menu(), "trayStopSound")->isEnabled());
    for (const Case& c : cases) {
        world_.utcSeconds = c.now;
        window_->Watch().Wake();
        EXPECT_EQ(Status(), c.status) << c.name;
        EXPECT_EQ(MarkedRows(List()), c.marks) << c.name;
        // The tooltip: the title, the city, the next prayer's time and the time left, each once.
        EXPECT_EQ(tray->Icon()->toolTip().toStdString(),
                  "Orvanta\n" + records_.city.name + (c.at.empty() ? "" : "\n" + c.at) +
                      (c.status == c.at ? "" : "\n" + c.status))
            << c.name;
        EXPECT_EQ(tray->Menu()->actions().at(0)->text().toStdString(), c.status) << c.name;
    }
    // The menu hides and shows the window, and quits.
    auto* toggle = Find<QAction>(tray->Menu(), "trayToggle");
    toggle->trigger();
    EXPECT_FALSE(window_->isVisible());
    EXPECT_EQ(toggle->text(), QStringLiteral("Show window"));
    toggle->trigger();
    EXPECT_TRUE(window_->isVisible());
    Find<QAction>(tray->Menu(), "trayQuit")->trigger();
    EXPECT_EQ(quitCodes_, std::vector<int>{0});
}

// Nuuk at the solstice has no Fajr nor Isha (the sun stays above -18 degrees); at 02:00 (UT - 1 h)
// the countdown passes over the missing Fajr to sunrise at 3:53 (by hand: 3:52 and a half).
// On 1 August, after sunset at 23:30 and with no Isha, it goes on to the next day's sunrise at
// 5:37 (by hand: 5:36.6), past that day's missing Fajr; no row of the day's list is marked.
TEST_F(CompanionWindowTest, AMissingTimeIsPassedOver) {
    world_.utcSeconds = 1782000000 + 3 * 3600;  // 2026-06-21 03:00 UT
    Start("Nuuk", {2026, 6, 21});
    EXPECT_EQ(Status(), "Shuruq in 1 h 53 min");
    EXPECT_EQ(MarkedRows(List()), (Marks{{1}, 1}));
    world_.utcSeconds = 1785631500;  // 2026-08-02 00:45 UT, 23:45 on 1 August in Nuuk
    Start("Nuuk", {2026, 8, 1});
    EXPECT_EQ(Status(), "Shuruq tomorrow at 5:37 AM, in 5 h 52 min");
    EXPECT_EQ(MarkedRows(List()), (Marks{{}, -1}));
}

// After midnight, a jump of the wall clock or a resume, the window shows what a fresh start
// at that time shows; an ordinary minute computes nothing.
TEST_F(CompanionWindowTest, RollOverShowsWhatAFreshStartShows) {
    struct Case {
        const char* name;
        int fromDay, fromHour, fromMinute;
        int toDay, toHour, toMinute;
        bool jump;  // the wall clock jumped or the machine slept
    };
    const Case cases[] = {
        {"Midnight", 20, 23, 59, 21, 0, 0, false},
        {"WallClockForwardADay", 20, 14, 0, 21, 14, 1, true},
        {"WallClockBackAnHour", 21, 0, 30, 20, 23, 31, true},
        {"ResumeLaterThatDay", 20, 9, 0, 20, 16, 0, true},
        {"AnOrdinaryMinute", 20, 14, 0, 20, 14, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MoveTo(c.fromDay, c.fromHour, c.fromMinute);
        Create();
        const TextRows before = Rows();
        const std::size_t lookups = world_.searched.size();
        MoveTo(c.toDay, c.toHour, c.toMinute, 0, c.jump);
        window_->Watch().Wake();
        EXPECT_EQ(world_.searched.size(), lookups + (c.jump || c.fromDay != c.toDay ? 1 : 0));
        EXPECT_EQ(Rows() != before, c.fromDay != c.toDay);
        EXPECT_EQ(records_.window.datePicker->date(), QDate(2026, 3, c.toDay));

        AppRecords fresh;
        MainWindow reference(fresh, world_.services, [](int) {});
        EXPECT_EQ(Rows(), RowsOf(fresh.window.listView));
        EXPECT_EQ(Status(), reference.NextPrayerLine()->text().toStdString());
        EXPECT_EQ(MarkedRows(List()), MarkedRows(fresh.window.listView));
    }
}

// Followed by its own timer over the last hour before Asr, the window wakes once a minute, each
// time with a new countdown: "in 2 min", "in 1 min", then the clock time for the last minute,
// and the next prayer at the event.
TEST_F(CompanionWindowTest, TheTimerWakesOnceAMinuteAndShowsTheClockTimeForTheLastMinute) {
    Create();
    const int asr = ListMinutes(3);
    const std::string atAsr =
        "Asr at " + QString::fromStdString(Rows()[3].second).trimmed().toStdString();
    world_.utcSeconds = Local(20, 0, asr - 60);
    window_->Watch().Wake();
    const std::int64_t before = window_->Watch().WakeUps();
    std::vector<std::string> seen{Status()};
    while (world_.utcSeconds < Local(20, 0, asr)) {
        const int delayMs = window_->Watch().TimerDelayMs();
        ASSERT_GT(delayMs, 0);
        world_.utcSeconds += delayMs / 1000;
        world_.steadyMilliseconds += delayMs;
        window_->Watch().Wake();
        if (Status() != seen.back()) {
            seen.push_back(Status());
        }
    }
    const std::int64_t wakeUps = window_->Watch().WakeUps() - before;
    EXPECT_NEAR(static_cast<double>(wakeUps), 60.0, 1.0);
    ASSERT_GE(seen.size(), static_cast<std::size_t>(wakeUps)) << testing::PrintToString(seen);
    EXPECT_EQ((std::vector<std::string>(seen.end() - 4, seen.end() - 1)),
              (std::vector<std::string>{"Asr in 2 min", "Asr in 1 min", atAsr}));
    EXPECT_EQ(seen.back().rfind("Maghrib in ", 0), 0U);
}

// Closing hides the window only when it has a tray icon, else it quits; a start in the
// background shows the window when there is no tray to come back from.
TEST_F(CompanionWindowTest, CloseAndStartHideOnlyWithATrayIcon) {
    struct Case {
        const char* name;
        bool keepInTray, trayAvailable, background;
        bool visibleAtStart, trayIcon, closeQuits;
    };
    const Case cases[] = {
        {"OptionOff", false, true, false, true, false, true},
        {"OptionOn", true, true, false, true, true, false},
        {"OptionOnNoTray", true, false, false, true, false, true},
        {"BackgroundStart", false, true, true, false, true, false},
        {"BackgroundStartNoTray", false, false, true, true, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        quitCodes_.clear();
        world_.companion.keepInTray = c.keepInTray;
        Create(c.trayAvailable).ShowAtStart(c.background);
        EXPECT_EQ(window_->isVisible(), c.visibleAtStart);
        EXPECT_EQ(window_->Tray() != nullptr, c.trayIcon);
        window_->show();
        window_->close();
        EXPECT_FALSE(window_->isVisible());
        EXPECT_EQ(quitCodes_, c.closeQuits ? std::vector<int>{0} : std::vector<int>{});
    }
}

// The Exec key quotes awkward program paths as the desktop entry rules say (checked by the
// validator) and refuses what no quoting carries; a link in the entry's place is replaced, not
// its target. The Companion page turns the tray and the entry on and off.
TEST_F(CompanionWindowTest, AutostartEntryIsValidAndFollowsTheCompanionPage) {
    const QTemporaryDir config;
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    const QString entry = config.path() + QStringLiteral("/autostart/orvanta.desktop");
    const QString elsewhere = config.filePath(QStringLiteral("elsewhere"));
    const auto text = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    for (const auto& [program, exec] : {
             std::pair{QStringLiteral("/usr/bin/orvanta"), QStringLiteral("/usr/bin/orvanta")},
             {QStringLiteral("/home/my a\"b$c`d\\e \u00FCn\u00EF/orvanta"),
              QStringLiteral("\"/home/my a\\\\\"b\\\\$c\\\\`d\\\\\\\\e \u00FCn\u00EF/orvanta\"")},
             {QStringLiteral("/opt/100%f/orvanta"), QStringLiteral("\"/opt/100%%f/orvanta\"")},
             {QStringLiteral("/opt/a\nb/orvanta"), QString()},  // nothing quotes a line break
         }) {
        SCOPED_TRACE(program.toStdString());
        // The entry's place holds a link to an empty file of the user's.
        ASSERT_TRUE(QFile(elsewhere).open(QIODevice::WriteOnly) &&
                    QDir().mkpath(QFileInfo(entry).path()));
        QFile::remove(entry);
        ASSERT_TRUE(QFile::link(elsewhere, entry));
        EXPECT_EQ(WriteAutostartEntry(program),
                  exec.isEmpty() ? AutostartResult::kUnquotable : AutostartResult::kDone);
        EXPECT_EQ(text(entry).contains(("\nExec=" + exec + " --background\n").toUtf8()),
                  !exec.isEmpty());
        EXPECT_TRUE(text(elsewhere).isEmpty());  // the link's target stays as it was
        if (!exec.isEmpty()) {
            EXPECT_EQ(RunTool(QStringLiteral("desktop-file-validate"), {entry}),
                      (std::pair<int, QString>{0, {}}));
        }
    }
    Create(true).ShowAtStart(false);
    for (const bool on : {true, false}) {
        OptionsDialog* options = OpenOptions();
        ASSERT_NE(options, nullptr);
        Find<QCheckBox>(options, "startAtLogin")->setChecked(on);
        Find<QCheckBox>(options, "keepInTray")->setChecked(on);
        Find<QPushButton>(options, "okButton")->click();
        EXPECT_EQ(QFile::exists(entry), on);
        EXPECT_EQ(world_.companion.startAtLogin, on);
        EXPECT_EQ(window_->Tray() != nullptr, on);
        EXPECT_EQ(text(entry).contains(" --background\n"), on);
    }
    qputenv("XDG_CONFIG_HOME", saved);
}

// "Start at login" is stored on only when its entry was written; else it stays as it was (an
// unreadable value too) and one message says so. OK on another page leaves unreadable switches
// the person did not touch as they are.
TEST_F(CompanionWindowTest, StartAtLoginIsStoredOnlyWithItsEntryAndUntouchedSwitchesStay) {
    const std::vector<std::string> both = {"KeepInTray", "StartAtLogin"};
    const std::tuple<const char*, bool (*)(const QString&), const char*, bool> rows[] = {
        // what is at the autostart folder, the page shown at OK, whether the entry is written
        {"a file", [](const QString& f) { return QFile(f).open(QIODevice::WriteOnly); },
         "companionPage", false},
        {"a dangling link", [](const QString& f) { return QFile::link(f + "-gone", f); },
         "companionPage", false},
        {"a read-only folder (the superuser writes there all the same)",
         [](const QString& f) {
             return ::geteuid() != 0 && QDir().mkpath(f) && QFile::setPermissions(f, {});
         },
         "companionPage", false},
        {"nothing", [](const QString&) { return true; }, "companionPage", true},
        {"nothing, OK on another page", [](const QString&) { return true; }, "displayPage", false},
    };
    for (const auto& [name, arrange, ok, written] : rows) {
        SCOPED_TRACE(name);
        const QTemporaryDir config;
        const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        if (arrange(config.filePath(QStringLiteral("autostart")))) {
            world_.companion = CompanionSettings{};
            world_.companion.unreadable = both;
            world_.messages.clear();
            Create(true).ShowAtStart(false);
            OptionsDialog* options = OpenOptions();
            ASSERT_NE(options, nullptr);
            Find<QCheckBox>(options, "startAtLogin")
                ->setChecked(std::string_view(ok) != "displayPage");
            auto* tabs = Find<QTabWidget>(options, "optionsTabs");
            tabs->setCurrentWidget(Find<QWidget>(options, ok));
            Find<QPushButton>(options, "okButton")->click();
            EXPECT_EQ(world_.companion.startAtLogin, written);
            EXPECT_EQ(world_.companion.unreadable,
                      written ? std::vector<std::string>{"KeepInTray"} : both);
            EXPECT_EQ(world_.messages.size(),
                      std::string_view(ok) == "displayPage" || written ? 0U : 1U);
            QFile::setPermissions(config.filePath(QStringLiteral("autostart")),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        qputenv("XDG_CONFIG_HOME", saved);
    }
}

TEST_F(CompanionWindowTest, TheWindowKeepsItsPlaceOnAScreenThatExists) {
    world_.companion.placement = WindowPlacement{120, 80, 420, 350};
    Create();
    EXPECT_EQ(QRect(window_->pos(), window_->size()), QRect(120, 80, 420, 350));
    world_.companion.placement = WindowPlacement{5000, 4000, 420, 350};  // off every screen
    Create();
    EXPECT_EQ(window_->size(), QSize(400, 330));
    world_.companion.placement.reset();
    Create().show();
    window_->move(60, 40);
    window_->resize(450, 360);
    Run("toolsExit");
    EXPECT_EQ(world_.companion.placement, (WindowPlacement{60, 40, 450, 360}));
}

}  // namespace
}  // namespace orvanta
