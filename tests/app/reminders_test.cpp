// Reminders through the desktop's notification service, on a private session bus with a
// notification server of the tests' own: what fires when the injected clock passes a prayer.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QCheckBox>
#include <QFile>
#include <QLocalServer>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "app/month/print_module.h"
#include "app/options/options_dialog.h"
#include "app/reminders/dbus_notifier.h"
#include "app/reminders/media_sound_player.h"
#include "app/reminders/reminder_scheduler.h"
#include "app/reminders/reminders.h"
#include "app/system/program_module.h"
#include "app/system/session_bus_guard.h"
#include "app/window/main_window.h"
#include "fakes.h"
#include "notification_bus.h"
#include "window_test_support.h"

namespace orvanta {
namespace {

using testing_support::NotificationServer;

// 2026-03-20 00:00 UT; Detroit keeps daylight time (UTC-4) from 8 March.
constexpr std::int64_t kMidnightUtc = 1773964800;
// Asr at 16:45 EDT is 20:45 UT.
constexpr std::int64_t kAsrUtc = kMidnightUtc + 20 * 3600 + 45 * 60;

// Detroit's day of hand-set times on the clock 4 hours behind UT.
ReminderDay HandDay(bool asrMissing = false) {
    DatedRow day{.date = {2026, 3, 20}, .row = {6.25F, 7.5F, 13.5F, 16.75F, 19.75F, 21.0F, 0, 0}};
    day.utcOffsetHours = -4.0;
    day.eventOffsetHours.fill(-4.0);
    if (asrMissing) {
        day.row[3] = 999.0F;  // no event that day
    }
    return ReminderDayOf(QStringLiteral("Detroit, MI"), day);
}

class FakePlayer final : public SoundPlayer {
  public:
    QStringList played;
    int stops = 0;
    void Play(const QString& file, int volumePercent) override {
        played.append(file + QStringLiteral(" at %1%").arg(volumePercent));
    }
    void Stop() override { ++stops; }
};

class RemindersTest : public testing_support::WindowTest {
  protected:
    static void SetUpTestSuite() {
        bus_ = new testing_support::PrivateSessionBus;
        server_ = new NotificationServer;
        ASSERT_TRUE(bus_->Started());
        ASSERT_TRUE(bus_->Serve(*server_));
    }
    static void TearDownTestSuite() {
        delete server_;
        delete bus_;
    }
    void SetUp() override { server_->calls.clear(); }

    // A scheduler reminding of one prayer over the hand-set day; a volume (percent) adds sound.
    std::unique_ptr<ReminderScheduler> Scheduler(int slot, int minutesBefore, bool asrMissing,
                                                 int volume = 0) {
        ReminderChoice choice;
        choice.atPrayer[static_cast<std::size_t>(slot)] = true;
        choice.minutesBefore = minutesBefore;
        choice.sound = volume > 0;
        choice.volumePercent = volume;
        auto scheduler = std::make_unique<ReminderScheduler>(world_, notifier_, player_);
        scheduler->SetChoice(choice);
        scheduler->SetDay(HandDay(asrMissing));
        return scheduler;
    }

    // The summaries of the Notify calls the server received, once the bus has delivered them.
    static QStringList Summaries(qsizetype expected) {
        static_cast<void>(
            QTest::qWaitFor([expected] { return server_->calls.size() >= expected; }, 2000));
        QTest::qWait(50);  // a call too many would arrive in this time
        QStringList summaries;
        for (const NotificationServer::Call& call : server_->calls) {
            summaries.append(call.summary);
        }
        return summaries;
    }

