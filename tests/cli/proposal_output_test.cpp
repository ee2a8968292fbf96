// The JSON and text outputs of belvo-cli proposal, computed in process over a small project of
// test elements, so that every key and number of the contract is checked.
#include <gtest/gtest.h>

#include <sstream>

#include "settings/memory_settings_store.h"
#include "cli/proposal_output.h"
#include "cli/sample_project.h"
#include "model/projekt.h"
#include "model/skupina.h"
#include "proposal/navrh.h"
#include "proposal/summary_model.h"
#include "proposal/vytvor_navrh.h"
#include "support/fixture_element.h"
#include "support/scripted_ui.h"
#include "support/test_materials.h"

namespace belvo {
namespace {

using test::CTestPrvek;

const std::string kExpectedJson = test::kSampleProposalJsonHead + std::string(R"json(  "messages": [
    {
      "caption": "Chyba",
      "text": "Material s obj.číslem 999999\nnenalezen v číselníku"
    }
  ],
  "Polozky": [
    {
      "ObjCislo": "110300",
      "Nazev": "Cihla 30 \"P+D\"",
      "Zavod": "Závod 1",
      "Vaha": "12.500",
      "KsNaPalete": "100",
      "CenaPaleta": "10.00",
      "CenaVolna": "12.00",
      "PaletaVaha": "25",
      "PaletaCena": "250.00",
      "PaletaVykup": "200.00",
      "PaletaNazev": "EUR paleta",
      "NavrhKs": "950",
      "Palet": "9",
      "PlusKs": "50",
      "Sleva": "0",
      "Ttu2": "0,25",
      "PaletaObjCislo": "PAL-EUR paleta",
      "SkupZbo": "100",
      "PaletaSkupZbo": "900",
      "PuvodniObjCislo": "",
      "Varianta": "",
      "NazevSkupiny": "",
      "Skupina": "1",
      "Typ": "0",
      "Rezerva2": "",
      "Sirka": "300",
      "cenaKs": "10.00",
      "celkemKs": "950",
      "oprava": "0",
      "cena": "9600.00"
    },
    {
      "ObjCislo": "910001",
      "Nazev": "Kotva",
      "Zavod": "Závod 1",
      "Vaha": "12.500",
      "KsNaPalete": "0",
      "CenaPaleta": "2.50",
      "CenaVolna": "2.50",
      "PaletaVaha": "25",
      "PaletaCena": "250.00",
      "PaletaVykup": "200.00",
      "PaletaNazev": "",
      "NavrhKs": "12",
      "Palet": "0",
      "PlusKs": "12",
      "Sleva": "0",
      "Ttu2": "0,25",
      "PaletaObjCislo": "PAL-",
      "SkupZbo": "100",
      "PaletaSkupZbo": "900",
      "PuvodniObjCislo": "",
      "Varianta": "",
      "NazevSkupiny": "",
      "Skupina": "91",
      "Typ": "0",
      "Rezerva2": "",
      "Sirka": "0",
      "cenaKs": "2.50",
      "celkemKs": "12",
      "oprava": "0",
      "cena": "30.00"
    }
  ],
  "Palety": [
    {
      "Nazev": "EUR paleta",
      "Cena": "250.00",
      "Vykup": "200.00",
      "Pocet": "9",
      "Oprava": null,
      "Vaha": "25",
      "celkemKs": "9",
      "cena": "2250.00"
    }
  ],
  "totals": {
    "SumaBezDPH": "9630.00",
    "SumaSDPH": "11652.4",
    "PaletyBezDPH": "2250.00",
    "PaletySDPH": "2722.50",
    "CenaZbozi": "9630.00",
    "Zbozi": "12025",
    "CenaObalu": "2250.0",
    "Obaly": "225",
    "Ztrata": "450.00",
    "CenaDopravy": "0",
    "MaterialCelkemBezDPH": "9630.00",
    "MaterialCelkemSDPH": "11652.40",
    "MaterialPoSleveBezDPH": null,
    "MaterialPoSleveSDPH": null,
    "CelkemBezDPH": "11880.0",
    "CelkemSDPH": "14374.9",
    "HmotnostBrutto": "12250"
  }
}
)json");

