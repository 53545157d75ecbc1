// The one fixture of the tests that drive the real window and dialogs under the offscreen
// platform: the fakes, the window over them and what it opens, all closed after each test.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDateEdit>
#include <QLineEdit>
#include <QLocale>
#include <QProcess>
#include <QTreeWidget>
#include <QWidget>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/options/options_dialog.h"
#include "app/text/ui_language.h"
#include "app/window/main_window.h"
#include "fakes.h"

namespace orvanta::testing_support {

using TextRows = std::vector<std::pair<std::string, std::string>>;

inline TextRows RowsOf(const QTreeWidget* list) {
    TextRows rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = list->topLevelItem(i);
        rows.emplace_back(item->text(0).toStdString(), item->text(1).toStdString());
    }
    return rows;
}

// Closes every top-level widget still open and runs the deferred deletions, so that each test
// starts from an empty screen.
inline void CloseEverything() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible()) {
            widget->close();
        }
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// The child of parent with this object name; the test fails when there is none.
template <typename T = QWidget>
T* Find(const QObject* parent, const char* name) {
    T* found = parent->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// Runs an outside tool to its end; its exit code and what it printed (both channels).
inline std::pair<int, QString> RunTool(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    EXPECT_TRUE(process.waitForFinished(20000)) << tool.toStdString();
    return {process.exitCode(),
            QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError())};
}

// Runs a test in one of the translated languages and goes back to English afterwards.
class LanguageScope {
  public:
    explicit LanguageScope(const char* name) {
        EXPECT_TRUE(UseLanguage(QLocale(QString::fromLatin1(name)))) << name;
    }
    ~LanguageScope() { UseLanguage(std::nullopt); }
    LanguageScope(const LanguageScope&) = delete;
    LanguageScope& operator=(const LanguageScope&) = delete;
};

class WindowTest : public testing::Test {
  protected:
    void TearDown() override {
        window_.reset();
        CloseEverything();
    }
    // A new window over the fakes (the previous one closed first); the tray as asked.
    MainWindow& Create(bool trayAvailable = false) {
        window_.reset();
        window_ = std::make_unique<MainWindow>(records_, world_.services,
                                               [this](int code) { quitCodes_.push_back(code); });
        window_->SetTrayAvailability([trayAvailable] { return trayAvailable; });
        return *window_;
    }
    // A new window started afresh on the date in the city, by the preset; no message yet.
    MainWindow& Start(const std::string& city, CivilDate date,
                      const std::string& preset = "classic") {
        world_.stored.configuredCity = city;
        world_.method.choice.presetId = preset;
        world_.date = date;
        world_.messages.clear();
        window_.reset();
        records_ = AppRecords{};  // nothing left from an earlier day
        return Create();
    }
    // Runs an item of the Tools menu by its action's name ("toolsCalculate"), as a click does.
    void Run(const char* action) {
        if (QAction* found = Find<QAction>(window_.get(), action)) {
            found->trigger();
        }
    }
    // Runs the Options command; the dialog it leaves open, or nothing.
    OptionsDialog* OpenOptions() {
        Run("toolsOptions");
        return qobject_cast<OptionsDialog*>(QApplication::activeModalWidget());
    }
    TextRows Rows() const { return RowsOf(records_.window.listView); }
    QString CityDisplay() const { return records_.window.cityDisplay->text(); }

    FakeWorld world_;
    AppRecords records_;
    std::vector<int> quitCodes_;
    std::unique_ptr<MainWindow> window_;
};

}  // namespace orvanta::testing_support
