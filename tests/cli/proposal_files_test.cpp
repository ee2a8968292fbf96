// belvo-cli proposal --xml / --html / --pdf / --output, run as a child process over a project
// file the test writes; the files are checked with the tools other programs would read them with.
#include <gtest/gtest.h>

#include <QProcess>
#include <QStringList>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>

#include "app/persistent_classes.h"
#include "catalogue/material_codes.h"
#include "cli/cli_runner.h"
#include "cli/sample_project.h"
#include "document/project_file.h"
#include "model/projekt.h"
#include "model/skupina.h"
#include "proposal/builtin_pictures.h"
#include "proposal/navrh.h"
#include "support/temp_dir.h"
#include "support/test_materials.h"
#include "walls/wall_fixture.h"

namespace belvo {
namespace {

using test::RunCli;
using test::TempDir;

const std::map<std::string, std::string> kCzech{{"SOURCE_DATE_EPOCH", "1457168820"}, {"LC_ALL", "cs_CZ.UTF-8"}};

struct ToolResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

ToolResult RunTool(const QString& program, const QStringList& args)
{
    QProcess process;
    process.start(program, args);
    ToolResult result;
    if (!process.waitForStarted(10000) || !process.waitForFinished(60000)) {
        process.kill();
        result.err = program.toStdString() + " did not run";
        return result;
    }
    result.out = process.readAllStandardOutput().toStdString();
    result.err = process.readAllStandardError().toStdString();
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return result;
}

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class ProposalFiles : public test::ProposalCommandFiles {
protected:
    ProposalFiles() : ProposalCommandFiles("dum.kar")
    {
        auto projekt = std::make_unique<CProjekt>();
        test::FillSampleProject(*projekt);
        projekt->Vznik = "1.2.2016";
        projekt->Autor = "Kancelar";
        projekt->DopravaCena = CCislo(50000, 2);
        projekt->DopravaKm = CCislo(20);
        projekt->DopravaCenaKm = CCislo(2500, 2);
        WriteFiles("[Setup]\nIdNavrhu=41\n", std::move(projekt));
    }
};

TEST_F(ProposalFiles, XmlTakesTheNextNumberAndPassesXmllint)
{
    const std::string xml = dir.File("export.xml");
    const std::string before = ReadBytes(project);
    const auto result = RunCli(Args({"--xml", xml}), kCzech);
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");

    const std::string bytes = ReadBytes(xml);
    EXPECT_TRUE(bytes.starts_with("<?xml version=\"1.0\" encoding=\"windows-1250\" ?>\r\n<!-- export z Belvo do Helios -->\r\n"));
    EXPECT_NE(bytes.find("      <CisloBelvo>Kancelar-42-dum.kar.xml</CisloBelvo>\r\n"), std::string::npos) << bytes;
    EXPECT_NE(bytes.find("      <Project>D\xF9m</Project>\r\n      <Umisteni>Brno</Umisteni>\r\n"), std::string::npos);
    const std::string absolute = std::filesystem::absolute(project).string();
    EXPECT_NE(bytes.find("<SouborProjectu>" + absolute + "</SouborProjectu>"), std::string::npos);
    EXPECT_EQ(bytes.find("CastecnyNavrh"), std::string::npos);
    EXPECT_NE(ReadBytes(settings).find("IdNavrhu=42"), std::string::npos) << ReadBytes(settings);

    const ToolResult lint = RunTool("xmllint", {"--noout", QString::fromStdString(xml)});
    EXPECT_EQ(lint.exitCode, 0) << lint.err;
    EXPECT_EQ(lint.err, "");
    // Without --output the project file stays as it was.
    EXPECT_EQ(ReadBytes(project), before);
}

TEST_F(ProposalFiles, OutputSavesTheExportedCopyIntoTheProject)
{
    const std::string out = dir.File("dum-export.kar");
    const auto result = RunCli(Args({"--xml", dir.File("e.xml"), "--output", out, "--element", "Dům::Přízemí"}), kCzech);
    ASSERT_EQ(result.exitCode, 0) << result.err;
    ProjectFile saved;
    ReadProjectFile(out, PersistentClasses(), nullptr, saved);
    ASSERT_EQ(saved.navrhy.size(), 1u);
    EXPECT_EQ(saved.navrhy[0]->Nazev, "XML export: Dům - Přízemí");
    EXPECT_EQ(saved.navrhy[0]->CelyProjekt, 0);
    EXPECT_NE(ReadBytes(dir.File("e.xml")).find("<CastecnyNavrh>ANO</CastecnyNavrh>"), std::string::npos);
}

TEST_F(ProposalFiles, HtmlPageWithItsPicturesParsesAsHtml)
{
    std::filesystem::create_directory(dir.Path() / "web");
    const std::string page = dir.File("web/nabidka.html");
    const auto result = RunCli(Args({"--html", page}), kCzech);
    ASSERT_EQ(result.exitCode, 0) << result.err;

    const std::string bytes = ReadBytes(page);
    EXPECT_TRUE(bytes.starts_with("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">\r\n<html>\r\n"));
    EXPECT_NE(bytes.find("<STRONG>D\xF9m</STRONG>"), std::string::npos);
    // Czech numbers: no-break space groups thousands, comma before the decimals.
    EXPECT_NE(bytes.find("<TD align=\"right\">cena/km 25,00</TD>\r\n"), std::string::npos) << bytes;
    EXPECT_NE(bytes.find("<TD align=\"right\" width=\"100\">605,00</TD>"), std::string::npos);
    EXPECT_EQ(bytes.find('\n', bytes.find("\r\n") + 2) - bytes.find("\r\n", bytes.find("\r\n") + 2), 1u);
    EXPECT_EQ(ReadBytes(dir.File("web/Belvo.GIF")), std::string(BuiltinLegendGif()));
    EXPECT_EQ(ReadBytes(dir.File("web/Belvo.bmp")), std::string(BuiltinLogoBmp()));

    const ToolResult parse = RunTool("xmllint", {"--html", "--noout", QString::fromStdString(page)});
    EXPECT_EQ(parse.exitCode, 0) << parse.err;
    EXPECT_EQ(parse.err, "");
}

TEST_F(ProposalFiles, PdfTextHoldsHeaderTotalsAndLegend)
{
    const std::string pdf = dir.File("nabidka.pdf");
    const auto result = RunCli(Args({"--pdf", pdf, "--xml", dir.File("x.xml")}), kCzech);
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const ToolResult text = RunTool("pdftotext", {"-layout", QString::fromStdString(pdf), "-"});
    ASSERT_EQ(text.exitCode, 0) << text.err;
    for (const char* expected : {"Dům", "Brno", "1/1", "5.3.2016 09:07,", "Kancelar", "Kancelar-42-dum.kar.xml", "projekt",
                                 "1.2.2016", "CZ20160515", "obj.číslo", "požadovaný materiál", "Materiál celkem",
                                 "Doprava", "cena/km", "20 km", "605,00", "Celkem", "hmotnost brutto", "cena v Kč",
                                 "Vysvětlivky pro zákazníka", "4 ... Externí výrobky"})
        EXPECT_NE(text.out.find(expected), std::string::npos) << expected << "\n" << text.out;
}

TEST_F(ProposalFiles, FilesThatCannotBeWritten)
{
    const std::string missing = dir.File("chybí/x");
    for (const char* option : {"--xml", "--html", "--pdf"}) {
        const auto result = RunCli(Args({option, missing}), kCzech);
        EXPECT_EQ(result.exitCode, 3) << option << "\n" << result.err;
        EXPECT_NE(result.err.find("chybí/x"), std::string::npos) << result.err;
        EXPECT_EQ(result.out, "");
    }
}

// A project with a wall: the brick is sold on pallets (split into pallets and loose pieces), the
// plaster by the piece. Every item the proposal holds must reach every output.
class WallProjectFiles : public ::testing::Test {
protected:
    WallProjectFiles()
    {
        TempDir::WriteBytes(settings, "[Setup]\nIdNavrhu=0\n");
        ProjectFile file;
        file.CenikId = "CZ20160515 14:30 (Kč)/K1";
        auto brick = test::Material("B", 1, 0, 300, 250, 249, "7");
        brick->Nazev = "Belvo 30 P+D";
        brick->Ttu2 = "0,28";
        brick->KsNaPalete = CCislo(60);
        brick->CenaPaleta = CCislo(4550, 2);
        brick->CenaVolna = CCislo(5200, 2);
        brick->Vaha = CCislo(145, 1);
        brick->PaletaNazev = "EUR paleta";
        brick->PaletaCena = CCislo(25000, 2);
        brick->PaletaVykup = CCislo(20000, 2);
        brick->PaletaVaha = CCislo(25);
        brick->PaletaObjCislo = "9001";
        brick->SkupZbo = "CIH";
        brick->PaletaSkupZbo = "PAL";
        file.materials.Append(std::move(brick));
        auto plaster = test::Material("O", kSkupinaMaltyOmitky, kTypOmitka, 0, 0, 0);
        plaster->Nazev = "Omítka <vnější>";
        plaster->Malta = CCislo(1);
        plaster->KsNaPalete = CCislo(0);
        plaster->CenaPaleta = CCislo(18900, 2);
        plaster->CenaVolna = CCislo(18900, 2);
        plaster->Vaha = CCislo(40);
        plaster->SkupZbo = "OMI";
        file.materials.Append(std::move(plaster));

        auto wall = test::Wall(300, 5000, 2500);
        wall->Omitka = kOmitkaVnejsi;
        auto projekt = std::make_unique<CProjekt>();
        projekt->Nazev = "Dům";
        projekt->Vznik = "1.2.2016";
        projekt->Autor = "Kancelar";
        projekt->CenikId = file.CenikId;
        projekt->DPH = CCislo(21);
        projekt->Sleva = CCislo(5);
        projekt->Atyp = CCislo(20);
        projekt->Prvky.push_back(std::move(wall));
        file.projekty.push_back(std::move(projekt));
        WriteProjectFile(project, file, PersistentClasses());
    }

    // "field": "value" pairs of the items in the JSON output, in order.
    static std::vector<std::string> ItemField(const std::string& json, const std::string& field)
    {
        std::vector<std::string> values;
        const std::regex pattern("\"" + field + "\": \"([^\"]*)\"");
        const std::size_t start = json.find("\"Polozky\"");
        const std::size_t end = json.find("\"Palety\"");
        const std::string items = json.substr(start, end - start);
        for (auto it = std::sregex_iterator(items.begin(), items.end(), pattern); it != std::sregex_iterator(); ++it)
            values.push_back((*it)[1]);
        return values;
    }

    // A total of the JSON output as the Czech outputs print it, with a plain space for grouping.
    static std::string Total(const std::string& json, const std::string& key)
    {
        const std::regex pattern("\"" + key + "\": \"([^\"]*)\"");
        std::smatch match;
        if (!std::regex_search(json, match, pattern)) return "<no " + key + ">";
        return CCislo::Parse(match[1].str(), Separators{}, CCislo::kPoint).Format(Separators{",", " "}, 1, 2);
    }

    TempDir dir;
    std::string project = dir.File("dum.kar");
    std::string settings = dir.File("belvo.ini");
};

TEST_F(WallProjectFiles, EveryItemLineAndTheTotalsReachEveryOutput)
{
    const std::string pdf = dir.File("n.pdf");
    const std::string html = dir.File("n.html");
    const std::string xml = dir.File("n.xml");
    const auto result = RunCli({"proposal", project, "--settings", settings, "--format", "json", "--pdf", pdf,
                                "--html", html, "--xml", xml},
                               kCzech);
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::vector<std::string> numbers = ItemField(result.out, "ObjCislo");
    ASSERT_EQ(numbers, (std::vector<std::string>{"B", "O"})) << result.out;
    const std::vector<std::string> palet = ItemField(result.out, "Palet");
    const std::vector<std::string> plusKs = ItemField(result.out, "PlusKs");
    ASSERT_NE(palet[0], "0") << result.out;   // the brick fills pallets
    ASSERT_NE(plusKs[0], "0") << result.out;  // and leaves loose pieces

    ToolResult text = RunTool("pdftotext", {"-layout", QString::fromStdString(pdf), "-"});
    ASSERT_EQ(text.exitCode, 0) << text.err;
    // Grouping separators arrive as no-break spaces.
    text.out = std::regex_replace(text.out, std::regex("\xC2\xA0"), " ");
    // Each line starts with the order number and the name (pdftotext spreads the cells apart).
    const std::string squeezed = std::regex_replace(text.out, std::regex(" {2,}"), " ");
    for (const char* line : {"\nB Belvo 30 P+D ", "\nB Belvo 30 P+D(volně) ", "\nO Omítka <vnější> "})
        EXPECT_NE(squeezed.find(line), std::string::npos) << line << "\n" << text.out;
    for (const char* key : {"MaterialCelkemBezDPH", "MaterialCelkemSDPH", "MaterialPoSleveBezDPH", "MaterialPoSleveSDPH",
                            "CelkemBezDPH", "CelkemSDPH"}) {
        const std::string total = Total(result.out, key);
        EXPECT_NE(text.out.find(total), std::string::npos) << key << " " << total << "\n" << text.out;
    }
    EXPECT_NE(text.out.find("Palety (obaly): EUR paleta"), std::string::npos) << text.out;

    const std::string page = ReadBytes(html);
    EXPECT_NE(page.find("<TD align=\"left\">Belvo 30 P+D(voln\xEC)</TD>"), std::string::npos);
    EXPECT_NE(page.find("<TD align=\"left\">Om\xEDtka (vn\xECj\x9A\xED)</TD>"), std::string::npos);

    const std::string doc = ReadBytes(xml);
    EXPECT_NE(doc.find("<Nazev1>Om\xEDtka &lt;vn\xECj\x9A\xED&gt;</Nazev1>"), std::string::npos);
    EXPECT_NE(doc.find("<RozbalenyObal>ANO</RozbalenyObal>"), std::string::npos);
    EXPECT_NE(doc.find("<SlevaProcentoVse>5,0</SlevaProcentoVse>"), std::string::npos);
    EXPECT_EQ(RunTool("xmllint", {"--noout", QString::fromStdString(xml)}).exitCode, 0);
}

}  // namespace
}  // namespace belvo
