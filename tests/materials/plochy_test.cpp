// Shaped bricks, paving and facing strips: areas of pieces with openings and slants taken off.
#include <gtest/gtest.h>

#include "materials/dlazba.h"
#include "materials/element_fixture.h"
#include "materials/pasky.h"
#include "materials/tvarovky.h"
#include "walls/okna.h"
#include "walls/zkoseni.h"

namespace belvo::test {
namespace {

std::unique_ptr<COkna> Otvor(const CCislo& plocha, const CCislo& pocet)
{
    auto opening = std::make_unique<COkna>();
    opening->Nazev = "Otvor";
    opening->Plocha = plocha;
    opening->Pocet = pocet;
    return opening;
}

std::unique_ptr<CZkoseni> Zkoseni(const CCislo& plocha, const CCislo& pocet)
{
    auto slant = std::make_unique<CZkoseni>();
    slant->Nazev = "Zkoseni";
    slant->Plocha = plocha;
    slant->Pocet = pocet;
    return slant;
}

class TvarovkyTest : public ElementTest {
protected:
    void SetUp() override { Add("T1", 501, 0, N("185"), N("385"), N("120")); }

    std::unique_ptr<CTvarovky> Zed(const CCislo& delka, const CCislo& vyska)
    {
        auto element = std::make_unique<CTvarovky>();
        element->ObjCislo = "T1";
        element->MaterialText = "T1";
        element->Delka = delka;
        element->Vyska = vyska;
        return element;
    }
};

TEST_F(TvarovkyTest, WallOfShapedBricks)
{
    // 5 courses of 2000.00 / 400 = 5.00 pieces, rounded to 5.5: 27.5 + 0.1 → 28.
    Compute(*Zed(CCislo(2000), CCislo(1000)));
    EXPECT_EQ(Quantity("T1"), CCislo(28));
    EXPECT_EQ(CTvarovky::VyskaSaru(*materials.Find("T1")), CCislo(200));
}

TEST_F(TvarovkyTest, OpeningsAndSlantsAreTakenOff)
{
    auto wall = Zed(CCislo(2000), CCislo(1000));
    wall->Otvory.push_back(Otvor(CCislo(400000), CCislo(2)));  // 800 000 / 80 000 = 10
    Compute(*wall);
    EXPECT_EQ(Quantity("T1"), CCislo(18));

    navrh.Polozky.clear();
    wall->Zkoseni.push_back(Zkoseni(CCislo(100000), CCislo(1)));  // 1.25, truncated to 1
    Compute(*wall);
    EXPECT_EQ(Quantity("T1"), CCislo(17));
}

TEST_F(TvarovkyTest, ClearedLengthAndHeightAddNothing)
{
    auto wall = Zed(CCislo(0), CCislo(0));
    wall->Plocha = CCislo(2000000);
    Compute(*wall);
    EXPECT_TRUE(navrh.Polozky.empty());
}

TEST_F(TvarovkyTest, ZeroSizedPieceIsAFailureReportedByName)
{
    Add("T0", 501, 0, N("-15"), N("385"), N("120"));
    auto wall = Zed(CCislo(2000), CCislo(1000));
    wall->ObjCislo = "T0";
    Compute(*wall);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].text, "CTvarovky::VypocetPolozek");
}

class DlazbaTest : public ElementTest {
protected:
    void SetUp() override { Add("D1", 500, 0, N("285"), N("285"), N("40")); }

    std::unique_ptr<CDlazba> Dlazba(const CCislo& plocha)
    {
        auto element = std::make_unique<CDlazba>(500, kObrazekDlazba);
        element->ObjCislo = "D1";
        element->MaterialText = "D1";
        element->Plocha = plocha;
        return element;
    }
};

TEST_F(DlazbaTest, PavingIsRoundedUpToWholeTiles)
{
    // 10000000.0 / 90000 = 111.1 → 112.
    Compute(*Dlazba(CCislo(10000000)));
    EXPECT_EQ(Quantity("D1"), CCislo(112));
}

