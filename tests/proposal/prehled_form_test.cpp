// The commands of the summary window without its widgets: edits of the cells, the rounding
// commands, the transport and message dialogs, saving into the project, the question on closing,
// the XML export, the HTML page and the print jobs.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "platform/system_info.h"
#include "proposal/doprava_form.h"
#include "proposal/navrh.h"
#include "proposal/output_fixture.h"
#include "proposal/poselstvi_form.h"
#include "proposal/prehled_form.h"
#include "settings/memory_settings_store.h"
#include "settings/settings_keys.h"
#include "support/recording_canvas.h"
#include "support/recording_views.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"

namespace belvo {
namespace {

using testing::AddItem;
using testing::D;
using testing::FillProposal;
using Col = SummaryModel::ItemColumn;

// A freshly computed proposal: one item of 950 bricks, 100 to a pallet at 10.00 a piece, 12.00
// loose, not yet split into pallets.
std::unique_ptr<CNavrh> FreshProposal()
{
    auto navrh = std::make_unique<CNavrh>();
    FillProposal(*navrh);
    AddItem(*navrh, {.palet = CCislo(), .plusKs = CCislo()});
    return navrh;
}

class PrehledFormTest : public ::testing::Test {
protected:
    PrehledFormTest() { system.tempDirectory = temp.Path().string(); }

    CPrehledForm& Open(std::unique_ptr<CNavrh> navrh = FreshProposal(), bool automaticRounding = false)
    {
        SummaryProject project{[this](const CNavrh& n) { copies.push_back(std::make_unique<CNavrh>(n)); },
                               [this] { return projectPath; }};
        form = std::make_unique<CPrehledForm>(std::move(navrh), ProjectHeader{"Dům\nBrno", "Novák", "5.3.2016", ""},
                                              PrehledEnvironment{ui, settings, system, shell, startup.Path().string(),
                                                                 project});
        form->Otevri(automaticRounding);
        return *form;
    }
    const std::string& Cell(int row, int column) const { return form->Summary().Items().Text(row, column); }
    // Rows of group 1 take part in the rounding of all rows; `balne` is the first money amount of
    // the rounding decision.
    void RoundWallBricks(const char* balne)
    {
        WriteRoundingTable(settings, {{"Cihly", 1, 0, 1}});
        settings.SetString("CZ-Kč", "ZaokrouhlovaniBalne", balne);
    }

