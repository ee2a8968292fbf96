#include <gtest/gtest.h>

#include "settings/memory_settings_store.h"
#include "model/projekt.h"
#include "model/skupina.h"
#include "proposal/navrh.h"
#include "proposal/vytvor_navrh.h"
#include "support/fixture_element.h"
#include "support/scripted_ui.h"
#include "support/test_materials.h"
#include "support/tree_builder.h"

namespace belvo {
namespace {

using test::Add;
using test::CTestPrvek;
using Contribution = CTestPrvek::Contribution;

const Separators kPoint{".", ""};
std::string Show(const CCislo& c) { return c.Format(kPoint, CCislo::kPoint); }
const LocalTime kNow{2016, 3, 5, 9, 7, 0};

using test::AddChild;
using test::Group;

std::unique_ptr<CTestPrvek> Element(std::string name, std::vector<Contribution> contributions)
{
    return std::make_unique<CTestPrvek>(std::move(name), std::move(contributions));
}

class ProposalComputation : public ::testing::Test {
protected:
    ProposalComputation()
    {
        Add(materials, {"110300", "Cihla 30", 1, 0, CCislo(100), CCislo(1000, 2), CCislo(1200, 2), "EUR", CCislo(300)});
        Add(materials, {"110440", "Cihla 44", 1, 0, CCislo(80), CCislo(1500, 2), CCislo(1800, 2), "EUR", CCislo(440)});
        Add(materials, {"110301", "Cihla 30 roh", 1, 1, CCislo(100), CCislo(1100, 2), CCislo(1300, 2), "EUR", CCislo(300)});
        Add(materials, {"380001", "Malta", 38, 0, CCislo(48), CCislo(9000, 2), CCislo(9000, 2), "Malta pal."});
        Add(materials, {"900001", "Výztuž", 90, 0, CCislo(0)});
        Add(materials, {"910001", "Kotva", 91, 0, CCislo(0)});
        projekt.Nazev = "Dům\nBrno";
        projekt.CenikId = "CZ20160515 14:30 (Kč)/K1";
        projekt.Autor = "Projektant";
        projekt.DPH = CCislo(21);
        projekt.Sleva = CCislo(5);
        projekt.Atyp = CCislo(20);
        projekt.SDPH = true;
        projekt.DopravaKm = CCislo(12);
        projekt.DopravaCenaKm = CCislo(3050, 2);
        projekt.DopravaCena = CCislo(36600, 2);
    }

    std::unique_ptr<CNavrh> Compute(CPrvek& element, bool quick = false, bool split = false)
    {
        return VytvorNavrh(element, projekt, materials, quick, split, kNow, context);
    }

