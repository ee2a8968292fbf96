#include <gtest/gtest.h>

#include "settings/memory_settings_store.h"
#include "model/element.h"
#include "proposal/item_operations.h"
#include "proposal/navrh.h"
#include "support/scripted_ui.h"
#include "support/test_materials.h"

namespace belvo {
namespace {

using test::Add;

const Separators kPoint{".", ""};
std::string Show(const CCislo& c) { return c.Format(kPoint, CCislo::kPoint); }

class ItemOperations : public ::testing::Test {
protected:
    ItemOperations()
    {
        brick = &Add(materials, {"110100", "Cihla 30", 1, 0});
        mortar = &Add(materials, {"380001", "Malta tepelná", 38, 0});
    }

    CMaterialList materials;
    const CMaterial* brick = nullptr;
    const CMaterial* mortar = nullptr;
    CNavrh navrh;
    ScriptedUi ui;
    MemorySettingsStore settings;
    CalcContext context{ui, settings, Separators{}};
};

TEST_F(ItemOperations, EqualMaterialAndLabelMergeOtherwiseNewItems)
{
    PridejPolozku(navrh, "", *brick, CCislo(10), CCislo(0), false);
    PridejPolozku(navrh, "", *mortar, CCislo(25, 1), CCislo(0), false);
    PridejPolozku(navrh, "", *brick, CCislo(55, 1), CCislo(0), false);
    PridejPolozku(navrh, "Patro", *brick, CCislo(3), CCislo(0), false);
    PridejPolozku(navrh, "patro", *brick, CCislo(4), CCislo(0), false);  // labels compare byte for byte

    ASSERT_EQ(navrh.Polozky.size(), 4u);
    EXPECT_EQ(navrh.Polozky[0]->ObjCislo, "110100");
    EXPECT_EQ(Show(navrh.Polozky[0]->NavrhKs), "15.5");
    EXPECT_EQ(Show(navrh.Polozky[1]->NavrhKs), "2.5");
    EXPECT_EQ(navrh.Polozky[2]->NazevSkupiny, "Patro");
    EXPECT_EQ(navrh.Polozky[3]->NazevSkupiny, "patro");
}

TEST_F(ItemOperations, NewItemCopiesTheMaterial)
{
    PridejPolozku(navrh, " ", *brick, CCislo(7), CCislo(0), false);
    const CPolozka& p = *navrh.Polozky.at(0);
    EXPECT_EQ(p.Nazev, "Cihla 30");
    EXPECT_EQ(p.Zavod, "Závod 1");
    EXPECT_EQ(Show(p.KsNaPalete), "100");
    EXPECT_EQ(Show(p.CenaPaleta), "10.00");
    EXPECT_EQ(Show(p.CenaVolna), "12.00");
    EXPECT_EQ(p.PaletaNazev, "EUR paleta");
    EXPECT_EQ(Show(p.PaletaCena), "250.00");
    EXPECT_EQ(p.PaletaObjCislo, "PAL-EUR paleta");
    EXPECT_EQ(p.Ttu2, "0,25");
    EXPECT_EQ(p.SkupZbo, "100");
    EXPECT_EQ(p.NazevSkupiny, " ");
    EXPECT_EQ(Show(p.Sleva), "0");
    EXPECT_EQ(Show(p.Sirka), "300");  // a wall brick keeps its width
    EXPECT_TRUE(p.Palet.IsNull());
    EXPECT_TRUE(p.PlusKs.IsNull());
    EXPECT_TRUE(p.PuvodniObjCislo.empty());

    PridejPolozku(navrh, " ", *mortar, CCislo(1), CCislo(0), false);
    EXPECT_TRUE(navrh.Polozky.at(1)->Sirka.SameAs(CCislo(0)));  // other groups sort as width 0
}

TEST_F(ItemOperations, SpecialRowsGetTheAbsoluteGroup)
{
    const CMaterial& variantMortar = Add(materials, {"380002sb", "Malta sb", -38, 4});
    PridejPolozku(navrh, "", variantMortar, CCislo(1), CCislo(0), false);
    EXPECT_EQ(Show(navrh.Polozky.at(0)->Skupina), "38");
    EXPECT_EQ(Show(navrh.Polozky.at(0)->Typ), "4");
}

TEST_F(ItemOperations, SeparateItemsNeverMerge)
{
    PridejPolozku(navrh, "", *brick, CCislo(1), CCislo(0), true);
    PridejPolozku(navrh, "", *brick, CCislo(2), CCislo(0), true);
    PridejPolozku(navrh, "", *brick, CCislo(3), CCislo(0), false);
    ASSERT_EQ(navrh.Polozky.size(), 3u);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(navrh.Polozky[i]->ObjCislo, "----");
        EXPECT_EQ(navrh.Polozky[i]->PuvodniObjCislo, "110100");
    }
    EXPECT_EQ(navrh.Polozky[2]->ObjCislo, "110100");
    EXPECT_EQ(Show(navrh.Polozky[2]->NavrhKs), "3");
}

TEST_F(ItemOperations, SurchargeIsANegativeDiscountOfTheNewItemOnly)
{
    PridejPolozku(navrh, "", *brick, CCislo(1), CCislo(20), false);
    PridejPolozku(navrh, "", *brick, CCislo(1), CCislo(35), false);
    ASSERT_EQ(navrh.Polozky.size(), 1u);
    EXPECT_EQ(Show(navrh.Polozky[0]->Sleva), "-20");
    EXPECT_EQ(Show(navrh.Polozky[0]->NavrhKs), "2");
}

TEST_F(ItemOperations, OnlyPositiveQuantitiesOfTheGuardedOperations)
{
    struct Case {
        CCislo quantity;
        bool added;
    };
    for (const Case& c : {Case{CCislo(0), false}, Case{CCislo(-5, 1), false}, Case{CCislo(1, 2), true}}) {
        CNavrh fresh;
        PridejPolozkuKladnou(fresh, "", *brick, c.quantity, CCislo(0), false);
        PridejObjCislo(fresh, "", materials, "380001", c.quantity, CCislo(0), false, context);
        EXPECT_EQ(fresh.Polozky.size(), c.added ? 2u : 0u) << Show(c.quantity);
    }
    PridejPolozku(navrh, "", *brick, CCislo(-3), CCislo(0), false);  // the plain operation adds anything
    EXPECT_EQ(Show(navrh.Polozky.at(0)->NavrhKs), "-3");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ItemOperations, MissingOrderNumberIsReportedAndSkipped)
{
    PridejObjCislo(navrh, "", materials, "999999", CCislo(4), CCislo(0), false, context);
    PridejObjCislo(navrh, "", materials, "380001", CCislo(4), CCislo(0), false, context);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0],
              (RecordedMessage{"Material s obj.číslem 999999\nnenalezen v číselníku", "Chyba", MessageIcon::Warning}));
    ASSERT_EQ(navrh.Polozky.size(), 1u);
    EXPECT_EQ(navrh.Polozky[0]->ObjCislo, "380001");
}

