// What a screen reader finds through Qt's accessibility interfaces, in the main window and on
// every page of the dialogs: a name for every control the keyboard reaches, names that went
// through the translations, and list rows that read as a prayer and its time; and captions
// that mirror with their windows.
#include <gtest/gtest.h>

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QTest>
#include <QTranslator>
#include <QTreeWidget>

#include <array>
#include <memory>

#include "app/month/timetable_window.h"
#include "app/options/options_dialog.h"
#include "app/window/about_dialog.h"
#include "app/window/main_window.h"
#include "astro/method_presets.h"
#include "window_test_support.h"

namespace orvanta {
namespace {

QString Name(QAccessibleInterface* face) {
    return face != nullptr ? face->text(QAccessible::Name).trimmed() : QString();
}

// The names of an interface and everything below it, but for the cells of lists and tables:
// their data (times, day numbers) is no text to translate.
void CollectNames(QAccessibleInterface* face, QStringList& names) {
    const QAccessible::Role role = face != nullptr ? face->role() : QAccessible::NoRole;
    const bool data = role == QAccessible::Cell || role == QAccessible::RowHeader ||
                      role == QAccessible::TreeItem;
    if (!data && !Name(face).isEmpty()) {
        names.append(Name(face));
    }
    for (int i = 0; face != nullptr && i < face->childCount(); ++i) {
        CollectNames(face->child(i), names);
    }
}

// Marks every text it is asked for, so that one shown without the translations stands out.
class MarkingTranslator final : public QTranslator {
  public:
    QString translate(const char*, const char* source, const char*, int) const override {
        if (source == nullptr || *source == '\0' || qstrcmp(source, "QT_LAYOUT_DIRECTION") == 0) {
            return {};
        }
        return QStringLiteral("\u00AB") + QString::fromUtf8(source);
    }
    bool isEmpty() const override { return false; }
};

class AccessibilityTest : public testing_support::WindowTest {
  protected:
    void SetUp() override { world_.stored.configuredCity = "Mecca"; }
    // The main window (0), Options with every page (1), About (2) or the Timetable window (3).
    QWidget* Open(int which) {
        constexpr std::array<const char*, 4> kItems = {nullptr, "toolsOptions", "toolsAbout",
                                                       "toolsTimetable"};
        Create();
        if (which > 0) {
            Run(kItems[static_cast<std::size_t>(which)]);
        }
        if (which == 3) {
            return window_->findChild<TimetableWindow*>();
        }
        return which == 0 ? window_.get() : QApplication::activeModalWidget();
    }
};

TEST_F(AccessibilityTest, EveryControlTheKeyboardReachesHasAName) {
    struct Row {
        const char* name;
        const char* language;  // nullptr: English
        int window;
        std::size_t controls;  // at least
    };
    const Row rows[] = {
        {"main window", nullptr, 0, 1},     {"options", nullptr, 1, 30},
        {"about", nullptr, 2, 1},           {"main window in Urdu", "ur", 0, 1},
        {"options in Arabic", "ar", 1, 30}, {"options in Bengali", "bn", 1, 30},
        {"timetable", nullptr, 3, 5},       {"timetable in Urdu", "ur", 3, 5},
    };
    for (const Row& row : rows) {
        std::unique_ptr<testing_support::LanguageScope> scope;
        if (row.language != nullptr) {
            scope = std::make_unique<testing_support::LanguageScope>(row.language);
        }
        QWidget* window = Open(row.window);
        // Arabic, Urdu and Persian lay the program out right to left (Qt has no Urdu of its own).
        EXPECT_EQ(window->isRightToLeft(),
                  row.language && QByteArray("ar ur fa").contains(row.language))
            << row.name;
        std::size_t controls = 0;
        for (QWidget* child : window->findChildren<QWidget*>()) {
            // A spin box's or a combo box's own field is reached as the box.
            const QWidget* parent = child->parentWidget();
            if ((child->focusPolicy() & Qt::TabFocus) == 0 || child->focusProxy() != nullptr ||
                qobject_cast<const QAbstractSpinBox*>(parent) != nullptr ||
                qobject_cast<const QComboBox*>(parent) != nullptr) {
                continue;
            }
            ++controls;
            EXPECT_FALSE(Name(QAccessible::queryAccessibleInterface(child)).isEmpty())
                << row.name << ": " << child->metaObject()->className() << " "
                << child->objectName().toStdString();
        }
        EXPECT_GE(controls, row.controls) << row.name;
    }
}

// Every name went through the translations; and mirrored (as -reverse does, in English), every
// caption stays on the leading side.
TEST_F(AccessibilityTest, EveryNameGoesThroughTheTranslationsAndCaptionsMirror) {
    MarkingTranslator marking;
    QCoreApplication::installTranslator(&marking);
    QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    world_.method.choice.presetId = "umm-al-qura";  // its summary is shown, word by word
    // The program's name and version, and the authorities' own names of their methods.
    QStringList untranslated = {QStringLiteral("Orvanta"), QStringLiteral("Orvanta 1.0")};
    for (const MethodPreset& preset : MethodPresets()) {
        untranslated.append(QString::fromUtf8(preset.authority.data(),
                                              static_cast<qsizetype>(preset.authority.size())));
    }
    for (int window = 0; window < 4; ++window) {
        QWidget* widget = Open(window);
        QStringList names;
        CollectNames(QAccessible::queryAccessibleInterface(widget), names);
        EXPECT_GE(names.size(), 5) << window;
        for (const QString& name : names) {
            EXPECT_TRUE(name.contains(QChar(0x00AB)) || untranslated.contains(name))
                << window << ": " << name.toStdString();
        }
        for (const QLabel* label : widget->findChildren<QLabel*>()) {
            EXPECT_TRUE(label->text().isEmpty() || (label->alignment() & Qt::AlignRight) != 0)
                << window << ": " << label->text().toStdString();
        }
    }
    QGuiApplication::setLayoutDirection(Qt::LayoutDirectionAuto);
    QCoreApplication::removeTranslator(&marking);
}

TEST_F(AccessibilityTest, ARowReadsAsThePrayerAndItsTime) {
    world_.dstHours = 0.0;
    Create().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(records_.window.listView);
    QStringList names;
    for (int i = 0; i < list->childCount(); ++i) {
        names.append(Name(list->child(i)));
    }
    // Mecca on 20 March 2026, as the daily command's own tests have it; the clock stands
    // before Asr, the next prayer.
    EXPECT_TRUE(names.contains(QStringLiteral("Jumu'ah (Friday), 12:28 PM")) &&
                names.contains(QStringLiteral("Asr (Afternoon), 3:53 PM, next prayer")))
        << names.join(u'|').toStdString();
}

}  // namespace
}  // namespace orvanta
