// What the services did on their own account (a damaged file moved aside, a FIFO left alone)
// is shown once, in one message box, after the window is on screen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <memory>

#include "app/main_window.h"
#include "app/options_dialog.h"
#include "fakes.h"
#include "resources/command_ids.h"
#include "window_test_support.h"

namespace orvanta {
namespace {

using testing_support::Message;

TEST(WindowNoticesTest, AreShownOnceInOneBoxOnlyAfterTheWindowIsOnScreen) {
    testing_support::FakeWorld world;
    NoticeList notices;
    Services services = world.services;
    services.notices = &notices;
    world.settings.onLoad = [&notices] {
        notices.Add("registry.reg was damaged");
        notices.Add("user.db is not a regular file");
    };
    AppRecords records;
    auto window = std::make_unique<MainWindow>(records, services, [](int) {});
    QCoreApplication::processEvents();
    EXPECT_EQ(world.messages, std::vector<Message>{}) << "before the window shows";

    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    QCoreApplication::processEvents();
    const Message startUp{"Registry.reg was damaged.\n\nUser.db is not a regular file.", "Orvanta"};
    EXPECT_EQ(world.messages, std::vector<Message>{startUp});

    // Told once: the same condition met again adds nothing to a calculation.
    notices.Add("user.db is not a regular file");
    window->RunCommand(commands::kCalculate);
    // Something new while the Options dialog is open is shown when it closes.
    window->RunCommand(commands::kOptions);
    auto* options = qobject_cast<OptionsDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(options, nullptr);
    notices.Add("user.db was moved");
    options->findChild<QPushButton*>(QStringLiteral("id1"))->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(world.messages, (std::vector<Message>{startUp, {"User.db was moved.", "Orvanta"}}));
    window.reset();
    testing_support::CloseEverything();
}

}  // namespace
}  // namespace orvanta
