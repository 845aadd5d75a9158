// One full calculation of 1/4-20 UNC class 2 against the bare cost of reading
// the unified table files it needs into memory. The calculation reads those
// files afresh each time, so it cannot be cheaper than the read; the goal is
// that it costs at most twice as much.
#include "core/settings.h"
#include "core/table_file.h"
#include "core/thread_record.h"

#include <benchmark/benchmark.h>

namespace {

const char* const kUnifiedTables[] = {"ansitbl.bin", "unstbl.bin",  "unxtol.bin",
                                      "unwtol.bin",  "gagetbl.bin", "splugtbl.bin"};

void UseShippedTables()
{
    Settings().TableDataPath = PL_TABLES_DIR;
}

void BM_Calculate_1_4_20_UNC_2(benchmark::State& state)
{
    UseShippedTables();
    for (auto _ : state) {
        TTInfo rec;
        rec.SetNomDia(0.25);
        rec.NomDiaText = "1/4";
        rec.SetThreadType("UN");
        rec.SetTPI(20);
        rec.SetClass("2");
        rec.SetStarts(1);
        rec.SetCoating(0);
        rec.Calculate();
        benchmark::DoNotOptimize(rec.ExtThd.PD.Max);
    }
}
BENCHMARK(BM_Calculate_1_4_20_UNC_2);

void BM_ReadUnifiedTables(benchmark::State& state)
{
    UseShippedTables();
    for (auto _ : state) {
        std::size_t bytes = 0;
        for (const char* name : kUnifiedTables) bytes += ReadWholeFile(TablePath(name)).size();
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_ReadUnifiedTables);

} // namespace
