#include "catalogue/price_list_view.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/test_materials.h"

namespace belvo {
namespace {

using ::testing::ElementsAre;

TEST(PriceListView, TitleNamesTheCurrencyOfTheLabel)
{
    EXPECT_EQ(PriceListViewTitle("SK20160601 08:00 (EUR)/K"), "Ceník SK20160601 08:00 (EUR)/K; ceny v EUR");
    EXPECT_EQ(PriceListViewTitle("Karno"), "Ceník Karno; ceny v Kč");
    EXPECT_EQ(PriceListViewTitle("(EUR)"), "Ceník (EUR); ceny v Kč");
    EXPECT_EQ(PriceListViewTitle("CZ ()"), "Ceník CZ (); ceny v Kč");
}

TEST(PriceListView, OneRowPerMaterialOfRotationZeroWithTheViewsDecimals)
{
    PriceList cenik;
    cenik.CenikId = "CZ20160515 14:30 (Kč)";
    test::Add(cenik.materials, {.objCislo = "100", .nazev = "Cihla 30", .cenaPaleta = CCislo(1234, 1),
                                .cenaVolna = CCislo(15), .vaha = CCislo(12550, 3)});
    test::Add(cenik.materials, {.objCislo = "100", .nazev = "Cihla 30", .otoceni = CCislo(1)});
    test::Add(cenik.materials, {.objCislo = "101", .nazev = "Cihla 25", .otoceni = CCislo()});
    Separators separators;
    separators.decimal = ",";
    const TableDialog table = PriceListViewTable(cenik, separators);

    EXPECT_EQ(table.leadingColumnWidth, 15);
    ASSERT_EQ(table.columns.size(), 16u);
    EXPECT_EQ(table.columns[0].header, "obj.č.");
    EXPECT_EQ(table.columns[0].width, 65);
    EXPECT_EQ(table.columns[15].header, "otočení");
    EXPECT_EQ(table.columns[15].width, 1);
    ASSERT_EQ(table.rows.size(), 2u) << "the rotated row is not listed; a null rotation counts as 0";
    EXPECT_THAT(table.rows[0], ElementsAre("100", "Cihla 30", "Závod 1", "300", "250", "238", "123,40", "15,00",
                                           "12,6", "100", "1", "EUR paleta(PAL-EUR paleta)", "0,25", "", "0", "0"));
    EXPECT_EQ(table.rows[1][0], "101");
}

}  // namespace
}  // namespace belvo
