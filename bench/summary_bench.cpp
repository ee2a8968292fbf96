// The summary window's engine on a proposal of 2 000 items: the recompute that follows one
// edited cell (goal: under 10 ms), as the window runs it (the edit, Pocitej over both tables and
// every total), and the rounding of all rows.
//
//   cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBELVO_BENCH=ON -DBELVO_TESTS=OFF
//   cmake --build build/bench --target summary_bench && build/bench/bench/summary_bench
#include <benchmark/benchmark.h>

#include "bench_summary.h"

namespace belvo::bench {
namespace {

void BM_RecomputeAfterOneEditedCell(benchmark::State& state)
{
    SummaryBed bed;
    std::unique_ptr<CPrehledForm> form = bed.Open(static_cast<int>(state.range(0)));
    const int row = form->Summary().Items().LastRow() / 2;
    bool flip = false;
    for (auto _ : state) {
        // A different text each time, so that every pass really changes the cell.
        form->UpravBunku(SummaryTable::Items, row, SummaryModel::kPalet, (flip = !flip) ? "12,5" : "3");
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_RecomputeAfterOneEditedCell)->Arg(500)->Arg(kSummaryItems)->Arg(8000)->Unit(benchmark::kMillisecond)->Complexity();

void BM_RoundAllRows(benchmark::State& state)
{
    SummaryBed bed;
    std::unique_ptr<CPrehledForm> form = bed.Open();
    for (auto _ : state) {
        form->ZaokrouhliVse();
        form->OdzaokrouhliVse();
    }
}
BENCHMARK(BM_RoundAllRows)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace belvo::bench
