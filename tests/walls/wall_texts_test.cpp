// List texts of openings, slants and plinth sections; walls in the project tree; the
// missing-material report of a wall and what it owns.
#include <gtest/gtest.h>

#include "model/tree_model.h"
#include "walls/wall_fixture.h"

namespace belvo {
namespace {

using test::AddOpening;
using test::AddPlinth;
using test::Wall;

const Separators kCzech{",", " "};

TEST(WallTexts, SlantListsItsSidesOrItsArea)
{
    CZkoseni slant;
    slant.Nazev = "Zkosení";
    slant.Delka = CCislo(600);
    slant.Vyska = CCislo(300);
    slant.Plocha = CCislo(180000);
    slant.Pocet = CCislo(2);
    EXPECT_EQ(slant.ListText(kCzech), "Zkosení, 600~300; 2x");
    slant.Plocha = CCislo(90000);
    slant.Pocet = CCislo(1);
    EXPECT_EQ(slant.ListText(kCzech), "Zkosení, 90000mm2");
}

TEST(WallTexts, OpeningListsLintelEdgeBricksAndSize)
{
    struct Case {
        int sirka;
        int vyska;
        std::int32_t preklady;
        int strany, dole, typDole, polystyren;
        const char* expected;
    };
    const Case cases[] = {
        {1200, 1500, kPrekladNosne | kPrekladPolystyren, 1, 1, 1, 0, "o:N-Ap\tK:SD\tOkno, 1200x1500"},
        {1200, 1500, kPrekladNosne | kPrekladVariantaB | kPrekladPolystyren | kPrekladDelsiUlozeni, 0, 1, 2, 1,
         "o:N-Bpd\tK:D/2p\tOkno, 1200x1500"},
        // Without insulation: the count for the wall's thickness (300 → 4).
        {1200, 1500, kPrekladNosne | kPrekladBezIzolace, 1, 0, 1, 1, "o:N-4\tK:Sp\tOkno, 1200x1500"},
        {900, 2001, kPrekladPloche | kPrekladNosne, 0, 0, 1, 0, "d:P\tK:\tOkno, 900x2001"},
        {900, 2000, kPrekladRoletove, 0, 0, 1, 0, "o:R+0\tK:\tOkno, 900x2000"},
        {900, 2100, kPrekladJinyPocet | kPrekladDelsiUlozeni, 0, 0, 1, 0, "d:N=0d\tK:\tOkno, 900x2100"},
        {900, 2100, 0, 0, 0, 1, 0, "d:\tK:\tOkno, 900x2100"},
        {900, 2100, kPrekladyNezvoleno, 0, 0, 1, 0, "d:\tK:\tOkno, 900x2100"},
    };
    const CCislo thickness(300);
    for (const Case& c : cases) {
        auto wall = Wall(300, 5000, 2500);
        COkna& o = AddOpening(*wall, c.sirka, c.vyska);
        o.Preklady = c.preklady;
        o.Strany = c.strany;
        o.Dole = c.dole;
        o.TypDole = c.typDole;
        o.Polystyren = c.polystyren;
        EXPECT_EQ(o.ListText(kCzech, &thickness), c.expected);
    }

    COkna o;
    o.Nazev = "Okno";
    o.Sirka = CCislo(1200);
    o.Vyska = CCislo(1500);
    o.Plocha = CCislo(1800000);
    o.Pocet = CCislo(2);
    o.Preklady = kPrekladRoletove;
    o.Vylozeni = CCislo(125, 1);
    o.Dole = 0;
    EXPECT_EQ(o.ListText(kCzech), "o:R+12,5\tK:Sp\tOkno, 1200x1500; 2x");
    // Without its wall the opening's own width stands in for the thickness (1200 → 5).
    o.Preklady = kPrekladNosne | kPrekladBezIzolace;
    EXPECT_EQ(o.ListText(kCzech), "o:N-5\tK:Sp\tOkno, 1200x1500; 2x");
    // Given by its area.
    o.Plocha = CCislo(750000);
    o.Preklady = 0;
    o.Strany = 0;
    o.Polystyren = 0;
    EXPECT_EQ(o.ListText(kCzech), "o:\tK:\tOkno, 750000mm2; 2x");
}

TEST(WallTexts, DoorIsAnOpeningHigherThan2000)
{
    COkna o;
    o.Vyska = CCislo(2000);
    EXPECT_FALSE(o.JeDvere());
    o.Vyska = CCislo(20001, 1);
    EXPECT_TRUE(o.JeDvere());
}

TEST(WallTexts, PlinthListsItsKindCoursesAndOptions)
{
    auto wall = Wall(300, 5000, 2500);
    CZedSokl& bottom = AddPlinth(*wall, "SB", 2, kSoklVolbyPrvni | kSoklNejspodnejsi | kSoklKrajovkyOkna | kSoklPerlit);
    EXPECT_EQ(bottom.ListText(kCzech), "D2p\tDKS_k\tSokl\tCihla SB");
    bottom.Volby = kSoklDolni | kSoklOkna;
    EXPECT_EQ(bottom.ListText(kCzech), "D2\t___o_\tSokl\tCihla SB");
    CZedSokl& top = AddPlinth(*wall, "SB", 1, kSoklHorni | kSoklPreklady | kSoklDvere);
    EXPECT_EQ(top.ListText(kCzech), "H1\tP\tSokl\tCihla SB");
    top.Volby = kSoklHorni;
    EXPECT_EQ(top.ListText(kCzech), "H1\t \tSokl\tCihla SB");
}

TEST(WallTexts, NewElementsHaveTheirDefaults)
{
    const CZed wall;
    EXPECT_EQ(wall.Nazev, "Zeď");
    EXPECT_TRUE(wall.Pocet.SameAs(CCislo(1)));
    EXPECT_TRUE(wall.Sirka.IsNull() && wall.Otoceni.IsNull() && wall.Sokl.IsNull());
    EXPECT_TRUE(wall.VnitrniRohy.SameAs(CCislo(0)) && wall.SarePerlit.SameAs(CCislo(0)));
    const COkna opening;
    EXPECT_EQ(opening.Preklady, kPrekladyNezvoleno);
    EXPECT_EQ(opening.Dole + opening.Strany + opening.Polystyren + opening.TypDole, 4);
    EXPECT_EQ(CZedSokl().Volby, 5);
    EXPECT_TRUE(CZkoseni().Pocet.SameAs(CCislo(1)));
}

TEST(WallTree, WallShowsItsCountAndNotWhatItOwns)
{
    auto wall = Wall(300, 5000, 2500);
    AddOpening(*wall, 1000, 1000);
    AddPlinth(*wall, "SB", 2, kSoklVolbyPrvni);
    wall->Zkoseni.push_back(std::make_unique<CZkoseni>());
    wall->Prvky.push_back(Wall(300, 1000, 1000));
    wall->Pocet = CCislo(3);

    ProjectTree tree;
    const TreeItem item = wall->VlozDoStromu(tree, kNoTreeItem);
    ASSERT_NE(item, kNoTreeItem);
    EXPECT_EQ(tree.Text(item), "Zeď 1, 3");
    EXPECT_EQ(tree.Picture(item), 3);
    EXPECT_EQ(tree.Data(item), wall.get());
    ASSERT_EQ(tree.Children(item).size(), 1u);
    EXPECT_EQ(tree.Text(tree.Children(item)[0]), "Zeď 1");

    EXPECT_EQ(wall->Okna[0]->VlozDoStromu(tree, item), kNoTreeItem);
    EXPECT_EQ(wall->Sokly[0]->VlozDoStromu(tree, item), kNoTreeItem);
    EXPECT_EQ(wall->Zkoseni[0]->VlozDoStromu(tree, item), kNoTreeItem);
    EXPECT_EQ(tree.Children(item).size(), 1u);
}

// The count in the label is written with the separators of the tree (the system locale's).
TEST(WallTree, LabelWritesTheCountWithTheTreeSeparators)
{
    auto wall = Wall(300, 5000, 2500);
    wall->Pocet = CCislo(25, 1);
    ProjectTree czech;
    EXPECT_EQ(czech.Text(wall->VlozDoStromu(czech, kNoTreeItem)), "Zeď 1, 2,5");
    ProjectTree english;
    english.SetNumberSeparators({".", ","});
    EXPECT_EQ(english.Text(wall->VlozDoStromu(english, kNoTreeItem)), "Zeď 1, 2.5");
}

class WallCheck : public test::WallTest {};

TEST_F(WallCheck, MissingBricksOfTheWallItsPlinthsAndItsChildren)
{
    PutBaseBrick();
    Put(test::Material("SB", 1, 0, 300, 250, 249, "9"));
    auto wall = Wall(300, 5000, 2500, "X");
    wall->Otoceni = CCislo(1);
    COkna& okno = AddOpening(*wall, 1000, 1000);
    okno.Prvky.push_back(Wall(300, 1000, 1000, "Y"));
    AddPlinth(*wall, "SB", 2, kSoklVolbyPrvni);
    CZedSokl& missing = AddPlinth(*wall, "SX", 1, kSoklHorni);
    missing.Otoceni = CCislo(2);
    missing.SirkaModul = CCislo(375);
    wall->Prvky.push_back(Wall(300, 1000, 1000));
    wall->Prvky.push_back(Wall(300, 1000, 1000, "Z"));

    std::vector<CChybiMaterial> records;
    wall->KontrolaCeniku(records, "Dům::Přízemí", materials, context.separators);
    EXPECT_EQ(records, (std::vector<CChybiMaterial>{
                           {"Zeď 1", "X", "Cihla X (šířka zdiva 300)", "Dům::Přízemí::Zeď 1"},
                           {"Zeď 1", "Y", "Cihla Y", "Dům::Přízemí::Zeď 1::Okno::Zeď 1"},
                           {"Sokl", "SX", "Cihla SX (šířka zdiva 375)", "Dům::Přízemí::Zeď 1::Sokl"},
                           {"Zeď 1", "Z", "Cihla Z", "Dům::Přízemí::Zeď 1::Zeď 1"},
                       }));
}

TEST_F(WallCheck, WallThicknessIsWrittenWithTheGivenSeparators)
{
    auto wall = Wall(300, 5000, 2500, "X");
    wall->Otoceni = CCislo(1);
    wall->Sirka = CCislo(3625, 1);
    std::vector<CChybiMaterial> records;
    wall->KontrolaCeniku(records, "Dům", materials, Separators{".", ","});
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].Material, "Cihla X (šířka zdiva 362.5)");
}

}  // namespace
}  // namespace belvo
