// The rows a table window shows: the filter over the searched columns (case and diacritics
// ignored), narrowing and widening as the user types, and the sort by a column.
#include "catalogue/table_rows.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "catalogue/price_list_view.h"
#include "support/test_materials.h"

namespace belvo {
namespace {

using ::testing::ElementsAre;

TEST(SearchFold, LowerCaseWithoutDiacritics)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Šířka", "sirka"},
        {"ŽLUŤOUČKÝ KŮŇ ÚPĚL ĎÁBELSKÉ ÓDY", "zlutoucky kun upel dabelske ody"},
        {"Ľubovoľný ŕ ä ô Ĺ", "lubovolny r a o l"},
        {"Łódź", "lodz"},
        {"Straße Ærø Œuvre", "strasse aero oeuvre"},
        {"Cihla 30 P+D", "cihla 30 p+d"},
        {"Жук Ωμέγα", "Жук Ωμέγα"},  // other scripts as they are
        {"a\tb\nc", "a b c"},
        {"°×÷", "°×÷"},
        {"x\xC3", "x\xC3"},  // a malformed byte stays
    };
    for (const auto& [text, folded] : cases) EXPECT_EQ(SearchFold(text), folded) << text;
}

// A price-list view of five materials.
class PriceListViewRows : public ::testing::Test {
protected:
    PriceListViewRows()
    {
        cenik.CenikId = "CZ20160515 14:30 (Kč)";
        const auto add = [&](const char* objCislo, const char* nazev, int sirka, const char* zavod) {
            auto material = test::MakeMaterial({.objCislo = objCislo, .nazev = nazev, .sirka = CCislo(sirka)});
            material->Zavod = zavod;
            cenik.materials.Append(std::move(material));
        };
        add("110300", "Cihla Belvo 30 P+D", 300, "Šlapanice");
        add("110250", "Cihla Belvo 25", 250, "Šlapanice");
        add("380001", "Čerstvá malta tepelně izolační", 0, "Cihla");  // "Cihla" only in a column not searched
        add("501020", "Tvárnice ŠTÍTOVÁ", 250, "Brno");
        add("12", "3 Čep", 1000, "Brno");
        table = PriceListViewTable(cenik, Separators{});
    }

    std::vector<std::string> Shown(const TableRows& rows, std::size_t column = 0) const
    {
        std::vector<std::string> cells;
        for (std::size_t i = 0; i < rows.Count(); ++i) cells.push_back(rows.Cell(i, column));
        return cells;
    }

    PriceList cenik;
    TableDialog table;
};

TEST_F(PriceListViewRows, TheFilterLooksForTheTypedTextInTheOrderNumberAndTheName)
{
    EXPECT_THAT(table.filterColumns, ElementsAre(0u, 1u));
    TableRows rows(table, Separators{});
    EXPECT_EQ(rows.Count(), 5u);
    struct Case {
        const char* typed;
        std::vector<std::string> shown;
    };
    const Case cases[] = {
        {"cihla", {"110300", "110250"}},
        {"CIHLA belvo 3", {"110300"}},
        {"110", {"110300", "110250"}},
        {"stitova", {"501020"}},  // without diacritics
        {"ŠTÍT", {"501020"}},
        {"čep", {"12"}},
        {"123", {}},              // not across the order number and the name
        {"šlapanice", {}},        // the plant is not searched
        {"", {"110300", "110250", "380001", "501020", "12"}},
    };
    for (const Case& c : cases) {
        rows.SetFilter(c.typed);
        EXPECT_EQ(Shown(rows), c.shown) << c.typed;
    }
}

TEST_F(PriceListViewRows, TypingNarrowsAndDeletingWidensAgain)
{
    TableRows rows(table, Separators{});
    const std::pair<const char*, std::size_t> steps[] = {
        {"c", 5}, {"ci", 2}, {"cih", 2}, {"cihla b", 2}, {"cihla be", 2}, {"cihla bex", 0},
        {"cihla be", 2}, {"ci", 2}, {"", 5}, {"ep", 2}, {"p", 3},
    };
    for (const auto& [typed, count] : steps) {
        rows.SetFilter(typed);
        EXPECT_EQ(rows.Count(), count) << typed;
    }
}

TEST_F(PriceListViewRows, SortingByANumberColumnAndByAText)
{
    table.rows[2][3] = "";        // a width that is no number
    table.rows[4][3] = "1 000,5";  // grouped thousands
    TableRows rows(table, Separators{});

    rows.SortBy(3);
    EXPECT_THAT(Shown(rows), ElementsAre("380001", "110250", "501020", "110300", "12")) << "equal widths keep their order";
    rows.SortBy(3, true);
    EXPECT_THAT(Shown(rows), ElementsAre("12", "110300", "110250", "501020", "380001"));

    // Texts by their Windows-1250 bytes: "Č" comes after the letters without marks.
    rows.SortBy(1);
    EXPECT_THAT(Shown(rows, 1), ElementsAre("3 Čep", "Cihla Belvo 25", "Cihla Belvo 30 P+D", "Tvárnice ŠTÍTOVÁ",
                                            "Čerstvá malta tepelně izolační"));
    // The order number as a text: "12" before "110250" would be wrong by value, right by bytes.
    rows.SortBy(0);
    EXPECT_THAT(Shown(rows), ElementsAre("110250", "110300", "12", "380001", "501020"));

    // Sorted and filtered together; no column is the table's own order again.
    rows.SetFilter("cihla");
    rows.SortBy(3, true);
    EXPECT_THAT(Shown(rows), ElementsAre("110300", "110250"));
    rows.SortBy(std::nullopt);
    rows.SetFilter("");
    EXPECT_THAT(Shown(rows), ElementsAre("110300", "110250", "380001", "501020", "12"));
}

TEST(TableRows, ATableWithoutSearchedColumnsKeepsNoRowForAText)
{
    TableDialog table;
    table.columns = {{"a", 10}, {"b", 10}};
    table.rows = {{"x", "y"}, {"z"}};  // a short row
    TableRows rows(table, Separators{});
    EXPECT_EQ(rows.Cell(1, 1), "");
    rows.SetFilter("x");
    EXPECT_EQ(rows.Count(), 0u);
    rows.SetFilter("");
    EXPECT_EQ(rows.Count(), 2u);
    rows.SortBy(1);
    EXPECT_EQ(rows.Row(0), 1u) << "the missing cell sorts as an empty text";
}

}  // namespace
}  // namespace belvo
