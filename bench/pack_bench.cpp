// Google Benchmark: reading question packs, as the game reads them before its first window.
//
//   BM_ReadBuiltInPack    the 300 built-in questions, read and checked at every start
//   BM_LoadSpreadsheet    a player's 300 questions saved by Calc as .xlsx and as .ods, from the
//                         disk: unzipped, walked and checked
#include "game/bank/bank.h"

#include <benchmark/benchmark.h>

namespace {

void BM_ReadBuiltInPack(benchmark::State& state)
{
    for (auto _ : state) {
        bank::Reading r = bank::read_pack(bank::built_in_text());
        if (!r.ok())
            state.SkipWithError("the built-in pack has problems");
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_ReadBuiltInPack)->Unit(benchmark::kMicrosecond);

void BM_LoadSpreadsheet(benchmark::State& state, const char* file)
{
    const std::string path = std::string(RUVANTIA_SOURCE_DIR "/tests/packs/") + file;
    for (auto _ : state) {
        bank::Reading r = bank::load_pack(path);
        if (!r.ok())
            state.SkipWithError("the spreadsheet has problems");
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK_CAPTURE(BM_LoadSpreadsheet, xlsx, "calc-livelli-numeri.xlsx")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadSpreadsheet, ods, "calc-livelli-numeri.ods")->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
