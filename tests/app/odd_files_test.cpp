// The window and the user's files that are not what they seem: what the services did on their
// own account (a damaged file moved aside, a FIFO left alone) is shown once, in one message box,
// after the window is on screen; and the real services never wait on a FIFO before it shows.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/options_dialog.h"
#include "app/real_services.h"
#include "fakes.h"
#include "resources/command_ids.h"
#include "tests/support/bounded_child.h"
#include "tests/support/damaged_city_databases.h"
#include "tests/support/scratch_database.h"
#include "window_test_support.h"

namespace orvanta {
namespace {

namespace fs = std::filesystem;
using testing_support::FakeWorld;
using testing_support::Message;

TEST(WindowNoticesTest, AreShownOnceInOneBoxOnlyAfterTheWindowIsOnScreen) {
    FakeWorld world;
    NoticeList notices;
    Services services = world.services;
    services.notices = &notices;
    world.settings.onLoad = [&notices] {
        notices.Add("/home/u/.config/orvanta/registry.reg was damaged");
        notices.Add("/home/u/.local/share/orvanta/user.db is not a regular file");
    };
    AppRecords records;
    auto window = std::make_unique<MainWindow>(records, services, [](int) {});
    QCoreApplication::processEvents();
    EXPECT_EQ(world.messages, std::vector<Message>{}) << "before the window shows";

    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    QCoreApplication::processEvents();
    const Message startUp{
        "/home/u/.config/orvanta/registry.reg was damaged.\n\n"
        "/home/u/.local/share/orvanta/user.db is not a regular file.",
        "Orvanta"};
    EXPECT_EQ(world.messages, std::vector<Message>{startUp});

    // Told once: the same condition met again, and a calculation with nothing new, add nothing.
    notices.Add("/home/u/.local/share/orvanta/user.db is not a regular file");
    window->RunCommand(commands::kCalculate);
    QCoreApplication::processEvents();
    EXPECT_EQ(world.messages.size(), 1u);

    // Something new during the Options dialog is shown when it closes.
    window->RunCommand(commands::kOptions);
    auto* options = qobject_cast<OptionsDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(options, nullptr);
    notices.Add("user.db was damaged and has been moved to user.db.damaged-1");
    options->findChild<QPushButton*>(QStringLiteral("id1"))->click();
    QCoreApplication::processEvents();
    const Message moved{"User.db was damaged and has been moved to user.db.damaged-1.", "Orvanta"};
    EXPECT_EQ(world.messages, (std::vector<Message>{startUp, moved}));

    window.reset();
    testing_support::CloseEverything();
}

TEST(WindowNoticesTest, TheRealServicesNeverWaitOnFifosBeforeTheWindowShows) {
    testing_support::ScratchFolder folder;
    const fs::path config = folder.Path() / "config" / "orvanta";
    const fs::path data = folder.Path() / "data" / "orvanta";
    fs::create_directories(config);
    fs::create_directories(data);
    ASSERT_EQ(::mkfifo((config / "registry.reg").c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo((data / "user.db").c_str(), 0600), 0);
    const fs::path shipped = folder.Path() / "cities.db";
    const char* source = std::getenv("ORVANTA_SOURCE_DIR");
    ASSERT_NE(source, nullptr);
    ASSERT_TRUE(testing_support::MakeSoundCityDatabase(source, shipped));

    // What the window's constructor asks of them: the settings, then the city.
    const std::optional<std::string> answer = testing_support::RunInBoundedChild([&] {
        ::setenv("XDG_CONFIG_HOME", (folder.Path() / "config").c_str(), 1);
        ::setenv("XDG_DATA_HOME", (folder.Path() / "data").c_str(), 1);
        ::setenv("ORVANTA_CITY_DB", shipped.c_str(), 1);
        RealServices real([](std::string_view, std::string_view) {});
        PrayerSettings settings;
        CityLocation city;
        real.Get().settings.Load(settings, city);
        city.name = "Mecca";
        const bool found = real.Get().cities.LookUpCity(city, nullptr);
        return (found ? city.zoneName : std::string("not found")) + " " +
               std::to_string(real.Get().notices->Take().size());
    });
    EXPECT_EQ(answer, std::optional<std::string>("Asia/Riyadh 2"));
}

}  // namespace
}  // namespace orvanta
