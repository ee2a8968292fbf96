#include <gtest/gtest.h>

#include "settings/memory_settings_store.h"
#include "catalogue/material.h"
#include "model/element_path.h"
#include "model/najdi_material.h"
#include "model/projekt.h"
#include "model/skupina.h"
#include "platform/system_info.h"
#include "support/fixture_element.h"
#include "support/memory_archive.h"
#include "support/test_materials.h"
#include "support/tree_builder.h"

namespace belvo {
namespace {

using test::CTestPrvek;

const Separators kPoint{".", ""};
std::string Show(const CCislo& c) { return c.Format(kPoint, CCislo::kPoint | CCislo::kEmptyNull); }

using test::AddChild;
using test::Group;

TEST(NewProject, DefaultsWithEmptySettings)
{
    MemorySettingsStore settings;
    FixedSystemInfo system;
    const auto projekt = CProjekt::Novy(settings, system);
    EXPECT_EQ(projekt->Nazev, "Projekt");
    EXPECT_EQ(projekt->Popis, "");
    EXPECT_EQ(projekt->Vznik, "15.5.2016");
    EXPECT_EQ(projekt->Autor, "STROJ~uzivatel");
    EXPECT_EQ(settings.GetString("Setup", "Autor", "-"), "STROJ~uzivatel");  // written back
    EXPECT_EQ(projekt->CenikId, "");
    EXPECT_EQ(Show(projekt->DPH), "22");
    EXPECT_EQ(Show(projekt->Sleva), "0");
    EXPECT_EQ(Show(projekt->Atyp), "20");
    EXPECT_FALSE(projekt->SDPH);
    EXPECT_TRUE(projekt->DopravaKm.IsNull());
    EXPECT_TRUE(projekt->DopravaCenaKm.IsNull());
    EXPECT_EQ(Show(projekt->DopravaCena), "0");
    EXPECT_TRUE(projekt->Prvky.empty());
}

TEST(NewProject, TakesTheSettings)
{
    MemorySettingsStore settings;
    settings.SetString("Setup", "Autor", "Jana Nováková");
    settings.SetString("Setup", "Cena", "A");
    settings.SetString("Setup", "DPH", "21");
    settings.SetString("Setup", "Sleva", "2,5");
    settings.SetString("Setup", "Atyp", "15");
    FixedSystemInfo system;
    system.now = {2016, 12, 1, 8, 0, 0};
    const auto projekt = CProjekt::Novy(settings, system);
    EXPECT_EQ(projekt->Vznik, "1.12.2016");
    EXPECT_EQ(projekt->Autor, "Jana Nováková");
    EXPECT_TRUE(projekt->SDPH);
    EXPECT_EQ(Show(projekt->DPH), "21");
    EXPECT_EQ(Show(projekt->Sleva), "2.5");
    EXPECT_EQ(Show(projekt->Atyp), "15");

    for (const char* off : {"N", "a", "1", ""}) {
        settings.SetString("Setup", "Cena", off);
        EXPECT_FALSE(CProjekt::Novy(settings, system)->SDPH) << off;
    }
}

TEST(NewProject, PriceListSectionDefaultsDoNotFallBackToSetup)
{
    MemorySettingsStore settings;
    settings.SetString("Setup", "DPH", "19");
    settings.SetString("SK-EUR", "DPH", "20,0");
    settings.SetString("SK-EUR", "Atyp", "10");
    CProjekt projekt;
    projekt.NactiVychozi(settings, "SK-EUR");
    EXPECT_EQ(Show(projekt.DPH), "20.0");
    EXPECT_EQ(Show(projekt.Atyp), "10");
    EXPECT_EQ(Show(projekt.Sleva), "0");
    projekt.NactiVychozi(settings, "PL-PLN");
    EXPECT_EQ(Show(projekt.DPH), "22");
    EXPECT_EQ(Show(projekt.Atyp), "20");
}

class ProjectTreeWalks : public ::testing::Test {
protected:
    ProjectTreeWalks()
    {
        projekt.Nazev = "Dům\nBrno";
        floor = &AddChild(projekt, Group("Přízemí"));
        wall = &AddChild(*floor, std::make_unique<CTestPrvek>(
                                     "Zeď 1", std::vector<CTestPrvek::Contribution>{{"110100", CCislo(1)}, {"999", CCislo(1)}}));
        inner = &AddChild(*floor, Group("Koupelna"));
        AddChild(*inner, std::make_unique<CTestPrvek>("Obklad", std::vector<CTestPrvek::Contribution>{{"777", CCislo(1)}}));
        AddChild(projekt, std::make_unique<CTestPrvek>("Komín", std::vector<CTestPrvek::Contribution>{{"888", CCislo(1)}}));
        test::Add(materials, {"110100", "Cihla"});
    }

