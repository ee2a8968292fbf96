#include "cli/sample_project.h"

#include "app/persistent_classes.h"
#include "document/project_file.h"
#include "proposal/navrh.h"
#include "support/test_materials.h"

namespace belvo::test {

CSkupina& FillSampleProject(CProjekt& projekt)
{
    projekt.Nazev = "Dům\nBrno";
    projekt.CenikId = kSampleCenikId;
    projekt.Autor = "PC~jan";
    projekt.DPH = CCislo(21);
    projekt.Sleva = CCislo(0);
    projekt.Atyp = CCislo(20);
    auto group = std::make_unique<CSkupina>();
    group->Nazev = "Přízemí";
    CSkupina& added = *group;
    projekt.Prvky.push_back(std::move(group));
    return added;
}

const char* const kSampleProposalJsonHead = R"json({
  "Jmeno": "Dům",
  "CelyProjekt": 1,
  "Poselstvi": "",
  "Titulek": "Návrh materiálu pro Dům",
  "SDPH": 0,
  "DPH": "21",
  "SlevaVse": "0",
  "Rezerva": 0,
  "DopravaCenaKm": null,
  "DopravaKm": null,
  "DopravaCena": "0",
  "Datum": "5.3.2016 09:07",
  "Cenik": "CZ20160515 14:30 (Kč)/K1",
  "Nazev": "",
  "Autor": "PC~jan",
  "JmenoRadek2": "Brno",
  "Atyp": "20",
  "Zrychleny": 0,
)json";

void ProposalCommandFiles::WriteFiles(const std::string& settingsText, std::unique_ptr<CProjekt> projekt) const
{
    TempDir::WriteBytes(settings, settingsText);
    ProjectFile file;
    file.CenikId = projekt->CenikId;
    Add(file.materials, {"110300", "Cihla 30"});
    file.projekty.push_back(std::move(projekt));
    WriteProjectFile(project, file, PersistentClasses());
}

std::vector<std::string> ProposalCommandFiles::Args(const std::vector<std::string>& extra) const
{
    std::vector<std::string> args{"proposal", project, "--settings", settings};
    args.insert(args.end(), extra.begin(), extra.end());
    return args;
}

}  // namespace belvo::test
