// What a screen reader finds through Qt's accessibility interfaces, in the main window and on
// every page of the dialogs: a name for every control the keyboard reaches, names that went
// through the translations, and list rows that read as a prayer and its time; and captions
// that mirror with their windows.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QTest>
#include <QTranslator>
#include <QTreeWidget>

#include <array>
#include <memory>
#include <tuple>

#include "app/day/day_watch.h"
#include "app/month/timetable_window.h"
#include "app/options/options_dialog.h"
#include "app/widgets/accessible_content.h"
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
        {"timetable in Malay", "ms", 3, 5},
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
        if (row.window == 3) {  // the timetable's buttons and captions: an Alt key each, distinct
            QStringList keys;   // (Close is Qt's own, and Escape closes)
            for (QWidget* child : window->findChildren<QWidget*>()) {
                const auto* button = qobject_cast<QAbstractButton*>(child);
                const auto* label = qobject_cast<QLabel*>(child);
                QString text =
                    label != nullptr && label->buddy() != nullptr ? label->text() : QString();
                if (button != nullptr &&
                    qobject_cast<QDialogButtonBox*>(button->parentWidget()) == nullptr) {
                    text = button->text();
                }
                if (!text.isEmpty()) {
                    keys.append(QKeySequence::mnemonic(text).toString());
                    EXPECT_FALSE(keys.constLast().isEmpty())
                        << row.name << ": " << text.toStdString();
                }
            }
            EXPECT_EQ(keys.removeDuplicates(), 0)
                << row.name << " " << keys.join(u' ').toStdString();
        }
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

// What a screen reader reads of each control: role, a name that says what it is, its content
// (the description where the name is not the content, else the value) and its caption. Qt names
// combo boxes on Linux by their item; their caption comes through the labelled-by relation.
TEST_F(AccessibilityTest, EachControlReadsAsWhatItIsAndWhatItShows) {
    world_.dstHours = 0.0;  // Mecca on 20 March 2026 at 3 PM, before Asr
    const auto read = [](QWidget* window, const char* object) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(
            window->findChild<QWidget*>(QString::fromLatin1(object)));
        const QString description = face->text(QAccessible::Description);
        const auto labels = face->relations(QAccessible::Label);
        return QString::number(face->role(), 16) + '|' + Name(face) + '|' +
               (description.isEmpty() ? face->text(QAccessible::Value) : description) + '|' +
               (labels.isEmpty() ? QString() : Name(labels.constFirst().first));
    };
    const std::tuple<int, const char*, const char*> rows[] = {
        // window as Open takes it
        {0, "cityDisplay", "2a|Location|Mecca|Location"},
        {0, "datePicker", "34|Date|20 Mar 2026|Date"},
        {0, "hijriDate", "29|Hijri date|1 Shawwal 1447 \u00B7 Eid al-Fitr|"},
        {0, "qibla", "29|Qibla direction|Qibla 56.7°, degrees clockwise from true north|"},
        {0, "qiblaDial", "a|Qibla dial|Qibla 56.7°, degrees clockwise from true north|"},
        {0, "listView",
         "23|Prayer times|Prayer times of Mecca on Friday, 20 March 2026; next "
         "prayer: Asr (Afternoon), 3:53 PM|"},
        {0, "nextPrayer", "29|Next prayer|Asr in 53 min|"},
        {1, "cityName", "2a|City|Type a few letters to see matching cities|City"},
        {1, "displayClock", "2e|The language's own|How the prayer times are shown|Clock"},
        {1, "methodRounding", "2e|The method's own|The method's own|Rounding"},
        {1, "methodPreset",
         "2e|Classic (the first page)|The authority whose method computes the times|Method:"},
        {3, "monthPicker", "2e|March|March|Month:"},
        {3, "yearPicker", "34|Year|2026|"},
    };
    for (const auto& [window, object, expected] : rows) {
        EXPECT_EQ(read(Open(window), object).toStdString(), expected) << object;
    }
    // The timetable's columns are named by their headers; each cell reads as its text.
    QAccessibleTableInterface* table =
        QAccessible::queryAccessibleInterface(Open(3)->findChild<QWidget*>("timetableTable"))
            ->tableInterface();
    EXPECT_EQ((table->columnDescription(2) + '|' + Name(table->cellAt(0, 0)) + '|' +
               Name(table->cellAt(0, 7)))
                  .toStdString(),
              "Fajr|Sun 1|7:39 PM");
}

// The countdown and the next-prayer mark are announced when what they show changes (once a
// minute, and when the next prayer changes), not at every second's redraw.
TEST_F(AccessibilityTest, TheCountdownIsAnnouncedWhenItsTextChanges) {
    world_.dstHours = 0.0;
    Create();
    QStringList announced;
    ObserveAccessibleContent([&announced](QWidget& widget) {
        announced.append(widget.objectName() + '=' + widget.accessibleDescription());
    });
    for (std::int64_t t = world_.utcSeconds; t < world_.utcSeconds + 120; ++t) {
        emit window_->Watch().tick(t);  // every second for two minutes
    }
    emit window_->Watch().tick(world_.utcSeconds + 54 * 60);  // after Asr at 3:53 PM
    ObserveAccessibleContent({});
    EXPECT_EQ(announced.join(u'|').toStdString(),
              "nextPrayer=Asr in 52 min|nextPrayer=Maghrib in 2 h 38 min|listView=Prayer times "
              "of Mecca on Friday, 20 March 2026; next prayer: Maghrib (Sunset), 6:32 PM");
}

}  // namespace
}  // namespace orvanta
