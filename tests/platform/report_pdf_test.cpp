// The printed report drawn through the Qt adapter into a PDF and read back as text: the header,
// every item line and the totals must be there, in the fonts the report asks for.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QProcess>
#include <QStringList>

#include <filesystem>

#include "platform/qt/painter_canvas.h"
#include "proposal/output_fixture.h"
#include "proposal/proposal_report.h"
#include "support/temp_dir.h"

namespace belvo {
namespace {

using testing::AddItem;
using testing::AddPallet;
using testing::D;

std::string RunTool(const QString& program, const QStringList& args)
{
    QProcess process;
    process.start(program, args);
    if (!process.waitForStarted(10000) || !process.waitForFinished(60000)) return {};
    return process.readAllStandardOutput().toStdString();
}

class ReportPdf : public ::testing::Test {
protected:
    static void SetUpTestSuite() { app = EnsureGuiApplication(); }
    static void TearDownTestSuite() { app.reset(); }
    static std::unique_ptr<QGuiApplication> app;

    test::TempDir dir;
};
std::unique_ptr<QGuiApplication> ReportPdf::app;

TEST_F(ReportPdf, TextOfEveryLineAndTheTotalsReadsBack)
{
    CNavrh navrh;
    testing::FillProposal(navrh);
    AddItem(navrh);
    AddItem(navrh, {.objCislo = "3801", .nazev = "Malta M10", .ksNaPalete = D("0"), .cenaPaleta = D("150.00"),
                    .cenaVolna = D("150.00"), .navrhKs = D("12"), .palet = D("0"), .plusKs = D("12"), .ttu2 = ""});
    for (int i = 0; i < 40; ++i)
        AddItem(navrh, {.objCislo = "59" + std::to_string(10 + i), .nazev = "Překlad " + std::to_string(i + 1),
                        .ksNaPalete = D("0"), .cenaPaleta = D("99.50"), .cenaVolna = D("99.50"), .navrhKs = D("2"),
                        .palet = D("0"), .plusKs = D("2"), .ttu2 = ""});
    AddPallet(navrh, "EUR paleta", "9");
    navrh.SlevaVse = D("5");
    navrh.Poselstvi = "Cena platí 30 dní.";
    OutputSource source = testing::MakeSource(navrh);
    source.totals.MaterialCelkemBezDPH = D("19360.00");
    source.totals.MaterialCelkemSDPH = D("23425.60");
    source.totals.MaterialPoSleveBezDPH = D("18392.0");
    source.totals.MaterialPoSleveSDPH = D("22254.3");
    source.totals.CelkemBezDPH = D("21092.0");
    source.totals.CelkemSDPH = D("25521.3");
    source.totals.HmotnostBrutto = D("10105");

    ProposalReport report(source, PrintOptions{}, LoadReportLogo(dir.Path().string()), ReportCornerPicture());
    const std::string pdf = dir.File("zprava.pdf");
    WritePdf(pdf, report);
    ASSERT_EQ(report.Paging().pageCount, 2);

    const std::string text = RunTool("pdftotext", {"-layout", QString::fromStdString(pdf), "-"});
    const auto has = [&](const std::string& piece) { return text.find(piece) != std::string::npos; };
    for (const char* expected : {"Rodinný dům", "Brno", "1/2", "2/2", "obj.číslo", "požadovaný materiál"})
        EXPECT_TRUE(has(expected)) << expected << "\n" << text;
    // pdftotext -layout keeps a line's cells on one text line, separated by spaces.
    for (const char* expected : {"1234", "Belvo 30 P+D", "Belvo 30 P+D(volně)", "9 000,00", "10 890,00", "726,00",
                                 "Malta M10", "1 800,00", "2 178,00", "Překlad 1 ", "Překlad 40", "5949"})
        EXPECT_TRUE(has(expected)) << expected << "\n" << text;
    for (const char* expected : {"Materiál celkem", "19 360,00", "Materiál po slevě 5,0% celkem", "18 392,00",
                                 "Palety (obaly): EUR paleta", "2 700,00", "3 267,00", "Celkem", "hmotnost brutto 10 105 kg",
                                 "cena v Kč", "21 092,00", "25 521,30", "Cena platí 30 dní."})
        EXPECT_TRUE(has(expected)) << expected << "\n" << text;

    const std::string fonts = RunTool("pdffonts", {QString::fromStdString(pdf)});
    EXPECT_NE(fonts.find("Liberation"), std::string::npos) << fonts;
}

}  // namespace
}  // namespace belvo