    ScriptedUi ui;
    MemorySettingsStore settings;
    FixedSystemInfo system;
    test::RecordingShell shell;
    test::TempDir temp;
    test::TempDir startup;
    test::TempDir out;
    std::vector<std::unique_ptr<CNavrh>> copies;
    std::string projectPath;
    std::unique_ptr<CPrehledForm> form;
};

// --- Editing ---------------------------------------------------------------------------------------

struct EditCase {
    const char* name;
    int column;
    const char* text;
    const char* celkemKs;
    const char* cena;
    bool edit;  // whether it counts as an edit of the proposal
};

class PrehledEdit : public PrehledFormTest, public ::testing::WithParamInterface<EditCase> {};

TEST_P(PrehledEdit, EndedEditRecomputesTheRow)
{
    const EditCase& c = GetParam();
    CPrehledForm& f = Open();
    ASSERT_TRUE(f.UpravBunku(SummaryTable::Items, 1, c.column, c.text));
    EXPECT_EQ(Cell(1, c.column), c.text);  // the typed text stays in the cell
    EXPECT_EQ(Cell(1, Col::kCelkemKs), c.celkemKs);
    EXPECT_EQ(Cell(1, Col::kCena), c.cena);
    EXPECT_EQ(f.Upraveno(), c.edit);
}

INSTANTIATE_TEST_SUITE_P(
    Summary, PrehledEdit,
    ::testing::Values(EditCase{"HalfAPalletInTheCzechLocale", Col::kPalet, "12,5", "1300", "13100,00", true},
                      EditCase{"LettersCountAs0", Col::kPlusKs, "abc", "900", "9000,00", true},
                      EditCase{"WholePallets", Col::kPalet, "10", "1050", "10600,00", true},
                      EditCase{"Discount", Col::kSleva, "10", "950", "8640,00", true},
                      EditCase{"UnchangedText", Col::kPalet, "9", "950", "9600,00", false}),
    [](const auto& tested) { return std::string(tested.param.name); });

TEST_F(PrehledFormTest, NegativeLoosePiecesAndReadOnlyCells)
{
    CPrehledForm& f = Open();
    f.UpravBunku(SummaryTable::Items, 1, Col::kPalet, "10");
    f.UpravBunku(SummaryTable::Items, 1, Col::kPlusKs, "-50");
    EXPECT_EQ(Cell(1, Col::kCelkemKs), "950");
    EXPECT_EQ(Cell(1, Col::kCena), "9400,00");  // 1000 × 10.00 − 50 × 12.00
    EXPECT_EQ(Cell(1, Col::kOprava), "0");

    // A computed cell, a cell outside the table and the header keep what they show.
    EXPECT_FALSE(f.UpravBunku(SummaryTable::Items, 1, Col::kCena, "1"));
    EXPECT_FALSE(f.UpravBunku(SummaryTable::Items, 2, Col::kPalet, "1"));
    EXPECT_FALSE(f.UpravBunku(SummaryTable::Items, 0, Col::kPalet, "1"));
    EXPECT_EQ(Cell(1, Col::kCena), "9400,00");

    // The pallet table's correction is its only editable cell.
    using Pal = SummaryModel::PalletColumn;
    EXPECT_FALSE(f.UpravBunku(SummaryTable::Pallets, 1, Pal::kPalNazev, "x"));
    ASSERT_TRUE(f.UpravBunku(SummaryTable::Pallets, 1, Pal::kPalOprava, "-2"));
    EXPECT_EQ(f.Summary().Pallets().Text(1, Pal::kPalCelkemKs), "8");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(PrehledFormTest, WithVatTheWindowShowsGrossPricesAndTheFieldTexts)
{
    auto navrh = FreshProposal();
    navrh->SlevaVse = D("5");
    navrh->DopravaCena = D("400.00");
    CPrehledForm& f = Open(std::move(navrh));
    PrehledTexts t = f.Texts();
    EXPECT_EQ(t.titulek, "Návrh materiálu pro Rodinný dům");
    EXPECT_EQ(t.formular, "Návrh materiálu pro Rodinný dům - formulář");
    EXPECT_EQ(t.cenik, "CZ20160515 14:30 (Kč)");
    EXPECT_EQ(t.mena, "Kč");
    EXPECT_EQ(t.dph, "21");
    EXPECT_EQ(t.sleva, "5,0");
    EXPECT_EQ(t.zbozi, "9500");         // 950 × 10 kg
    EXPECT_EQ(t.cenaZbozi, "9120,00");  // 9 600.00 less 5 %
    EXPECT_EQ(t.obaly, "225");          // 9 pallets of 25 kg
    EXPECT_EQ(t.cenaObalu, "2700,00");
    EXPECT_EQ(t.ztrata, "450,00");
    EXPECT_EQ(t.cenaDopravy, "400,00");

    f.NastavSDPH(true);
    EXPECT_EQ(Cell(1, Col::kCena), "11616,00");  // 9 600.00 × 1.21
    t = f.Texts();
    EXPECT_EQ(t.cenaDopravy, "484,00");
    EXPECT_EQ(t.cenaObalu, "3267,00");
    EXPECT_TRUE(f.Navrh().SDPH);
    EXPECT_FALSE(f.Upraveno());  // a way of showing, not an edit
}

// --- Rounding --------------------------------------------------------------------------------------

TEST_F(PrehledFormTest, RoundingIsAnEditOnlyWhenItChangesARow)
{
    RoundWallBricks("0");  // 9 600 now against 10 000 for a full pallet: the row stays
    CPrehledForm& kept = Open();
    kept.ZaokrouhliVse();
    EXPECT_EQ(Cell(1, Col::kPalet), "9");
    EXPECT_FALSE(kept.Upraveno());

    RoundWallBricks("500");
    CPrehledForm& raised = Open();
    raised.ZaokrouhliVse();
    EXPECT_EQ(Cell(1, Col::kPalet), "10");
    EXPECT_EQ(Cell(1, Col::kOprava), "50");
    EXPECT_TRUE(raised.Upraveno());

    raised.OdzaokrouhliPolozku(1);
    EXPECT_EQ(Cell(1, Col::kPalet), "9");
    EXPECT_EQ(Cell(1, Col::kPlusKs), "50");
}

TEST_F(PrehledFormTest, FreshProposalRoundsByItselfWhenTheSettingsAskAndASavedCopyNever)
{
    RoundWallBricks("500");
    settings.SetString("Setup", "AutomatickeZaokroulovani", "A");
    Open(FreshProposal(), true);
    EXPECT_EQ(Cell(1, Col::kPalet), "10");
    EXPECT_FALSE(form->Upraveno());  // the window opened so; nothing to save yet
    Open(FreshProposal(), false);
    EXPECT_EQ(Cell(1, Col::kPalet), "9");
}

TEST(PrehledEnabling, RoundingCommandsOnlyOnTheItemTab)
{
    EXPECT_TRUE(CPrehledForm::ZaokrouhleniVseMozne(CPrehledForm::kItemTab));
    EXPECT_FALSE(CPrehledForm::ZaokrouhleniVseMozne(CPrehledForm::kPalletTab));
    EXPECT_TRUE(CPrehledForm::ZaokrouhleniPolozkyMozne(CPrehledForm::kItemTab, 1));
    EXPECT_FALSE(CPrehledForm::ZaokrouhleniPolozkyMozne(CPrehledForm::kItemTab, 0));
    EXPECT_FALSE(CPrehledForm::ZaokrouhleniPolozkyMozne(CPrehledForm::kPalletTab, 1));
}

// --- Transport and message -------------------------------------------------------------------------

TEST_F(PrehledFormTest, TransportDialogChangesTheProposalOnlyOnOk)
{
    CPrehledForm& f = Open();
    const auto typeDistanceAndRate = [](FormModel& dialog) {
        dialog.Open();
        dialog.Field(DopravaForm::kVzdalenost).text = "12";
        dialog.Validate(DopravaForm::kVzdalenost);
        dialog.Field(DopravaForm::kSazba).text = "30,50";
        dialog.Validate(DopravaForm::kSazba);
    };
    f.ZmenaDopravy([&](FormModel& dialog) {
        typeDistanceAndRate(dialog);
        return false;  // "&Storno"
    });
    EXPECT_EQ(f.Navrh().DopravaCena, CCislo(0));
    EXPECT_FALSE(f.Upraveno());

    f.ZmenaDopravy([&](FormModel& dialog) {
        typeDistanceAndRate(dialog);
        return dialog.Save(DopravaForm::kSazba) == FormOutcome::Done;
    });
    EXPECT_EQ(f.Navrh().DopravaCena, D("366"));
    EXPECT_EQ(f.Texts().cenaDopravy, "366,00");
    EXPECT_EQ(f.Summary().Totals().CelkemBezDPH, D("12666.0"));  // goods 9 600, pallets 2 700, transport
    EXPECT_TRUE(f.Upraveno());
}

TEST_F(PrehledFormTest, CancelledMessageKeepsTheOldOne)
{
    auto navrh = FreshProposal();
    navrh->Poselstvi = "Dodání v květnu";
    CPrehledForm& f = Open(std::move(navrh));
    const auto typed = [](const char* text, bool ok) {
        return [=](FormModel& dialog) {
            dialog.Open();
            dialog.Field(PoselstviForm::kPoselstvi).text = text;
            return ok && dialog.Save() == FormOutcome::Done;
        };
    };
    f.Poselstvi(typed("jiné", false));
    EXPECT_EQ(f.Navrh().Poselstvi, "Dodání v květnu");
    EXPECT_FALSE(f.Upraveno());
    f.Poselstvi(typed("Dodání v květnu", true));  // confirmed as it was
    EXPECT_FALSE(f.Upraveno());
    f.Poselstvi(typed("Dodání v červnu", true));
    EXPECT_EQ(f.Navrh().Poselstvi, "Dodání v červnu");
    EXPECT_TRUE(f.Upraveno());
}

// --- Saving into the project and closing -----------------------------------------------------------

TEST_F(PrehledFormTest, EverySaveIntoTheProjectAddsACopyUnderTheChosenName)
{
    CPrehledForm& f = Open();
    f.UpravBunku(SummaryTable::Items, 1, Col::kPalet, "10");
    ui.texts = {std::nullopt, "Varianta A", "Varianta B"};

    EXPECT_FALSE(f.UlozDoProjektu());  // the name dialog cancelled
    EXPECT_TRUE(copies.empty());
    EXPECT_TRUE(f.Upraveno());

    EXPECT_TRUE(f.UlozDoProjektu());
    EXPECT_FALSE(f.Upraveno());
    f.UpravBunku(SummaryTable::Items, 1, Col::kPlusKs, "0");
    EXPECT_TRUE(f.UlozDoProjektu());

    EXPECT_EQ(ui.prompts, (std::vector<std::string>(3, "Návrh uložit pod jménem")));
    EXPECT_EQ(ui.promptInitials.at(0), "Rodinný dům");  // filled with Jmeno
    ASSERT_EQ(copies.size(), 2u);
    EXPECT_EQ(copies[0]->Nazev, "Varianta A");
    EXPECT_EQ(copies[0]->Polozky[0]->Palet, CCislo(10));
    EXPECT_EQ(copies[0]->Polozky[0]->PlusKs, CCislo(50));
    EXPECT_EQ(copies[1]->Nazev, "Varianta B");
    EXPECT_EQ(copies[1]->Polozky[0]->PlusKs, CCislo(0));
    EXPECT_EQ(f.Navrh().Nazev, "Varianta B");  // the window's proposal bears the last name
}

struct CloseCase {
    const char* name;
    bool edited;
    std::optional<Answer> answer;         // none: no question
    std::optional<std::string> nameGiven;  // the name dialog after "Ano"
    bool closes;
    std::size_t copies;
};

class PrehledClose : public PrehledFormTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(PrehledClose, AsksOnlyAfterEdits)
{
    const CloseCase& c = GetParam();
    CPrehledForm& f = Open();
    if (c.edited) f.UpravBunku(SummaryTable::Items, 1, Col::kSleva, "3");
    if (c.answer) ui.answers = {*c.answer};
    ui.texts = {c.nameGiven};

    EXPECT_EQ(f.MuzeZavrit(), c.closes);
    if (c.answer) {
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0], (RecordedMessage{"Uložit návrh do projektu?", "Karno", MessageIcon::Question,
                                                   MessageButtons::YesNoCancel}));
    } else {
        EXPECT_TRUE(ui.messages.empty());
    }
    EXPECT_EQ(copies.size(), c.copies);
}

INSTANTIATE_TEST_SUITE_P(
    Summary, PrehledClose,
    ::testing::Values(CloseCase{"NeverEdited", false, std::nullopt, std::nullopt, true, 0},
                      CloseCase{"AnoSaves", true, Answer::Yes, "Varianta", true, 1},
                      CloseCase{"AnoButTheNameDialogCancelled", true, Answer::Yes, std::nullopt, false, 0},
                      CloseCase{"NeDrops", true, Answer::No, std::nullopt, true, 0},
                      CloseCase{"StornoStays", true, Answer::Cancel, std::nullopt, false, 0}),
    [](const auto& tested) { return std::string(tested.param.name); });

TEST_F(PrehledFormTest, SavedWindowClosesWithoutAQuestion)
{
    CPrehledForm& f = Open();
    f.UpravBunku(SummaryTable::Items, 1, Col::kSleva, "3");
    ui.texts = {"Varianta"};
    ASSERT_TRUE(f.UlozDoProjektu());
    EXPECT_TRUE(f.MuzeZavrit());
    EXPECT_TRUE(ui.messages.empty());
}

// --- XML, HTML, print ------------------------------------------------------------------------------

TEST_F(PrehledFormTest, XmlExportSavesACopyAndTheOutputsShowItsName)
{
    settings.SetInt("Setup", "IdNavrhu", 6);
    projectPath = "/projekty/dum.kar";
    CPrehledForm& f = Open();
    const std::string file = out.File("export.xml");
    ui.fileNames = {file};

    f.ExportDoXml();

    EXPECT_TRUE(std::filesystem::exists(file));
    ASSERT_EQ(ui.fileDialogs.size(), 1u);
    EXPECT_EQ(ui.fileDialogs[0].initialPath, "Novák-7-dum.kar.xml");
    EXPECT_EQ(f.Project().lastXmlName, "Novák-7-dum.kar.xml");
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(copies[0]->Nazev, "XML export: Rodinný dům");
    EXPECT_EQ(f.Navrh().Nazev, "");

    RecordingCanvas canvas;
    canvas.PrintAll(*f.Zprava(nullptr));
    EXPECT_NE(canvas.FindText("Novák-7-dum.kar.xml"), nullptr);
}

TEST_F(PrehledFormTest, XmlExportRefusedForAnOldPriceList)
{
    settings.SetInt("Setup", "IdNavrhu", 6);
    auto navrh = FreshProposal();
    navrh->Polozky[0]->PaletaSkupZbo.clear();
    CPrehledForm& f = Open(std::move(navrh));

    f.ExportDoXml();

    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].caption, "Stop");
    EXPECT_TRUE(ui.fileDialogs.empty());
    EXPECT_TRUE(copies.empty());
    EXPECT_EQ(ReadInt(settings, keys::IdNavrhu), 6);
    EXPECT_EQ(f.Project().lastXmlName, "");
}

