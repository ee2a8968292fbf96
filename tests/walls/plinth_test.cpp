// Plinth sections: the main section above them, openings through them, bottom edge bricks in
// them, their own corners, perlite and the bricks they supply to the lintels and the base-course
// mortar.
#include <gtest/gtest.h>

#include "catalogue/material_codes.h"
#include "walls/wall_fixture.h"

namespace belvo {
namespace {

using test::AddOpening;
using test::AddPlinth;
using test::Material;
using test::Quantities;
using test::Show;
using test::Wall;

class Plinths : public test::WallTest {
protected:
    Plinths()
    {
        PutBaseBrick();
        // The plinth brick "SB" of family 9, with the same modules as "B".
        Put(Material("SB", 1, 0, 300, 250, 249, "9"));
    }
};

TEST_F(Plinths, MainSectionStandsOnTheBottomSection)
{
    Put(Material("R", 1, kTypBitRohova, 300, 250, 249, "7"));
    Put(Material("RS", 1, kTypBitRohova, 300, 250, 249, "9"));
    auto wall = Wall(300, 5000, 2500);
    CZedSokl& plinth = AddPlinth(*wall, "SB", 2, kSoklVolbyPrvni);
    // 2000 of the main brick and a section 500 high.
    EXPECT_EQ(Compute(*wall), (Quantities{{"B", "160"}, {"SB", "40"}}));
    EXPECT_EQ(Show(plinth.VyskaModul), "250");

    // Each section has its own corners: 8 courses above, 2 in the plinth.
    wall->Rohy = kRohPrvni | kRohDruhy;
    // Above: 10 000 000 - 8 × 137 500 → 142.4; plinth: 2 500 000 - 2 × 137 500 → 35.6.
    EXPECT_EQ(Compute(*wall), (Quantities{{"B", "143"}, {"R", "8"}, {"RS", "2"}, {"SB", "36"}}));
}

TEST_F(Plinths, SectionsCountOnlyWhenTheWallHasPlinths)
{
    auto wall = Wall(300, 5000, 2500);
    AddPlinth(*wall, "X", 2, kSoklVolbyPrvni);  // its brick is missing, too
    wall->Sokl = CCislo(0);
    EXPECT_EQ(Compute(*wall), (Quantities{{"B", "200"}}));
    EXPECT_TRUE(ui.messages.empty());

    wall->Sokl = CCislo(1);
    EXPECT_EQ(Compute(*wall), Quantities{});
    EXPECT_EQ(ui.messages, (std::vector<RecordedMessage>{
                               {"X Cihla X není v aktuálním ceníku", "Error", MessageIcon::Error}}));
}

TEST_F(Plinths, DoorsPassThroughTheSectionsThatLetThem)
{
    Put(Material("K", 1, kTypBitKrajovaK, 300, 250, 249, "7"));
    Put(Material("KS", 1, kTypBitKrajovaK, 300, 250, 249, "9"));
    auto wall = Wall(300, 5000, 2500);
    CZedSokl& plinth = AddPlinth(*wall, "SB", 2, kSoklDolni | kSoklDvere);
    COkna& door = AddOpening(*wall, 1000, 2100);
    door.Strany = 1;
    // Above: a door 1600 high, its sides 7 "K"; 10 000 000 - 1 600 000 - 437 500 → 127.4.
    // Plinth: the door's 500 and 2 "K" of the plinth's family; 2 500 000 - 500 000 - 125 000.
    EXPECT_EQ(Compute(*wall), (Quantities{{"B", "128"}, {"K", "7"}, {"KS", "2"}, {"SB", "30"}}));

    // A section that does not let doors through leaves the whole door to the main section.
    plinth.Volby = kSoklDolni | kSoklOkna;
    // 10 000 000 - 2 100 000 - 9 × 62 500 → 117.4
    EXPECT_EQ(Compute(*wall), (Quantities{{"B", "118"}, {"K", "9"}, {"SB", "40"}}));
}

TEST_F(Plinths, WindowsPassOnlyWithTheirOption)
{
    auto wall = Wall(300, 5000, 2500);
    AddPlinth(*wall, "SB", 2, kSoklDolni | kSoklDvere);
    AddOpening(*wall, 1000, 1000);  // a window: stays above the plinth
    EXPECT_EQ(Compute(*wall), (Quantities{{"B", "144"}, {"SB", "40"}}));
    wall->Sokly[0]->Volby = kSoklDolni | kSoklOkna;
    // The window takes the section's 500: 9 000 000 + ... above, 2 000 000 in the plinth.
    EXPECT_EQ(Compute(*wall), (Quantities{{"B", "152"}, {"SB", "32"}}));
}

TEST_F(Plinths, WindowBottomEdgeBricksLieInTheSectionThatTakesThem)
{
    Put(Material("K", 1, kTypBitKrajovaK, 300, 250, 249, "7"));
    Put(Material("KS", 1, kTypBitKrajovaK, 300, 250, 249, "9"));
    auto wall = Wall(300, 5000, 2500);
    CZedSokl& plinth = AddPlinth(*wall, "SB", 2, kSoklDolni | kSoklKrajovkyOkna);
    COkna& window = AddOpening(*wall, 1000, 1000);
    window.Dole = 1;
    window.TypDole = 1;
    // The plinth counts the window's 1000 of bottom: 4 "K" of its family, 4 × 62 500 off its
    // bricks; the main section none.
    EXPECT_EQ(Compute(*wall), (Quantities{{"B", "144"}, {"KS", "4"}, {"SB", "36"}}));

    plinth.Volby = kSoklDolni;
    EXPECT_EQ(Compute(*wall), (Quantities{{"B", "140"}, {"K", "4"}, {"SB", "40"}}));
}

TEST_F(Plinths, DoorBottomEdgeBricksOfHalfKind)
{
    Put(Material("K2S", 1, kTypBitKrajovaKPul, 300, 125, 249, "9"));
    auto wall = Wall(300, 5000, 2500);
    AddPlinth(*wall, "SB", 2, kSoklVolbyPrvni);  // doors pass, door bottoms here
    COkna& door = AddOpening(*wall, 1000, 2100);
    door.Dole = 1;
    door.TypDole = 2;
    door.Polystyren = 1;
    Put(Material("PF", 80, kTypPolystyrenKrajovek, 0, 0, 0), [](CMaterial& m) { m.Malta = CCislo(10); });
    // Plinth: 1000 of door bottom, 4 pieces "K 1/2", not deducted (they lie in the door);
    // its polystyrene figure is 0. Main: 1600 of door, nothing else.
    EXPECT_EQ(Compute(*wall), (Quantities{{"B", "135"}, {"K2S", "4"}, {"SB", "32"}}));
}

TEST_F(Plinths, PerliteCoursesOfSectionsAndOfTheMainSection)
{
    materials.Clear();
    Put(Material("B", 1, 0, 300, 250, 249, "7"), [](CMaterial& m) { m.Perlit = CCislo(15, 1); });
    Put(Material("SB", 1, 0, 300, 250, 249, "9"), [](CMaterial& m) { m.Perlit = CCislo(15, 1); });
    Put(Material("PER", 80, kTypPerlit, 0, 0, 0), [](CMaterial& m) { m.Malta = CCislo(100); });
    auto wall = Wall(300, 5000, 2500);
    CZedSokl& plinth = AddPlinth(*wall, "SB", 3, kSoklVolbyPrvni | kSoklPerlit);
    // 3 courses of the plinth: 5000.0 × 3 ÷ 250 × 1.5 ÷ 100 = 0.9
    EXPECT_EQ(Compute(*wall), (Quantities{{"B", "140"}, {"PER", "0.9"}, {"SB", "60"}}));
    // Two courses above the plinth add 0.6.
    wall->SarePerlit = CCislo(2);
    EXPECT_EQ(Compute(*wall), (Quantities{{"B", "140"}, {"PER", "1.5"}, {"SB", "60"}}));
    plinth.Volby = kSoklVolbyPrvni;
    EXPECT_EQ(Compute(*wall), (Quantities{{"B", "140"}, {"PER", "0.6"}, {"SB", "60"}}));
}

TEST_F(Plinths, LintelsTakeTheirCoursesFromTheMarkedSection)
{
    Put(Material("N1500", kSkupinaPreklady, kTypPrekladNosny, 70, 1500, 238));
    auto wall = Wall(300, 5000, 2500);
    AddPlinth(*wall, "SB", 1, kSoklHorni | kSoklPreklady);
    AddOpening(*wall, 1200, 1500).Preklady = kPrekladNosne;
    // Main 2250: 11 250 000 - 1 800 000 → 151.2; the plinth's 20 bricks lose the 6 the
    // lintels replace.
    EXPECT_EQ(Compute(*wall), (Quantities{{"B", "152"}, {"N1500", "4"}, {"SB", "14"}}));

    wall->Sokly[0]->Volby = kSoklHorni;
    EXPECT_EQ(Compute(*wall), (Quantities{{"B", "146"}, {"N1500", "4"}, {"SB", "20"}}));
}

TEST_F(Plinths, BaseCourseMortarFromTheLowestSection)
{
    Put(Material("SBsb", 1, 0, 300, 250, 249, "9"), [](CMaterial& m) {
        m.Varianta = "sb";
        m.VariantaKod = CCislo(kVariantaSb);
        m.MaltaZak = CCislo(2);
    });
    Put(Material("MZ", kSkupinaVariantniMalty, kTypMaltaZakladova, 0, 0, 0), [](CMaterial& m) { m.Malta = CCislo(5); });
    auto wall = Wall(300, 5000, 2500);
    wall->ZaklMalta = 1;
    AddPlinth(*wall, "SBsb", 2, kSoklDolni | kSoklNejspodnejsi);
    EXPECT_EQ(Compute(*wall), (Quantities{{"B", "160"}, {"MZ", "8.0"}, {"SBsb", "40"}}));
    // Not the lowest: the wall's ordinary brick takes no base-course mortar.
    wall->Sokly[0]->Volby = kSoklDolni;
    EXPECT_EQ(Compute(*wall), (Quantities{{"B", "160"}, {"SBsb", "40"}}));
}

TEST_F(Plinths, SeveralSectionsBottomAndTop)
{
    auto wall = Wall(300, 5000, 2750);
    AddPlinth(*wall, "SB", 1, kSoklVolbyPrvni);
    AddPlinth(*wall, "SB", 1, kSoklVolbyVychozi);
    AddPlinth(*wall, "SB", 1, kSoklHorni);
    // 3 × 250 in plinths, 2000 of the main brick.
    EXPECT_EQ(Compute(*wall), (Quantities{{"B", "160"}, {"SB", "60"}}));
}

}  // namespace
}  // namespace belvo