class ProposalOutput : public ::testing::Test {
protected:
    ProposalOutput()
    {
        test::MaterialSpec brick{"110300", "Cihla 30 \"P+D\""};
        test::Add(materials, brick);
        test::MaterialSpec anchor{"910001", "Kotva", 91, 0, CCislo(0), CCislo(250, 2), CCislo(250, 2), ""};
        test::Add(materials, anchor);
        CSkupina& group = test::FillSampleProject(projekt);
        projekt.DopravaCena = CCislo(0);
        group.Prvky.push_back(std::make_unique<CTestPrvek>(
            "Zeď 1", std::vector<CTestPrvek::Contribution>{{"110300", CCislo(9495, 1)}, {"999999", CCislo(1)}}));
        group.Prvky.push_back(std::make_unique<CTestPrvek>(
            "Kotvy", std::vector<CTestPrvek::Contribution>{{"910001", CCislo(12)}}));
    }

    std::string Json()
    {
        navrh = VytvorNavrh(projekt, projekt, materials, false, false, LocalTime{2016, 3, 5, 9, 7, 0}, context);
        summary = std::make_unique<SummaryModel>(*navrh, settings, Separators{",", " "}, ui);
        summary->Otevri(true);
        std::vector<cli::ShownMessage> shown;
        for (const RecordedMessage& m : ui.messages) shown.push_back({m.caption, m.text});
        std::ostringstream out;
        cli::WriteProposalJson(out, *summary, shown);
        return out.str();
    }

    CMaterialList materials;
    CProjekt projekt;
    ScriptedUi ui;
    MemorySettingsStore store;
    CalcContext context{ui, store, Separators{}};
    SummarySettings settings;
    std::unique_ptr<CNavrh> navrh;
    std::unique_ptr<SummaryModel> summary;
};

TEST_F(ProposalOutput, JsonCarriesTheContract)
{
    EXPECT_EQ(Json(), kExpectedJson);
}

TEST_F(ProposalOutput, JsonShowsDiscountTotalsAndRoundedRows)
{
    projekt.Sleva = CCislo(5);
    settings.categories = {{1, 0}};
    settings.zaokrouhlovaniBalne = CCislo(500);
    settings.automatickeZaokrouhlovani = true;
    const std::string json = Json();
    EXPECT_NE(json.find("\"MaterialPoSleveBezDPH\": \"9528.50\""), std::string::npos) << json;
    EXPECT_NE(json.find("\"Palet\": \"10\""), std::string::npos) << json;
    EXPECT_NE(json.find("\"oprava\": \"50\""), std::string::npos) << json;
}

TEST_F(ProposalOutput, TextShowsTheTablesAsTheSummaryDoes)
{
    Json();
    std::ostringstream out;
    cli::WriteProposalText(out, *summary);
    const std::string text = out.str();
    EXPECT_EQ(text.substr(0, text.find("\n\n")),
              "Návrh materiálu pro Dům\nBrno\nCeník: CZ20160515 14:30 (Kč)/K1\nDatum: 5.3.2016 09:07\n"
              "Autor: PC~jan\nCeny bez DPH 21 %");
    EXPECT_NE(text.find("obj.č.\tnázev\tzávod\tKč/ks\tks/pal\tnávrh ks\tpalet\t+ks\toprava\tcelkem ks\tsleva %\tcena\n"
                        "110300\tCihla 30 \"P+D\"\tZávod 1\t10,00\t100\t950\t9\t50\t0\t950\t0\t9600,00\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("EUR paleta\t250,00\t9\t0\t9\t2 250,00\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Celkem s DPH: 14 374,90 Kč\n"), std::string::npos) << text;
}

}  // namespace
}  // namespace belvo
