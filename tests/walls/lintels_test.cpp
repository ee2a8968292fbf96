// Lintels over openings: which lintel, how many side by side, their polystyrene, the bricks
// they replace, every refusal, and the lintel choice of a new opening.
#include <gtest/gtest.h>

#include "settings/settings_keys.h"
#include "catalogue/material_codes.h"
#include "walls/lintels.h"
#include "walls/wall_fixture.h"

namespace belvo {
namespace {

using test::AddOpening;
using test::Material;
using test::Quantities;
using test::Wall;

class Lintels : public test::WallTest {
protected:
    Lintels() { PutBaseBrick(); }

    // A load-bearing lintel (238 high: module 250) of the given length.
    void PutLoadBearing(const std::string& objCislo, int delka)
    {
        Put(Material(objCislo, kSkupinaPreklady, kTypPrekladNosny, 70, delka, 238));
    }
    void PutFlat(const std::string& objCislo, int sirka, int delka, int vyska = 71)
    {
        Put(Material(objCislo, kSkupinaPreklady, kTypPrekladPlochy, sirka, delka, vyska));
    }

    // A wall `thickness` thick, 5000 × 2500, with one window 1500 high.
    std::unique_ptr<CZed> WallWithWindow(int thickness, int width, std::int32_t preklady)
    {
        auto wall = Wall(thickness, 5000, 2500);
        AddOpening(*wall, width, 1500).Preklady = preklady;
        return wall;
    }

