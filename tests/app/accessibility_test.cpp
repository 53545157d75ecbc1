// What a screen reader finds, through Qt's accessibility interfaces: a name for every control
// the keyboard reaches, in the main window and on every page of the dialogs, and list rows that
// read as a prayer and its time.
#include <gtest/gtest.h>

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QTest>
#include <QTreeWidget>

#include <functional>
#include <memory>

#include "app/about_dialog.h"
#include "app/main_window.h"
#include "app/options_dialog.h"
#include "fakes.h"
#include "language_scope.h"
#include "window_test_support.h"

namespace orvanta {
namespace {

QString AccessibleName(QObject* object) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face != nullptr ? face->text(QAccessible::Name) : QString();
}

// The controls Tab can reach in widget: those that take the focus from the keyboard themselves
// (a spin box's or a combo box's inner field is reached as the box).
std::vector<QWidget*> KeyboardControls(QWidget& widget) {
    std::vector<QWidget*> controls;
    for (QWidget* child : widget.findChildren<QWidget*>()) {
        const QWidget* parent = child->parentWidget();
        const bool inner = qobject_cast<const QAbstractSpinBox*>(parent) != nullptr ||
                           qobject_cast<const QComboBox*>(parent) != nullptr;
        if ((child->focusPolicy() & Qt::TabFocus) != 0 && child->focusProxy() == nullptr &&
            !inner) {
            controls.push_back(child);
        }
    }
    return controls;
}

class AccessibilityTest : public testing::Test {
  protected:
    void SetUp() override { world_.settings.stored.configuredCity = "Mecca"; }
    void TearDown() override { testing_support::CloseEverything(); }

    std::unique_ptr<QWidget> OpenOptions() {
        const OptionsContext context{records_.settings, records_.city, world_.services, {},
                                     &method_,          &display_};
        return std::make_unique<OptionsDialog>(context);
    }

    testing_support::FakeWorld world_;
    AppRecords records_;
    MethodSettings method_;
    DisplaySettings display_;
};

TEST_F(AccessibilityTest, EveryControlTheKeyboardReachesHasAName) {
    struct Row {
        const char* name;
        const char* language;  // nullptr: English
        std::function<std::unique_ptr<QWidget>()> open;
        std::size_t controls;  // at least
    };
    const auto mainWindow = [this] {
        return std::make_unique<MainWindow>(records_, world_.services, [](int) {});
    };
    const auto options = [this] { return OpenOptions(); };
    const auto about = [] { return std::make_unique<AboutDialog>(); };
    const Row rows[] = {
        {"main window", nullptr, mainWindow, 1},
        {"options", nullptr, options, 30},
        {"about", nullptr, about, 1},
        {"main window in Urdu", "ur", mainWindow, 1},
        {"options in Arabic", "ar", options, 30},
        {"options in Bengali", "bn", options, 30},
    };
    for (const Row& row : rows) {
        std::unique_ptr<testing_support::LanguageScope> scope;
        if (row.language != nullptr) {
            scope = std::make_unique<testing_support::LanguageScope>(row.language);
        }
        const std::unique_ptr<QWidget> widget = row.open();
        const std::vector<QWidget*> controls = KeyboardControls(*widget);
        EXPECT_GE(controls.size(), row.controls) << row.name;
        for (QWidget* control : controls) {
            EXPECT_FALSE(AccessibleName(control).trimmed().isEmpty())
                << row.name << ": " << control->metaObject()->className() << " "
                << control->objectName().toStdString();
        }
    }
}

TEST_F(AccessibilityTest, ARowReadsAsThePrayerAndItsTime) {
    world_.zones.hours = 0.0;
    MainWindow window(records_, world_.services, [](int) {});
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_EQ(records_.window.listView->topLevelItemCount(), 6);
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(records_.window.listView);
    ASSERT_NE(list, nullptr);
    QStringList names;
    for (int i = 0; i < list->childCount(); ++i) {
        names.append(list->child(i)->text(QAccessible::Name));
    }
    // Mecca's Asr on 20 March 2026, as the daily command's own tests have it.
    EXPECT_TRUE(names.contains(QStringLiteral("Asr (Afternoon), 3:53 PM")))
        << names.join(u'|').toStdString();
    EXPECT_FALSE(list->text(QAccessible::Description).isEmpty());
}

}  // namespace
}  // namespace orvanta
