// Proposals of projects of walls: every wall with windows and a door designing their lintels,
// a slanted end, a bottom plinth section, corners, thermal mortar, perlite and plaster. Time must
// grow linearly with the number of walls (the reported complexity fit says how it does) and must
// not grow with the size of the price list: the walls of BM_WallPriceListSize run against 2 000
// and 50 000 records and should take about the same time. Part of proposal_bench.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "settings/memory_settings_store.h"
#include "catalogue/material_codes.h"
#include "catalogue/material_list.h"
#include "model/projekt.h"
#include "model/skupina.h"
#include "platform/unattended_ui.h"
#include "proposal/navrh.h"
#include "proposal/vytvor_navrh.h"
#include "walls/zed.h"

namespace {

using namespace belvo;

constexpr int kFamilies = 40;

void Add(CMaterialList& list, const std::string& objCislo, int skupina, int typ, int sirka, int delka, int vyska,
         const std::string& zaklMat, const CCislo& malta = CCislo(0))
{
    auto m = std::make_unique<CMaterial>();
    m->ObjCislo = objCislo;
    m->Nazev = "Materiál " + objCislo;
    m->Zavod = "Závod Jih";
    m->PaletaNazev = "Paleta 1200x1000";
    m->KsNaPalete = CCislo(60);
    m->CenaPaleta = CCislo(5000, 2);
    m->CenaVolna = CCislo(5300, 2);
    m->Skupina = CCislo(skupina);
    m->Typ = CCislo(typ);
    m->Sirka = CCislo(sirka);
    m->Delka = CCislo(delka);
    m->Vyska = CCislo(vyska);
    m->ZaklMat = zaklMat;
    m->Otoceni = CCislo(0);
    m->Malta = malta;
    m->Perlit = CCislo(15, 1);
    m->MaltaZak = CCislo(0);
    m->Polystyr = CCislo(25, 1);
    m->VariantaKod = CCislo(0);
    m->DelsiUlozeni = CCislo(0);
    list.Append(std::move(m));
}

// Brick families of 40 thicknesses with all their pieces, lintels, fillings, mortars and
// plaster, and unrelated records of other groups up to `size` records: three in five are bricks
// and pieces of other families (group 1, as most of a real price list is), the rest paving,
// shaped bricks, fence caps, drainage pipes, facing strips, ceiling beams and inserts. None of
// them is a candidate of any lookup of the walls, so every size gives the same proposal.
CMaterialList WallPriceList(int size = 2000)
{
    CMaterialList list;
    for (int f = 0; f < kFamilies; ++f) {
        const std::string family = std::to_string(100 + f);
        const int thickness = 140 + 10 * f;
        Add(list, "B" + family, 1, 0, thickness, 247, 249, family, CCislo(3000, 2));
        const int pieces[] = {kTypBitRohova, kTypBitSnizena, kTypBitPulka, kTypBitKrajovaK, kTypBitKrajovaKPul,
                              kTypBitRohova135};
        for (int bit : pieces)
            Add(list, "B" + family + "-" + std::to_string(bit), 1, bit, thickness, bit == kTypBitPulka ? 123 : 247,
                bit == kTypBitSnizena ? 165 : 249, family);
    }
    for (int length = 1000; length <= 4000; length += 125) {
        Add(list, "N" + std::to_string(length), kSkupinaPreklady, kTypPrekladNosny, 70, length, 238, "");
        for (int width : {115, 145, 175})
            Add(list, "P" + std::to_string(length) + "-" + std::to_string(width), kSkupinaPreklady,
                kTypPrekladPlochy, width, length, 71, "");
        Add(list, "RS" + std::to_string(length), kSkupinaRoletovePreklady, 0, 365, length, 249, "");
    }
    for (int t : {70, 90, 100, 120, 140, 150})
        Add(list, "PS" + std::to_string(t), kSkupinaPolystyreny, 0, t, 1000, 240, "");
    Add(list, "PF", kSkupinaVyplne, kTypPolystyrenKrajovek, 0, 0, 0, "", CCislo(10));
    Add(list, "PER", kSkupinaVyplne, kTypPerlit, 0, 0, 0, "", CCislo(100));
    Add(list, "M", kSkupinaMaltyOmitky, kTypMaltaTepelna, 0, 0, 0, "", CCislo(25));
    Add(list, "O", kSkupinaMaltyOmitky, kTypOmitka, 0, 0, 0, "", CCislo(1));
    const int otherGroups[] = {kSkupinaDlazby,      kSkupinaTvarovky,      kSkupinaPlotoveStrisky,
                               kSkupinaTrativodky,  kSkupinaObkladovePasky, kSkupinaStropniNosniky,
                               kSkupinaStropniVlozky};
    const int pieceTypes[] = {0, kTypBitRohova, kTypBitSnizena, kTypBitPulka, kTypBitKrajovaK, kTypBitKrajovaKPul,
                              kTypBitRohova135};
    for (int i = static_cast<int>(list.size()); i < size; ++i) {
        if (i % 5 < 3)
            Add(list, "X" + std::to_string(i), kSkupinaCihly, pieceTypes[i % 7], 100 + 10 * (i % 50), 247, 249,
                std::to_string(1000 + i / 7));
        else
            Add(list, "D" + std::to_string(i), otherGroups[i % 7], i % 4, 200, 100, 60, std::to_string(i % 60));
    }
    return list;
}

std::unique_ptr<CZed> MakeWall(int i)
{
    const int f = i % kFamilies;
    const std::string family = std::to_string(100 + f);
    auto wall = std::make_unique<CZed>();
    wall->Nazev = "Zeď " + std::to_string(i);
    wall->Sirka = CCislo(140 + 10 * f);
    wall->Delka = CCislo(4000 + 125 * (i % 17));
    wall->Vyska = CCislo(i % 2 ? 2670 : 2750);
    wall->ObjCislo = "B" + family;
    wall->Otoceni = CCislo(0);
    wall->Rohy = i % 4;
    wall->VnitrniRohy = CCislo(i % 3 == 0 ? 1 : 0);
    wall->Rohy135 = CCislo(i % 5 == 0 ? 1 : 0);
    wall->TeplaMalta = 1;
    wall->Omitka = 3;
    wall->SarePerlit = CCislo(2);
    wall->Sokl = CCislo(1);
    auto plinth = std::make_unique<CZedSokl>();
    plinth->Nazev = "Sokl";
    const std::string plinthFamily = std::to_string(100 + (f + 1) % kFamilies);
    plinth->ObjCislo = "B" + plinthFamily;
    plinth->Otoceni = CCislo(0);
    plinth->PocetSaru = CCislo(1);
    plinth->Volby = kSoklVolbyPrvni | kSoklPerlit;
    wall->Sokly.push_back(std::move(plinth));
    const std::int32_t kinds[] = {kPrekladNosne | kPrekladPolystyren, kPrekladPloche, kPrekladJinyPocet,
                                  kPrekladNosne | kPrekladVariantaB | kPrekladPolystyren};
    for (int w = 0; w < 2; ++w) {
        auto window = std::make_unique<COkna>();
        window->Nazev = "Okno";
        window->Sirka = CCislo(900 + 150 * ((i + w) % 6));
        window->Vyska = CCislo(1500);
        window->Plocha = window->Sirka * window->Vyska;
        window->Preklady = kinds[(i + w) % 4];
        window->PocetPrekladu = CCislo(2);
        wall->Okna.push_back(std::move(window));
    }
    auto door = std::make_unique<COkna>();
    door->Nazev = "Dveře";
    door->Sirka = CCislo(900);
    door->Vyska = CCislo(2100);
    door->Plocha = door->Sirka * door->Vyska;
    door->Preklady = kPrekladPloche;
    door->TypDole = 2;
    wall->Okna.push_back(std::move(door));
    auto slant = std::make_unique<CZkoseni>();
    slant->Delka = CCislo(1000);
    slant->Vyska = CCislo(600);
    slant->Plocha = CCislo(300000);
    wall->Zkoseni.push_back(std::move(slant));
    return wall;
}

// A project of `walls` walls in houses of 100.
std::unique_ptr<CProjekt> WallProject(int walls)
{
    auto projekt = std::make_unique<CProjekt>();
    projekt->Nazev = "Sídliště";
    for (int g = 0; g < walls / 100; ++g) {
        auto group = std::make_unique<CSkupina>();
        group->Nazev = "Dům " + std::to_string(g);
        for (int i = 0; i < 100; ++i) group->Prvky.push_back(MakeWall(g * 100 + i));
        projekt->Prvky.push_back(std::move(group));
    }
    return projekt;
}

// Computes the proposal of `projekt` once per iteration; returns the item count of the last.
std::size_t RunProposals(benchmark::State& state, CProjekt& projekt, const CMaterialList& materials)
{
    UnattendedUi ui;
    MemorySettingsStore settings;
    CalcContext context{ui, settings, Separators{}};
    std::size_t items = 0;
    for (auto _ : state) {
        auto navrh = VytvorNavrh(projekt, projekt, materials, false, false, LocalTime{}, context);
        items = navrh->Polozky.size();
        benchmark::DoNotOptimize(navrh.get());
    }
    return items;
}

void BM_WallProposal(benchmark::State& state)
{
    const CMaterialList materials = WallPriceList();
    const int walls = static_cast<int>(state.range(0));
    const auto projekt = WallProject(walls);
    RunProposals(state, *projekt, materials);
    state.SetComplexityN(walls);
    state.SetItemsProcessed(state.iterations() * walls);
}
BENCHMARK(BM_WallProposal)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

// 1 000 walls against price lists of growing size; the time per wall (and the proposal, whose
// item count is reported) must stay the same.
void BM_WallPriceListSize(benchmark::State& state)
{
    const CMaterialList materials = WallPriceList(static_cast<int>(state.range(0)));
    constexpr int kWalls = 1000;
    const auto projekt = WallProject(kWalls);
    const std::size_t items = RunProposals(state, *projekt, materials);
    state.SetItemsProcessed(state.iterations() * kWalls);
    state.counters["items"] = static_cast<double>(items);
}
BENCHMARK(BM_WallPriceListSize)->Arg(2000)->Arg(50000)->Unit(benchmark::kMillisecond);

}  // namespace
