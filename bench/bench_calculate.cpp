// One full calculation of a UN, an M and an Acme thread, with the tables kept
// in memory (warm) and with every table read and checked again (cold), against
// the bare read of the table files that calculation reads and the stat of
// them the warm calculation still makes. Goal: warm at most a quarter of the
// bare read.
#include "core/settings.h"
#include "core/table_file.h"
#include "core/thread_record.h"

#include <benchmark/benchmark.h>

#include <vector>

#include <sys/stat.h>

namespace {

struct Thread {
    const char *type, *cls, *extTol, *intTol;
    double dia;
    float tpi;
    // What one calculation opens, as strace shows it.
    std::vector<const char*> tables;
};

const Thread kUNC{
    "UN",
    "2",
    "",
    "",
    0.25,
    20,
    {"ansitbl.bin", "unstbl.bin", "unxtol.bin", "unwtol.bin", "gagetbl.bin", "splugtbl.bin"}};
const Thread kMetric{"M",
                     "",
                     "6g",
                     "6H",
                     10,
                     1.5,
                     {"exm.bin", "inm.bin", "mextall.bin", "mintall.bin", "metdev.bin",
                      "xmettol.bin", "wmettol.bin"}};
const Thread kAcme{"ACME", "2G", "", "", 1, 5, {"acmetbl.bin", "acmeall.bin", "acmego.bin"}};

void UseShippedTables() {
    Settings().TableDataPath = PL_TABLES_DIR;
}

void CalculateOnce(const Thread& t) {
    TTInfo rec;
    rec.SetThreadType(t.type);
    if (*t.cls) rec.SetClass(t.cls);
    rec.SetNomDia(t.dia);
    rec.SetTPI(t.tpi);
    if (*t.extTol) rec.ExtThd.SetTolInfo(t.extTol);
    if (*t.intTol) rec.IntThd.SetTolInfo(t.intTol);
    rec.SetStarts(1);
    rec.Calculate();
    benchmark::DoNotOptimize(rec.ExtThd.PD.Max);
}

void BM_CalculateWarm(benchmark::State& state, const Thread& t) {
    UseShippedTables();
    CalculateOnce(t);
    for (auto _ : state)
        CalculateOnce(t);
}

void BM_CalculateCold(benchmark::State& state, const Thread& t) {
    UseShippedTables();
    for (auto _ : state) {
        ClearTableCache();
        CalculateOnce(t);
    }
}

void BM_BareRead(benchmark::State& state, const Thread& t) {
    UseShippedTables();
    for (auto _ : state) {
        std::size_t bytes = 0;
        for (const char* name : t.tables)
            bytes += ReadWholeFile(TablePath(name)).size();
        benchmark::DoNotOptimize(bytes);
    }
}

// What the warm calculation pays for seeing every table unchanged.
void BM_StatOnly(benchmark::State& state, const Thread& t) {
    UseShippedTables();
    for (auto _ : state) {
        struct stat st {};
        for (const char* name : t.tables)
            ::stat(TablePath(name).c_str(), &st);
        benchmark::DoNotOptimize(st.st_size);
    }
}

BENCHMARK_CAPTURE(BM_CalculateWarm, UNC_1_4_20_2, kUNC);
BENCHMARK_CAPTURE(BM_CalculateCold, UNC_1_4_20_2, kUNC);
BENCHMARK_CAPTURE(BM_BareRead, UNC_1_4_20_2, kUNC);
BENCHMARK_CAPTURE(BM_StatOnly, UNC_1_4_20_2, kUNC);
BENCHMARK_CAPTURE(BM_CalculateWarm, M10x1_5_6g6H, kMetric);
BENCHMARK_CAPTURE(BM_CalculateCold, M10x1_5_6g6H, kMetric);
BENCHMARK_CAPTURE(BM_BareRead, M10x1_5_6g6H, kMetric);
BENCHMARK_CAPTURE(BM_StatOnly, M10x1_5_6g6H, kMetric);
BENCHMARK_CAPTURE(BM_CalculateWarm, Acme_1_5_2G, kAcme);
BENCHMARK_CAPTURE(BM_CalculateCold, Acme_1_5_2G, kAcme);
BENCHMARK_CAPTURE(BM_BareRead, Acme_1_5_2G, kAcme);
BENCHMARK_CAPTURE(BM_StatOnly, Acme_1_5_2G, kAcme);

} // namespace