    CMaterialList materials;
    CProjekt projekt;
    ScriptedUi ui;
    MemorySettingsStore settings;
    CalcContext context{ui, settings, Separators{}};
};

TEST_F(ProposalComputation, EmptyProjectGivesAnEmptyProposalWithItsParameters)
{
    const auto navrh = Compute(projekt);
    EXPECT_TRUE(navrh->Polozky.empty());
    EXPECT_EQ(navrh->CelyProjekt, 1);
    EXPECT_EQ(navrh->Zrychleny, 0);
    EXPECT_EQ(navrh->Jmeno, "Dům");
    EXPECT_EQ(navrh->JmenoRadek2, "Brno");
    EXPECT_EQ(navrh->Titulek, "Návrh materiálu pro Dům");
    EXPECT_EQ(navrh->Datum, "5.3.2016 09:07");
    EXPECT_EQ(navrh->Cenik, "CZ20160515 14:30 (Kč)/K1");
    EXPECT_EQ(navrh->Autor, "Projektant");
    EXPECT_EQ(navrh->SDPH, 1);
    EXPECT_EQ(Show(navrh->DPH), "21");
    EXPECT_EQ(Show(navrh->SlevaVse), "5");
    EXPECT_EQ(Show(navrh->Atyp), "20");
    EXPECT_EQ(Show(navrh->DopravaKm), "12");
    EXPECT_EQ(Show(navrh->DopravaCenaKm), "30.50");
    EXPECT_EQ(Show(navrh->DopravaCena), "366.00");
    EXPECT_EQ(navrh->Rezerva, 0);
    EXPECT_TRUE(navrh->Nazev.empty());
}

TEST_F(ProposalComputation, PartialAndQuickProposalsNameTheElement)
{
    CSkupina& group = AddChild(projekt, Group("Přízemí"));
    CTestPrvek& wall = AddChild(group, Element("Zeď 1", {{"110300", CCislo(5)}}));
    const auto navrh = Compute(wall);
    EXPECT_EQ(navrh->CelyProjekt, 0);
    EXPECT_EQ(navrh->Jmeno, "Dům - Zeď 1");
    EXPECT_EQ(navrh->Titulek, "Návrh materiálu pro Dům - Zeď 1");
    ASSERT_EQ(navrh->Polozky.size(), 1u);

    projekt.Nazev = "Chata";
    const auto quick = Compute(group, true);
    EXPECT_EQ(quick->Zrychleny, 1);
    EXPECT_EQ(quick->Jmeno, "Chata - Přízemí");
    EXPECT_EQ(quick->JmenoRadek2, "");
    EXPECT_EQ(quick->Titulek, "Zrychlený návrh materiálu pro Chata - Přízemí");
}

TEST_F(ProposalComputation, LabelsFollowTheInnermostGroupOnlyWhenSplit)
{
    AddChild(projekt, Element("Přímo", {{"380001", CCislo(1)}}));
    CSkupina& outer = AddChild(projekt, Group("Přízemí"));
    AddChild(outer, Element("Venku", {{"380001", CCislo(2)}}));
    CSkupina& inner = AddChild(outer, Group("Koupelna"));
    AddChild(inner, Element("Uvnitř", {{"380001", CCislo(4)}}));

    const auto split = Compute(projekt, false, true);
    ASSERT_EQ(split->Polozky.size(), 3u);
    EXPECT_EQ(split->Polozky[0]->NazevSkupiny, " ");
    EXPECT_EQ(Show(split->Polozky[0]->NavrhKs), "1");
    EXPECT_EQ(split->Polozky[1]->NazevSkupiny, "Koupelna");
    EXPECT_EQ(Show(split->Polozky[1]->NavrhKs), "4");
    EXPECT_EQ(split->Polozky[2]->NazevSkupiny, "Přízemí");
    EXPECT_EQ(Show(split->Polozky[2]->NavrhKs), "2");

    const auto whole = Compute(projekt);
    ASSERT_EQ(whole->Polozky.size(), 1u);
    EXPECT_EQ(whole->Polozky[0]->NazevSkupiny, "");
    EXPECT_EQ(Show(whole->Polozky[0]->NavrhKs), "7");
}

TEST_F(ProposalComputation, SortOrderGroupLabelThenGroupThenWiderBricksThenType)
{
    // Czech group names sort by their Windows-1250 bytes: "Ž" (0x8E) before "Č" (0xC8), which
    // UTF-8 would order the other way round.
    CSkupina& cellar = AddChild(projekt, Group("Čistírna"));
    CSkupina& garage = AddChild(projekt, Group("Žumpa"));
    AddChild(cellar, Element("A", {{"910001", CCislo(1)}, {"110300", CCislo(1)}, {"110301", CCislo(1)},
                                   {"380001", CCislo(1)}, {"110440", CCislo(1)}, {"900001", CCislo(1)}}));
    AddChild(garage, Element("B", {{"380001", CCislo(1)}}));
    AddChild(projekt, Element("C", {{"910001", CCislo(1)}}));

    const auto navrh = Compute(projekt, false, true);
    std::vector<std::string> order;
    for (const auto& p : navrh->Polozky) order.push_back(p->NazevSkupiny + "|" + p->ObjCislo);
    EXPECT_EQ(order, (std::vector<std::string>{" |910001", "Žumpa|380001", "Čistírna|110440", "Čistírna|110300",
                                               "Čistírna|110301", "Čistírna|380001", "Čistírna|900001",
                                               "Čistírna|910001"}));
}

TEST_F(ProposalComputation, EqualKeysKeepTheOrderOfFirstAddition)
{
    Add(materials, {"A2", "Kotva 2", 91, 0, CCislo(0)});
    Add(materials, {"A1", "Kotva 1", 91, 0, CCislo(0)});
    AddChild(projekt, Element("E", {{"A2", CCislo(1)}, {"910001", CCislo(1)}, {"A1", CCislo(1)}, {"A2", CCislo(1)}}));
    const auto navrh = Compute(projekt);
    std::vector<std::string> order;
    for (const auto& p : navrh->Polozky) order.push_back(p->ObjCislo);
    EXPECT_EQ(order, (std::vector<std::string>{"A2", "910001", "A1"}));
}

TEST_F(ProposalComputation, QuantitiesRoundUpToWholePiecesUnlessSplit)
{
    struct Case {
        CCislo quantity;
        const char* whole;
        const char* split;
    };
    const Case cases[] = {
        {CCislo(1001, 2), "11", "10.01"},
        {CCislo(10009, 3), "10", "10.009"},
        {CCislo(1200, 2), "12", "12.00"},
        {CCislo(12), "12", "12"},
        {CCislo(1, 2), "1", "0.01"},
    };
    for (const Case& c : cases) {
        CProjekt p;
        p.Nazev = "P";
        AddChild(p, Element("E", {{"380001", c.quantity}}));
        const auto whole = VytvorNavrh(p, p, materials, false, false, kNow, context);
        const auto split = VytvorNavrh(p, p, materials, false, true, kNow, context);
        EXPECT_EQ(Show(whole->Polozky.at(0)->NavrhKs), c.whole) << c.whole;
        EXPECT_EQ(Show(split->Polozky.at(0)->NavrhKs), c.split) << c.split;
    }
}

TEST_F(ProposalComputation, MaterialChoiceIsAskedOncePerProposal)
{
    Add(materials, {"810100", "Polystyren A", 80, 0});
    Add(materials, {"810050", "Polystyren B", 80, 0});
    for (const char* name : {"Zeď 1", "Zeď 2", "Zeď 3"}) {
        CTestPrvek& wall = AddChild(projekt, Element(name, {}));
        wall.choices.push_back({80, 0, false, CCislo(2)});
    }
    ui.choices.push_back(std::size_t{0});
    const auto normal = Compute(projekt);
    ASSERT_EQ(normal->Polozky.size(), 1u);
    EXPECT_EQ(normal->Polozky[0]->ObjCislo, "810100");
    EXPECT_EQ(Show(normal->Polozky[0]->NavrhKs), "6");
    EXPECT_EQ(ui.listChoices.size(), 1u);
    EXPECT_TRUE(normal->ZvoleneMaterialy.empty());  // the choices hold only while computing

    const auto again = Compute(projekt);  // a new proposal asks again
    EXPECT_EQ(ui.listChoices.size(), 2u);

    const auto quick = Compute(projekt, true);
    EXPECT_EQ(ui.listChoices.size(), 2u);
    EXPECT_EQ(quick->Polozky.at(0)->ObjCislo, "810050");
}

TEST_F(ProposalComputation, FailureInAGroupStopsItsSiblingsAndKeepsWhatWasAdded)
{
    CSkupina& group = AddChild(projekt, Group("Patro"));
    AddChild(group, Element("Dobrý", {{"380001", CCislo(1)}}));
    CTestPrvek& bad = AddChild(group, Element("Vadný", {{"910001", CCislo(1)}}));
    bad.failAfterAdding = true;
    AddChild(group, Element("Nepočítaný", {{"900001", CCislo(1)}}));
    AddChild(projekt, Element("Další", {{"110300", CCislo(1)}}));

    const auto navrh = Compute(projekt);
    std::vector<std::string> order;
    for (const auto& p : navrh->Polozky) order.push_back(p->ObjCislo);
    EXPECT_EQ(order, (std::vector<std::string>{"110300", "380001", "910001"}));
    EXPECT_EQ(ui.MessageLines(), (std::vector<std::string>{"Karno: Prvek selhal", "Patro: CSkupina::VypocetPolozek"}));
}

TEST_F(ProposalComputation, FailureDirectlyBelowTheProjectIsReportedByTheProject)
{
    AddChild(projekt, Element("Dobrý", {{"380001", CCislo(1)}}));
    AddChild(projekt, Element("Vadný", {})).failAfterAdding = true;
    AddChild(projekt, Element("Nepočítaný", {{"900001", CCislo(1)}}));
    const auto navrh = Compute(projekt);
    EXPECT_EQ(navrh->Polozky.size(), 1u);
    EXPECT_EQ(ui.MessageLines(), (std::vector<std::string>{"Karno: Prvek selhal", "Chyba: CProjekt::VypocetPolozek"}));
}

}  // namespace
}  // namespace belvo
