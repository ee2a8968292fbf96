// belvo-cli catalogue, run as a child process over small files made by the engine's writer.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "catalogue/catalogue_classes.h"
#include "catalogue/price_list_file.h"
#include "cli/cli_runner.h"
#include "support/temp_dir.h"

namespace belvo {
namespace {

using test::RunCli;
using test::TempDir;

const char* const kHeading =
    "obj.č.\tnázev\tzávod\tšířka\tdélka\tvýška\tcena (paleta)\tcena (volná)\thmotnost/ks\tks/paletu\t"
    "skupina\tpaleta\tTTU2\tpatří k\ttyp doplňku\totočení\n";

CMaterial Brick()
{
    CMaterial m;
    m.ObjCislo = "10030";
    m.Nazev = "Cihla 30 \"P+D\"\tbroušená";  // a quote for JSON, a tab the text listing must not pass
    m.Zavod = "Hodonín";
    m.Sirka = CCislo(300);
    m.Delka = CCislo(247);
    m.Vyska = CCislo(249);
    m.CenaPaleta = CCislo(459, 1);   // shown with 2 decimals
    m.CenaVolna = CCislo(48205, 3);  // rounded to 2 decimals
    m.Vaha = CCislo(15250, 3);       // 1 decimal, ties to even: 15.2
    m.KsNaPalete = CCislo(60);
    m.Skupina = CCislo(1);
    m.PaletaNazev = "Paleta EUR";
    m.PaletaObjCislo = "99001";
    m.Ttu2 = "0,28";
    m.ZaklMat = "30;44";
    m.TypText = "0";
    m.Typ = CCislo(0);
    m.Otoceni = CCislo(0);
    m.Malta = CCislo(-125, 2);
    return m;
}

class CatalogueCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterCatalogueClasses(classes);
        CMaterialList list;
        list.Append(std::make_unique<CMaterial>(Brick()));
        CMaterial rotated = Brick();
        rotated.Otoceni = CCislo(1);
        rotated.Sirka = CCislo(247);
        rotated.Delka = CCislo(300);
        list.Append(std::make_unique<CMaterial>(rotated));
        auto caption = std::make_unique<CMaterial>();
        caption->ObjCislo = ".";
        caption->Nazev = "Panel plný";
        caption->Zavod = "PANEL";
        caption->Skupina = CCislo(-499);
        caption->TypText = "1";
        caption->Typ = CCislo(1);
        list.Append(std::move(caption));
        WritePriceListFile(file, "CZ20160515 14:30 (Kč)/KLIC", list, classes);
    }

    ClassRegistry classes;
    TempDir dir;
    std::string file = dir.File("cenik.dat");
};

TEST_F(CatalogueCommandTest, TextListsUnrotatedRowsAsTheViewDoes)
{
    const auto result = RunCli({"catalogue", file});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, std::string("Ceník CZ20160515 14:30 (Kč)/KLIC; ceny v Kč\n") + kHeading +
                              "10030\tCihla 30 \"P+D\" broušená\tHodonín\t300\t247\t249\t45.90\t48.20\t15.2\t60\t1\t"
                              "Paleta EUR(99001)\t0,28\t30;44\t0\t0\n"
                              ".\tPanel plný\tPANEL\t0\t0\t0\t0.00\t0.00\t0.0\t0\t-499\t()\t\t\t1\t0\n");
}

TEST_F(CatalogueCommandTest, TextWithAllRowsAndTheLocaleSeparator)
{
    const auto result = RunCli({"catalogue", "--all", file, "--format", "text"}, {{"LC_ALL", "cs_CZ.UTF-8"}});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.out.find("\t45,90\t48,20\t15,2\t60\t1\t"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("\tHodonín\t247\t300\t249\t"), std::string::npos) << result.out;  // the rotated row
    EXPECT_NE(result.out.find("\t0,28\t30;44\t0\t1\n"), std::string::npos) << result.out;
}

