#include "proposal/proposal_report.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "proposal/builtin_pictures.h"
#include "proposal/output_fixture.h"
#include "support/recording_canvas.h"
#include "support/scripted_ui.h"

namespace belvo {
namespace {

using testing::AddItem;
using testing::AddPallet;
using testing::D;
using testing::ItemSpec;
namespace fonts = report_fonts;

TEST(PrintArea, ChosenFromThePrintableSize)
{
    const struct {
        int printableWidth, printableHeight, width, height;
        bool widthWarning, heightWarning;
    } cases[] = {
        {19000, 27700, 18000, 25000, false, false},  // A4 upright
        {27700, 19000, 25000, 18000, false, false},  // A4 landscape
        {28700, 40000, 25000, 35000, false, false},  // A3 upright
        {25000, 35000, 25000, 35000, false, false},
        {24999, 34999, 18000, 25000, false, false},
        {18000, 18000, 18000, 18000, false, false},
        {17999, 17999, 17999, 17999, true, true},
    };
    for (const auto& c : cases) {
        const PrintArea area = ChoosePrintArea(c.printableWidth, c.printableHeight);
        EXPECT_EQ(area.width, c.width) << c.printableWidth;
        EXPECT_EQ(area.height, c.height) << c.printableHeight;
        EXPECT_EQ(!area.widthWarning.empty(), c.widthWarning) << c.printableWidth;
        EXPECT_EQ(!area.heightWarning.empty(), c.heightWarning) << c.printableHeight;
    }
}

TEST(ReportPaging, ReservedSpaceAndPageCount)
{
    // A4 upright: 36 lines on a page, 33 above the bare totals block.
    ReportPaging p = ComputePaging(25000, false, false, 0, 0, 0);
    EXPECT_EQ(p.linesPerPage, 36);
    EXPECT_EQ(p.reserved, 3600);
    EXPECT_EQ(p.aboveTotals, 16800);
    EXPECT_EQ(p.linesBeforeTotals, 33);
    EXPECT_EQ(p.pageCount, 1);
    // Discount 400, transport 600, two pallet rows 1000, message 800.
    p = ComputePaging(25000, true, true, 2, 800, 0);
    EXPECT_EQ(p.reserved, 3600 + 400 + 600 + 1000 + 800);
    EXPECT_EQ(p.aboveTotals, 16800 - 2800);
    EXPECT_EQ(p.linesBeforeTotals, 28);
    const struct {
        int lines, pages;
    } counts[] = {{0, 1}, {33, 1}, {34, 2}, {36, 2}, {69, 2}, {70, 3}, {72, 3}};
    for (const auto& c : counts) EXPECT_EQ(ComputePaging(25000, false, false, 0, 0, c.lines).pageCount, c.pages) << c.lines;
}

class ReportTest : public ::testing::Test {
protected:
    ReportTest()
    {
        testing::FillProposal(navrh);
        source = testing::MakeSampleSource(navrh);
    }

    int Print()
    {
        canvas = RecordingCanvas();
        ProposalReport report(source, options, {"logo", "BM1"}, {"corner", "BM2"}, &ui);
        const int pages = canvas.PrintAll(report);
        paging = report.Paging();
        return pages;
    }

    // The texts drawn in the band of one item line (its top at y) on a page, left to right.
    std::vector<std::string> LineTexts(int y, int page = 1) const
    {
        std::vector<std::string> texts;
        for (const CanvasOp* op : canvas.Texts(page))
            if (op->box.top == y && op->box.bottom == y + 500) texts.push_back(op->text);
        return texts;
    }

    // The texts drawn in a band 400 high with its top at y (the rows of the totals block).
    std::vector<std::string> LineTexts400(int y, int page = 1) const
    {
        std::vector<std::string> texts;
        for (const CanvasOp* op : canvas.Texts(page))
            if (op->box.top == y && op->box.bottom == y + 400) texts.push_back(op->text);
        return texts;
    }

    // Adds `count` items sold by the piece: one whole line each.
    void AddPieceItems(int count)
    {
        for (int i = 0; i < count; ++i)
            AddItem(navrh, {.objCislo = "P" + std::to_string(i + 1), .nazev = "Kotva", .ksNaPalete = D("0"),
                            .cenaPaleta = D("2.00"), .cenaVolna = D("2.00"), .navrhKs = D("10"), .palet = D("0"),
                            .plusKs = D("10")});
    }

