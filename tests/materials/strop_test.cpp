#include <gtest/gtest.h>

#include "materials/element_fixture.h"
#include "materials/strop.h"

namespace belvo::test {
namespace {

class StropTest : public ElementTest {
protected:
    void SetUp() override
    {
        Add("V1", 7, 0, N("500"), N("248"), N("200"));  // insert of modular length 250
        Add("H1", 39, 0, N("250"), N("600"), N("80"), "15");
        Add("PAT1", 39, 1, N("50"), N("250"), N("80"), "15");
        Add("PAT2", 39, 1, N("50"), N("250"), N("80"), "12;15");
        Add("PAT3", 39, 1, N("50"), N("250"), N("80"), "12");
        Add("E", 38, 0, N("0"), N("0"), N("0"));  // no family at all
    }
};

TEST_F(StropTest, PiecesPerBayAreRoundedUpAfterCuttingToOneDecimal)
{
    const CMaterial& insert = *materials.Find("V1");
    struct Case {
        int delka;
        int perBay;
    };
    // 3600 / 250 = 14.4 → 15; 3500 / 250 = 14.0 → 14; 3510 / 250 = 14.04, cut to 14.0 → 14.
    for (const Case& c : {Case{3600, 15}, Case{3500, 14}, Case{3510, 14}, Case{0, 0}}) {
        SCOPED_TRACE(c.delka);
        EXPECT_EQ(KusuNaPole(CCislo(c.delka), insert), CCislo(c.perBay));
    }
    EXPECT_EQ(KusuCelkem(CCislo(15), CCislo(4)), CCislo(60));
    EXPECT_EQ(KusuNaPole(CCislo(3600), *materials.Find("E")), CCislo(0));  // no length: no pieces
}

TEST_F(StropTest, InsertsOverFourBays)
{
    CVelto ceiling;
    EXPECT_EQ(ceiling.PocetPoli, CCislo(1));
    ceiling.ObjCislo = "V1";
    ceiling.Delka = CCislo(3600);
    ceiling.PocetPoli = CCislo(4);
    ceiling.PocetKusu = ceiling.SpoctiKusy(*materials.Find("V1"));
    EXPECT_EQ(ceiling.PocetKusu, CCislo(60));
    Compute(ceiling);
    EXPECT_EQ(Quantity("V1"), CCislo(60));
}

TEST_F(StropTest, InsertsWithoutPiecesOrMaterial)
{
    CVelto empty;
    empty.ObjCislo = "V1";
    Compute(empty);
    EXPECT_TRUE(navrh.Polozky.empty());
    EXPECT_TRUE(ui.messages.empty());

    CVelto missing;
    missing.ObjCislo = "NONE";
    missing.MaterialText = "vložka";
    missing.PocetKusu = CCislo(5);
    Compute(missing);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Material vložka(NONE)\nnenalezen v číselníku");
}

TEST_F(StropTest, HurdisSupportsGoToEveryRecordOfThePlanksFamily)
{
    CHurdis ceiling;
    ceiling.ObjCislo = "H1";
    ceiling.PocetKusu = CCislo(60);
    ceiling.Patky = 1;
    Compute(ceiling);
    EXPECT_EQ(Quantity("H1"), CCislo(60));
    EXPECT_EQ(Quantity("PAT1"), CCislo(120));
    EXPECT_EQ(Quantity("PAT2"), CCislo(120));
    EXPECT_EQ(Item("PAT3"), nullptr);
    EXPECT_EQ(Item("E"), nullptr);
    EXPECT_EQ(navrh.Polozky.size(), 3u);
}

TEST_F(StropTest, HurdisWithoutSupportsAddsOnlyThePlanks)
{
    CHurdis ceiling;
    ceiling.ObjCislo = "H1";
    ceiling.PocetKusu = CCislo(60);
    Compute(ceiling);
    EXPECT_EQ(navrh.Polozky.size(), 1u);
}

TEST_F(StropTest, PlankWithoutAFamilyCodeHasNoSupports)
{
    Add("H0", 39, 0, N("250"), N("600"), N("80"));
    CHurdis ceiling;
    ceiling.ObjCislo = "H0";
    ceiling.PocetKusu = CCislo(10);
    ceiling.Patky = 1;
    Compute(ceiling);
    EXPECT_EQ(navrh.Polozky.size(), 1u);
    EXPECT_EQ(Quantity("H0"), CCislo(10));
}

TEST_F(StropTest, MissingPlankLooksForNoSupports)
{
    CHurdis ceiling;
    ceiling.ObjCislo = "NONE";
    ceiling.PocetKusu = CCislo(60);
    ceiling.Patky = 1;
    Compute(ceiling);
    EXPECT_TRUE(navrh.Polozky.empty());
    EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(StropTest, NewElementsAreNamedAndPictured)
{
    EXPECT_EQ(CVelto().Nazev, "Stropní vložky");
    EXPECT_EQ(CVelto().TreePicture(), 17);
    EXPECT_EQ(CHurdis().Nazev, "Stropní systém Hurdis");
    EXPECT_EQ(CHurdis().TreePicture(), 15);
    EXPECT_EQ(CHurdis().Patky, 0);
}

}  // namespace
}  // namespace belvo::test