TEST_F(CatalogueCommandTest, JsonHasEveryFieldUnderItsName)
{
    const auto result = RunCli({"catalogue", file, "--format=json"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    const std::string brick = R"({
      "ObjCislo": "10030",
      "Nazev": "Cihla 30 \"P+D\"\tbroušená",
      "Zavod": "Hodonín",
      "Vaha": "15.250",
      "KsNaPalete": "60",
      "CenaPaleta": "45.9",
      "CenaVolna": "48.205",
      "PaletaVaha": null,
      "PaletaCena": null,
      "PaletaVykup": null,
      "PaletaNazev": "Paleta EUR",
      "Sirka": "300",
      "Delka": "247",
      "Vyska": "249",
      "ZaklMat": "30;44",
      "TypText": "0",
      "Typ": "0",
      "Skupina": "1",
      "Koeficient": "1",
      "Otoceni": "0",
      "Malta": "-1.25",
      "Ttu2": "0,28",
      "Perlit": null,
      "MaltaZak": null,
      "PaletaObjCislo": "99001",
      "SkupZbo": "",
      "PaletaSkupZbo": "",
      "Varianta": "",
      "Rezerva1": "",
      "Rezerva2": "",
      "Polystyr": null,
      "VariantaKod": null,
      "DelsiUlozeni": null
    })";
    const std::string expectedStart = "{\n  \"CenikId\": \"CZ20160515 14:30 (Kč)/KLIC\",\n  \"materials\": [\n    " + brick +
                                      ",\n    {\n      \"ObjCislo\": \".\",";
    EXPECT_EQ(result.out.substr(0, expectedStart.size()), expectedStart) << result.out;
    EXPECT_EQ(result.out.find("\"Otoceni\": \"1\""), std::string::npos);  // rotated row left out
    EXPECT_TRUE(result.out.ends_with("\n    }\n  ]\n}\n")) << result.out;

    const auto all = RunCli({"catalogue", file, "--format", "json", "--all"});
    EXPECT_EQ(all.exitCode, 0) << all.err;
    EXPECT_NE(all.out.find("\"Otoceni\": \"1\""), std::string::npos);
}

TEST_F(CatalogueCommandTest, JsonEscapesControlCharacters)
{
    CMaterialList list;
    auto m = std::make_unique<CMaterial>();
    m->ObjCislo = "a\\b";
    m->Nazev = "line\nbreak\x01\r";
    list.Append(std::move(m));
    WritePriceListFile(file, "štítek \"x\"", list, classes);
    const auto result = RunCli({"catalogue", file, "--format", "json"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.out.find(R"("CenikId": "štítek \"x\"")"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find(R"("ObjCislo": "a\\b")"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find(R"("Nazev": "line\nbreak\u0001\r")"), std::string::npos) << result.out;
}

TEST_F(CatalogueCommandTest, BadArgumentsExitWithTwoAndUsage)
{
    const std::vector<std::vector<std::string>> cases{
        {},
        {"catalog", file},
        {"catalogue"},
        {"catalogue", file, "--format"},
        {"catalogue", file, "--format", "xml"},
        {"catalogue", file, "--bogus"},
        {"catalogue", file, file},
    };
    for (const auto& args : cases) {
        const auto result = RunCli(args);
        std::string shown;
        for (const auto& arg : args) shown += arg + " ";
        EXPECT_EQ(result.exitCode, 2) << shown;
        EXPECT_NE(result.err.find("usage"), std::string::npos) << shown << result.err;
        EXPECT_EQ(result.out, "") << shown;
    }
}

TEST_F(CatalogueCommandTest, UnreadableFileExitsWithThreeNamingIt)
{
    const std::string missing = dir.File("neni.dat");
    const std::string cut = dir.File("useknuty.dat");
    const std::string bytes = TempDir::ReadBytes(file);
    TempDir::WriteBytes(cut, std::string_view(bytes).substr(0, bytes.size() - 5));
    for (const std::string& path : {missing, cut, dir.Path().string()}) {
        const auto result = RunCli({"catalogue", path});
        EXPECT_EQ(result.exitCode, 3) << path;
        EXPECT_NE(result.err.find(path), std::string::npos) << result.err;
        EXPECT_EQ(result.out, "") << path;
    }
}

TEST(CatalogueCommand, ListsTheDemoPriceList)
{
    const std::string demo = std::string(BELVO_BUILD_DIR) + "/data/demo.dat";
    ASSERT_TRUE(std::filesystem::exists(demo)) << demo;
    const auto result = RunCli({"catalogue", demo, "--format", "json", "--all"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.out.find("\"ObjCislo\": \"10030\""), std::string::npos);
    EXPECT_NE(result.out.find("\"Otoceni\": \"2\""), std::string::npos);
}

}  // namespace
}  // namespace belvo