    CProjekt projekt;
    CSkupina* floor = nullptr;
    CSkupina* inner = nullptr;
    CTestPrvek* wall = nullptr;
    CMaterialList materials;
};

TEST_F(ProjectTreeWalks, InsertIntoTheTreeWithLabelsAndPictures)
{
    ProjectTree tree;
    const TreeItem root = projekt.VlozDoStromu(tree, kNoTreeItem);
    ASSERT_NE(root, kNoTreeItem);
    EXPECT_EQ(projekt.hItem, root);
    EXPECT_EQ(tree.Text(root), "Dům");
    EXPECT_EQ(tree.Picture(root), 0);
    EXPECT_EQ(tree.Data(root), &projekt);
    ASSERT_EQ(tree.Children(root).size(), 2u);
    const TreeItem floorItem = tree.Children(root)[0];
    EXPECT_EQ(tree.Text(floorItem), "Přízemí");
    EXPECT_EQ(tree.Picture(floorItem), 1);
    EXPECT_EQ(floor->hItem, floorItem);
    EXPECT_EQ(tree.Text(tree.Children(floorItem)[0]), "Zeď 1");
    EXPECT_EQ(tree.Data(tree.Children(floorItem)[1]), inner);
    EXPECT_EQ(tree.Text(tree.Children(root)[1]), "Komín");
    EXPECT_EQ(tree.TopLevelAncestor(wall->hItem), root);

    EXPECT_EQ(projekt.VlozDoStromu(tree, 4242), kNoTreeItem);  // a parent that does not exist
}

TEST_F(ProjectTreeWalks, MissingMaterialsCarryTheirPaths)
{
    std::vector<CChybiMaterial> missing;
    projekt.KontrolaCeniku(missing, "ignored", materials, Separators{});
    EXPECT_EQ(missing, (std::vector<CChybiMaterial>{{"Zeď 1", "999", "999", "Dům::Přízemí::Zeď 1"},
                                                    {"Obklad", "777", "777", "Dům::Přízemí::Koupelna::Obklad"},
                                                    {"Komín", "888", "888", "Dům::Komín"}}));
}

TEST_F(ProjectTreeWalks, ElementsFoundByPath)
{
    EXPECT_EQ(NajdiPrvekPodleCesty(projekt, "Dům"), &projekt);
    EXPECT_EQ(NajdiPrvekPodleCesty(projekt, "Dům::Přízemí::Zeď 1"), wall);
    EXPECT_EQ(NajdiPrvekPodleCesty(projekt, "Dům::Přízemí::Koupelna"), inner);
    EXPECT_EQ(NajdiPrvekPodleCesty(projekt, "Dům\nBrno"), nullptr);
    EXPECT_EQ(NajdiPrvekPodleCesty(projekt, "Dům::Zeď 1"), nullptr);
    EXPECT_EQ(NajdiPrvekPodleCesty(projekt, "Chata::Přízemí"), nullptr);
    EXPECT_EQ(NajdiPrvekPodleCesty(projekt, "Dům::"), nullptr);

    // Among siblings of the same name the first whose subtree holds the rest of the path wins.
    CSkupina& second = AddChild(projekt, Group("Přízemí"));
    CTestPrvek& stairs = AddChild(second, std::make_unique<CTestPrvek>("Schody"));
    EXPECT_EQ(NajdiPrvekPodleCesty(projekt, "Dům::Přízemí"), floor);
    EXPECT_EQ(NajdiPrvekPodleCesty(projekt, "Dům::Přízemí::Schody"), &stairs);
}

TEST_F(ProjectTreeWalks, StoredAndLoadedWithEveryField)
{
    projekt.Popis = "Rodinný dům";
    projekt.Vznik = "5.3.2016";
    projekt.Autor = "PC~jan";
    projekt.CenikId = "CZ20160515 14:30 (Kč)/K1";
    projekt.Sleva = CCislo(25, 1);
    projekt.DPH = CCislo(21);
    projekt.SDPH = true;
    projekt.DopravaKm = CCislo(12);
    projekt.DopravaCenaKm = CCislo(3050, 2);
    projekt.DopravaCena = CCislo(36600, 2);
    projekt.Atyp = CCislo(15);
    floor->Popis = "Spodní podlaží";

    const std::string bytes = test::StoreBytes(test::TestClasses(), [&](CArchive& ar) { ar.WriteObject(&projekt); });
    std::unique_ptr<CProjekt> loaded;
    test::LoadBytes(bytes, test::TestClasses(), nullptr, [&](CArchive& ar) { loaded = ar.ReadOwned<CProjekt>(); });
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->Nazev, "Dům\nBrno");
    EXPECT_EQ(loaded->Popis, "Rodinný dům");
    EXPECT_EQ(loaded->Vznik, "5.3.2016");
    EXPECT_EQ(loaded->Autor, "PC~jan");
    EXPECT_EQ(loaded->CenikId, "CZ20160515 14:30 (Kč)/K1");
    EXPECT_EQ(Show(loaded->Sleva), "2.5");
    EXPECT_EQ(Show(loaded->DPH), "21");
    EXPECT_TRUE(loaded->SDPH);
    EXPECT_EQ(Show(loaded->DopravaKm), "12");
    EXPECT_EQ(Show(loaded->DopravaCenaKm), "30.50");
    EXPECT_EQ(Show(loaded->DopravaCena), "366.00");
    EXPECT_EQ(Show(loaded->Atyp), "15");
    ASSERT_EQ(loaded->Prvky.size(), 2u);
    const auto* group = dynamic_cast<const CSkupina*>(loaded->Prvky[0].get());
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->Nazev, "Přízemí");
    EXPECT_EQ(group->Popis, "Spodní podlaží");
    ASSERT_EQ(group->Prvky.size(), 2u);
    const auto* element = dynamic_cast<const CTestPrvek*>(group->Prvky[0].get());
    ASSERT_NE(element, nullptr);
    EXPECT_EQ(element->contributions.size(), 2u);
    EXPECT_EQ(loaded->Prvky[1]->Nazev, "Komín");
}

