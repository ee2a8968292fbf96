// The material elements in project files: every stored version, and a project holding every
// element type that is written, read back identical and computed.
#include <gtest/gtest.h>

#include <sstream>

#include "catalogue/catalogue_classes.h"
#include "materials/cihly.h"
#include "materials/delka.h"
#include "materials/dlazba.h"
#include "materials/element_fixture.h"
#include "materials/kusy.h"
#include "materials/material_classes.h"
#include "materials/pasky.h"
#include "materials/strop.h"
#include "materials/tvarovky.h"
#include "model/model_classes.h"
#include "model/projekt.h"
#include "model/skupina.h"
#include "walls/okna.h"
#include "walls/wall_classes.h"
#include "walls/zed.h"
#include "walls/zkoseni.h"

namespace belvo::test {
namespace {

const ClassRegistry& Registry()
{
    static const ClassRegistry registry = [] {
        ClassRegistry r;
        RegisterCatalogueClasses(r);
        RegisterModelClasses(r);
        RegisterWallClasses(r);
        RegisterMaterialClasses(r);
        return r;
    }();
    return registry;
}

std::string Store(const CObject& object)
{
    std::ostringstream out(std::ios::binary);
    {
        CArchive ar(out, "projekt.kar", Registry());
        ar.WriteObject(&object);
        ar.Flush();
    }
    return out.str();
}

template <class T>
std::unique_ptr<T> Load(const std::string& bytes)
{
    std::istringstream in(bytes, std::ios::binary);
    CArchive ar(in, bytes.size(), "projekt.kar", Registry());
    auto object = ar.ReadOwned<T>();
    EXPECT_EQ(ar.Remaining(), 0u);
    return object;
}

// The bytes an older program wrote: the class description with `schema`, then what `fields`
// writes (the fields of that version, the children list included).
std::string OldObject(const std::string& className, std::uint16_t schema,
                      const std::function<void(CArchive&)>& fields)
{
    std::ostringstream out(std::ios::binary);
    {
        CArchive ar(out, "stary.kar", Registry());
        ar << std::uint16_t{0xFFFF} << schema << static_cast<std::uint16_t>(className.size());
        for (const char c : className) ar << static_cast<std::uint8_t>(c);
        fields(ar);
        ar.Flush();
    }
    return out.str();
}

TEST(ElementArchive, VersionOneKusyLoadsAsTypical)
{
    const std::string bytes = OldObject("CKusy", 1, [](CArchive& ar) {
        ar << std::string("Překlady") << std::string("P1 Překlad") << std::string("P1") << CCislo(4)
           << std::int32_t{9} << std::int32_t{18};
        ar.WriteCount(0);
    });
    const auto kusy = Load<CKusy>(bytes);
    ASSERT_TRUE(kusy);
    EXPECT_EQ(kusy->Nazev, "Překlady");
    EXPECT_EQ(kusy->ObjCislo, "P1");
    EXPECT_EQ(kusy->Pocet, CCislo(4));
    EXPECT_EQ(kusy->Skupina, 9);
    EXPECT_EQ(kusy->Obrazek, 18);
    EXPECT_EQ(kusy->Atyp, 0);
}

TEST(ElementArchive, VersionOneLintelPiecesKeepTheirWallFields)
{
    const std::string bytes = OldObject("CKusyPreklady", 1, [](CArchive& ar) {
        ar << std::string("Překlad") << std::string("P1") << std::string("P1") << CCislo(4) << std::int32_t{9}
           << std::int32_t{18};
        ar.WriteCount(0);
        ar << std::string("B cihla") << std::string("B") << CCislo(2) << CCislo(300);
    });
    const auto lintels = Load<CKusyPreklady>(bytes);
    ASSERT_TRUE(lintels);
    EXPECT_EQ(lintels->Atyp, 0);
    EXPECT_EQ(lintels->ZaklMaterial, "B cihla");
    EXPECT_EQ(lintels->ZaklObjCislo, "B");
    EXPECT_EQ(lintels->PocetOtvoru, CCislo(2));
    EXPECT_EQ(lintels->SirkaZdi, CCislo(300));
}

TEST(ElementArchive, VersionOneLengthHasZeroPieces)
{
    const std::string bytes = OldObject("CDelka", 1, [](CArchive& ar) {
        ar << std::string("Věncovky") << std::string("V1") << std::string("V1") << CCislo(2600) << std::int32_t{8}
           << std::int32_t{11};
        ar.WriteCount(0);
    });
    const auto length = Load<CDelka>(bytes);
    ASSERT_TRUE(length);
    EXPECT_EQ(length->Delka, CCislo(2600));
    EXPECT_TRUE(length->Pocet.SameAs(CCislo(0)));
}

TEST(ElementArchive, VersionOneBricksHaveNoMortarOptions)
{
    const std::string bytes = OldObject("CCihly", 1, [](CArchive& ar) {
        ar << std::string("Cihly") << std::string("B") << std::string("B");
        ar << CCislo(2000) << CCislo(1000) << CCislo(300) << CCislo(2000000) << CCislo(600000000) << CCislo(32);
        ar.WriteCount(0);
    });
    const auto bricks = Load<CCihly>(bytes);
    ASSERT_TRUE(bricks);
    EXPECT_EQ(bricks->Delka, CCislo(2000));
    EXPECT_EQ(bricks->Vyska, CCislo(1000));
    EXPECT_EQ(bricks->Sirka, CCislo(300));
    EXPECT_EQ(bricks->Kusu, CCislo(32));
    EXPECT_TRUE(bricks->DelkaPrvnihoSaru.SameAs(CCislo(0)));
    EXPECT_TRUE(bricks->PocetSaruSPerlitem.SameAs(CCislo(0)));
    EXPECT_EQ(bricks->ZakladaciMalta, 0);
    EXPECT_EQ(bricks->MaltaNeboLepidlo, 0);
}

TEST(ElementArchive, ClassesWithoutVersionsRefuseOtherSchemas)
{
    for (const char* name : {"CTvarovky", "CDlazba", "CPasky", "CVelto", "CHurdis"}) {
        SCOPED_TRACE(name);
        const std::string bytes = OldObject(name, 2, [](CArchive&) {});
        std::istringstream in(bytes, std::ios::binary);
        CArchive ar(in, bytes.size(), "stary.kar", Registry());
        try {
            ar.ReadOwnedObject();
            ADD_FAILURE() << "loaded";
        } catch (const ArchiveError& error) {
            EXPECT_EQ(error.Cause(), ArchiveCause::BadSchema);
        }
    }
}

std::unique_ptr<COkna> Otvor(const char* nazev, int plocha, int pocet)
{
    auto opening = std::make_unique<COkna>();
    opening->Nazev = nazev;
    opening->Plocha = CCislo(plocha);
    opening->Pocet = CCislo(pocet);
    return opening;
}

std::unique_ptr<CZkoseni> Zkos(int plocha)
{
    auto slant = std::make_unique<CZkoseni>();
    slant->Nazev = "Zkoseni";
    slant->Plocha = CCislo(plocha);
    return slant;
}

class ProjectOfEveryElement : public ElementTest {
protected:
    void SetUp() override
    {
        Add("B", 1, 0, N("300"), N("248"), N("238"), "5");
        Add("R", 1, 2, N("300"), N("248"), N("165"), "5");
        Add("P1", 9, 1, N("145"), N("1750"), N("238"));
        Add("K1", 499, 3, N("1200"), N("4200"), N("250"));
        Add("S1", 502, 0, N("300"), N("333"), N("60"));
        Add("T1", 501, 0, N("185"), N("385"), N("120"));
        Add("D1", 500, 0, N("285"), N("285"), N("40"));
        Add("PS", 504, 0, N("71"), N("240"), N("14"), "7");
        Add("PR", 504, 1, N("71"), N("240"), N("14"), "7");
        Add("V1", 7, 0, N("500"), N("248"), N("200"));
        Add("H1", 39, 0, N("250"), N("600"), N("80"), "15");
        Add("PAT", 39, 1, N("50"), N("250"), N("80"), "15");
        navrh.Atyp = CCislo(20);
    }

