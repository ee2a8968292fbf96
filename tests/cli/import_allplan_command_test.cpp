// belvo-cli import-allplan, run as a child process over a project file and a part list that the
// tests write.
#include <gtest/gtest.h>

#include <string>

#include "app/persistent_classes.h"
#include "cli/cli_runner.h"
#include "foundation/cp1250.h"
#include "materials/kusy.h"
#include "document/project_file.h"
#include "model/projekt.h"
#include "model/skupina.h"
#include "support/temp_dir.h"
#include "support/test_materials.h"

namespace belvo {
namespace {

using test::RunCli;
using test::TempDir;

std::unique_ptr<CMaterial> Part(const std::string& objCislo, int skupina, int typ, int sirka, int delka, int vyska)
{
    auto m = test::MakeMaterial({objCislo, "Díl " + objCislo, skupina, typ});
    m->Sirka = CCislo(sirka);
    m->Delka = CCislo(delka);
    m->Vyska = CCislo(vyska);
    return m;
}

class ImportAllplanCommand : public ::testing::Test {
protected:
    ImportAllplanCommand()
    {
        ProjectFile file;
        file.CenikId = "CZ20160515 14:30 (Kč)/K1";
        file.materials.Append(Part("N2000", 6, 0, 120, 2000, 250));
        auto caption = std::make_unique<CMaterial>();
        caption->ObjCislo = ".";
        caption->Skupina = CCislo(-499);
        caption->Typ = CCislo(3);
        caption->Nazev = "Panel 25";
        caption->Zavod = "KSP 25";
        file.materials.Append(std::move(caption));
        file.materials.Append(Part("K4200", 499, 3, 1200, 4200, 250));
        auto projekt = std::make_unique<CProjekt>();
        projekt->Nazev = "Dům";
        projekt->CenikId = file.CenikId;
        auto group = std::make_unique<CSkupina>();
        group->Nazev = "Přízemí";
        projekt->Prvky.push_back(std::move(group));
        file.projekty.push_back(std::move(projekt));
        WriteProjectFile(project, file, PersistentClasses());

        TempDir::WriteBytes(csv, Utf8ToCp1250("Pozice;Název;Typ;Délka;Šířka;Výška;Počet;Atyp;Délka2\r\n"
                                              "1;SN KARNO;;2000;120;250;5\r\n"
                                              "2;SN KARNO;;2100;120;250;5\r\n"
                                              "3;KSP KARNO;KSP 25;3000;1200;250;2;;4200\r\n"
                                              "4;VĚNCOVKA;;2000;300;250;12\r\n"
                                              "\r\n"
                                              "5;SN KARNO;;2000;120;250;9\r\n"));
    }

    static ProjectFile Read(const std::string& path)
    {
        ProjectFile file;
        ReadProjectFile(path, PersistentClasses(), nullptr, file);
        return file;
    }

    TempDir dir;
    std::string project = dir.File("dům.kar");
    std::string csv = dir.File("strop.csv");
    std::string output = dir.File("výstup.kar");
};

TEST_F(ImportAllplanCommand, AppendsTheGroupAndPrintsTheUnprocessedLines)
{
    const std::string before = TempDir::ReadBytes(project);
    const auto result = RunCli({"import-allplan", csv, project, "--output", output});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "2;SN KARNO;;2100;120;250;5\n4;VĚNCOVKA;;2000;300;250;12\n");
    EXPECT_EQ(TempDir::ReadBytes(project), before);  // the source project stays as it was

    const ProjectFile file = Read(output);
    ASSERT_EQ(file.projekty.size(), 1u);
    const CProjekt& projekt = *file.projekty[0];
    ASSERT_EQ(projekt.Prvky.size(), 2u);
    const auto& group = dynamic_cast<const CSkupina&>(*projekt.Prvky[1]);
    EXPECT_EQ(group.Nazev, "Import strop");
    ASSERT_EQ(group.Prvky.size(), 2u);
    const auto& beam = dynamic_cast<const CKusy&>(*group.Prvky[0]);
    EXPECT_EQ(beam.ObjCislo, "N2000");
    EXPECT_EQ(beam.Pocet, CCislo(5));
    const auto& panel = dynamic_cast<const CKusy&>(*group.Prvky[1]);
    EXPECT_EQ(panel.ObjCislo, "K4200");
    EXPECT_EQ(file.materials.size(), 3u);

    // The imported elements compute like any others.
    const auto proposal = RunCli({"proposal", output, "--format", "json"});
    ASSERT_EQ(proposal.exitCode, 0) << proposal.err;
    EXPECT_NE(proposal.out.find("\"ObjCislo\": \"N2000\""), std::string::npos);
    EXPECT_NE(proposal.out.find("\"ObjCislo\": \"K4200\""), std::string::npos);
}

TEST_F(ImportAllplanCommand, WithoutOutputTheProjectItselfIsRewritten)
{
    const auto result = RunCli({"import-allplan", csv, project});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(Read(project).projekty.at(0)->Prvky.size(), 2u);
}

TEST_F(ImportAllplanCommand, UnreadablePartListChangesNothing)
{
    const std::string before = TempDir::ReadBytes(project);
    const auto result = RunCli({"import-allplan", dir.File("chybí.csv"), project});
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_NE(result.err.find("chybí.csv"), std::string::npos) << result.err;
    EXPECT_EQ(TempDir::ReadBytes(project), before);
}

TEST_F(ImportAllplanCommand, BadArgumentsShowTheUsage)
{
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"import-allplan", csv}, std::vector<std::string>{"import-allplan", csv, project, "--x"},
          std::vector<std::string>{"import-allplan", csv, project, "--output"}}) {
        const auto result = RunCli(args);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_NE(result.err.find("import-allplan FILE.csv PROJECT.kar"), std::string::npos) << result.err;
    }
}

}  // namespace
}  // namespace belvo
