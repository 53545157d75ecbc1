// Cost of a year's daylight-saving table from the system zone database. The first benchmark
// runs once and pays for loading the database index; the others run warm.
#include <benchmark/benchmark.h>

#include "zones/zone_rules.h"

namespace {

void BM_FirstCallLoadsDatabase(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(orvanta::ZoneDaylightShifts("America/Detroit", 2026, -5.0));
    }
}
BENCHMARK(BM_FirstCallLoadsDatabase)->Iterations(1)->Unit(benchmark::kMicrosecond);

// Listed transitions only (the compiled files list changes up to 2037).
void BM_WarmListedYear(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(orvanta::ZoneDaylightShifts("America/Detroit", 2026, -5.0));
    }
}
BENCHMARK(BM_WarmListedYear)->Unit(benchmark::kMicrosecond);

void BM_WarmCasablanca(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(orvanta::ZoneDaylightShifts("Africa/Casablanca", 2026, 0.0));
    }
}
BENCHMARK(BM_WarmCasablanca)->Unit(benchmark::kMicrosecond);

// Past the last listed transition: every day goes through the footer rule.
void BM_WarmFooterYear(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(orvanta::ZoneDaylightShifts("America/Detroit", 2050, -5.0));
    }
}
BENCHMARK(BM_WarmFooterYear)->Unit(benchmark::kMicrosecond);

void BM_SummarizeZone(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(orvanta::SummarizeZone("Australia/Lord_Howe", 2026));
    }
}
BENCHMARK(BM_SummarizeZone)->Unit(benchmark::kMicrosecond);

void BM_IsKnownZone(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(orvanta::IsKnownZone("Europe/Dublin"));
    }
}
BENCHMARK(BM_IsKnownZone);

}  // namespace