    static std::unique_ptr<CProjekt> Build()
    {
        auto projekt = std::make_unique<CProjekt>();
        projekt->Nazev = "Dům\nBrno";
        auto group = std::make_unique<CSkupina>();
        group->Nazev = "Přízemí";

        auto wall = std::make_unique<CZed>();
        wall->ObjCislo = "B";
        wall->MaterialText = "B cihla";
        wall->Otoceni = CCislo(0);
        wall->Sirka = CCislo(300);
        wall->Delka = CCislo(5000);
        wall->Vyska = CCislo(2500);
        auto wallLintels = std::make_unique<CKusyPreklady>();
        wallLintels->ObjCislo = "P1";
        wallLintels->Pocet = CCislo(4);
        wallLintels->ZaklObjCislo = "B";
        wallLintels->ZaklMaterial = "B cihla";
        wallLintels->PocetOtvoru = CCislo(2);
        wallLintels->SirkaZdi = CCislo(300);
        wall->Prvky.push_back(std::move(wallLintels));
        group->Prvky.push_back(std::move(wall));

        auto panel = std::make_unique<CKusy>(499, kObrazekStropniPanely);
        panel->ObjCislo = "K1";
        panel->Pocet = CCislo(3);
        panel->Atyp = 1;
        group->Prvky.push_back(std::move(panel));

        auto caps = std::make_unique<CDelka>(502, kObrazekPlotoveStrisky);
        caps->ObjCislo = "S1";
        caps->Delka = CCislo(2600);
        caps->Pocet = CCislo(8);
        group->Prvky.push_back(std::move(caps));

        auto bricks = std::make_unique<CCihly>();
        bricks->ObjCislo = "B";
        bricks->Kusu = CCislo(32);
        bricks->Delka = CCislo(2000);
        bricks->Vyska = CCislo(1000);
        bricks->Sirka = CCislo(300);
        bricks->Plocha = CCislo(2000000);
        bricks->Objem = CCislo(600000000);
        bricks->DelkaPrvnihoSaru = CCislo(2000);
        bricks->ZakladaciMalta = 1;
        group->Prvky.push_back(std::move(bricks));

        auto shaped = std::make_unique<CTvarovky>();
        shaped->ObjCislo = "T1";
        shaped->Delka = CCislo(2000);
        shaped->Vyska = CCislo(1000);
        shaped->Plocha = CCislo(2000000);
        shaped->Otvory.push_back(Otvor("Okno", 400000, 2));
        shaped->Zkoseni.push_back(Zkos(100000));
        projekt->Prvky.push_back(std::move(group));
        projekt->Prvky.push_back(std::move(shaped));

        auto paving = std::make_unique<CDlazba>(500, kObrazekDlazba);
        paving->ObjCislo = "D1";
        paving->Plocha = CCislo(10000000);
        paving->Otvory.push_back(Otvor("Šachta", 900000, 1));
        projekt->Prvky.push_back(std::move(paving));

        auto facing = std::make_unique<CPasky>();
        facing->ObjCislo = "PS";
        facing->Delka = CCislo(2000);
        facing->Vyska = CCislo(1050);
        facing->Rohy = 3;
        facing->Otvory.push_back(Otvor("Okno", 187500, 1));
        projekt->Prvky.push_back(std::move(facing));

        auto inserts = std::make_unique<CVelto>();
        inserts->ObjCislo = "V1";
        inserts->Delka = CCislo(3600);
        inserts->PocetPoli = CCislo(4);
        inserts->PocetKusu = CCislo(60);
        projekt->Prvky.push_back(std::move(inserts));

        auto hurdis = std::make_unique<CHurdis>();
        hurdis->ObjCislo = "H1";
        hurdis->PocetKusu = CCislo(60);
        hurdis->Patky = 1;
        projekt->Prvky.push_back(std::move(hurdis));
        return projekt;
    }

