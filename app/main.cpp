// The window program: one copy per user, the main window with today's prayer times.
// --background starts it into the tray, where the desktop has one.
#include <QApplication>
#include <QLocale>
#include <QString>

#include <chrono>
#include <cstdio>

#include "app/day/app_records.h"
#include "app/system/app_resources.h"
#include "app/system/font_configuration_preload.h"
#include "app/system/real_services.h"
#include "app/system/session_bus_guard.h"
#include "app/system/single_instance.h"
#include "app/text/city_database_details.h"
#include "app/text/ui_language.h"
#include "app/widgets/deferred_icon_style.h"
#include "app/widgets/message_box.h"
#include "app/window/main_window.h"
#include "resources/string_table.h"

int main(int argc, char* argv[]) {
    // First of all, so that it overlaps everything before the first text is laid out.
    const orvanta::FontConfigurationPreload fonts;
    // Before Qt can reach the session bus: a bus that never answers must not hold the start.
    orvanta::GuardSessionBus(std::chrono::seconds(3));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orvanta"));
    QApplication::setApplicationDisplayName(QString::fromUtf8(orvanta::strings::kTitle));
    QGuiApplication::setDesktopFileName(QStringLiteral("orvanta"));
    orvanta::InitAppResources();
    orvanta::DeferOverflowButtonIcons();
    // The desktop's language when there is a translation for it, else English; -reverse still
    // mirrors any language.
    if (!orvanta::UseLanguage(orvanta::ChooseLanguage(QLocale::system().uiLanguages()))) {
        std::fprintf(stderr, "orvanta: the translation for the desktop's language is missing\n");
    }

    // Listen before anything can block on a message box, so that a second start always finds
    // this copy.
    orvanta::SingleInstance instance(QString::fromUtf8(orvanta::strings::kClassName),
                                     QString::fromUtf8(orvanta::strings::kTitle));
    switch (instance.ClaimOrSignal()) {
        case orvanta::SingleInstance::Claim::kAlreadyRunning:
            return 0;
        case orvanta::SingleInstance::Claim::kUnguarded:
            // Better a second copy than none: say why this one does not watch for others.
            std::fprintf(stderr,
                         "orvanta: %s; starting without the check for a copy already running\n",
                         instance.Problem().toLocal8Bit().constData());
            break;
        case orvanta::SingleInstance::Claim::kFirst:
            break;
    }

    // When the city database is nowhere, "Error getting data!" lists the paths tried.
    const orvanta::CityDatabaseLocation database = orvanta::LocateShippedCityDatabase();
    orvanta::RealServices services(
        orvanta::WithCityDatabaseDetails(orvanta::ShowMessageBoxWithDetails, database),
        database.path);
    orvanta::MainWindow* window = nullptr;
    QObject::connect(&instance, &orvanta::SingleInstance::raiseRequested, [&window] {
        if (window != nullptr) {
            window->BringToFront();
        } else if (QWidget* modal = QApplication::activeModalWidget()) {
            modal->raise();  // a message box of the start-up
            modal->activateWindow();
        }
    });

    orvanta::MainWindow mainWindow(orvanta::ProcessRecords(), services.Get(),
                                   [](int exitCode) { QCoreApplication::exit(exitCode); });
    window = &mainWindow;
    orvanta::UseAppIconAfterFirstPaint(mainWindow);
    // The window ends the program itself (Exit, or closing it without a tray icon); a hidden
    // window with a message box of a roll-over closing must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    mainWindow.ShowAtStart(QCoreApplication::arguments().contains(QStringLiteral("--background")));
    const int exitCode = QApplication::exec();
    window = nullptr;
    return exitCode;
}