TEST_F(ItemOperations, LookupByOrderNumberTakesTheFirstRowInListOrder)
{
    Add(materials, {"120000", "Cihla otočená", 1, 0, CCislo(100), CCislo(1000, 2), CCislo(1200, 2), "EUR paleta",
                    CCislo(250), CCislo(12500, 3), CCislo(0), CCislo(1)});
    Add(materials, {"120000", "Cihla", 1, 0});
    PridejObjCislo(navrh, "", materials, "120000", CCislo(1), CCislo(0), false, context);
    EXPECT_EQ(navrh.Polozky.at(0)->Nazev, "Cihla otočená");  // the first row in list order
}

TEST_F(ItemOperations, MergingFollowsAReorderedList)
{
    PridejPolozku(navrh, "", *brick, CCislo(1), CCislo(0), false);
    PridejPolozku(navrh, "", *mortar, CCislo(1), CCislo(0), false);
    std::swap(navrh.Polozky[0], navrh.Polozky[1]);
    PridejPolozku(navrh, "", *brick, CCislo(1), CCislo(0), false);
    navrh.Polozky.erase(navrh.Polozky.begin());
    PridejPolozku(navrh, "", *brick, CCislo(1), CCislo(0), false);
    PridejPolozku(navrh, "", *mortar, CCislo(7), CCislo(0), false);
    ASSERT_EQ(navrh.Polozky.size(), 2u);
    EXPECT_EQ(Show(navrh.Polozky[0]->NavrhKs), "3");
    EXPECT_EQ(navrh.Polozky[1]->ObjCislo, "380001");
    EXPECT_EQ(Show(navrh.Polozky[1]->NavrhKs), "7");
}

