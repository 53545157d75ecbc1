// The window's start to a filled list: loading the settings, building the controls, the city
// lookup in the shipped database, the day's row and the next prayer (goal: at most 150 ms).
// Runs on Qt's offscreen platform with a private settings folder; the shipped city database is
// found as the program finds it, or through ORVANTA_CITY_DB.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QByteArray>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <memory>

#include "app/app_records.h"
#include "app/main_window.h"
#include "app/real_services.h"

namespace {

QApplication& Application() {
    static int argc = 1;
    static char name[] = "window_start_bench";
    static char* argv[] = {name, nullptr};
    static QTemporaryDir home;
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

}  // namespace
