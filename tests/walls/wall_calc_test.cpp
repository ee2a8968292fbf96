// The material calculation of a wall without plinth sections: base bricks, reduced courses,
// corner, edge, half and 135° corner bricks, fillings, mortars, plaster and failures.
#include <gtest/gtest.h>

#include "catalogue/material_codes.h"
#include "walls/wall_fixture.h"

namespace belvo {
namespace {

using test::AddOpening;
using test::Material;
using test::Quantities;
using test::Wall;

class WallCalc : public test::WallTest {};

TEST_F(WallCalc, PlainWallIsWholeCoursesOfBaseBricks)
{
    PutBaseBrick();
    auto wall = Wall(300, 5000, 2500);
    // 5000 × 2500.0 / (250 × 250) = 200
    EXPECT_EQ(Compute(*wall), (Quantities{{"B", "200"}}));
    EXPECT_TRUE(ui.messages.empty());

    wall->Pocet = CCislo(3);
    EXPECT_EQ(Compute(*wall), (Quantities{{"B", "600"}}));
}

TEST_F(WallCalc, CornerCoursesAtTheEnds)
{
    PutBaseBrick();
    Put(Material("R", 1, kTypBitRohova, 300, 250, 249, "7"));
    struct Case {
        int vyska;
        std::int32_t rohy;
        const char* corners;
        const char* bricks;
    };
    // Each corner course takes B.W × B.H and the corner brick's L × H off the base bricks.
    // The height is brought to one decimal before the division, so 2510 gives 10.0 courses
    // (not 10.04 rounded up to 11), while 2525 gives 10.1 and so 11.
    const Case cases[] = {
        {2500, kRohPrvni | kRohDruhy, "10", "178"},  // (12 500 000 - 10 × 137 500) / 62 500
        {2500, kRohPrvni, "5", "189"},               // 10.0 ÷ 2 = 5 courses
        {2500, kRohDruhy, "5", "189"},
        {2510, kRohPrvni | kRohDruhy, "10", "179"},  // 11 175 000 / 62 500 = 178.8
        {2525, kRohPrvni | kRohDruhy, "11", "178"},  // 11 112 500 / 62 500 = 177.8
    };
    for (const Case& c : cases) {
        auto wall = Wall(300, 5000, c.vyska);
        wall->Rohy = c.rohy;
        EXPECT_EQ(Compute(*wall), (Quantities{{"B", c.bricks}, {"R", c.corners}})) << c.vyska << " " << c.rohy;
    }
}

TEST_F(WallCalc, CornerPiecesMustMatchTheBrickFamilyHeightAndVariant)
{
    PutBaseBrick();
    Put(Material("R1", 1, kTypBitRohova, 300, 250, 249, "7"));
    Put(Material("R2", 1, kTypBitRohova | kTypBitPulka, 300, 250, 249, "3;7"));  // both qualify
    Put(Material("Rx", 1, kTypBitRohova, 300, 250, 238, "7"));   // another catalogued height
    Put(Material("Ry", 1, kTypBitRohova, 300, 250, 249, "8"));   // another family
    Put(Material("Rz", 1, kTypBitRohova, 300, 250, 249, "7"), [](CMaterial& m) { m.Varianta = "sb"; });
    auto wall = Wall(300, 5000, 2500);
    wall->Rohy = kRohPrvni | kRohDruhy;
    // R2 is also a half brick of the family: the free ends are corners, so no half bricks.
    // 12 500 000 - 750 000 - 2 × 625 000 = 10 500 000 → 168
    EXPECT_EQ(Compute(*wall), (Quantities{{"B", "168"}, {"R1", "10"}, {"R2", "10"}}));
}

TEST_F(WallCalc, InnerCornersRunTheFullHeight)
{
    PutBaseBrick();
    Put(Material("R", 1, kTypBitRohova, 300, 250, 249, "7"));
    auto wall = Wall(300, 5000, 2500);
    wall->VnitrniRohy = CCislo(2);
    // 10 courses × 2 inner corners; only the corner bricks' own face is deducted.
    EXPECT_EQ(Compute(*wall), (Quantities{{"B", "180"}, {"R", "20"}}));
}

TEST_F(WallCalc, ReducedCoursesMakeUpTheHeight)
{
    PutBaseBrick();
    Put(Material("S", 1, kTypBitSnizena, 300, 250, 170, "7"));
    struct Case {
        int vyska;
        Quantities expected;
    };
    const Case cases[] = {
        {2500, {{"B", "200"}}},                  // whole courses: no reduced brick
        {2670, {{"B", "200"}, {"S", "20"}}},     // 10 × 250 + 170
        {2840, {{"B", "200"}, {"S", "40"}}},     // 10 × 250 + 2 × 170
        {2610, {{"B", "209"}}},                  // neither: 13 050 000 / 62 500 = 208.8
    };
    for (const Case& c : cases) {
        auto wall = Wall(300, 5000, c.vyska);
        EXPECT_EQ(Compute(*wall), c.expected) << c.vyska;
    }
}

TEST_F(WallCalc, HalfCourseHeightCountsAsWholeAndSeeksNoReducedBrick)
{
    PutBaseBrick();
    Put(Material("S", 1, kTypBitSnizena, 300, 250, 125, "7"));
    auto wall = Wall(300, 5000, 2625);
    // 2625.0 ÷ 250 keeps 10.5, and 10.5 × 250 is the height again.
    EXPECT_EQ(Compute(*wall), (Quantities{{"B", "210"}}));
    wall->Vyska = CCislo(2375);  // 9 × 250 + 125 = 9.5 courses: whole as well
    EXPECT_EQ(Compute(*wall), (Quantities{{"B", "190"}}));
}

TEST_F(WallCalc, HalfBricksAtTheFreeEnds)
{
    PutBaseBrick();
    Put(Material("H", 1, kTypBitPulka, 300, 125, 249, "7"));
    auto wall = Wall(300, 5000, 2500);
    // Neither end a corner: 2500 of free end, 10 half bricks of 125 × 250.
    EXPECT_EQ(Compute(*wall), (Quantities{{"B", "195"}, {"H", "10"}}));
    // One corner end: half of the free end; the corner course still takes B.W × B.H off.
    wall->Rohy = kRohPrvni;
    EXPECT_EQ(Compute(*wall), (Quantities{{"B", "192"}, {"H", "5"}}));
    wall->Rohy = kRohPrvni | kRohDruhy;
    EXPECT_EQ(Compute(*wall), (Quantities{{"B", "188"}}));
}

TEST_F(WallCalc, OpeningSidesWithoutAnEdgePieceYieldNothingButTheAreaIsDeducted)
{
    PutBaseBrick();
    auto wall = Wall(300, 5000, 2500);
    COkna& okno = AddOpening(*wall, 1000, 1000);
    okno.Strany = 1;
    okno.Dole = 1;
    EXPECT_EQ(Compute(*wall), (Quantities{{"B", "184"}}));
}

TEST_F(WallCalc, EdgeBricksAndTheirPolystyrene)
{
    PutBaseBrick();
    Put(Material("K", 1, kTypBitKrajovaK, 300, 250, 249, "7"), [](CMaterial& m) { m.Polystyr = CCislo(25, 1); });
    Put(Material("PF", 80, kTypPolystyrenKrajovek, 0, 0, 0), [](CMaterial& m) { m.Malta = CCislo(10); });
    auto wall = Wall(300, 5000, 2500);
    COkna& okno = AddOpening(*wall, 1000, 1000);
    okno.Strany = 1;
    okno.Dole = 1;
    okno.TypDole = 1;
    okno.Polystyren = 1;
    // "K": side 1000 + window bottom 1000 = 8 pieces, all in the face: 8 × 250 × 250 deducted.
    // Polystyrene: 2000.00 ÷ 250 × 2.5 ÷ 10 = 2.00. Without "K 1/2" pieces and half bricks the
    // second side sum yields nothing.
    EXPECT_EQ(Compute(*wall), (Quantities{{"B", "176"}, {"K", "8"}, {"PF", "2.00"}}));

    Put(Material("K2", 1, kTypBitKrajovaKPul, 300, 125, 249, "7"));
    // "K 1/2": the side, 4 pieces of 125 × 250; its polystyrene figure is 0, so no filling.
    EXPECT_EQ(Compute(*wall), (Quantities{{"B", "174"}, {"K", "8"}, {"K2", "4"}, {"PF", "2.00"}}));
}

TEST_F(WallCalc, DoorBottomsLieInTheOpeningAndAreNotDeductedAgain)
{
    PutBaseBrick();
    Put(Material("H", 1, kTypBitPulka, 300, 125, 249, "7"));
    auto wall = Wall(300, 5000, 2500);
    wall->Rohy = kRohPrvni | kRohDruhy;
    COkna& dvere = AddOpening(*wall, 1000, 2100);
    dvere.Dole = 1;
    dvere.TypDole = 2;
    // No "K 1/2" piece: the door bottom goes to the half bricks: 2100 + 1000 → 13 pieces; the
    // face loses only the 2100 of the side (9 pieces). 12 500 000 - 2 100 000 - 750 000 -
    // 281 250 = 9 368 750 → 149.9 → 150.
    EXPECT_EQ(Compute(*wall), (Quantities{{"B", "150"}, {"H", "13"}}));
}

TEST_F(WallCalc, CornersOf135Degrees)
{
    PutBaseBrick();
    Put(Material("R135", 1, kTypBitRohova135, 300, 250, 249, "7"));
    auto wall = Wall(300, 5000, 2500);
    wall->Rohy135 = CCislo(1);
    // 10 pieces; each takes (250 × 300) ÷ 2 off the face.
    EXPECT_EQ(Compute(*wall), (Quantities{{"B", "194"}, {"R135", "10"}}));
}

TEST_F(WallCalc, PerliteInTheCoursesAboveTheBottomPlinth)
{
    Put(Material("B", 1, 0, 300, 250, 249, "7"), [](CMaterial& m) { m.Perlit = CCislo(15, 1); });
    Put(Material("PER", 80, kTypPerlit, 0, 0, 0), [](CMaterial& m) { m.Malta = CCislo(100); });
    auto wall = Wall(300, 5000, 2500);
    wall->SarePerlit = CCislo(4);
    // 5000.0 × 4 ÷ 250 × 1.5 ÷ 100 = 1.2
    EXPECT_EQ(Compute(*wall), (Quantities{{"B", "200"}, {"PER", "1.2"}}));
    wall->SarePerlit = CCislo(40);  // no more courses than the wall has: 10
    EXPECT_EQ(Compute(*wall), (Quantities{{"B", "200"}, {"PER", "3.0"}}));
    wall->SarePerlit = CCislo(0);
    EXPECT_EQ(Compute(*wall), (Quantities{{"B", "200"}}));
}

TEST_F(WallCalc, MortarOnRequestForOrdinaryBricksAndAlwaysForPriceVariants)
{
    Put(Material("B", 1, 0, 300, 250, 249, "7"), [](CMaterial& m) { m.Malta = CCislo(3000, 2); });
    Put(Material("Bsbc", 1, 0, 300, 250, 249, "7"), [](CMaterial& m) {
        m.Malta = CCislo(3000, 2);
        m.Varianta = "sbc";
        m.VariantaKod = CCislo(kVariantaSbc);
    });
    Put(Material("M", kSkupinaMaltyOmitky, kTypMaltaTepelna, 0, 0, 0), [](CMaterial& m) { m.Malta = CCislo(25); });
    Put(Material("MV", kSkupinaVariantniMalty, kVariantaSbc, 0, 0, 0), [](CMaterial& m) {
        m.Malta = CCislo(25);
        m.Varianta = "sbc";
        m.VariantaKod = CCislo(kVariantaSbc);
    });

    auto wall = Wall(300, 5000, 2500);
    EXPECT_EQ(Compute(*wall), (Quantities{{"B", "200"}}));
    wall->TeplaMalta = 1;
    // 30.00 × 12 500 000.0 ÷ 25 000 000 = 15.0
    EXPECT_EQ(Compute(*wall), (Quantities{{"B", "200"}, {"M", "15.0"}}));

    auto variant = Wall(300, 5000, 2500, "Bsbc");
    EXPECT_EQ(Compute(*variant), (Quantities{{"Bsbc", "200"}, {"MV", "15.0"}}));
}

TEST_F(WallCalc, BaseCourseMortarOfPriceVariantsStopsAtDoorsWithoutBottomPieces)
{
    Put(Material("Bsb", 1, 0, 300, 250, 249, "7"), [](CMaterial& m) {
        m.Varianta = "sb";
        m.VariantaKod = CCislo(kVariantaSb);
        m.MaltaZak = CCislo(2);
    });
    Put(Material("MZ", kSkupinaVariantniMalty, kTypMaltaZakladova, 0, 0, 0), [](CMaterial& m) { m.Malta = CCislo(5); });
    auto wall = Wall(300, 5000, 2500, "Bsb");
    EXPECT_EQ(Compute(*wall), (Quantities{{"Bsb", "200"}}));
    wall->ZaklMalta = 1;
    // 2 × 5000.0 ÷ 250 ÷ 5 = 8.0
    EXPECT_EQ(Compute(*wall), (Quantities{{"Bsb", "200"}, {"MZ", "8.0"}}));
    AddOpening(*wall, 1000, 2100);  // a door without bottom pieces: 4000 of base course
    EXPECT_EQ(Compute(*wall), (Quantities{{"Bsb", "167"}, {"MZ", "6.4"}}));
}

TEST_F(WallCalc, PlasterCoversTheFaceLessAreaOpeningsAndSlants)
{
    PutBaseBrick();
    Put(Material("O", kSkupinaMaltyOmitky, kTypOmitka, 0, 0, 0), [](CMaterial& m) { m.Malta = CCislo(1); });
    auto wall = Wall(300, 5000, 2500);
    wall->Omitka = kOmitkaVnejsi | kOmitkaVnitrni;
    EXPECT_EQ(Compute(*wall), (Quantities{{"B", "200"}, {"O", "25.0"}}));
    wall->Omitka = kOmitkaVnitrni;
    wall->Pocet = CCislo(2);
    EXPECT_EQ(Compute(*wall), (Quantities{{"B", "400"}, {"O", "25.0"}}));

    // An opening with its dimensions stays in the plastered face; one given by its area only,
    // and a slant, are taken off it.
    wall->Pocet = CCislo(1);
    wall->Omitka = kOmitkaVnejsi | kOmitkaVnitrni;
    AddOpening(*wall, 1000, 1000);
    EXPECT_EQ(Compute(*wall), (Quantities{{"B", "184"}, {"O", "25.0"}}));
    COkna& area = AddOpening(*wall, 0, 0);
    area.Plocha = CCislo(500000);
    auto slant = std::make_unique<CZkoseni>();
    slant->Delka = CCislo(1000);
    slant->Vyska = CCislo(500);
    slant->Plocha = CCislo(250000);
    wall->Zkoseni.push_back(std::move(slant));
    // Face 12 500 000 - 750 000; bricks: 12 500 000 - 1 750 000 → 172
    EXPECT_EQ(Compute(*wall), (Quantities{{"B", "172"}, {"O", "23.5"}}));
}

TEST_F(WallCalc, SlantsShortenTheCornerCoursesAndTheFreeEnds)
{
    PutBaseBrick();
    Put(Material("R", 1, kTypBitRohova, 300, 250, 249, "7"));
    auto wall = Wall(300, 5000, 2500);
    wall->Rohy = kRohPrvni | kRohDruhy;
    auto slant = std::make_unique<CZkoseni>();
    slant->Delka = CCislo(1000);
    slant->Vyska = CCislo(1000);
    slant->Plocha = CCislo(500000);
    wall->Zkoseni.push_back(std::move(slant));
    // (2500.0 - 500) ÷ 250 = 8 corner courses; 12 500 000 - 500 000 - 8 × 137 500 → 174.4 → 175
    EXPECT_EQ(Compute(*wall), (Quantities{{"B", "175"}, {"R", "8"}}));
}

TEST_F(WallCalc, ZeroModuleEndsOnlyThatWallWithTheFailureReport)
{
    Put(Material("Z", 1, 0, 300, 250, 0, "7"));
    PutBaseBrick();
    auto broken = Wall(300, 5000, 2500, "Z");
    auto good = Wall(300, 5000, 2500);
    navrh = std::make_unique<CNavrh>();
    broken->VypocetPolozek(*navrh, materials, "", context);
    good->VypocetPolozek(*navrh, materials, "", context);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text, CSeException::DivideByZero().what());
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(ui.messages[1], (RecordedMessage{"CZed::VypocetPolozek", "Chyba", MessageIcon::Warning}));
    ASSERT_EQ(navrh->Polozky.size(), 1u);
    EXPECT_EQ(navrh->Polozky[0]->ObjCislo, "B");
}

TEST_F(WallCalc, MissingBrickIsReportedAndTheChildrenStillCount)
{
    PutBaseBrick();
    auto wall = Wall(300, 5000, 2500, "X");
    wall->Prvky.push_back(Wall(300, 5000, 2500));
    EXPECT_EQ(Compute(*wall), (Quantities{{"B", "200"}}));
    EXPECT_EQ(ui.MessageLines(), std::vector<std::string>{"Chyba: Material Cihla X(X)\nnenalezen v číselníku"});
}

TEST_F(WallCalc, RotatedBrickIsFoundByItsRotation)
{
    PutBaseBrick();
    Put(Material("B", 1, 0, 250, 300, 249, "7"), [](CMaterial& m) { m.Otoceni = CCislo(1); });
    auto wall = Wall(250, 6000, 2500);
    wall->Otoceni = CCislo(1);
    // Laid turned: 300 along the face. 15 000 000 / 75 000 = 200.
    EXPECT_EQ(Compute(*wall), (Quantities{{"B", "200"}}));
}

TEST_F(WallCalc, ItemsCarryTheLabel)
{
    PutBaseBrick();
    auto wall = Wall(300, 5000, 2500);
    Compute(*wall, "Přízemí");
    ASSERT_EQ(navrh->Polozky.size(), 1u);
    EXPECT_EQ(navrh->Polozky[0]->NazevSkupiny, "Přízemí");
}

}  // namespace
}  // namespace belvo
