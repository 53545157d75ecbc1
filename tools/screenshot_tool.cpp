// Opens the window with the real services and saves pictures of it and of its dialogs:
// main.png, icon.png, options.png, options-<page>.png for every other page (options-method.png,
// options-display.png, options-companion.png, options-calendar.png, options-reminder.png),
// options-location.png (after Use my location), options-reminder-on.png (with some reminders
// turned on), options-completion.png (the whole
// screen, with the City field's completion list open), timetable.png, timetable-a4.pdf,
// timetable-letter.pdf, about.png, menu.png (the whole screen, with the Tools menu open after
// Alt+T) and message.png (the whole screen, with a message box), into the folder given
// (default: the current folder). Run it on a display (Xvfb works) to look at what a user sees.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPixmap>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <QWidget>

#include <cstdio>
#include <functional>

#include "app/day/app_records.h"
#include "app/month/timetable_window.h"
#include "app/system/app_resources.h"
#include "app/system/real_services.h"
#include "app/text/ui_language.h"
#include "app/widgets/deferred_icon_style.h"
#include "app/widgets/message_box.h"
#include "app/window/main_window.h"

namespace {

bool Save(const QPixmap& picture, const QDir& folder, const char* name) {
    const QString path = folder.filePath(QString::fromLatin1(name));
    const bool saved = picture.save(path);
    std::fprintf(stderr, "%s %s\n", saved ? "saved" : "could not save", qPrintable(path));
    return saved;
}

QWidget* WaitForModal() {
    for (int i = 0; i < 50 && QApplication::activeModalWidget() == nullptr; ++i) {
        QTest::qWait(20);
    }
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr) {
        (void)QTest::qWaitForWindowExposed(modal);
        QTest::qWait(200);
    }
    return modal;
}

// The whole screen after show() has put something on it; hide() takes it away again.
bool SaveScreen(const QDir& folder, const char* name, const std::function<void()>& show,
                const std::function<void()>& hide) {
    show();
    QTest::qWait(300);
    const bool saved = Save(QGuiApplication::primaryScreen()->grabWindow(0), folder, name);
    hide();
    return saved;
}

// "options-method.png" for the tab that is the page named "methodPage".
QString PageFileName(const QWidget& tab) {
    if (tab.objectName().endsWith(QStringLiteral("Page"))) {
        return QStringLiteral("options-%1.png").arg(tab.objectName().chopped(4));
    }
    return QStringLiteral("options-page.png");
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Orvanta"));
    orvanta::InitAppResources();
    orvanta::DeferOverflowButtonIcons();  // as the program does
    QApplication::setWindowIcon(orvanta::AppIcon());
    // The desktop's language, as the program chooses it (LANGUAGE=ar shows Arabic).
    orvanta::UseLanguage(orvanta::ChooseLanguage(QLocale::system().uiLanguages()));
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());

    orvanta::RealServices services(orvanta::ShowMessageBox);
    orvanta::MainWindow window(orvanta::ProcessRecords(), services.Get(), [](int) {});
    window.show();
    (void)QTest::qWaitForWindowExposed(&window);
    QTest::qWait(300);
    bool ok = Save(window.grab(), folder, "main.png");
    ok = Save(orvanta::AppIcon().pixmap(128, 128), folder, "icon.png") && ok;

    // Runs an item of the Tools menu by its action's name.
    const auto run = [&window](const char* item) {
        if (auto* action = window.findChild<QAction*>(QString::fromLatin1(item))) {
            action->trigger();
        }
    };
    run("toolsOptions");
    if (QWidget* options = WaitForModal()) {
        ok = Save(options->grab(), folder, "options.png") && ok;
        // Use my location, with what the desktop's location service answered within 2 s.
        if (auto* locate = options->findChild<QAbstractButton*>(QStringLiteral("useMyLocation"))) {
            locate->click();
            QTest::qWait(2000);
            ok = Save(options->grab(), folder, "options-location.png") && ok;
        }
        if (auto* tabs = options->findChild<QTabWidget*>(QStringLiteral("optionsTabs"))) {
            // options-method.png, options-display.png, ...: every page after the first, named
            // after its page ("methodPage").
            for (int page = 1; page < tabs->count(); ++page) {
                tabs->setCurrentIndex(page);
                QTest::qWait(100);
                ok = Save(options->grab(), folder, qPrintable(PageFileName(*tabs->widget(page)))) &&
                     ok;
            }
            // The Reminders page with reminders turned on (Cancel drops them again).
            for (int page = 1; page < tabs->count(); ++page) {
                if (tabs->widget(page)->objectName() == QStringLiteral("reminderPage")) {
                    tabs->setCurrentIndex(page);
                }
            }
            for (const char* name : {"remindAt3", "remindAt4", "reminderSound"}) {
                if (auto* box = options->findChild<QAbstractButton*>(QString::fromLatin1(name))) {
                    box->setChecked(true);
                }
            }
            QTest::qWait(100);
            ok = Save(options->grab(), folder, "options-reminder-on.png") && ok;
            tabs->setCurrentIndex(0);
        }
        if (auto* city = options->findChild<QLineEdit*>(QStringLiteral("cityName"))) {
            city->setFocus();
            city->clear();
            QTest::keyClicks(city, QStringLiteral("Mec"));
            QTest::qWait(300);
            ok = Save(QGuiApplication::primaryScreen()->grabWindow(0), folder,
                      "options-completion.png") &&
                 ok;
        }
        options->close();
    }
    run("toolsTimetable");
    QTest::qWait(300);
    if (auto* timetable = window.findChild<QWidget*>(QStringLiteral("timetableWindow"))) {
        (void)QTest::qWaitForWindowExposed(timetable);
        QTest::qWait(200);
        ok = Save(timetable->grab(), folder, "timetable.png") && ok;
        if (auto* months = qobject_cast<orvanta::TimetableWindow*>(timetable)) {
            ok = months->SavePdf(folder.filePath(QStringLiteral("timetable-a4.pdf")),
                                 QPageSize(QPageSize::A4)) &&
                 months->SavePdf(folder.filePath(QStringLiteral("timetable-letter.pdf")),
                                 QPageSize(QPageSize::Letter)) &&
                 ok;
        }
        timetable->close();
    }
    run("toolsAbout");
    if (QWidget* about = WaitForModal()) {
        ok = Save(about->grab(), folder, "about.png") && ok;
        about->close();
    }
    ok = SaveScreen(
             folder, "menu.png",
             [&window] {
                 window.activateWindow();
                 QTest::keyClick(window.windowHandle(), Qt::Key_T, Qt::AltModifier);
             },
             [] {
                 if (QWidget* menu = QApplication::activePopupWidget()) {
                     menu->close();
                 }
             }) &&
         ok;
    const auto box = orvanta::MakeMessageBox("Error getting data!", "Error!");
    ok = SaveScreen(
             folder, "message.png", [&box] { box->show(); }, [&box] { box->close(); }) &&
         ok;
    return ok ? 0 : 1;
}
