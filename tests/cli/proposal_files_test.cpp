// belvo-cli proposal --xml / --html / --pdf / --output, run as a child process over a project
// file the test writes; the files are checked with the tools other programs would read them with.
#include <gtest/gtest.h>

#include <QProcess>
#include <QStringList>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/persistent_classes.h"
#include "cli/cli_runner.h"
#include "model/project_file.h"
#include "model/projekt.h"
#include "model/skupina.h"
#include "proposal/builtin_pictures.h"
#include "proposal/navrh.h"
#include "support/temp_dir.h"
#include "support/test_materials.h"

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

class ProposalFiles : public ::testing::Test {
protected:
    ProposalFiles()
    {
        TempDir::WriteBytes(settings, "[Setup]\nIdNavrhu=41\n");
        ProjectFile file;
        file.CenikId = "CZ20160515 14:30 (Kč)/K1";
        test::Add(file.materials, {"110300", "Cihla 30"});
        auto projekt = std::make_unique<CProjekt>();
        projekt->Nazev = "Dům\nBrno";
        projekt->Vznik = "1.2.2016";
        projekt->CenikId = file.CenikId;
        projekt->Autor = "Kancelar";
        projekt->DPH = CCislo(21);
        projekt->Sleva = CCislo(0);
        projekt->Atyp = CCislo(20);
        projekt->DopravaCena = CCislo(50000, 2);
        projekt->DopravaKm = CCislo(20);
        projekt->DopravaCenaKm = CCislo(2500, 2);
        auto group = std::make_unique<CSkupina>();
        group->Nazev = "Přízemí";
        projekt->Prvky.push_back(std::move(group));
        file.projekty.push_back(std::move(projekt));
        WriteProjectFile(project, file, PersistentClasses());
    }

    std::vector<std::string> Args(std::vector<std::string> extra) const
    {
        std::vector<std::string> args{"proposal", project, "--settings", settings};
        args.insert(args.end(), extra.begin(), extra.end());
        return args;
    }

    TempDir dir;
    std::string project = dir.File("dum.kar");
    std::string settings = dir.File("belvo.ini");
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

}  // namespace
}  // namespace belvo