TEST_F(PrehledFormTest, HtmlPageIsWrittenBesideItsPicturesAndShownWhenAsked)
{
    struct Case {
        const char* zobrazitHtml;
        bool shown;
    };
    for (const Case c : {Case{"0", false}, Case{"A", true}}) {
        SCOPED_TRACE(c.zobrazitHtml);
        settings.SetString("Setup", "ZobrazitHtml", c.zobrazitHtml);
        shell.viewed.clear();
        CPrehledForm& f = Open();
        ui.fileNames = {out.File("nabídka")};
        f.UlozHtml();
        EXPECT_EQ(ui.fileDialogs.back().initialPath, "Dům-Brno - ");
        const std::string page = out.File("nabídka.html");
        EXPECT_TRUE(std::filesystem::exists(page));
        EXPECT_TRUE(std::filesystem::exists(out.File("Belvo.GIF")));
        EXPECT_TRUE(std::filesystem::exists(out.File("Belvo.bmp")));
        EXPECT_EQ(shell.viewed, c.shown ? std::vector<std::string>{page} : std::vector<std::string>{});
    }
}

TEST_F(PrehledFormTest, HtmlPageShownFromTheTemporaryFolder)
{
    CPrehledForm& f = Open();
    f.ZobrazHtml();
    const std::string page = (temp.Path() / "Belvo.html").string();
    EXPECT_TRUE(std::filesystem::exists(page));
    EXPECT_TRUE(std::filesystem::exists(temp.Path() / "Belvo.GIF"));
    EXPECT_EQ(shell.viewed, std::vector<std::string>{page});
}