    void ComputeInto(CNavrh& into, CPrvek& root)
    {
        into.Atyp = CCislo(20);
        root.VypocetPolozek(into, materials, "", context);
    }
};

TEST_F(ProjectOfEveryElement, IsWrittenReadBackIdenticalAndComputed)
{
    const auto original = Build();
    const std::string bytes = Store(*original);
    const auto loaded = Load<CProjekt>(bytes);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(Store(*loaded), bytes);

    // Spot checks that the fields landed where they belong.
    const auto& group = dynamic_cast<const CSkupina&>(*loaded->Prvky.at(0));
    ASSERT_EQ(group.Prvky.size(), 4u);
    const auto& wall = dynamic_cast<const CZed&>(*group.Prvky[0]);
    const auto& lintels = dynamic_cast<const CKusyPreklady&>(*wall.Prvky.at(0));
    EXPECT_EQ(lintels.SirkaZdi, CCislo(300));
    EXPECT_EQ(dynamic_cast<const CKusy&>(*group.Prvky[1]).Atyp, 1);
    EXPECT_EQ(dynamic_cast<const CCihly&>(*group.Prvky[3]).ZakladaciMalta, 1);
    const auto& shaped = dynamic_cast<const CTvarovky&>(*loaded->Prvky.at(1));
    ASSERT_EQ(shaped.Otvory.size(), 1u);
    EXPECT_EQ(shaped.Otvory[0]->Pocet, CCislo(2));
    EXPECT_EQ(shaped.Zkoseni.size(), 1u);
    EXPECT_EQ(dynamic_cast<const CPasky&>(*loaded->Prvky.at(3)).Rohy, 3);
    EXPECT_EQ(dynamic_cast<const CHurdis&>(*loaded->Prvky.at(5)).Patky, 1);

    CNavrh fromOriginal;
    ComputeInto(fromOriginal, *original);
    CNavrh fromLoaded;
    ComputeInto(fromLoaded, *loaded);
    ASSERT_EQ(fromLoaded.Polozky.size(), fromOriginal.Polozky.size());
    for (std::size_t i = 0; i < fromLoaded.Polozky.size(); ++i) {
        EXPECT_EQ(fromLoaded.Polozky[i]->ObjCislo, fromOriginal.Polozky[i]->ObjCislo);
        EXPECT_TRUE(fromLoaded.Polozky[i]->NavrhKs.SameAs(fromOriginal.Polozky[i]->NavrhKs));
    }

    // What each element contributes (the wall's bricks less the lintels' course).
    navrh.Polozky.clear();
    ComputeInto(navrh, *loaded);
    EXPECT_EQ(Quantity("P1"), CCislo(4));
    EXPECT_EQ(Quantity("S1"), CCislo(8));
    EXPECT_EQ(Quantity("T1"), CCislo(17));
    EXPECT_EQ(Quantity("D1"), CCislo(102));
    EXPECT_EQ(Quantity("PS"), CCislo(88));
    EXPECT_EQ(Quantity("PR"), CCislo(14));
    EXPECT_EQ(Quantity("V1"), CCislo(60));
    EXPECT_EQ(Quantity("H1"), CCislo(60));
    EXPECT_EQ(Quantity("PAT"), CCislo(120));
    // 200 bricks of the wall, 14 replaced by the lintels, 32 loose bricks.
    EXPECT_EQ(Quantity("B"), CCislo(200 - 14 + 32));
    EXPECT_TRUE(ui.messages.empty()) << ui.MessageLines().front();
}

}  // namespace
}  // namespace belvo::test