    CNavrh navrh;
    OutputSource source;
    PrintOptions options;
    ScriptedUi ui;
    RecordingCanvas canvas;
    ReportPaging paging;
};

void ExpectText(const RecordingCanvas& canvas, const std::string& text, CanvasRect box, CanvasAlign align,
                const CanvasFont& font, int page = 1)
{
    const CanvasOp* op = canvas.FindText(text, page);
    ASSERT_NE(op, nullptr) << "'" << text << "' not drawn on page " << page;
    EXPECT_EQ(op->box, box) << text;
    EXPECT_EQ(op->align, align) << text;
    EXPECT_EQ(op->font, font) << text;
}

TEST_F(ReportTest, PageHeader)
{
    AddItem(navrh);
    EXPECT_EQ(Print(), 1);
    // The A4 print area is centred on the printable area.
    ASSERT_FALSE(canvas.ops.empty());
    EXPECT_EQ(canvas.ops[0].kind, CanvasOp::Kind::Origin);
    EXPECT_EQ(canvas.ops[0].x1, (20000 - 18000) / 2);
    EXPECT_EQ(canvas.ops[0].y1, (28700 - 25000) / 2);

    ExpectText(canvas, "Rodinný dům", {0, 0, 17000, 1500}, CanvasAlign::Left, fonts::kTitle);
    ExpectText(canvas, "Brno", {0, 1200, 18000, 1800}, CanvasAlign::Left, fonts::kSubtitle);
    ExpectText(canvas, "1/1", {17000, 0, 18000, 1500}, CanvasAlign::Right, fonts::kText);
    ExpectText(canvas, "15.5.2016 14:30,  Novák", {0, 2000, 11500, 2600}, CanvasAlign::Left, fonts::kText);
    ExpectText(canvas, "Novák-7-dum.kar.xml", {0, 2600, 18000, 2900}, CanvasAlign::Right, fonts::kSmall);
    ExpectText(canvas, "projekt", {15400, 2000, 18000, 2300}, CanvasAlign::Left, fonts::kSmall);
    ExpectText(canvas, "1.2.2016", {16400, 2000, 18000, 2300}, CanvasAlign::Left, fonts::kSmall);
    ExpectText(canvas, "ceník", {15400, 2300, 18000, 2600}, CanvasAlign::Left, fonts::kSmall);
    ExpectText(canvas, "CZ20160515", {16400, 2300, 18000, 2600}, CanvasAlign::Left, fonts::kSmall);
    // The proposal's name equals the title, so it is not repeated.
    EXPECT_EQ(canvas.FindText("Rodinný dům")->box.top, 0);
    EXPECT_EQ(canvas.FindAllTexts("Rodinný dům").size(), 1u);

    const auto images = canvas.Images(1);
    ASSERT_EQ(images.size(), 2u);
    EXPECT_EQ(images[0]->imageName, "logo");
    EXPECT_EQ(images[0]->box, (CanvasRect{15000, 0, 18000, 1800}));
    EXPECT_EQ(images[1]->imageName, "corner");
    EXPECT_EQ(images[1]->box, (CanvasRect{0, 22700, 3545, 25000}));

    const auto lines = canvas.Lines(1);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0]->pen, (CanvasPen{100, 0x008000}));
    EXPECT_EQ((std::array{lines[0]->x1, lines[0]->y1, lines[0]->x2, lines[0]->y2}), (std::array{0, 1900, 18000, 1900}));
    EXPECT_EQ(lines[1]->pen, (CanvasPen{20, 0x400000}));
    EXPECT_EQ(lines[1]->y1, 4550);
}

TEST_F(ReportTest, HeaderOfAOneLineNameAndANamedProposal)
{
    source.project.name = "Garáž";
    source.project.lastXmlName.clear();
    navrh.Nazev = "Varianta A";
    Print();
    EXPECT_EQ(canvas.FindText("Brno"), nullptr);
    ExpectText(canvas, "Varianta A", {0, 3000, 18000, 3600}, CanvasAlign::Left, fonts::kSubtitle);
    for (const CanvasOp* op : canvas.Texts()) EXPECT_NE(op->box, (CanvasRect{0, 2600, 18000, 2900})) << op->text;
}

