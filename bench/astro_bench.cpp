// Cost of the prayer-time astronomy: one day as the daily command computes it, a whole year,
// and the floor set by the mathematical library calls a row makes.
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/date_row.h"
#include "astro/day_table.h"
#include "astro/daylight_shift.h"
#include "astro/method_day_table.h"
#include "astro/method_presets.h"
#include "astro/year_elements.h"

namespace {

using namespace orvanta;

CityLocation Detroit() {
    CityLocation city;
    city.latitudeRad = DegreesToRadians(DegMinToDegrees(42, 20));
    city.longitudeRad = DegreesToRadians(DegMinToDegrees(83, 3));
    city.zoneHours = -5.0;
    city.supportsDst = 1;
    return city;
}

void BM_OneDayAsDailyCommand(benchmark::State& state) {
    const CityLocation city = Detroit();
    const PrayerSettings settings;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ComputeDateRow(CivilDate{2024, 6, 20}, city, settings));
    }
}
BENCHMARK(BM_OneDayAsDailyCommand);

// state.range(0): the method (0 = depression angle, 1 = interval).
void BM_FullYear(benchmark::State& state) {
    const CityLocation city = Detroit();
    PrayerSettings settings;
    settings.method = static_cast<TwilightMethod>(state.range(0));
    const YearElements elements = ComputeYearElements(2024);
    const DaylightShiftTable shifts =
        DaylightShiftFromWindow(ComputeYearCalendar(2024, 1).dstWindow);
    DayTable table;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ComputeDayTable(table, 0, 366, elements, city, settings, shifts));
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kDaysInTable);
    state.counters["ns_per_row"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * kDaysInTable,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_FullYear)->Arg(0)->Arg(1);

// A year under an authority's method, to set against BM_FullYear/0 (goal: at most 1.5 times).
// state.range(0) indexes MethodPresets(): 0 mwl, 4 umm-al-qura, 5 dubai, 8 singapore (rounded
// up), 14 tehran (Maghrib angle), 16 moonsighting (seasonal bound).
void BM_PresetYear(benchmark::State& state) {
    const CityLocation city = Detroit();
    const MethodPreset& preset = MethodPresets()[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(std::string(preset.id));
    const YearElements elements = ComputeYearElements(2024);
    MethodYear year;
    year.daylightShifts = DaylightShiftFromWindow(ComputeYearCalendar(2024, 1).dstWindow);
    year.leapYear = true;
    for (int i = 70; i < 100; ++i) {
        year.ramadan[i] = 1;
    }
    DayTable table;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            ComputeMethodDayTable(table, 0, 366, elements, city, preset.method, year));
        benchmark::ClobberMemory();
    }
    state.counters["ns_per_row"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * kDaysInTable,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_PresetYear)->Arg(0)->Arg(4)->Arg(5)->Arg(8)->Arg(14)->Arg(16);

// The library calls of one depression-mode row and nothing else: the transit makes 4 sines
// and cosines, atan2 and asin; the Asr angle tan and atan; each of the five events 5 position
// calls, sqrt, cos of the zenith distance, sin and cos of the latitude, and acos.
void BM_LibraryCallFloorPerRow(benchmark::State& state) {
    double m = 1.234;
    double sink = 0.0;
    for (auto _ : state) {
        for (int day = 0; day < kDaysInTable; ++day) {
            m += 0.0172;
            const auto position = [&](double x) {
                const double lambda = std::sin(2.0 * x) * 1e-4 + std::sin(x) * 0.033 + x;
                const double s = std::sin(lambda);
                return std::atan2(0.917 * s, std::cos(lambda)) + 0.397 * s;
            };
            double acc = position(m);
            acc += std::asin(0.397 * std::sin(m));
            acc += std::atan(1.0 + std::tan(0.3 + 1e-3 * acc));
            for (int event = 0; event < 5; ++event) {
                const double p = position(m + 0.01 * event);
                const double cosH = (std::cos(1.585 + 0.01 * event) - std::sin(0.7) * 0.3 * p) /
                                    (std::cos(0.7) * std::sqrt(1.0 - 0.09 * p * p));
                acc += std::acos(std::fmax(-1.0, std::fmin(1.0, cosH)));
            }
            sink += acc;
        }
        benchmark::DoNotOptimize(sink);
    }
    state.counters["ns_per_row"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * kDaysInTable,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_LibraryCallFloorPerRow);

}  // namespace
