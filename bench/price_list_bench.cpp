// Writing and reading a price-list file of 50 000 records, and looking materials up in it.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "bench_price_list.h"
#include "catalogue/catalogue_classes.h"
#include "catalogue/price_list_file.h"

namespace {

using namespace belvo;

constexpr std::size_t kRecords = 50000;

const ClassRegistry& Classes()
{
    static const ClassRegistry classes = [] {
        ClassRegistry r;
        RegisterCatalogueClasses(r);
        return r;
    }();
    return classes;
}

std::string BenchFile()
{
    return (std::filesystem::temp_directory_path() / "belvo-bench-cenik.dat").string();
}

void BM_WritePriceList(benchmark::State& state)
{
    const CMaterialList list = bench::MakeLargePriceList(kRecords);
    const std::string path = BenchFile();
    for (auto _ : state) WritePriceListFile(path, "CZ20240102 08:00 (Kč)/BENCH", list, Classes());
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kRecords));
}
BENCHMARK(BM_WritePriceList)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_ReadPriceList(benchmark::State& state)
{
    const std::string path = BenchFile();
    WritePriceListFile(path, "CZ20240102 08:00 (Kč)/BENCH", bench::MakeLargePriceList(kRecords), Classes());
    for (auto _ : state) {
        PriceList read = ReadPriceListFile(path, Classes());
        benchmark::DoNotOptimize(read.materials.size());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kRecords));
}
BENCHMARK(BM_ReadPriceList)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// Lookups as a proposal makes them: by order number, and by order number and rotation, after
// the first lookup has built the index.
void BM_FindMaterial(benchmark::State& state)
{
    const CMaterialList list = bench::MakeLargePriceList(kRecords);
    std::size_t i = 0;
    for (auto _ : state) {
        const CMaterial& wanted = list[i];
        benchmark::DoNotOptimize(list.Find(wanted.ObjCislo, wanted.Otoceni));
        i = (i + 7919) % kRecords;
    }
}
BENCHMARK(BM_FindMaterial);

}  // namespace