    // The lintel items only: the base bricks are checked where the replaced courses matter.
    Quantities LintelItems(CZed& wall)
    {
        Quantities q = Compute(wall);
        q.erase("B");
        return q;
    }
};

TEST_F(Lintels, LoadBearingCountFollowsTheThicknessAndVariant)
{
    PutLoadBearing("N1500", 1500);
    struct Case {
        int thickness;
        std::int32_t variant;
        const char* count;
    };
    const std::int32_t A = kPrekladNosne;
    const std::int32_t B = kPrekladNosne | kPrekladVariantaB;
    const std::int32_t noInsulation = kPrekladNosne | kPrekladBezIzolace | kPrekladVariantaB;  // 16 wins
    const Case cases[] = {
        {140, A, "2"}, {140, B, "2"}, {140, noInsulation, "2"},
        {200, A, "3"}, {200, B, "2"}, {200, noInsulation, "3"},
        {250, A, "3"}, {250, B, "3"}, {250, noInsulation, "3"},
        {300, A, "4"}, {300, B, "3"}, {300, noInsulation, "4"},
        {419, A, "4"}, {419, B, "3"}, {419, noInsulation, "4"},
        {440, A, "4"}, {440, B, "5"}, {440, noInsulation, "5"},
    };
    for (const Case& c : cases) {
        auto wall = WallWithWindow(c.thickness, 1200, c.variant);
        EXPECT_EQ(LintelItems(*wall), (Quantities{{"N1500", c.count}})) << c.thickness << " " << c.variant;
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(Lintels, LoadBearingLengthByWidthAndBearing)
{
    PutLoadBearing("N1000", 1000);
    PutLoadBearing("N1750a", 1750);
    PutLoadBearing("N1750b", 1750);  // the first of equal lengths is taken
    PutLoadBearing("N2250", 2250);
    PutLoadBearing("N1810", 1810);
    PutLoadBearing("N2000", 2000);
    struct Case {
        int width;
        bool longer;
        const char* lintel;
    };
    const Case cases[] = {
        {1500, false, "N1750a"},  // + 250
        {1500, true, "N1810"},    // + 310
        {1600, false, "N2000"},   // + 400
        {1600, true, "N2000"},    // + 400 as well
        {1850, false, "N2250"},   // + 400
        {1700, true, "N2250"},    // + 400 → 2100
    };
    for (const Case& c : cases) {
        auto wall = WallWithWindow(300, c.width, kPrekladNosne | (c.longer ? kPrekladDelsiUlozeni : 0));
        EXPECT_EQ(LintelItems(*wall), (Quantities{{c.lintel, "4"}})) << c.width << " " << c.longer;
    }
    // 1851 needs 2351 (+ 500): there is none.
    auto wall = WallWithWindow(300, 1851, kPrekladNosne);
    EXPECT_EQ(LintelItems(*wall), Quantities{});
    EXPECT_EQ(ui.MessageLines(), std::vector<std::string>{"Zeď 1: Nenalezen překlad pro šířku otvotu 1851"});
}

TEST_F(Lintels, LoadBearingLintelsReplaceTheirCourse)
{
    PutLoadBearing("N1500", 1500);
    auto wall = WallWithWindow(300, 1200, kPrekladNosne);
    // Bricks: (12 500 000 - 1 800 000) / 62 500 = 171.2 → 172; the lintels (module 250) take
    // [250 ÷ 250] × [1500 ÷ 250] × [300 ÷ 300] = 6 off.
    EXPECT_EQ(Compute(*wall), (Quantities{{"B", "166"}, {"N1500", "4"}}));

    // Two such windows in a wall standing three times: n = 6.
    wall->Okna[0]->Pocet = CCislo(2);
    wall->Pocet = CCislo(3);
    // Bricks: 3 × (12 500 000 - 3 600 000) / 62 500 = 3 × 142.4 → 3 × 143; lintels 6 × 4.
    EXPECT_EQ(Compute(*wall), (Quantities{{"B", "393"}, {"N1500", "24"}}));
}

TEST_F(Lintels, NarrowWallRefusesLoadBearingLintelsButTakesAFlatOne)
{
    PutLoadBearing("N1500", 1500);
    PutFlat("P115", 115, 1500);
    auto wall = WallWithWindow(120, 1200, kPrekladNosne);
    EXPECT_EQ(LintelItems(*wall), Quantities{});
    EXPECT_EQ(ui.MessageLines(), std::vector<std::string>{"Zeď 1: Zeď je příliš úzká pro aut. návrh překladu"});

    ui.messages.clear();
    wall->Okna[0]->Preklady = kPrekladPloche;
    EXPECT_EQ(LintelItems(*wall), (Quantities{{"P115", "1"}}));
    EXPECT_TRUE(ui.messages.empty());

    wall->Sirka = CCislo(70);
    EXPECT_EQ(LintelItems(*wall), Quantities{});
    EXPECT_EQ(ui.MessageLines(), std::vector<std::string>{"Zeď 1: Zeď je příliš úzká pro aut. návrh překladu"});
}

TEST_F(Lintels, FlatLintelsFillTheThickness)
{
    PutFlat("P1250-145", 145, 1250);
    PutFlat("P1750-145", 145, 1750);
    PutFlat("P1500-115", 115, 1500);
    PutFlat("P1500-145", 145, 1500);
    PutFlat("P1500-175", 175, 1500);
    struct Case {
        int thickness;
        Quantities expected;
    };
    // An opening 1200 wide takes the shortest flat lintels of at least 1450.
    const Case cases[] = {
        {80, {{"P1500-115", "1"}}},
        {150, {{"P1500-145", "1"}}},
        {200, {{"P1500-175", "1"}}},
        {250, {{"P1500-115", "2"}}},
        {290, {{"P1500-115", "1"}, {"P1500-145", "1"}}},
        {300, {{"P1500-145", "2"}}},
        {365, {{"P1500-175", "2"}}},
        {380, {{"P1500-115", "3"}}},
        {400, {{"P1500-115", "2"}, {"P1500-145", "1"}}},
        {440, {{"P1500-145", "3"}}},
        {500, {{"P1500-145", "2"}, {"P1500-175", "1"}}},
    };
    for (const Case& c : cases) {
        auto wall = WallWithWindow(c.thickness, 1200, kPrekladPloche);
        EXPECT_EQ(LintelItems(*wall), c.expected) << c.thickness;
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(Lintels, FlatLintelRefusals)
{
    PutFlat("P1500-145", 145, 1500);
    auto wide = WallWithWindow(300, 1300, kPrekladPloche);  // needs 1550
    EXPECT_EQ(LintelItems(*wide), Quantities{});
    auto missingWidth = WallWithWindow(290, 1200, kPrekladPloche);  // 115 first: none of that width
    EXPECT_EQ(LintelItems(*missingWidth), Quantities{});
    EXPECT_EQ(ui.MessageLines(), (std::vector<std::string>{"Zeď 1: Nenalezen překlad pro šířku otvotu 1300",
                                                           "Zeď 1: Nosny preklad s delkou 1500\nnenalezen v číselníku"}));
}

// The numbers of the messages are written with the locale's separators.
TEST_F(Lintels, RefusalsWriteNumbersWithTheLocaleSeparators)
{
    PutFlat("P1500-145", 145, 1500);
    struct Case {
        Separators separators;
        const char* expected;
    } const cases[] = {
        {{",", " "}, "Zeď 1: Nenalezen překlad pro šířku otvotu 1300,5"},
        {{".", ","}, "Zeď 1: Nenalezen překlad pro šířku otvotu 1300.5"},
    };
    for (const Case& c : cases) {
        context.separators = c.separators;
        ui.messages.clear();
        auto wall = WallWithWindow(300, 1300, kPrekladPloche);
        wall->Okna[0]->Sirka = CCislo(13005, 1);
        EXPECT_EQ(LintelItems(*wall), Quantities{});
        EXPECT_EQ(ui.MessageLines(), std::vector<std::string>{c.expected});
    }
}

TEST_F(Lintels, FlatLintelAsHighAsACourseReplacesIt)
{
    PutFlat("P238", 145, 1500, 238);  // module 250
    auto wall = WallWithWindow(300, 1200, kPrekladPloche);
    // Only the first lintel of the row replaces bricks: [1500 ÷ 250] × [300 ÷ 300] = 6.
    EXPECT_EQ(Compute(*wall), (Quantities{{"B", "166"}, {"P238", "2"}}));
}

TEST_F(Lintels, LowLintelIsToppedWithReducedBricks)
{
    // 250 + 20 > 75 + 170: [175 ÷ 170] × [1500 ÷ 250] × [300 ÷ S.W] reduced bricks, and
    // [1500 ÷ 250] × [300 ÷ 300] = 6 base bricks fewer. A reduced brick too wide for the wall
    // rounds to 0 pieces and still has its item.
    struct Case {
        int reducedWidth;
        const char* reduced;
    };
    PutFlat("P71", 145, 1500);  // module 75
    for (const Case& c : {Case{300, "6"}, Case{1000, "0"}}) {
        SCOPED_TRACE(c.reducedWidth);
        Put(Material("S", 1, kTypBitSnizena, c.reducedWidth, 250, 170, "7"));
        auto wall = WallWithWindow(300, 1200, kPrekladPloche);
        EXPECT_EQ(Compute(*wall), (Quantities{{"B", "166"}, {"P71", "2"}, {"S", c.reduced}}));
        materials.Remove(materials.size() - 1);
    }

    // Without a reduced brick nothing is replaced.
    auto bare = WallWithWindow(300, 1200, kPrekladPloche);
    EXPECT_EQ(Compute(*bare), (Quantities{{"B", "172"}, {"P71", "2"}}));
}

TEST_F(Lintels, RollerShutterLintelByOverhang)
{
    Put(Material("RSa", kSkupinaRoletovePreklady, 0, 300, 2000, 249));
    Put(Material("RSb", kSkupinaRoletovePreklady, 0, 365, 1600, 249));
    Put(Material("RSc", kSkupinaRoletovePreklady, 0, 320, 1600, 249));  // narrower: not better
    Put(Material("RSd", kSkupinaRoletovePreklady, 0, 380, 1600, 249));  // too wide for the overhang
    auto wall = WallWithWindow(300, 1200, kPrekladRoletove);
    wall->Okna[0]->Vylozeni = CCislo(50);  // 300 < 365 - 50
    EXPECT_EQ(Compute(*wall), (Quantities{{"B", "172"}}));
    EXPECT_EQ(ui.MessageLines(), std::vector<std::string>{"Zeď 1: Zeď je příliš úzká pro aut. návrh překladu"});

    ui.messages.clear();
    wall->Okna[0]->Vylozeni = CCislo(65);
    // Replaces [250 ÷ 250] × [1600 ÷ 250] × [300 ÷ 300] = 6 bricks.
    EXPECT_EQ(Compute(*wall), (Quantities{{"B", "166"}, {"RSb", "1"}}));
    EXPECT_TRUE(ui.messages.empty());

    auto wide = WallWithWindow(300, 1700, kPrekladRoletove);  // needs 2100
    wide->Okna[0]->Vylozeni = CCislo(65);
    EXPECT_EQ(LintelItems(*wide), Quantities{});
    EXPECT_EQ(ui.MessageLines(), std::vector<std::string>{"Zeď 1: Nenalezen překlad pro šířku otvotu 1700"});
}

TEST_F(Lintels, AnotherCountOfLoadBearingLintels)
{
    PutLoadBearing("N1500", 1500);
    PutLoadBearing("N1810", 1810);
    auto wall = WallWithWindow(300, 1200, kPrekladJinyPocet);
    wall->Okna[0]->PocetPrekladu = CCislo(3);
    EXPECT_EQ(Compute(*wall), (Quantities{{"B", "166"}, {"N1500", "3"}}));
    wall->Okna[0]->Preklady = kPrekladJinyPocet | kPrekladDelsiUlozeni;
    wall->Okna[0]->Sirka = CCislo(1500);
    wall->Okna[0]->Plocha = CCislo(1500 * 1500);
    EXPECT_EQ(LintelItems(*wall), (Quantities{{"N1810", "3"}}));

    // None: no lintel, but the course one lintel takes is still replaced.
    wall->Okna[0]->Preklady = kPrekladJinyPocet;
    wall->Okna[0]->Sirka = CCislo(1200);
    wall->Okna[0]->Plocha = CCislo(1200 * 1500);
    wall->Okna[0]->PocetPrekladu = CCislo(0);
    EXPECT_EQ(Compute(*wall), (Quantities{{"B", "166"}}));

    // No lintel long enough: the lookup of an empty order number fails.
    wall->Okna[0]->Sirka = CCislo(2000);
    wall->Okna[0]->Plocha = CCislo(2000 * 1500);
    EXPECT_EQ(LintelItems(*wall), Quantities{});
    EXPECT_EQ(ui.MessageLines(), std::vector<std::string>{"Zeď 1: Material s obj.číslem \nnenalezen v číselníku"});
}

TEST_F(Lintels, PolystyreneBetweenLoadBearingLintels)
{
    PutLoadBearing("N1500", 1500);
    Put(Material("PS70", kSkupinaPolystyreny, 0, 70, 1000, 240));
    Put(Material("PS90", kSkupinaPolystyreny, 0, 90, 1000, 240));
    Put(Material("PS100", kSkupinaPolystyreny, 0, 100, 1000, 240));
    const std::int32_t withPoly = kPrekladNosne | kPrekladPolystyren;
    struct Case {
        int thickness;
        std::int32_t bits;
        Quantities expected;
    };
    const Case cases[] = {
        {300, withPoly, {{"N1500", "4"}}},                                    // variant A: none
        {300, withPoly | kPrekladVariantaB, {{"N1500", "3"}, {"PS90", "1.50"}}},
        {380, withPoly, {{"N1500", "4"}, {"PS100", "1.50"}}},
        {380, withPoly | kPrekladVariantaB, {{"N1500", "3"}, {"PS70", "1.50"}, {"PS100", "1.50"}}},
        {380, kPrekladNosne, {{"N1500", "4"}}},                               // not asked for
        {380, withPoly | kPrekladBezIzolace, {{"N1500", "4"}}},               // without insulation
        {375, withPoly, {{"N1500", "4"}}},                                    // no row
    };
    for (const Case& c : cases) {
        auto wall = WallWithWindow(c.thickness, 1200, c.bits);
        EXPECT_EQ(LintelItems(*wall), c.expected) << c.thickness << " " << c.bits;
    }
    EXPECT_TRUE(ui.messages.empty());

    // A missing thickness ends the opening's polystyrene.
    auto wall = WallWithWindow(400, 1200, withPoly | kPrekladVariantaB);  // 70 and 120
    wall->Okna[0]->Pocet = CCislo(2);
    EXPECT_EQ(LintelItems(*wall), (Quantities{{"N1500", "6"}, {"PS70", "3.00"}}));
    EXPECT_EQ(ui.MessageLines(),
              std::vector<std::string>{"Zeď 1: Polystyrén mezi překlady s tloušťkou 120\nnenalezen v číselníku"});
}

TEST_F(Lintels, OpeningsWithoutAChoiceOrGivenByAreaGetNone)
{
    PutLoadBearing("N1500", 1500);
    auto wall = WallWithWindow(300, 1200, kPrekladyNezvoleno);
    EXPECT_EQ(Compute(*wall), (Quantities{{"B", "172"}}));
    COkna& area = *wall->Okna[0];
    area.Preklady = kPrekladNosne;
    area.Vyska = CCislo(0);  // given by its area only
    EXPECT_EQ(Compute(*wall), (Quantities{{"B", "172"}}));
    EXPECT_TRUE(ui.messages.empty());
}

class NewOpeningChoice : public test::WallTest {
protected:
    std::int32_t Choice(std::int32_t strany = 1)
    {
        auto wall = Wall(300, 5000, 2500);
        COkna opening;
        opening.Strany = strany;
        ZvolPrekladyNovehoOtvoru(opening, *wall, materials, settings);
        return opening.Preklady;
    }
};

TEST_F(NewOpeningChoice, SettingsChooseTheKindAndPolystyreneIsAlwaysOn)
{
    PutBaseBrick();
    // Both settings missing read as off here.
    EXPECT_EQ(Choice(), kPrekladPolystyren);
    WriteFlag(settings, keys::Preklady, true);
    EXPECT_EQ(Choice(), kPrekladPloche | kPrekladPolystyren);
    WriteFlag(settings, keys::Nosne, true);
    EXPECT_EQ(Choice(), kPrekladNosne | kPrekladPolystyren);
    WriteFlag(settings, keys::Preklady, false);
    EXPECT_EQ(Choice(), kPrekladPolystyren);
}

TEST_F(NewOpeningChoice, LongerBearingForTheBrickOrItsEdgePieces)
{
    Put(Material("B", 1, 0, 300, 250, 249, "7"));
    Put(Material("K2", 1, kTypBitKrajovaKPul, 300, 125, 249, "7"), [](CMaterial& m) { m.DelsiUlozeni = CCislo(1); });
    EXPECT_EQ(Choice(1), kPrekladPolystyren | kPrekladDelsiUlozeni);
    EXPECT_EQ(Choice(0), kPrekladPolystyren);  // no edge pieces at the sides

    materials.Clear();
    Put(Material("B", 1, 0, 300, 250, 249, "7"), [](CMaterial& m) { m.DelsiUlozeni = CCislo(1); });
    EXPECT_EQ(Choice(0), kPrekladPolystyren | kPrekladDelsiUlozeni);

    materials.Clear();  // the brick is missing: nothing to look at
    EXPECT_EQ(Choice(1), kPrekladPolystyren);

    // A choice made already stays.
    auto wall = Wall(300, 5000, 2500);
    COkna chosen;
    chosen.Preklady = kPrekladRoletove;
    ZvolPrekladyNovehoOtvoru(chosen, *wall, materials, settings);
    EXPECT_EQ(chosen.Preklady, kPrekladRoletove);
}

}  // namespace
}  // namespace belvo
