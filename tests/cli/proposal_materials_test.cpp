// belvo-cli proposal over a project of material elements: every element type computes in the
// batch tool as in the program.
#include <gtest/gtest.h>

#include <string>

#include "app/persistent_classes.h"
#include "cli/cli_runner.h"
#include "materials/cihly.h"
#include "materials/delka.h"
#include "materials/dlazba.h"
#include "materials/kusy.h"
#include "materials/pasky.h"
#include "materials/strop.h"
#include "materials/tvarovky.h"
#include "document/project_file.h"
#include "model/projekt.h"
#include "support/temp_dir.h"
#include "support/test_materials.h"

namespace belvo {
namespace {

using test::RunCli;
using test::TempDir;

void AddPart(ProjectFile& file, const std::string& objCislo, int skupina, int sirka, int delka, int vyska)
{
    auto m = test::MakeMaterial({objCislo, "Díl " + objCislo, skupina, 0});
    m->Sirka = CCislo(sirka);
    m->Delka = CCislo(delka);
    m->Vyska = CCislo(vyska);
    file.materials.Append(std::move(m));
}

template <class T>
T& Element(CProjekt& projekt, std::unique_ptr<T> element, const std::string& objCislo)
{
    element->ObjCislo = objCislo;
    T& ref = *element;
    projekt.Prvky.push_back(std::move(element));
    return ref;
}

TEST(ProposalOfMaterialElements, EveryTypeAddsItsItem)
{
    TempDir dir;
    const std::string path = dir.File("prvky.kar");
    ProjectFile file;
    file.CenikId = "CZ20160515 14:30 (Kč)";
    AddPart(file, "B", 1, 300, 248, 238);
    AddPart(file, "P1", 9, 145, 1750, 238);
    AddPart(file, "S1", 502, 300, 333, 60);
    AddPart(file, "T1", 501, 185, 385, 120);
    AddPart(file, "D1", 500, 285, 285, 40);
    AddPart(file, "PS", 504, 71, 240, 14);
    AddPart(file, "V1", 7, 500, 248, 200);
    AddPart(file, "H1", 39, 250, 600, 80);
    auto projekt = std::make_unique<CProjekt>();
    projekt->Nazev = "Prvky";
    projekt->Atyp = CCislo(20);
    Element(*projekt, std::make_unique<CKusy>(9, kObrazekPreklady), "P1").Pocet = CCislo(4);
    Element(*projekt, std::make_unique<CDelka>(502, kObrazekPlotoveStrisky), "S1").Delka = CCislo(2600);
    Element(*projekt, std::make_unique<CCihly>(), "B").Kusu = CCislo(32);
    auto& shaped = Element(*projekt, std::make_unique<CTvarovky>(), "T1");
    shaped.Delka = CCislo(2000);
    shaped.Vyska = CCislo(1000);
    Element(*projekt, std::make_unique<CDlazba>(500, kObrazekDlazba), "D1").Plocha = CCislo(10000000);
    auto& facing = Element(*projekt, std::make_unique<CPasky>(), "PS");
    facing.Delka = CCislo(2000);
    facing.Vyska = CCislo(1050);
    Element(*projekt, std::make_unique<CVelto>(), "V1").PocetKusu = CCislo(60);
    Element(*projekt, std::make_unique<CHurdis>(), "H1").PocetKusu = CCislo(30);
    file.projekty.push_back(std::move(projekt));
    WriteProjectFile(path, file, PersistentClasses());

    const auto result = RunCli({"proposal", path, "--format", "json"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");
    for (const char* objCislo : {"B", "P1", "S1", "T1", "D1", "PS", "V1", "H1"})
        EXPECT_NE(result.out.find("\"ObjCislo\": \"" + std::string(objCislo) + "\""), std::string::npos)
            << objCislo << "\n" << result.out;
}

}  // namespace
}  // namespace belvo
