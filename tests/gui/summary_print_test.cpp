// Printing from the summary window: the print area and the paper-size warnings on the printer's
// page, the preview with its toolbar, the PDF (the same text as the batch tool's PDF of the same
// proposal) and the screenshots of the window.
#include <QAction>
#include <QFile>
#include <QImage>
#include <QLocale>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>

#include <filesystem>
#include <fstream>

#include "gui/summary/print_preview.h"
#include "gui/summary_fixture.h"
#include "gui/summary/summary_screenshots.h"

namespace belvo::gui::test {
namespace {

const char* const kWidthWarning = "chyba tisku: šířka papíru musí být větší, než 18 cm";
const char* const kHeightWarning = "chyba tisku: délka papíru musí být větší, než 18 cm";

struct PaperCase {
    const char* name;
    QSizeF size;  // mm
    QPageLayout::Orientation orientation;
    std::vector<std::string> messages;
};

class SummaryPaper : public SummaryWindowTest, public ::testing::WithParamInterface<PaperCase> {};

TEST_P(SummaryPaper, PrinterPageDecidesThePrintArea)
{
    const PaperCase& c = GetParam();
    SummaryWindow& window = OpenDemoProposal();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(dir.File("tisk.pdf")));
    printer.setPageLayout(QPageLayout(QPageSize(c.size, QPageSize::Millimeter), c.orientation, QMarginsF(5, 5, 5, 5),
                                      QPageLayout::Millimeter));

    for (const SummaryWindow::PrintMode mode : {SummaryWindow::PrintMode::Report, SummaryWindow::PrintMode::TableCopy}) {
        ui.messages.clear();
        window.PrintOn(printer, mode);
        // Only the report warns; the table copy fits itself to any paper.
        EXPECT_EQ(ui.MessageLines(), mode == SummaryWindow::PrintMode::Report ? c.messages : std::vector<std::string>{});
    }
    EXPECT_GT(std::filesystem::file_size(dir.File("tisk.pdf")), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Summary, SummaryPaper,
    ::testing::Values(PaperCase{"A4Upright", {210, 297}, QPageLayout::Portrait, {}},
                      PaperCase{"A4Landscape", {210, 297}, QPageLayout::Landscape, {}},
                      PaperCase{"A5Upright", {148, 210}, QPageLayout::Portrait, {kWidthWarning}},
                      PaperCase{"A5Landscape", {148, 210}, QPageLayout::Landscape, {kHeightWarning}},
                      PaperCase{"SmallSquare", {170, 170}, QPageLayout::Portrait, {kWidthWarning, kHeightWarning}}),
    [](const auto& tested) { return std::string(tested.param.name); });

TEST_F(SummaryWindowTest, PreviewShowsThePagesAndItsPrintButtonPrintsTheReport)
{
    SummaryWindow& window = OpenDemoProposal();
    Activate(window);
    {
        QPrinter printer(QPrinter::HighResolution);
        std::unique_ptr<PrintPreview> preview = window.MakePreview(printer, SummaryWindow::PrintMode::Report);
        preview->show();
        Settle();
        const int pages = preview->Pages()->pageCount();
        EXPECT_GE(pages, 1);
        EXPECT_FALSE(preview->PreviousAction()->isEnabled());
        EXPECT_EQ(preview->NextAction()->isEnabled(), pages > 1);
        EXPECT_EQ(preview->PagesAction()->isEnabled(), pages > 1);
        EXPECT_FALSE(preview->ZoomOutAction()->isEnabled());
        preview->ZoomInAction()->trigger();
        EXPECT_TRUE(preview->ZoomOutAction()->isEnabled());
        EXPECT_FALSE(preview->PagesAction()->isEnabled());  // not while zoomed in
        EXPECT_EQ(preview->CloseAction()->text(), "&Zavřít");
    }

    // From the preview of the table copy, the print button closes the preview and starts the
    // print of the report: the print dialog comes next.
    ModalDriver inPrintDialog([](QDialog& dialog) { dialog.reject(); }, "QPrintDialog");
    ModalDriver inPreview(
        [&](QDialog& dialog) {
            auto* preview = qobject_cast<PrintPreview*>(&dialog);
            EXPECT_GE(preview->Pages()->pageCount(), 1);
            preview->PrintAction()->trigger();
        },
        "belvo::gui::PrintPreview");
    window.Actions().previewCopy->trigger();
    EXPECT_TRUE(inPreview.Ran());
    EXPECT_TRUE(inPrintDialog.Ran());
    EXPECT_TRUE(ui.messages.empty());
}

// pdftotext's text of a PDF, its lines as pdftotext lays them out.
std::string PdfText(const std::string& pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QString::fromStdString(pdf), QStringLiteral("-")});
    if (!process.waitForFinished(30000)) return "pdftotext did not finish";
    return process.readAllStandardOutput().toStdString();
}

TEST_F(SummaryWindowTest, PdfOfTheWindowHoldsTheTextOfTheBatchToolsPdf)
{
    // The batch tool under the Czech locale at the window's clock: the same proposal, the same
    // numbers, the same date.
    const QLocale czech(QLocale::Czech, QLocale::CzechRepublic);
    system.separators = Separators{Us(czech.decimalPoint()), Us(czech.groupSeparator())};
    SummaryWindow& window = OpenDemoProposal();
    const std::string windowPdf = dir.File("okno.pdf");
    ui.fileNames = {windowPdf};
    window.Actions().pdf->trigger();
    ASSERT_TRUE(std::filesystem::exists(windowPdf)) << ::testing::PrintToString(ui.MessageLines());

    const std::string settingsFile = dir.File("nastaveni.ini");
    std::ofstream(settingsFile).close();
    const std::string cliPdf = dir.File("cli.pdf");
    QProcess cli;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("cs_CZ.UTF-8"));
    env.insert(QStringLiteral("SOURCE_DATE_EPOCH"), QStringLiteral("1463322600"));  // 15.5.2016 14:30 UTC
    cli.setProcessEnvironment(env);
    cli.setWorkingDirectory(QString::fromStdString(dir.Path().string()));
    cli.start(QStringLiteral(BELVO_CLI_PATH), {QStringLiteral("proposal"), QString::fromStdString(DemoHouse()),
                                               QStringLiteral("--settings"), QString::fromStdString(settingsFile),
                                               QStringLiteral("--pdf"), QString::fromStdString(cliPdf)});
    ASSERT_TRUE(cli.waitForFinished(60000));
    ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();

    const std::string text = PdfText(windowPdf);
    EXPECT_NE(text.find(window.Form().Navrh().Datum), std::string::npos);
    EXPECT_EQ(text, PdfText(cliPdf));
}

TEST_F(SummaryWindowTest, ScreenshotsOfBothTabsAndThePreview)
{
    OpenDemoProposal();
    // BELVO_SCREENSHOTS names a folder that keeps the pictures for a look.
    const QByteArray keep = qgetenv("BELVO_SCREENSHOTS");
    const QString folder = keep.isEmpty() ? QString::fromStdString(dir.Path().string()) : QString::fromLocal8Bit(keep);
    ASSERT_TRUE(WriteSummaryScreenshots(list, folder));
    for (const char* name : {"summary-material.png", "summary-obaly.png", "print-preview.png"}) {
        const QImage picture(folder + "/" + name);
        EXPECT_FALSE(picture.isNull()) << name;
        EXPECT_GT(picture.width(), 400) << name;
    }
    // The window is left as it was, on its first tab.
    EXPECT_EQ(Window().Tabs()->currentIndex(), CPrehledForm::kItemTab);
}

}  // namespace
}  // namespace belvo::gui::test