// A project as a file of the first version writes it: no surcharge.
std::string SchemaOneProject(const std::string& cenikId)
{
    return test::StoreBytes(test::TestClasses(), [&](CArchive& ar) {
        test::WriteClassHeader(ar, "CProjekt", 1);
        ar << std::string("Starý projekt") << std::string("") << std::string("1.1.2010") << std::string("autor")
           << cenikId;
        ar << CCislo(0) << CCislo(19) << std::int32_t{0} << CCislo() << CCislo() << CCislo(0);
        ar.WriteCount(0);
    });
}

TEST(ProjectSchemaOne, SurchargeComesFromThePriceListSettings)
{
    struct Case {
        const char* sectionValue;
        const char* setupValue;
        const char* expected;
    };
    for (const Case& c : {Case{"12,5", "17", "12.5"}, Case{nullptr, "17", "17"}, Case{nullptr, nullptr, "20"}}) {
        MemorySettingsStore settings;
        if (c.sectionValue) settings.SetString("SK-EUR", "Atyp", c.sectionValue);
        if (c.setupValue) settings.SetString("Setup", "Atyp", c.setupValue);
        settings.SetString("CZ-Kč", "Atyp", "99");
        std::unique_ptr<CProjekt> loaded;
        test::LoadBytes(SchemaOneProject("SK20160515 14:30 (EUR)"), test::TestClasses(), &settings,
                        [&](CArchive& ar) { loaded = ar.ReadOwned<CProjekt>(); });
        ASSERT_TRUE(loaded);
        EXPECT_EQ(loaded->Nazev, "Starý projekt");
        EXPECT_EQ(Show(loaded->DPH), "19");
        EXPECT_EQ(Show(loaded->Atyp), c.expected);
    }
    std::unique_ptr<CProjekt> withoutSettings;
    test::LoadBytes(SchemaOneProject("x"), test::TestClasses(), nullptr,
                    [&](CArchive& ar) { withoutSettings = ar.ReadOwned<CProjekt>(); });
    EXPECT_EQ(Show(withoutSettings->Atyp), "20");
}

