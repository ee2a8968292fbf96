#include <gtest/gtest.h>

#include "materials/cihly.h"
#include "materials/element_fixture.h"

namespace belvo::test {
namespace {

// A brick of module 250 (length) × 300 (width) × 250 (height) and the mortars it may take.
class CihlyTest : public ElementTest {
protected:
    void SetUp() override
    {
        auto brick = Record("B", 1, 0, N("300"), N("248"), N("238"), "5");
        brick->Malta = CCislo(20);
        Put(std::move(brick));

        auto variant = Record("Bsbc", 1, 0, N("300"), N("248"), N("238"), "5");
        variant->Malta = CCislo(20);
        variant->VariantaKod = CCislo(8);
        variant->Varianta = "sbc";
        variant->MaltaZak = CCislo(5);
        variant->Perlit = CCislo(2);
        Put(std::move(variant));

        auto thermal = Record("M38", 38, 0, N("0"), N("0"), N("0"));
        thermal->Malta = CCislo(25);
        Put(std::move(thermal));
        auto glue = Record("G8", -38, 8, N("0"), N("0"), N("0"));
        glue->Malta = CCislo(25);
        Put(std::move(glue));
        auto base = Record("Z2", -38, 2, N("0"), N("0"), N("0"));
        base->Malta = CCislo(10);
        Put(std::move(base));
        auto perlite = Record("PER", 80, 1, N("0"), N("0"), N("0"));
        perlite->Malta = CCislo(4);
        Put(std::move(perlite));
    }

    std::unique_ptr<CCihly> Cihly(const std::string& objCislo, const CCislo& kusu)
    {
        auto element = std::make_unique<CCihly>();
        element->ObjCislo = objCislo;
        element->MaterialText = objCislo;
        element->Kusu = kusu;
        return element;
    }
};

TEST_F(CihlyTest, NoBricksMeansNoMortarEither)
{
    auto element = Cihly("B", CCislo(0));
    element->MaltaNeboLepidlo = 1;
    Compute(*element);
    EXPECT_TRUE(navrh.Polozky.empty());
}

TEST_F(CihlyTest, MortarOnlyWhenAskedForAnOrdinaryBrick)
{
    Compute(*Cihly("B", CCislo(32)));
    EXPECT_EQ(Quantity("B"), CCislo(32));
    EXPECT_EQ(Item("M38"), nullptr);

    auto withMortar = Cihly("B", CCislo(32));
    withMortar->MaltaNeboLepidlo = 1;
    Compute(*withMortar);
    // 20 × (250 × 250 × 32) / (25 × 1 000 000) = 1.6
    EXPECT_EQ(Quantity("M38"), N("1.6"));
}

TEST_F(CihlyTest, PriceVariantBrickAlwaysTakesItsGlue)
{
    Compute(*Cihly("Bsbc", CCislo(32)));
    EXPECT_EQ(Quantity("G8"), N("1.6"));
    EXPECT_EQ(Item("M38"), nullptr);
}

TEST_F(CihlyTest, FoundationMortarAndPerliteRunAlongTheFirstCourse)
{
    auto element = Cihly("Bsbc", CCislo(32));
    element->ZakladaciMalta = 1;
    element->DelkaPrvnihoSaru = CCislo(3000);
    element->PocetSaruSPerlitem = CCislo(3);
    Compute(*element);
    // 5 × 3000 / 250 / 10 = 6.0; perlite 3000 × 3 / 250 × 2 / 4 = 18.0
    EXPECT_EQ(Quantity("Z2"), N("6.0"));
    EXPECT_EQ(Quantity("PER"), N("18.0"));

    // The first course is never longer than the bricks in a row: 32 × 250 = 8000.
    navrh.Polozky.clear();
    navrh.ZvoleneMaterialy.clear();
    element->DelkaPrvnihoSaru = CCislo(10000);
    element->PocetSaruSPerlitem = CCislo(0);
    Compute(*element);
    EXPECT_EQ(Quantity("Z2"), N("16.0"));
    EXPECT_EQ(Item("PER"), nullptr);
}

TEST_F(CihlyTest, FoundationMortarNeedsTheSwitchAndALength)
{
    auto element = Cihly("Bsbc", CCislo(32));
    element->DelkaPrvnihoSaru = CCislo(3000);
    Compute(*element);
    element->ZakladaciMalta = 1;
    element->DelkaPrvnihoSaru = CCislo(0);
    Compute(*element);
    EXPECT_EQ(Item("Z2"), nullptr);
}

TEST_F(CihlyTest, MissingBrickSkipsTheMortarsAndReportsUnderItsName)
{
    auto element = Cihly("NONE", CCislo(32));
    element->MaltaNeboLepidlo = 1;
    Compute(*element);
    EXPECT_TRUE(navrh.Polozky.empty());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Material NONE(NONE)\nnenalezen v číselníku");
}

TEST_F(CihlyTest, PiecesOfAVolume)
{
    const CCislo module = CCihly::ObjemModulu(*materials.Find("B"));
    EXPECT_EQ(module, CCislo(18750000));
    // 2000 × 1000 × 300 mm of masonry.
    EXPECT_EQ(CCihly::KusuObjemu(CCislo(600000000), module, CCislo()), CCislo(32));
    EXPECT_EQ(CCihly::KusuObjemu(CCislo(600000001), module, CCislo()), CCislo(33));
    // Without a volume or a module the typed count stands.
    EXPECT_EQ(CCihly::KusuObjemu(CCislo(0), module, CCislo(7)), CCislo(7));
    EXPECT_EQ(CCihly::KusuObjemu(CCislo(600000000), CCislo(0), CCislo(7)), CCislo(7));
    EXPECT_EQ(CCihly::KusuObjemu(CCislo(0), module, CCislo(-2)), CCislo(0));

    EXPECT_EQ(CCihly::ObjemKusu(CCislo(32), module), CCislo(600000000));
    EXPECT_EQ(CCihly::ObjemKusu(CCislo(0), module), CCislo(0));
}

}  // namespace
}  // namespace belvo::test