class MaterialChoice : public ItemOperations {
protected:
    MaterialChoice()
    {
        Add(materials, {"810300", "Polystyren B", 80, 0});
        Add(materials, {"810100", "Polystyren A", 80, 0});
        Add(materials, {"810200", "Perlit", 80, 1});
        Add(materials, {"810100", "Polystyren A (druhý řádek)", 80, 0});
    }
};

TEST_F(MaterialChoice, NormalProposalAsksOnceAndKeepsTheChoice)
{
    ui.choices.push_back(std::size_t{1});
    const CMaterial* first = VyberMaterial(navrh, materials, 80, 0, false, context);
    const CMaterial* again = VyberMaterial(navrh, materials, 80, 0, false, context);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->Nazev, "Polystyren A");
    EXPECT_EQ(again, first);
    ASSERT_EQ(ui.listChoices.size(), 1u);
    EXPECT_EQ(ui.listChoices[0].title, "Výběr alternativního materiálu");
    EXPECT_EQ(ui.listChoices[0].lines,
              (std::vector<std::string>{"810300 Polystyren B", "810100 Polystyren A", "810100 Polystyren A (druhý řádek)"}));
    EXPECT_EQ(ui.listChoices[0].preselected, std::size_t{0});
}

TEST_F(MaterialChoice, ClosingTheDialogWithoutAnAnswerTakesTheFirstLine)
{
    ui.choices.push_back(std::nullopt);
    EXPECT_EQ(VyberMaterial(navrh, materials, 80, 0, false, context)->Nazev, "Polystyren B");
}

TEST_F(MaterialChoice, SingleCandidateAndNoCandidateAskNothing)
{
    EXPECT_EQ(VyberMaterial(navrh, materials, 80, 1, false, context)->Nazev, "Perlit");
    EXPECT_EQ(VyberMaterial(navrh, materials, 80, 7, false, context), nullptr);
    EXPECT_EQ(VyberMaterial(navrh, materials, 80, 7, false, context), nullptr);
    EXPECT_TRUE(ui.listChoices.empty());
    EXPECT_EQ(navrh.ZvoleneMaterialy.size(), 1u);
}

TEST_F(MaterialChoice, QuickProposalTakesTheSmallestOrderNumberAndTheLastOfEqualOnes)
{
    navrh.Zrychleny = 1;
    EXPECT_EQ(VyberMaterial(navrh, materials, 80, 0, false, context)->Nazev, "Polystyren A (druhý řádek)");
    EXPECT_TRUE(ui.listChoices.empty());
}

TEST_F(MaterialChoice, QuickChoiceComparesWindows1250Bytes)
{
    // "Ž" is 0x8E in Windows-1250 and sorts before "Č" (0xC8); in UTF-8 the order is reversed.
    Add(materials, {"Č-1", "Čedič", 91, 0});
    Add(materials, {"Ž-1", "Žula", 91, 0});
    navrh.Zrychleny = 1;
    EXPECT_EQ(VyberMaterial(navrh, materials, 91, 0, false, context)->Nazev, "Žula");
}

TEST_F(MaterialChoice, MortarFlagNeedsAMortarFigure)
{
    Add(materials, {"380010", "Malta bez údaje", 38, 1});
    Add(materials, {"380011", "Malta s údajem", 38, 1, CCislo(100), CCislo(1000, 2), CCislo(1200, 2), "EUR paleta",
                    CCislo(0), CCislo(25), CCislo(15, 1)});
    EXPECT_EQ(VyberMaterial(navrh, materials, 38, 1, true, context)->Nazev, "Malta s údajem");
    EXPECT_TRUE(ui.listChoices.empty());
    // Without the flag both qualify; the earlier choice qualifies too and is kept.
    EXPECT_EQ(VyberMaterial(navrh, materials, 38, 1, false, context)->Nazev, "Malta s údajem");
    EXPECT_TRUE(ui.listChoices.empty());
}

}  // namespace
}  // namespace belvo
