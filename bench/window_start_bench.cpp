// The window's start to a filled list: loading the settings, building the controls, the city
// lookup in the shipped database, the day's row and the next prayer (goal: at most 150 ms).
// Runs on Qt's offscreen platform with a private settings folder; the shipped city database is
// found as the program finds it, or through ORVANTA_CITY_DB. The second row starts with a
// settings file that holds a 10 MB value beside the settings (goal: about one parse of it, well
// under a second).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QByteArray>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "app/day/app_records.h"
#include "app/system/real_services.h"
#include "app/window/main_window.h"

namespace {

QTemporaryDir& Home() {
    static QTemporaryDir home;
    return home;
}

QApplication& Application() {
    static int argc = 1;
    static char name[] = "window_start_bench";
    static char* argv[] = {name, nullptr};
    static QTemporaryDir& home = Home();
    static const bool environment = [] {
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
        qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
        qputenv("XDG_DATA_HOME", home.path().toUtf8());
        return true;
    }();
    static_cast<void>(environment);
    static QApplication app(argc, argv);
    return app;
}

void BM_WindowStartToFilledList(benchmark::State& state) {
    Application();
    orvanta::RealServices services([](std::string_view, std::string_view) {});
    for (auto _ : state) {
        orvanta::AppRecords records;
        auto window = std::make_unique<orvanta::MainWindow>(records, services.Get(), [](int) {});
        if (records.window.listView->topLevelItemCount() != 6) {
            state.SkipWithError("the list was not filled (no city database?)");
            break;
        }
        benchmark::DoNotOptimize(window.get());
    }
}
BENCHMARK(BM_WindowStartToFilledList)->Unit(benchmark::kMillisecond);

void BM_WindowStartWithA10MBSettingsValue(benchmark::State& state) {
    Application();
    const std::filesystem::path folder = Home().path().toStdString() + "/orvanta";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "registry.reg")
        << "Windows Registry Editor Version 5.00\n\n"
           "[HKEY_LOCAL_MACHINE\\Software\\Kelvarin\\Orvanta]\n\"SunRise\"=dword:00000000\n"
           "\"ReminderSoundFile\"=\""
        << std::string(10'000'000, 'a') << "\"\n";
    BM_WindowStartToFilledList(state);
    std::filesystem::remove(folder / "registry.reg");
}
BENCHMARK(BM_WindowStartWithA10MBSettingsValue)->Unit(benchmark::kMillisecond);

}  // namespace