TEST_F(ReportTest, ColumnHeadingsMoveWithTheExtraWidth)
{
    // Landscape A4: the area is 25 cm wide, so E = 7000.
    canvas.printableWidth = 27700;
    canvas.printableHeight = 19000;
    ProposalReport report(source, options, {}, {}, nullptr);
    canvas.PrintAll(report);
    const int e = 7000;
    ExpectText(canvas, "obj.číslo", {0, 4100, 1400, 4500}, CanvasAlign::Left, fonts::kText);
    ExpectText(canvas, "požadovaný materiál", {1700, 4100, e + 5000, 4500}, CanvasAlign::Left, fonts::kText);
    ExpectText(canvas, "ceníková cena", {e + 7300, 4100, e + 10750, 4500}, CanvasAlign::Center, fonts::kText);
    ExpectText(canvas, "U2 [W/m2K]", {e + 8750, 3700, e + 11400, 4100}, CanvasAlign::Center, fonts::kText);
    ExpectText(canvas, "návrh ks", {e + 9400, 4100, e + 12600, 4500}, CanvasAlign::Center, fonts::kText);
    ExpectText(canvas, "oprava ks", {e + 10600, 3700, e + 13400, 4100}, CanvasAlign::Center, fonts::kText);
    ExpectText(canvas, "celkem ks", {e + 11400, 4100, e + 14600, 4500}, CanvasAlign::Center, fonts::kText);
    ExpectText(canvas, "sleva %", {e + 13400, 3700, e + 15800, 4100}, CanvasAlign::Left, fonts::kText);
    ExpectText(canvas, "cena bez DPH", {e + 14400, 4100, e + 16300, 4500}, CanvasAlign::Center, fonts::kText);
    ExpectText(canvas, "cena s DPH", {e + 16300, 4100, e + 18000, 4500}, CanvasAlign::Center, fonts::kText);
    const auto currency = canvas.FindAllTexts("Kč");
    ASSERT_EQ(currency.size(), 2u);
    EXPECT_EQ(currency[0]->box, (CanvasRect{e + 14400, 3700, e + 16300, 4500}));
    EXPECT_EQ(currency[1]->box, (CanvasRect{e + 16300, 3700, e + 18000, 4500}));
}

TEST_F(ReportTest, PalletAndLooseLines)
{
    AddItem(navrh);
    Print();
    EXPECT_EQ(LineTexts(4600), (std::vector<std::string>{"1234", "Belvo 30 P+D", "10,00", "0,28", "950", "0", "900",
                                                         "0,0", "9 000,00", "10 890,00"}));
    EXPECT_EQ(LineTexts(5100), (std::vector<std::string>{"1234", "Belvo 30 P+D(volně)", "12,00", "0,28", "", "", "50",
                                                         "0,0", "600,00", "726,00"}));
    // Cell boxes of a line.
    std::vector<CanvasRect> boxes;
    for (const CanvasOp* op : canvas.Texts(1))
        if (op->box.top == 4600 && op->box.bottom == 5100) boxes.push_back(op->box);
    const std::vector<CanvasRect> expected{{0, 4600, 1700, 5100},         {1700, 4600, 8250, 5100},
                                           {8450, 4600, 9550, 5100},      {9700, 4600, 10300, 5100},
                                           {10400, 4600, 11400, 5100},    {11600, 4600, 12200, 5100},
                                           {12400, 4600, 13400, 5100},    {13550, 4600, 14200, 5100},
                                           {14400, 4600, 16100, 5100},    {16300, 4600, 18000, 5100}};
    EXPECT_EQ(boxes, expected);

    options.oneLine = true;
    Print();
    EXPECT_EQ(LineTexts(4600), (std::vector<std::string>{"1234", "Belvo 30 P+D", "10,00", "0,28", "950", "0", "950",
                                                         "0,0", "9 600,00", "11 616,00"}));
    EXPECT_TRUE(LineTexts(5100).empty());
}

