// Computing proposals of projects of 1 000, 10 000 and 100 000 elements: the walk over the tree,
// merging contributions into items, looking materials up, the material choice, sorting, and
// the summary's split, recompute and rounding. Every step must grow linearly with the project
// (the reported complexity fit says how it does).
//
//   cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBELVO_BENCH=ON -DBELVO_TESTS=OFF
//   cmake --build build/bench --target proposal_bench && build/bench/bench/proposal_bench
//     --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "settings/memory_settings_store.h"
#include "catalogue/material.h"
#include "catalogue/material_list.h"
#include "model/element.h"
#include "model/projekt.h"
#include "model/skupina.h"
#include "platform/unattended_ui.h"
#include "proposal/navrh.h"
#include "proposal/summary_model.h"
#include "proposal/vytvor_navrh.h"
#include "support/fixture_element.h"

namespace belvo {
namespace {

constexpr int kMaterials = 5000;
constexpr int kElementsPerGroup = 20;
constexpr int kGroups[] = {1, 7, 38, 80, 90, 91, 501};

std::string OrderNumber(int i)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "M%05d", i);
    return buffer;
}

CMaterialList MakeMaterials()
{
    CMaterialList list;
    for (int i = 0; i < kMaterials; ++i) {
        auto m = std::make_unique<CMaterial>();
        const int group = kGroups[i % std::size(kGroups)];
        m->ObjCislo = OrderNumber(i);
        m->Nazev = "Materiál " + std::to_string(i);
        m->Skupina = CCislo(group);
        m->Typ = CCislo(i % 3);
        m->Sirka = CCislo(100 + 10 * (i % 40));
        m->KsNaPalete = CCislo(group == 90 ? 0 : 60 + i % 50);
        m->CenaPaleta = CCislo(1000 + i % 900, 2);
        m->CenaVolna = CCislo(1200 + i % 900, 2);
        m->Vaha = CCislo(12500 + i, 3);
        m->PaletaNazev = "Paleta " + std::to_string(group);
        m->PaletaCena = CCislo(25000, 2);
        m->PaletaVykup = CCislo(20000, 2);
        m->PaletaVaha = CCislo(25);
        list.Append(std::move(m));
    }
    return list;
}

// A project of `elements` test elements in groups of kElementsPerGroup; each element adds four
// materials picked by a fixed pseudo-random sequence and one material of a group and type chosen
// among alternatives.
std::unique_ptr<CProjekt> MakeProject(int elements)
{
    auto projekt = std::make_unique<CProjekt>();
    projekt->Nazev = "Sídliště";
    projekt->CenikId = "CZ20160515 14:30 (Kč)";
    projekt->DPH = CCislo(21);
    projekt->Sleva = CCislo(0);
    std::uint32_t seed = 12345;
    const auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 8) % kMaterials);
    };
    CSkupina* group = nullptr;
    for (int i = 0; i < elements; ++i) {
        if (i % kElementsPerGroup == 0) {
            auto g = std::make_unique<CSkupina>();
            g->Nazev = "Sekce " + std::to_string(i / kElementsPerGroup);
            group = g.get();
            projekt->Prvky.push_back(std::move(g));
        }
        std::vector<test::CTestPrvek::Contribution> contributions;
        for (int k = 0; k < 4; ++k) contributions.push_back({OrderNumber(next()), CCislo(125 + k, 1)});
        auto element = std::make_unique<test::CTestPrvek>("Prvek " + std::to_string(i), std::move(contributions));
        element->choices.push_back({80, 1, false, CCislo(3)});
        group->Prvky.push_back(std::move(element));
    }
    return projekt;
}

void ComputeProposal(benchmark::State& state, bool splitByGroups, bool withSummary)
{
    const CMaterialList materials = MakeMaterials();
    const auto projekt = MakeProject(static_cast<int>(state.range(0)));
    UnattendedUi ui;
    MemorySettingsStore settings;
    CalcContext context{ui, settings, Separators{}};
    SummarySettings summarySettings;
    summarySettings.categories = {{1, 0}, {7, 0}, {38, 1}};
    summarySettings.zaokrouhlovaniBalne = CCislo(500);
    std::size_t items = 0;
    for (auto _ : state) {
        auto navrh = VytvorNavrh(*projekt, *projekt, materials, false, splitByGroups, LocalTime{}, context);
        if (withSummary) {
            SummaryModel summary(*navrh, summarySettings, Separators{}, ui);
            summary.Otevri(false);
            summary.ZaokrouhliVse();
            benchmark::DoNotOptimize(summary.Totals().CelkemSDPH);
        }
        items = navrh->Polozky.size();
        benchmark::DoNotOptimize(navrh.get());
    }
    state.SetComplexityN(state.range(0));
    state.counters["items"] = static_cast<double>(items);
}

void BM_Proposal(benchmark::State& state) { ComputeProposal(state, false, false); }
void BM_ProposalSplitByGroups(benchmark::State& state) { ComputeProposal(state, true, false); }
void BM_ProposalSplitWithSummary(benchmark::State& state) { ComputeProposal(state, true, true); }

BENCHMARK(BM_Proposal)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK(BM_ProposalSplitByGroups)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK(BM_ProposalSplitWithSummary)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

}  // namespace
}  // namespace belvo