TEST(ProjectLoading, ChildrenMustBeElements)
{
    CProjekt projekt;
    const std::string valid = test::StoreBytes(test::TestClasses(), [&](CArchive& ar) { ar.WriteObject(&projekt); });

    // A material where an element belongs.
    const std::string material = test::StoreBytes(test::TestClasses(), [&](CArchive& ar) {
        test::WriteClassHeader(ar, "CSkupina", 1);
        ar << std::string("G") << std::string("");
        ar.WriteCount(1);
        CMaterial m;
        ar.WriteObject(&m);
    });
    try {
        test::LoadBytes(material, test::TestClasses(), nullptr, [](CArchive& ar) { ar.ReadOwned<CSkupina>(); });
        FAIL() << "a material was taken for an element";
    } catch (const ArchiveError& error) {
        EXPECT_EQ(error.Cause(), ArchiveCause::BadClass);
    }

    // An element class the program does not know.
    std::string unknown = test::StoreBytes(test::TestClasses(), [&](CArchive& ar) {
        test::WriteClassHeader(ar, "CSkupina", 1);
        ar << std::string("G") << std::string("");
        ar.WriteCount(1);
        test::WriteClassHeader(ar, "CNeznamy", 1);
    });
    try {
        test::LoadBytes(unknown, test::TestClasses(), nullptr, [](CArchive& ar) { ar.ReadOwned<CSkupina>(); });
        FAIL() << "an unknown class was loaded";
    } catch (const ArchiveError& error) {
        EXPECT_EQ(error.Cause(), ArchiveCause::BadClass);
        EXPECT_NE(std::string(error.what()).find("test.kar"), std::string::npos);
    }
}

TEST(MaterialLookup, ByOrderNumberAndRotation)
{
    CMaterialList materials;
    test::Add(materials, {"A", "plain"});
    test::MaterialSpec rotated{"A", "rotated"};
    rotated.otoceni = CCislo(1);
    test::Add(materials, rotated);
    test::MaterialSpec turned{"A", "turned"};
    turned.otoceni = CCislo(20, 1);  // 2.0 equals 2 by value
    test::Add(materials, turned);

    EXPECT_EQ(NajdiMaterial(materials, "A")->Nazev, "plain");
    EXPECT_EQ(NajdiMaterial(materials, "a"), nullptr);
    EXPECT_EQ(NajdiMaterialOtoceni(materials, "A", CCislo(1))->Nazev, "rotated");
    EXPECT_EQ(NajdiMaterialOtoceni(materials, "A", CCislo(2))->Nazev, "turned");
    EXPECT_EQ(NajdiMaterialOtoceni(materials, "A", CCislo(3)), nullptr);
}

}  // namespace
}  // namespace belvo
