// belvo-cli proposal over a project file with walls: openings, lintels, plinth sections and
// plaster are computed, and a wall whose calculation fails is reported without ending the run.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "app/persistent_classes.h"
#include "catalogue/material_codes.h"
#include "catalogue/price_list_file.h"
#include "cli/cli_runner.h"
#include "document/project_file.h"
#include "model/projekt.h"
#include "model/skupina.h"
#include "support/temp_dir.h"
#include "walls/wall_fixture.h"

namespace belvo {
namespace {

using test::AddOpening;
using test::AddPlinth;
using test::Material;
using test::RunCli;
using test::TempDir;
using test::Wall;

// Order number -> NavrhKs of the items in the JSON output.
std::map<std::string, std::string> ItemQuantities(const std::string& json)
{
    std::map<std::string, std::string> quantities;
    const std::regex item(R"re("ObjCislo": "([^"]*)",[^}]*?"NavrhKs": "([^"]*)")re");
    for (auto it = std::sregex_iterator(json.begin(), json.end(), item); it != std::sregex_iterator(); ++it)
        quantities[(*it)[1]] = (*it)[2];
    return quantities;
}

TEST(WallProposalCommand, ComputesTheWallsOfAProject)
{
    TempDir dir;
    const std::string settings = dir.File("belvo.ini");
    TempDir::WriteBytes(settings, "[Setup]\nAutor=nikdo\n");

    ProjectFile file;
    file.CenikId = "CZ20160515 14:30 (Kč)/K1";
    file.materials.Append(Material("B", 1, 0, 300, 250, 249, "7"));
    file.materials.Append(Material("SB", 1, 0, 300, 250, 249, "9"));
    file.materials.Append(Material("Z", 1, 0, 300, 250, 0, "5"));
    file.materials.Append(Material("N1500", kSkupinaPreklady, kTypPrekladNosny, 70, 1500, 238));
    auto plaster = Material("O", kSkupinaMaltyOmitky, kTypOmitka, 0, 0, 0);
    plaster->Malta = CCislo(1);
    file.materials.Append(std::move(plaster));

    auto wall = Wall(300, 5000, 2500);
    AddOpening(*wall, 1200, 1500).Preklady = kPrekladNosne;
    AddPlinth(*wall, "SB", 2, kSoklVolbyPrvni);
    wall->Omitka = kOmitkaVnejsi;
    auto group = std::make_unique<CSkupina>();
    group->Nazev = "Přízemí";
    group->Prvky.push_back(std::move(wall));
    group->Prvky.push_back(Wall(300, 1000, 1000, "Z"));  // a zero module: reported, skipped
    auto projekt = std::make_unique<CProjekt>();
    projekt->Nazev = "Dům";
    projekt->CenikId = file.CenikId;
    projekt->Prvky.push_back(std::move(group));
    file.projekty.push_back(std::move(projekt));
    const std::string project = dir.File("dům.kar");
    WriteProjectFile(project, file, PersistentClasses());

    const auto result = RunCli({"proposal", project, "--settings", settings, "--format", "json"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    // Above the plinth 2000: 131.2 → 132 bricks, 6 fewer for the lintels; 2 courses of the
    // plinth brick; plaster 12.5 rounded up to whole pieces.
    EXPECT_EQ(ItemQuantities(result.out),
              (std::map<std::string, std::string>{{"B", "126"}, {"SB", "40"}, {"N1500", "4"}, {"O", "13"}}));
    EXPECT_NE(result.out.find(R"("text": "CZed::VypocetPolozek")"), std::string::npos) << result.out;
    EXPECT_NE(result.err.find("INT_DIVIDE_BY_ZERO"), std::string::npos) << result.err;
}

TEST(WallProposalCommand, CheckReportsTheMaterialsAnotherPriceListLacks)
{
    TempDir dir;
    ProjectFile file;
    file.CenikId = "CZ20160515 14:30 (Kč)/K1";
    file.materials.Append(Material("B", 1, 0, 300, 250, 249, "7"));
    auto group = std::make_unique<CSkupina>();
    group->Nazev = "Přízemí";
    group->Prvky.push_back(Wall(300, 5000, 2500));
    auto projekt = std::make_unique<CProjekt>();
    projekt->Nazev = "Dům\nBrno";
    projekt->Prvky.push_back(std::move(group));
    file.projekty.push_back(std::move(projekt));
    const std::string project = dir.File("dům.kar");
    WriteProjectFile(project, file, PersistentClasses());

    EXPECT_EQ(RunCli({"check", project}).exitCode, 0);

    CMaterialList other;
    other.Append(Material("C", 1, 0, 300, 250, 249, "8"));
    const std::string catalogue = dir.File("jiný.dat");
    WritePriceListFile(catalogue, "CZ", other, PersistentClasses());
    const auto result = RunCli({"check", project, "--catalogue", catalogue});
    EXPECT_EQ(result.exitCode, 1) << result.err;
    EXPECT_NE(result.out.find("\tB\t"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("Dům::Přízemí::"), std::string::npos) << result.out;
}

}  // namespace
}  // namespace belvo
