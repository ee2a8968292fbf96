#include "document/test_ceniku.h"

#include <stdexcept>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/fixture_element.h"
#include "support/scripted_ui.h"
#include "support/test_materials.h"
#include "support/tree_builder.h"

namespace belvo {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using test::AddChild;
using test::CTestPrvek;

// An element whose check fails, as a damaged element could.
class BrokenCheck : public CTestPrvek {
public:
    void KontrolaCeniku(std::vector<CChybiMaterial>&, const std::string&, const CMaterialList&,
                        const Separators&) const override
    {
        throw std::runtime_error("kontrola selhala");
    }
};

class TestCenikuTest : public ::testing::Test {
protected:
    TestCenikuTest()
    {
        test::Add(materials, {.objCislo = "100", .nazev = "Cihla"});
        auto projekt = std::make_unique<CProjekt>();
        projekt->Nazev = "Dům\nřádek dva";
        CSkupina& patro = AddChild(*projekt, test::Group("Přízemí"));
        AddChild(patro, std::make_unique<CTestPrvek>(
                            "Obvodová zeď", std::vector<CTestPrvek::Contribution>{{"100", CCislo(5)}, {"999", CCislo(2)}}));
        AddChild(*projekt, std::make_unique<CTestPrvek>(
                               "Komín", std::vector<CTestPrvek::Contribution>{{"888", CCislo(1)}}));
        projekty.push_back(std::move(projekt));
    }

    ScriptedUi ui;
    CMaterialList materials;
    std::vector<std::unique_ptr<CProjekt>> projekty;
};

TEST_F(TestCenikuTest, ReportsEveryMissingMaterialWithItsPath)
{
    TestCeniku(ui, projekty, materials, Separators{});
    EXPECT_THAT(ui.messages, IsEmpty());
    EXPECT_EQ(ui.waitCount, 1);
    ASSERT_EQ(ui.tables.size(), 1u);
    const TableDialog& table = ui.tables[0];
    EXPECT_EQ(table.title, "Nenalezený materiál v nahraném ceníku");
    EXPECT_EQ(table.note, "pravděpodobně bude potřeba uvedené materiály nahradit");
    EXPECT_EQ(table.leadingColumnWidth, 15);
    ASSERT_EQ(table.columns.size(), 4u);
    EXPECT_EQ(table.columns[3].header, "nadpoložky");
    EXPECT_EQ(table.columns[3].width, 800);
    ASSERT_EQ(table.rows.size(), 2u);
    EXPECT_THAT(table.rows[0], ElementsAre("Obvodová zeď", "999", "999", "Dům::Přízemí::Obvodová zeď"));
    EXPECT_THAT(table.rows[1], ElementsAre("Komín", "888", "888", "Dům::Komín"));
}

TEST_F(TestCenikuTest, NothingMissingShowsNothing)
{
    test::Add(materials, {.objCislo = "999", .nazev = "Věncovka"});
    test::Add(materials, {.objCislo = "888", .nazev = "Komínová tvárnice"});
    TestCeniku(ui, projekty, materials, Separators{});
    EXPECT_THAT(ui.tables, IsEmpty());
    EXPECT_THAT(ui.messages, IsEmpty());
}

TEST_F(TestCenikuTest, AFailingCheckIsReportedAndNothingShown)
{
    AddChild(*projekty[0], std::make_unique<BrokenCheck>());
    TestCeniku(ui, projekty, materials, Separators{});
    EXPECT_THAT(ui.tables, IsEmpty());
    EXPECT_THAT(ui.MessageLines(), ElementsAre("Karno: kontrola selhala", "Chyba: TestCeniku"));
    EXPECT_EQ(ui.waitDepth, 0);
}

}  // namespace
}  // namespace belvo