TEST_F(PrehledFormTest, HtmlPageThatCannotBeWrittenIsReportedAndNotShown)
{
    settings.SetString("Setup", "ZobrazitHtml", "A");
    CPrehledForm& f = Open();
    ui.fileNames = {out.File("chybí/nabídka.html")};
    f.UlozHtml();
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_TRUE(shell.viewed.empty());

    // Nor is a cancelled dialog anything but cancelled.
    ui.messages.clear();
    ui.fileNames = {std::nullopt};
    f.UlozHtml();
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(PrehledFormTest, PrintJobsShowWhatTheTablesHold)
{
    CPrehledForm& f = Open();
    f.UpravBunku(SummaryTable::Items, 1, Col::kPalet, "10");
    f.UpravBunku(SummaryTable::Items, 1, Col::kPlusKs, "0");

    RecordingCanvas report;
    EXPECT_EQ(report.PrintAll(*f.Zprava(nullptr)), 1);
    EXPECT_NE(report.FindText("1 000"), nullptr);        // one pallet line of 1 000 pieces
    EXPECT_EQ(report.FindText("Belvo 30 P+D(volně)"), nullptr);  // and no loose line

    RecordingCanvas copy;
    EXPECT_EQ(copy.PrintAll(*f.OpisTabulky()), 1);
    EXPECT_NE(copy.FindText("10000,00"), nullptr);  // the "cena" cell as the table shows it
    EXPECT_NE(copy.FindText("15.5.2016 14:30"), nullptr);
}

TEST_F(PrehledFormTest, PdfFileNameGetsItsExtension)
{
    CPrehledForm& f = Open();
    ui.fileNames = {out.File("nabídka"), out.File("nabídka.pdf"), std::nullopt};
    EXPECT_EQ(f.SouborPdf(), out.File("nabídka.pdf"));
    EXPECT_EQ(f.SouborPdf(), out.File("nabídka.pdf"));
    EXPECT_EQ(f.SouborPdf(), std::nullopt);
    EXPECT_EQ(ui.fileDialogs.at(0).initialPath, "Rodinný dům.pdf");
}

}  // namespace
}  // namespace belvo
