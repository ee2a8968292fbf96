#include <gtest/gtest.h>

#include "materials/delka.h"
#include "materials/element_fixture.h"

namespace belvo::test {
namespace {

class DelkaTest : public ElementTest {
protected:
    void SetUp() override { Add("S1", 502, 0, N("300"), N("333"), N("60")); }

    std::unique_ptr<CDelka> Striska(const CCislo& delka)
    {
        auto element = std::make_unique<CDelka>(502, kObrazekPlotoveStrisky);
        element->Nazev = "Plotová stříška";
        element->ObjCislo = "S1";
        element->MaterialText = "S1 stříška";
        element->Delka = delka;
        return element;
    }
};

TEST_F(DelkaTest, RunLengthBecomesWholePieces)
{
    struct Case {
        const char* delka;
        int pieces;
    };
    // 2600.0 / 333 = 7.8 → 8; 2500.0 / 333 = 7.5 → 8 (ties to even); 2830.0 / 333 = 8.4 → 8.
    for (const Case& c : {Case{"2600", 8}, Case{"2500", 8}, Case{"2830", 8}, Case{"2664", 8}, Case{"100", 0}}) {
        SCOPED_TRACE(c.delka);
        navrh.Polozky.clear();
        Compute(*Striska(N(c.delka)));
        if (c.pieces == 0) {
            EXPECT_EQ(Item("S1"), nullptr);
        } else {
            EXPECT_EQ(Quantity("S1"), CCislo(c.pieces));
        }
    }
}

TEST_F(DelkaTest, FormSnapsTheLengthToWholePieces)
{
    const CMaterial& cap = *materials.Find("S1");
    const CCislo pieces = CDelka::KusyNaDelku(CCislo(2600), cap);
    EXPECT_EQ(pieces, CCislo(8));
    EXPECT_EQ(CDelka::DelkaKusu(pieces, cap), CCislo(2664));
}

TEST_F(DelkaTest, StoredCountPlaysNoPart)
{
    auto element = Striska(CCislo(2600));
    element->Pocet = CCislo(50);
    Compute(*element);
    EXPECT_EQ(Quantity("S1"), CCislo(8));
}

TEST_F(DelkaTest, ZeroMaterialLengthIsReportedAsAFailure)
{
    Add("S0", 502, 0, N("300"), N("0"), N("60"));
    auto element = Striska(CCislo(2600));
    element->ObjCislo = "S0";
    Compute(*element);
    EXPECT_TRUE(navrh.Polozky.empty());
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].text, "CDelka::VypocetPolozek");
}

TEST_F(DelkaTest, MissingMaterialIsReported)
{
    auto element = Striska(CCislo(2600));
    element->ObjCislo = "NONE";
    Compute(*element);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Material S1 stříška(NONE)\nnenalezen v číselníku");
}

}  // namespace
}  // namespace belvo::test