TEST_F(ReportTest, WhichItemsGetLines)
{
    // A pallet item with no pallets and -20 pieces: no line. The same sold by the piece: a whole
    // line priced 0. An item with no order number: no line. A zero item of a pallet material:
    // no line unless the zero option is on.
    AddItem(navrh, {.objCislo = "A", .palet = D("0"), .plusKs = D("-20")});
    AddItem(navrh, {.objCislo = "B", .ksNaPalete = D("0"), .navrhKs = D("0"), .palet = D("0"), .plusKs = D("-20")});
    AddItem(navrh, {.objCislo = ""});
    AddItem(navrh, {.objCislo = "C", .navrhKs = D("5"), .palet = D("0"), .plusKs = D("0")});
    Print();
    EXPECT_EQ(LineTexts(4600), (std::vector<std::string>{"B", "Belvo 30 P+D", "10,00", "0,28", "0", "-20", "-20",
                                                         "0,0", "0,00", "0,00"}));
    EXPECT_TRUE(LineTexts(5100).empty());

    options.zeroItems = true;
    Print();
    EXPECT_EQ(LineTexts(5100), (std::vector<std::string>{"C", "Belvo 30 P+D", "10,00", "0,28", "5", "-5", "0", "0,0",
                                                         "0,00", "0,00"}));
}

TEST_F(ReportTest, TotalsWithoutDiscountPalletsOrTransport)
{
    AddItem(navrh);
    Print();
    // Two lines end at 5600.
    const int y = 5600;
    const auto lines = canvas.Lines(1);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[2]->y1, y + 50);
    EXPECT_EQ(lines[2]->pen, (CanvasPen{20, 0x400000}));
    ExpectText(canvas, "Materiál celkem", {11600, y + 100, 14000, y + 500}, CanvasAlign::Right, fonts::kBoldText);
    ExpectText(canvas, "11 400,00", {14400, y + 100, 16100, y + 500}, CanvasAlign::Right, fonts::kBoldText);
    ExpectText(canvas, "13 794,00", {16300, y + 100, 18000, y + 500}, CanvasAlign::Right, fonts::kBoldText);
    // No pallet rows and no transport: the double rule follows at once.
    EXPECT_EQ(lines[3]->y1, y + 100 + 400 + 200);
    EXPECT_EQ(lines[3]->pen, (CanvasPen{100, 0x800000}));
    const int t = y + 800;
    ExpectText(canvas, "Celkem", {0, t, 5000, t + 600}, CanvasAlign::Left, fonts::kSubtitle);
    ExpectText(canvas, "hmotnost brutto   10 025 kg", {6000, t + 100, 11000, t + 500}, CanvasAlign::Left, fonts::kText);
    ExpectText(canvas, "cena v Kč", {11000, t + 100, 14200, t + 500}, CanvasAlign::Right, fonts::kBoldText);
    ExpectText(canvas, "14 600,00", {14400, t + 100, 16100, t + 500}, CanvasAlign::Right, fonts::kBoldText);
    ExpectText(canvas, "17 666,00", {16300, t + 100, 18000, t + 500}, CanvasAlign::Right, fonts::kBoldText);
    const auto texts = canvas.Texts(1);
    const auto wrapped = std::find_if(texts.begin(), texts.end(), [](const CanvasOp* op) { return op->wordWrap; });
    ASSERT_NE(wrapped, texts.end());
    EXPECT_EQ((*wrapped)->box, (CanvasRect{0, t + 1100, 18000, t + 11100}));
}

