// The fixture of the document tests: a document over a scripted user, settings in memory, a
// fixed clock and recording windows, and helpers that give it a project by opening a file.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "settings/memory_settings_store.h"
#include "document/belvo_doc.h"
#include "document/project_file.h"
#include "model/projekt.h"
#include "model/skupina.h"
#include "platform/system_info.h"
#include "proposal/navrh.h"
#include "support/fixture_element.h"
#include "support/price_list_bed.h"
#include "support/recording_views.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"
#include "support/test_materials.h"

namespace belvo::test {

inline constexpr const char* kTestCenikId = "CZ20160515 14:30 (Kč)/K1";

// A price list with a material in each of three groups.
inline void FillPriceList(CMaterialList& materials)
{
    Add(materials, {"110300", "Cihla 30", 1});
    Add(materials, {"380001", "Malta tepelně izolační", 38});
    // A ceiling beam 2000 × 120 × 250, as an Allplan part list names it.
    auto beam = MakeMaterial({"600200", "Nosník stropní 200", 6});
    beam->Sirka = CCislo(120);
    beam->Delka = CCislo(2000);
    beam->Vyska = CCislo(250);
    materials.Append(std::move(beam));
}

class DocumentTest : public ::testing::Test {
protected:
    ScriptedUi ui;
    MemorySettingsStore settings;
    FixedSystemInfo system;
    RecordingShell shell;
    RecordingViews views;
    NoWeb web;
    TempDir dir;
    TempDir startup;
    CBelvoDoc doc{Environment(ui), views.Views()};

    // The price list "CZ-Kč" is known and configured, is the default one and comes from the file
    // Karno.dat in the start-up directory.
    DocumentTest()
    {
        settings.SetString("Setup", "Ceniky", "CZ-Kč;");
        settings.SetString("Setup", "CenikVychozi", "CZ-Kč");
        settings.SetString("CZ-Kč", "CenikRadio", "file");
        settings.SetString("CZ-Kč", "TestWWW", "N");
        CMaterialList materials;
        FillPriceList(materials);
        WritePriceListFile(startup.File("Karno.dat"), kTestCenikId, materials, TestClasses());
    }

    DocumentEnvironment Environment(Ui& user)
    {
        return DocumentEnvironment{user, settings, system, TestClasses(), shell, web, nullptr, startup.Path().string()};
    }

    // A project file holding `projekt` (and `navrhy`) with the test price list.
    std::string WriteProject(std::unique_ptr<CProjekt> projekt, std::vector<std::unique_ptr<CNavrh>> navrhy = {},
                             const std::string& name = "dům.kar")
    {
        ProjectFile file;
        file.CenikId = kTestCenikId;
        FillPriceList(file.materials);
        projekt->CenikId = kTestCenikId;
        file.projekty.push_back(std::move(projekt));
        file.navrhy = std::move(navrhy);
        const std::string path = dir.File(name);
        WriteProjectFile(path, file, TestClasses());
        return path;
    }

    // Opens a project file holding `projekt`; the document is then modified, as after every open.
    void OpenProject(std::unique_ptr<CProjekt> projekt, std::vector<std::unique_ptr<CNavrh>> navrhy = {})
    {
        const std::string path = WriteProject(std::move(projekt), std::move(navrhy));
        ASSERT_TRUE(doc.OnOpenDocument(path));
    }

    // The tree item of the element reached from the project by the child indices.
    TreeItem ItemOf(std::initializer_list<std::size_t> indices) const
    {
        const CPrvek* element = doc.Projekt();
        for (std::size_t i : indices) element = element->Prvky.at(i).get();
        return element->hItem;
    }
};

// A project "Dům" holding the group "Přízemí" with one test element "Zeď 1" of 950 bricks and,
// directly below the project, "Komín" of 40 bricks.
inline std::unique_ptr<CProjekt> SampleProject()
{
    auto projekt = std::make_unique<CProjekt>();
    projekt->Nazev = "Dům\nBrno";
    projekt->Autor = "Novák";
    projekt->Vznik = "5.3.2016";
    auto group = std::make_unique<CSkupina>();
    group->Nazev = "Přízemí";
    group->Prvky.push_back(std::make_unique<CTestPrvek>(
        "Zeď 1", std::vector<CTestPrvek::Contribution>{{"110300", CCislo(950)}}));
    projekt->Prvky.push_back(std::move(group));
    projekt->Prvky.push_back(std::make_unique<CTestPrvek>(
        "Komín", std::vector<CTestPrvek::Contribution>{{"110300", CCislo(40)}}));
    return projekt;
}

inline std::unique_ptr<CNavrh> SavedProposal(std::string nazev)
{
    auto navrh = std::make_unique<CNavrh>();
    navrh->Nazev = std::move(nazev);
    navrh->Datum = "5.3.2016 09:07";
    navrh->CelyProjekt = 1;
    return navrh;
}

}  // namespace belvo::test