    inline static testing_support::PrivateSessionBus* bus_ = nullptr;
    inline static NotificationServer* server_ = nullptr;
    DBusNotifier notifier_;
    FakePlayer player_;
};

TEST_F(RemindersTest, ClockPassingTheTimes) {
    struct Row {
        const char* name;
        int slot;  // the one prayer reminded of
        int minutesBefore;
        bool asrMissing;
        std::vector<std::int64_t> pollsAfterAsr;  // seconds; a 0 gives the day again first
        QStringList shown;                        // the notifications, in order
    };
    const QString atAsr = QStringLiteral("Asr (Afternoon) at 4:45 PM");
    const QString tenBefore = QStringLiteral("Asr (Afternoon) in 10 min, at 4:45 PM");
    const std::vector<Row> rows = {
        {"at Asr, once", 3, 0, false, {-1, 1, 30}, {atAsr}},
        {"10 min before and at Asr", 3, 10, false, {-601, -599, -1, 1}, {tenBefore, atAsr}},
        {"Asr turned off", 4, 0, false, {-1, 1}, {}},
        {"no Asr that day", 3, 0, true, {-1, 1}, {}},
        {"not again for the day given again", 3, 0, false, {-1, 1, 0, -1, 1}, {atAsr}},
        {"five minutes late after a sleep", 3, 0, false, {-1, 300}, {atAsr}},
        {"six minutes late after a sleep", 3, 0, false, {-1, 360}, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        server_->calls.clear();
        world_.utcSeconds = kAsrUtc - 3600;
        const auto scheduler = Scheduler(row.slot, row.minutesBefore, row.asrMissing);
        for (const std::int64_t after : row.pollsAfterAsr) {
            if (after == 0) {
                scheduler->SetDay(HandDay());
                continue;
            }
            world_.utcSeconds = kAsrUtc + after;
            scheduler->Poll();
        }
        EXPECT_EQ(Summaries(row.shown.size()), row.shown);
        for (const NotificationServer::Call& call : server_->calls) {
            EXPECT_EQ(call.body, QStringLiteral("Detroit, MI"));
        }
    }
}

// 20 March 2026 is a Friday: Zuhr (13:30 EDT, 17:30 UT) is Jumu'ah, with its own reminder.
TEST_F(RemindersTest, JumuahHasItsOwnReminderOnFridays) {
    struct Row {
        const char* name;
        int day;            // of March 2026
        bool atZuhr;        // Zuhr chosen, with the early reminder of 30 minutes
        int jumuahMinutes;  // before Zuhr on a Friday
        QStringList shown;
    };
    const QString before = QStringLiteral("Jumu'ah (Friday) in 30 min, at 1:30 PM");
    const QString at = QStringLiteral("Jumu'ah (Friday) at 1:30 PM");
    const std::vector<Row> rows = {
        {"Friday, Jumu'ah alone", 20, false, 30, {before}},
        {"Friday, also the early one", 20, true, 30, {before, at}},
        {"Friday, none asked", 20, false, 0, {}},
        {"Thursday", 19, false, 30, {}},
    };
    constexpr std::int64_t kZuhrUtc = kMidnightUtc + 17 * 3600 + 30 * 60;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        server_->calls.clear();
        const std::int64_t shift = (row.day - 20) * std::int64_t{86400};
        world_.utcSeconds = kZuhrUtc + shift - 3600;
        ReminderChoice choice;
        choice.atPrayer[2] = row.atZuhr;
        choice.minutesBefore = row.atZuhr ? 30 : 0;
        choice.jumuahMinutesBefore = row.jumuahMinutes;
        ReminderScheduler scheduler(world_, notifier_, player_);
        scheduler.SetChoice(choice);
        DatedRow day{.date = {2026, 3, static_cast<std::int16_t>(row.day)},
                     .row = {6.25F, 7.5F, 13.5F, 16.75F, 19.75F, 21.0F, 0, 0}};
        day.eventOffsetHours.fill(-4.0);
        scheduler.SetDay(ReminderDayOf(QStringLiteral("Detroit, MI"), day));
        for (const std::int64_t after : {-1801, -1799, 1}) {
            world_.utcSeconds = kZuhrUtc + shift + after;
            scheduler.Poll();
        }
        EXPECT_EQ(Summaries(row.shown.size()), row.shown);
    }
}

TEST_F(RemindersTest, SoundPlaysWithTheReminderAndItsActionStopsIt) {
    world_.utcSeconds = kAsrUtc - 1;
    const auto scheduler = Scheduler(3, 0, false, 40);
    EXPECT_EQ(scheduler->SecondsUntilNextDue(), 1);
    world_.utcSeconds = kAsrUtc;
    scheduler->Poll();
    EXPECT_EQ(scheduler->SecondsUntilNextDue(), std::nullopt);
    ASSERT_EQ(Summaries(1).size(), 1);
    EXPECT_EQ(server_->calls[0].actions, (QStringList{"stop-sound", "Stop sound"}));
    EXPECT_EQ(player_.played, QStringList{" at 40%"});  // the built-in chime

    // Another program's notification (id 7) does not stop our sound; ours (101) does.
    emit server_->ActionInvoked(7, QStringLiteral("stop-sound"));
    emit server_->ActionInvoked(101, QStringLiteral("stop-sound"));
    EXPECT_TRUE(QTest::qWaitFor([this] { return player_.stops > 0; }, 2000));
    QTest::qWait(50);
    EXPECT_EQ(player_.stops, 1);
}

// The Reminders page shows the stored choice and saves what it shows; the window then reminds
// at the time its list shows, on the clock the list shows.
TEST_F(RemindersTest, ThePageSavesWhatItShowsAndTheWindowRemindsAtTheListsTime) {
    world_.reminders.choice = {.atPrayer = {true, false, false, false, false, true},
                               .minutesBefore = 15,
                               .sound = false,
                               .soundFile = "/home/amina/adhan.ogg",
                               .volumePercent = 30};
    world_.utcSeconds = kMidnightUtc + 12 * 3600;
    Create();
    OptionsDialog* options = OpenOptions();
    ASSERT_NE(options, nullptr);
    const auto box = [options](int slot) {
        return options->findChild<QCheckBox*>(QStringLiteral("remindAt%1").arg(slot));
    };
    EXPECT_TRUE(box(0)->isChecked());
    EXPECT_FALSE(box(1)->isChecked());
    EXPECT_TRUE(box(5)->isChecked());
    box(3)->setChecked(true);
    options->findChild<QSpinBox*>(QStringLiteral("minutesBefore"))->setValue(0);
    options->accept();
    ReminderChoice expected = world_.reminders.choice;
    expected.atPrayer = {true, false, false, true, false, true};
    expected.minutesBefore = 0;
    EXPECT_EQ(world_.reminders.choice, expected);

    const QString listed = records_.window.listView->topLevelItem(3)->text(1).trimmed();
    const QTime time = QTime::fromString(listed, QStringLiteral("h:mm AP"));
    ASSERT_TRUE(time.isValid()) << listed.toStdString();
    // The list's time, on the clock 4 hours behind UT.
    const std::int64_t shownUtc = kMidnightUtc + time.msecsSinceStartOfDay() / 1000 + 4 * 3600;
    world_.utcSeconds = shownUtc - 31;  // the list rounds to the nearest minute
    window_->ReminderService().Poll();
    world_.utcSeconds = shownUtc + 30;
    window_->ReminderService().Poll();
    EXPECT_EQ(Summaries(1), QStringList{"Asr (Afternoon) at " + listed});
}

// Headless machines often have no audio device or media back end: a sound that cannot play is
// told once and nothing waits for it; a FIFO (which the media stack would wait on) is named.
// The chime lives in the program's static library, whose resources only link when used.
TEST_F(RemindersTest, ASoundThatCannotPlayIsToldOnceAndTheChimeIsInTheProgram) {
    const QTemporaryDir folder;
    const QString fifo = folder.filePath(QStringLiteral("adhan.ogg"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const auto& [file, told] : {std::pair{QStringLiteral("/nonexistent/adhan.ogg"), QString()},
                                     std::pair{fifo, fifo + QStringLiteral(" is not a regular")}}) {
        SCOPED_TRACE(file.toStdString());
        MediaSoundPlayer player;
        QSignalSpy problems(&player, &SoundPlayer::problem);
        player.Play(file, 50);
        player.Play(file, 50);
        if (problems.isEmpty()) {
            problems.wait(3000);
        }
        QTest::qWait(200);
        ASSERT_EQ(problems.size(), 1);
        EXPECT_TRUE(problems[0][0].toString().contains(told))
            << problems[0][0].toString().toStdString();
        player.Stop();
    }
    QFile chime(QUrl(QString::fromLatin1(kChimeUrl)).path().prepend(QLatin1Char(':')));
    ASSERT_TRUE(chime.open(QIODevice::ReadOnly));
    const QByteArray header = chime.read(12);
    EXPECT_TRUE(header.startsWith("RIFF") && header.endsWith("WAVE"));
}

// The sound and the printing live in modules loaded on first use: each function the program
// asks for is there under its name, and a module that is nowhere is told, not a crash.
TEST_F(RemindersTest, ProgramModulesLoadOnFirstUseAndAMissingOneIsTold) {
    for (const auto& [module, symbol, found] :
         {std::tuple{kSoundModule, kMakeSoundOutput, true},
          std::tuple{kPrintModule, kDefaultPaper, true},
          std::tuple{kPrintModule, kPrintWithDialog, true},
          std::tuple{kPrintModule, "orvanta_no_such_function", false},
          std::tuple{"orvanta-no-such-module", kDefaultPaper, false}}) {
        SCOPED_TRACE(std::string(module) + " " + symbol);
        QString problem;
        void* function = ModuleFunction(QString::fromLatin1(module), symbol, problem);
        EXPECT_EQ(function != nullptr, found);
        EXPECT_EQ(problem.isEmpty(), found) << problem.toStdString();
    }
    QString problem;
    QPageSize paper;
    reinterpret_cast<DefaultPaperFn>(
        ModuleFunction(QString::fromLatin1(kPrintModule), kDefaultPaper, problem))(paper);
    EXPECT_TRUE(paper.id() == QPageSize::A4 || paper.id() == QPageSize::Letter);
}

// The start tries the session bus with a short wait: a peer that accepts and never speaks is
// silent; the bus and a socket without a listener are not (nothing waits on them); an address
// of another kind is left to Qt.
TEST_F(RemindersTest, TheStartTellsASilentSessionBusFromOneThatAnswers) {
    QLocalServer silent;  // the kernel accepts; nothing reads or writes
    const QTemporaryDir folder;
    ASSERT_TRUE(silent.listen(folder.filePath(QStringLiteral("silent bus"))));
    const std::string peer =
        "unix:path=" + QUrl::toPercentEncoding(silent.fullServerName(), "/").toStdString();
    for (const auto& [address, expected] :
         {std::pair{qgetenv("DBUS_SESSION_BUS_ADDRESS").toStdString(), BusProbe::kAnswered},
          {peer, BusProbe::kSilent},
          {"unix:path=/nonexistent;" + peer + ",guid=01", BusProbe::kSilent},
          {"unix:path=/nonexistent", BusProbe::kAnswered},
          {"tcp:host=localhost,port=1", BusProbe::kNotProbed}}) {
        EXPECT_EQ(ProbeSessionBus(address, std::chrono::milliseconds(500)), expected) << address;
    }
}

}  // namespace
}  // namespace orvanta
