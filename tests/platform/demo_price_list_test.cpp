// The demo price list that the build exports from data/demo_catalogue.sql: everything the
// program's elements look for is in it.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "catalogue/catalogue_classes.h"
#include "catalogue/price_list_file.h"
#include "foundation/cp1250.h"

namespace belvo {
namespace {

class DemoPriceListTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ClassRegistry classes;
        RegisterCatalogueClasses(classes);
        demo = new PriceList(ReadPriceListFile(std::string(BELVO_BUILD_DIR) + "/data/demo.dat", classes));
    }
    static void TearDownTestSuite()
    {
        delete demo;
        demo = nullptr;
    }

    static std::set<std::int64_t> Types(std::int64_t skupina)
    {
        std::set<std::int64_t> types;
        for (const CMaterial& m : demo->materials)
            if (m.Skupina == CCislo(skupina)) types.insert(m.Typ.RoundToInteger());
        return types;
    }

    static PriceList* demo;
};

PriceList* DemoPriceListTest::demo = nullptr;

TEST_F(DemoPriceListTest, IsLabelledByItsDataSourceAndSortedAsAnImportSortsIt)
{
    EXPECT_EQ(demo->CenikId, "CZ-demo");
    ASSERT_GT(demo->materials.size(), 250u);
    for (std::size_t i = 1; i < demo->materials.size(); ++i)
        EXPECT_LE(CompareCp1250(demo->materials[i - 1].ObjCislo, demo->materials[i].ObjCislo), 0) << i;
}

TEST_F(DemoPriceListTest, HoldsEveryGroupAndTypeTheElementsLookFor)
{
    for (int group : {1, 6, 7, 8, 9, 10, 38, 39, 80, 81, 90, 91, 499, 500, 501, 502, 503, 504, 600})
        EXPECT_TRUE(demo->materials.HasGroup(group)) << group;
    EXPECT_EQ(Types(9), (std::set<std::int64_t>{1, 2}));
    EXPECT_EQ(Types(38), (std::set<std::int64_t>{0, 1}));
    EXPECT_EQ(Types(-38), (std::set<std::int64_t>{2, 4, 8, 16}));
    EXPECT_EQ(Types(80), (std::set<std::int64_t>{0, 1}));
    EXPECT_TRUE(Types(81).count(0));
    for (int group : {6, 7, 39, 500, 501, 504, 600}) EXPECT_TRUE(Types(group).count(0)) << group;
    // Type captions: the panel types with their Allplan keywords, the lintel types.
    EXPECT_EQ(Types(-499), (std::set<std::int64_t>{1, 2}));
    EXPECT_EQ(Types(-9), (std::set<std::int64_t>{1, 2}));
    for (const CMaterial& m : demo->materials) {
        if (m.Skupina == CCislo(-499)) {
            EXPECT_FALSE(m.Zavod.empty()) << m.Nazev;
        }
    }
}

TEST_F(DemoPriceListTest, HasRotatedRowsAndEveryPriceVariant)
{
    std::set<std::int64_t> rotations, variants;
    for (const CMaterial& m : demo->materials) {
        rotations.insert(m.Otoceni.RoundToInteger());
        if (m.Skupina == CCislo(1)) variants.insert(m.VariantaKod.RoundToInteger());
    }
    EXPECT_EQ(rotations, (std::set<std::int64_t>{0, 1, 2}));
    EXPECT_EQ(variants, (std::set<std::int64_t>{0, 4, 8, 16}));
}

TEST_F(DemoPriceListTest, BrickFamiliesHaveTheirCompanionPieces)
{
    // The bits of the pieces that complete each base brick of rotation 0 (per price variant).
    std::map<std::string, int> bitsOf;
    for (const CMaterial& base : demo->materials) {
        if (base.Skupina != CCislo(1) || base.Typ != CCislo(0) || base.Otoceni != CCislo(0)) continue;
        int bits = 0;
        for (const CMaterial& piece : demo->materials)
            if (piece.Skupina == CCislo(1) && piece.Typ != CCislo(0) && piece.Varianta == base.Varianta &&
                piece.PatriDoRodiny(base.ZaklMat))
                bits |= static_cast<int>(piece.Typ.RoundToInteger());
        bitsOf[base.ObjCislo] = bits;
    }
    EXPECT_EQ(bitsOf.at("101440"), 63);     // every kind of piece
    EXPECT_EQ(bitsOf.at("102440sbd"), 61);  // a ground brick in a variant: all but reduced height
    EXPECT_EQ(bitsOf.at("101320"), 5);      // a corner and the half brick it shares with the 30
    EXPECT_EQ(bitsOf.at("101380"), 31);     // its half brick is also its "K 1/2"
    EXPECT_EQ(bitsOf.at("101300"), 7);
}

}  // namespace
}  // namespace belvo