TEST_F(DlazbaTest, OpeningsTakeWholeTilesOff)
{
    for (const char* area : {"900000", "950000"}) {
        SCOPED_TRACE(area);
        navrh.Polozky.clear();
        auto paving = Dlazba(CCislo(10000000));
        paving->Otvory.push_back(Otvor(N(area), CCislo(1)));
        Compute(*paving);
        EXPECT_EQ(Quantity("D1"), CCislo(102));
    }
    navrh.Polozky.clear();
    auto slanted = Dlazba(CCislo(10000000));
    slanted->Zkoseni.push_back(Zkoseni(CCislo(180000), CCislo(2)));
    Compute(*slanted);
    EXPECT_EQ(Quantity("D1"), CCislo(108));
}

TEST_F(DlazbaTest, FormworkBoardsUseTheirOwnPresets)
{
    const CDlazba boards(600, kObrazekSalovaciDesky);
    EXPECT_EQ(boards.Skupina, 600);
    EXPECT_EQ(boards.TreePicture(), 20);
    EXPECT_EQ(CDlazba().Nazev, "Dlažba");
}

// Strips catalogued 71 × 240 (module 75 × 250) and their corner piece.
class PaskyTest : public ElementTest {
protected:
    void SetUp() override { Add("PS", 504, 0, N("71"), N("240"), N("14"), "7"); }

    void AddCorner() { Add("PR", 504, 1, N("71"), N("240"), N("14"), "7"); }

    std::unique_ptr<CPasky> Obklad(std::int32_t rohy)
    {
        auto element = std::make_unique<CPasky>();
        element->ObjCislo = "PS";
        element->MaterialText = "PS";
        element->Delka = CCislo(2000);
        element->Vyska = CCislo(1050);
        element->Rohy = rohy;
        return element;
    }
};

TEST_F(PaskyTest, FacingWithoutCorners)
{
    // 14 courses × 8.5 strips = 119.0 → 119.
    Compute(*Obklad(0));
    EXPECT_EQ(Quantity("PS"), CCislo(119));
}

TEST_F(PaskyTest, CornerPiecesReplaceStrips)
{
    AddCorner();
    Compute(*Obklad(3));
    EXPECT_EQ(Quantity("PR"), CCislo(14));
    EXPECT_EQ(Quantity("PS"), CCislo(98));

    navrh.Polozky.clear();
    Compute(*Obklad(1));  // 7 corner pieces, 3.5 strips replaced: 119 - 7 - 3.5 + 0.1 → 109
    EXPECT_EQ(Quantity("PR"), CCislo(7));
    EXPECT_EQ(Quantity("PS"), CCislo(109));
}

TEST_F(PaskyTest, CornersWithoutACornerPieceChangeNothing)
{
    Compute(*Obklad(3));
    EXPECT_EQ(Quantity("PS"), CCislo(119));
    EXPECT_EQ(navrh.Polozky.size(), 1u);
}

TEST_F(PaskyTest, OpeningTakesStripsOffWithAndWithoutCorners)
{
    AddCorner();
    auto withCorners = Obklad(3);
    withCorners->Otvory.push_back(Otvor(CCislo(187500), CCislo(1)));  // 10 strips
    Compute(*withCorners);
    EXPECT_EQ(Quantity("PS"), CCislo(88));
    EXPECT_EQ(Quantity("PR"), CCislo(14));

    navrh.Polozky.clear();
    auto plain = Obklad(0);
    plain->Otvory.push_back(Otvor(CCislo(187500), CCislo(1)));
    Compute(*plain);
    EXPECT_EQ(Quantity("PS"), CCislo(109));
}

TEST_F(PaskyTest, FacingGivenByItsAreaAloneCountsTheArea)
{
    AddCorner();
    auto facing = Obklad(0);
    facing->Delka = CCislo(0);
    facing->Vyska = CCislo(0);
    facing->Plocha = CCislo(1875000);  // 100 strips of 75 × 250
    Compute(*facing);
    EXPECT_EQ(Quantity("PS"), CCislo(100));

    navrh.Polozky.clear();
    facing->Plocha = CCislo(1880000);  // 100.2, rounded up
    Compute(*facing);
    EXPECT_EQ(Quantity("PS"), CCislo(101));
    EXPECT_EQ(Item("PR"), nullptr);

    navrh.Polozky.clear();
    facing->Plocha = CCislo();
    Compute(*facing);
    EXPECT_TRUE(navrh.Polozky.empty());
}

TEST_F(PaskyTest, CourseHeightIsTheModularWidth)
{
    EXPECT_EQ(CPasky::VyskaSaru(*materials.Find("PS")), CCislo(75));
}

}  // namespace
}  // namespace belvo::test