TEST_F(ReportTest, TotalsWithDiscountPalletsAndTransport)
{
    AddItem(navrh);
    navrh.SlevaVse = D("5");
    source.totals.MaterialPoSleveBezDPH = D("10830.0");
    source.totals.MaterialPoSleveSDPH = D("13104.3");
    AddPallet(navrh, "EUR paleta", "9");
    AddPallet(navrh, "Vratná paleta", "2", "-2");  // nothing to charge: left out
    navrh.DopravaCena = D("500.00");
    navrh.DopravaKm = D("20");
    navrh.DopravaCenaKm = D("25.00");
    source.totals.DopravaBezDPH = D("500.00");
    source.totals.DopravaSDPH = D("605.0000");
    navrh.Poselstvi = "Děkujeme za objednávku.";
    Print();
    // Reserved: discount, transport, two pallet rows and one line of message.
    EXPECT_EQ(paging.reserved, 3600 + 400 + 600 + 1000 + 400);

    int y = 5600 + 100;
    ExpectText(canvas, "Materiál celkem", {11600, y, 14000, y + 400}, CanvasAlign::Right, fonts::kText);
    ExpectText(canvas, "11 400,00", {14400, y, 16100, y + 400}, CanvasAlign::Right, fonts::kText);
    y += 400;
    ExpectText(canvas, "Materiál po slevě  5,0%  celkem", {0, y, 14000, y + 400}, CanvasAlign::Right, fonts::kBoldText);
    ExpectText(canvas, "10 830,00", {14400, y, 16100, y + 400}, CanvasAlign::Right, fonts::kBoldText);
    ExpectText(canvas, "13 104,30", {16300, y, 18000, y + 400}, CanvasAlign::Right, fonts::kBoldText);
    y += 400 + 200;
    ExpectText(canvas, "Palety (obaly):   EUR paleta", {0, y, 8250, y + 400}, CanvasAlign::Left, fonts::kText);
    EXPECT_EQ(LineTexts400(y), (std::vector<std::string>{"Palety (obaly):   EUR paleta", "300,00", "9", "0", "9",
                                                          "2 700,00", "3 267,00"}));
    EXPECT_EQ(canvas.FindText("Palety (obaly):   Vratná paleta"), nullptr);
    y += 400 + 200;
    EXPECT_EQ(LineTexts400(y), (std::vector<std::string>{"Doprava  ", "cena/km", "25,00", "20 km ", "500,00", "605,00"}));
    ExpectText(canvas, "cena/km", {5500, y, 7000, y + 400}, CanvasAlign::Right, fonts::kText);
    ExpectText(canvas, "25,00", {7000, y, 8000, y + 400}, CanvasAlign::Right, fonts::kText);
    ExpectText(canvas, "20 km ", {10000, y, 12000, y + 400}, CanvasAlign::Right, fonts::kText);
    y += 400 + 200;
    EXPECT_EQ(canvas.Lines(1).back()->y1, y);
    ExpectText(canvas, "Celkem", {0, y + 100, 5000, y + 700}, CanvasAlign::Left, fonts::kSubtitle);
    ExpectText(canvas, "Děkujeme za objednávku.", {0, y + 1200, 18000, y + 11200}, CanvasAlign::Left, fonts::kText);
}

TEST_F(ReportTest, LegendAndCornerPictureOnEveryPage)
{
    AddPieceItems(40);
    ASSERT_EQ(Print(), 2);
    for (int page = 1; page <= 2; ++page) {
        ExpectText(canvas, "Vysvětlivky pro zákazníka u objednacího čísla - začíná-li :", {4000, 23000, 12000, 23400},
                   CanvasAlign::Right, fonts::kText, page);
        const char* expected[] = {"1 ... Vlastní výroba – závod Sever", "2 ... Vlastní výroba – závod Jih",
                                  "5 ... Vlastní výroba – závod Východ", "7 ... Vlastní výroba – závod Západ",
                                  "3 ... Doplňkový sortiment výrobce",   "4 ... Externí výrobky"};
        int top = 23000;
        for (const char* text : expected) {
            ExpectText(canvas, text, {12500, top, 18000, top + 400}, CanvasAlign::Left, fonts::kText, page);
            top += 400;
        }
        const auto images = canvas.Images(page);
        ASSERT_EQ(images.size(), 2u);
        EXPECT_EQ(images[1]->box, (CanvasRect{0, 22700, 3545, 25000}));
        ExpectText(canvas, std::to_string(page) + "/2", {17000, 0, 18000, 1500}, CanvasAlign::Right, fonts::kText, page);
    }
}

TEST_F(ReportTest, PageCountAtTheBoundaryOfTheLastPage)
{
    // 33 lines leave room for the bare totals block on the same page.
    AddPieceItems(33);
    EXPECT_EQ(Print(), 1);
    EXPECT_NE(canvas.FindText("Materiál celkem", 1), nullptr);
    EXPECT_EQ(LineTexts(4600 + 32 * 500)[0], "P33");

    // One line more and the totals block moves alone to a second page.
    AddPieceItems(1);
    navrh.Polozky.back()->ObjCislo = "P34";
    EXPECT_EQ(Print(), 2);
    EXPECT_EQ(canvas.FindText("Materiál celkem", 1), nullptr);
    ExpectText(canvas, "Materiál celkem", {11600, 4700, 14000, 5100}, CanvasAlign::Right, fonts::kBoldText, 2);
    EXPECT_EQ(LineTexts(4600 + 33 * 500)[0], "P34");
    EXPECT_TRUE(LineTexts(4600, 2).empty());
    ExpectText(canvas, "obj.číslo", {0, 4100, 1400, 4500}, CanvasAlign::Left, fonts::kText, 2);

    // A full first page of 36 lines, the rest on the second.
    AddPieceItems(4);
    EXPECT_EQ(Print(), 2);
    EXPECT_EQ(LineTexts(4600 + 35 * 500, 1).size(), 10u);
    EXPECT_EQ(LineTexts(4600, 2)[0], "P3");  // the 37th item (the added ones restart at P1)
    EXPECT_NE(canvas.FindText("Materiál celkem", 2), nullptr);
}

TEST_F(ReportTest, AProposalWithoutLinesPrintsOnePage)
{
    EXPECT_EQ(Print(), 1);
    EXPECT_NE(canvas.FindText("obj.číslo"), nullptr);
    ExpectText(canvas, "Materiál celkem", {11600, 4700, 14000, 5100}, CanvasAlign::Right, fonts::kBoldText);
    EXPECT_NE(canvas.FindText("4 ... Externí výrobky"), nullptr);
}

TEST_F(ReportTest, AMessageSoLongThatNoTotalsFit)
{
    // 43 lines of message are 17200 high; the page has 16800 below the headings.
    std::string message;
    for (int i = 0; i < 43; ++i) message += "řádek\n";
    message.pop_back();
    navrh.Poselstvi = message;
    AddPieceItems(1);
    const int pages = Print();
    EXPECT_LT(paging.aboveTotals, 0);
    EXPECT_EQ(pages, 2);
    EXPECT_EQ(canvas.FindText("Materiál celkem"), nullptr);
    EXPECT_EQ(canvas.FindText("Celkem"), nullptr);
    EXPECT_EQ(canvas.FindText(message), nullptr);
    // Every page still has its header and legend.
    EXPECT_NE(canvas.FindText("2/2", 2), nullptr);
    EXPECT_NE(canvas.FindText("4 ... Externí výrobky", 2), nullptr);
}

TEST_F(ReportTest, SmallPaperIsReportedAndPrintedAnyway)
{
    canvas.printableWidth = 14800;
    canvas.printableHeight = 19000;
    ProposalReport report(source, options, {}, {}, &ui);
    canvas.PrintAll(report);
    EXPECT_EQ(ui.MessageLines(), std::vector<std::string>{"chyba tisku: šířka papíru musí být větší, než 18 cm"});
    EXPECT_EQ(report.Area().width, 14800);
    EXPECT_EQ(report.Area().Extra(), -3200);
    EXPECT_EQ(canvas.ops[0].x1, 0);  // the area is the whole printable width
    ExpectText(canvas, "cena s DPH", {-3200 + 16300, 4100, 14800, 4500}, CanvasAlign::Center, fonts::kText);

    ui.messages.clear();
    canvas = RecordingCanvas();
    canvas.printableHeight = 17000;
    ProposalReport low(source, options, {}, {}, &ui);
    canvas.PrintAll(low);
    EXPECT_EQ(ui.MessageLines(), std::vector<std::string>{"chyba tisku: délka papíru musí být větší, než 18 cm"});
}

TEST(ReportLogo, TheStartUpLogoFileOrTheBuiltInOne)
{
    const auto dir = std::filesystem::temp_directory_path() / "belvo_report_logo";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    EXPECT_EQ(LoadReportLogo(dir.string()).bytes, std::string(BuiltinLogoBmp()));
    std::ofstream(dir / "Logo.bmp", std::ios::binary) << "GIF89a, not a bitmap at all, but long enough to look like one...";
    EXPECT_EQ(LoadReportLogo(dir.string()).bytes, std::string(BuiltinLogoBmp()));
    const std::string bitmap = "BM" + std::string(100, 'x');
    std::ofstream(dir / "Logo.bmp", std::ios::binary | std::ios::trunc) << bitmap;
    EXPECT_EQ(LoadReportLogo(dir.string()).bytes, bitmap);
    EXPECT_EQ(ReportCornerPicture().bytes, std::string(BuiltinLogoBmp()));
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace belvo
