#include "proposal/html_page.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "foundation/cp1250.h"
#include "proposal/builtin_pictures.h"
#include "proposal/html_files.h"
#include "proposal/output_fixture.h"
#include "proposal/text_file.h"

namespace belvo {
namespace {

using testing::AddItem;
using testing::AddPallet;
using testing::D;
using testing::ItemSpec;

// The page of a proposal with a brick split into 9 pallets and 50 loose pieces, a mortar sold by
// the piece whose name holds angle brackets, one pallet row, transport and a two-line message.
class HtmlPageTest : public ::testing::Test {
protected:
    HtmlPageTest()
    {
        testing::FillProposal(navrh);
        AddItem(navrh);
        AddItem(navrh, {.objCislo = "3801", .nazev = "Malta <M10>", .ksNaPalete = D("0"), .cenaPaleta = D("150.00"),
                        .cenaVolna = D("150.00"), .navrhKs = D("12"), .palet = D("0"), .plusKs = D("12"),
                        .vaha = D("25"), .ttu2 = ""});
        AddPallet(navrh, "EUR paleta", "9");
        navrh.DopravaCena = D("500.00");
        navrh.DopravaKm = D("20");
        navrh.DopravaCenaKm = D("25.00");
        navrh.Poselstvi = "Dodání do 14 dnů.\nDěkujeme.";
        source = testing::MakeSampleSource(navrh);
        source.totals.DopravaBezDPH = D("500.00");
        source.totals.DopravaSDPH = D("605.0000");
    }

    std::string Page() const { return BuildHtmlPage(source, options); }

    CNavrh navrh;
    OutputSource source;
    PrintOptions options;
};

std::string Row(std::initializer_list<std::string> left, std::initializer_list<std::string> right)
{
    std::string row = "\t\t\t<TR>\n";
    for (const std::string& text : left) row += "\t\t\t\t<TD align=\"left\">" + text + "</TD>\n";
    for (const std::string& text : right) row += "\t\t\t\t<TD align=\"right\">" + text + "</TD>\n";
    return row + "\t\t\t</TR>\n";
}

// The whole page, byte for byte.
TEST_F(HtmlPageTest, WholePage)
{
    const std::string expected =
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">\n"
        "<html>\n"
        "\t<head>\n"
        "\t\t<title>Belvo - </title>\n"
        "\t\t<META http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1250\">\n"
        "\t</head>\n"
        "\t<body>\n"
        "\t\t<P>\n"
        "\t\t\t<IMG src=\"Belvo.bmp\" align=\"right\" height=\"92\" width=\"142\">\n"
        "\t\t\t<br>\n"
        "\t\t\t<FONT size=\"6\"><STRONG>Rodinný dům</STRONG></FONT>&nbsp;\n"
        "\t\t</P>\n"
        "\t\t<STRONG><FONT face=\"Tahoma\" size=\"3\">Brno</FONT></STRONG>\n"
        "\t\t<HR width=\"100%\" align=\"justify\" color=\"#009999\" SIZE=\"4\">\n"
        "\t\t15.5.2016 14:30,  Novák;  projekt 1.2.2016;  ceník CZ20160515 14:30 (Kč);  Novák-7-dum.kar.xml\n"
        "\t\t<br>\n"
        "\t\t<br>\n"
        "\t\t<FONT size=\"5\"></FONT>\n"
        "\t\t<TABLE id=\"Table1\" cellSpacing=\"0\" cellPadding=\"0\" width=\"100%\" border=\"1\" borderColor=\"white\" "
        "borderColorDark=\"#eeeeee\" borderColorLight=\"white\">\n"
        "\t\t\t<TR bgColor=\"#66ffff\">\n"
        "\t\t\t\t<TD height=\"50\" align=\"middle\">obj. číslo</TD>\n"
        "\t\t\t\t<TD height=\"50\" align=\"middle\">požadovaný materiál</TD>\n"
        "\t\t\t\t<TD height=\"50\" align=\"middle\">ceníková cena</TD>\n"
        "\t\t\t\t<TD height=\"50\" align=\"middle\">U<SUB>2</SUB> [W/m<SUP>2</SUP>K]</TD>\n"
        "\t\t\t\t<TD height=\"50\" align=\"middle\">návrh ks</TD>\n"
        "\t\t\t\t<TD height=\"50\" align=\"middle\">oprava ks</TD>\n"
        "\t\t\t\t<TD height=\"50\" align=\"middle\">celkem ks</TD>\n"
        "\t\t\t\t<TD height=\"50\" align=\"middle\">sleva %</TD>\n"
        "\t\t\t\t<TD height=\"50\" align=\"middle\" width=\"100\">cena bez DPH</TD>\n"
        "\t\t\t\t<TD height=\"50\" align=\"middle\" width=\"100\">cena s DPH</TD>\n"
        "\t\t\t</TR>\n" +
        Row({"1234", "Belvo 30 P+D"}, {"10,00", "0,28", "950", "0", "900", "0,0", "9 000,00", "10 890,00"}) +
        Row({"1234", "Belvo 30 P+D(volně)"}, {"12,00", "0,28", "", "", "50", "0,0", "600,00", "726,00"}) +
        Row({"3801", "Malta (M10)"}, {"150,00", "", "12", "0", "12", "0,0", "1 800,00", "2 178,00"}) +
        "\t\t</TABLE>\n"
        "\t\t<HR width=\"100%\" SIZE=\"5\" color=\"#000000\">\n"
        "\t\t<TABLE WIDTH=\"100%\" BORDER=\"1\" CELLSPACING=\"0\" CELLPADDING=\"0\" bgColor=\"#ffccee\" "
        "borderColorDark=\"#ffccee\" borderColor=\"#ffccee\">\n"
        "\t\t\t<TR>\n"
        "\t\t\t<TR>\n"
        "\t\t\t\t<TD align=\"right\"><B>Materiál celkem</B></TD>\n"
        "\t\t\t\t<TD align=\"right\" width=\"100\">11 400,00</TD>\n"
        "\t\t\t\t<TD align=\"right\" width=\"100\">13 794,00</TD>\n"
        "\t\t\t</TR>\n"
        "\t\t</TABLE>\n"
        "\t\t<BR>\n"
        "\t\t<TABLE WIDTH=\"100%\" BORDER=\"1\" CELLSPACING=\"0\" CELLPADDING=\"0\" ID=\"Table3\" borderColor=\"white\" "
        "borderColorDark=\"#eeeeee\" borderColorLight=\"white\">\n"
        "  <TR bgColor=#e0e0e0>\n"
        "    <TD align=middle >Palety (obaly): </TD>\n"
        "    <TD align=middle width=\"10%\">prodejní  cena</TD>\n"
        "    <TD align=middle width=\"10%\">návrh ks</TD>\n"
        "    <TD align=middle width=\"10%\">oprava ks</TD>\n"
        "    <TD align=middle width=\"10%\">celkem ks</TD>\n"
        "    <TD align=right width=\"5%\">&nbsp;</TD>\n"
        "    <TD align=middle width=100 >cena bez DPH</TD>\n"
        "    <TD align=middle width=100 >cena s DPH</TD></TR>\n"
        "\t\t\t<TR>\n"
        "\t\t\t\t<TD align=\"left\">EUR paleta</TD>\n"
        "\t\t\t\t<TD align=\"right\">300,00</TD>\n"
        "\t\t\t\t<TD align=\"right\">9</TD>\n"
        "\t\t\t\t<TD align=\"right\">0</TD>\n"
        "\t\t\t\t<TD align=\"right\">9</TD>\n"
        "\t\t\t\t<TD align=\"right\" >&nbsp;</TD>\n"
        "\t\t\t\t<TD align=\"right\" width=\"100\">2 700,00</TD>\n"
        "\t\t\t\t<TD align=\"right\" width=\"100\">3 267,00</TD>\n"
        "\t\t\t</TR>\n"
        "\t\t</TABLE>\n"
        "\t\t<BR>\n"
        "\t\t<TABLE WIDTH=\"100%\" BORDER=\"1\" CELLSPACING=\"0\" CELLPADDING=\"0\" ID=\"Table2\" borderColor=\"white\" "
        "borderColorDark=\"#eeeeee\" borderColorLight=\"white\">\n"
        "\t\t\t<TR>\n"
        "\t\t\t\t<TD align=\"left\">Doprava  </TD>\n"
        "\t\t\t\t<TD align=\"right\">cena/km 25,00</TD>\n"
        "\t\t\t\t<TD align=\"right\">20 km </TD>\n"
        "\t\t\t\t<TD align=\"right\" width=\"20%\">&nbsp;</TD>\n"
        "\t\t\t\t<TD align=\"right\" width=\"100\">500,00</TD>\n"
        "\t\t\t\t<TD align=\"right\" width=\"100\">605,00</TD>\n"
        "\t\t\t</TR>\n"
        "\t\t</TABLE>\n"
        "\t\t<HR width=\"100%\" color=\"#ff0000\" SIZE=\"5\">\n"
        "\t\t<TABLE WIDTH=\"100%\" BORDER=\"1\" CELLSPACING=\"0\" CELLPADDING=\"0\" ID=\"Table4\" bgColor=\"#ffaaaa\" "
        "borderColorDark=\"#ffaaaa\" borderColor=\"#ffaaaa\">\n"
        "\t\t\t<TR height=\"50\">\n"
        "\t\t\t\t<TD align=\"left\"><B>Celkem</B></TD>\n"
        "\t\t\t\t<TD align=\"right\">hmotnost brutto</TD>\n"
        "\t\t\t\t<TD align=\"right\">10 025 kg</TD>\n"
        "\t\t\t\t<TD align=\"right\" width=\"30%\"><B>cena v Kč</B></TD>\n"
        "\t\t\t\t<TD align=\"right\" width=\"100\">14 600,00</TD>\n"
        "\t\t\t\t<TD align=\"right\" width=\"100\">17 666,00</TD>\n"
        "\t\t\t</TR>\n"
        "\t\t</TABLE>\n"
        "\t\t<BR>\n"
        "Dodání do 14 dnů.<BR>Děkujeme."
        "\t\t<BR>\n"
        "\t\t<IMG alt=\"\" src=\"Belvo.GIF\" height=\"153\" width=\"256\" align=\"left\"> "
        "<P STYLE=\"margin-left: 8 cm\"><B>Vysvětlivky pro zákazníky</B>\n"
        "\t\t<br>\n"
        "\t\t&nbsp;&nbsp;&nbsp;&nbsp;první číslo objednacího čísla :\n"
        "\t\t<UL>\n"
        "\t\t\t<li><P STYLE=\"margin-left: 8 cm\">1 ... vlastní výroba – závod Sever\n"
        "\t\t\t<li><P STYLE=\"margin-left: 8 cm\">2 ... vlastní výroba – závod Jih\n"
        "\t\t\t<li><P STYLE=\"margin-left: 8 cm\">5 ... vlastní výroba – závod Východ\n"
        "\t\t\t<li><P STYLE=\"margin-left: 8 cm\">7 ... vlastní výroba – závod Západ\n"
        "\t\t\t<li><P STYLE=\"margin-left: 8 cm\">3 ... doplňkový sortiment výrobce\n"
        "\t\t\t<li><P STYLE=\"margin-left: 8 cm\">4 ... externí výrobky</li>\n"
        "\t\t</UL>\n"
        "\t</body>\n"
        "</html>";
    EXPECT_EQ(Page(), expected);
}

// The part of the page between two markers (the first `from` and the next `to` after it).
std::string Between(const std::string& page, const std::string& from, const std::string& to)
{
    const std::size_t start = page.find(from);
    if (start == std::string::npos) return "<no " + from + ">";
    const std::size_t end = page.find(to, start + from.size());
    return page.substr(start + from.size(), end == std::string::npos ? std::string::npos : end - start - from.size());
}

std::string ItemRows(const std::string& page)
{
    return Between(page, "cena s DPH</TD>\n\t\t\t</TR>\n", "\t\t</TABLE>");
}

TEST_F(HtmlPageTest, OneLineModeWritesTheWholeItem)
{
    options.oneLine = true;
    EXPECT_EQ(ItemRows(Page()),
              Row({"1234", "Belvo 30 P+D"}, {"10,00", "0,28", "950", "0", "950", "0,0", "9 600,00", "11 616,00"}) +
                  Row({"3801", "Malta (M10)"}, {"150,00", "", "12", "0", "12", "0,0", "1 800,00", "2 178,00"}));
}

TEST_F(HtmlPageTest, ItemsOfTotalZeroOnlyWithTheZeroOption)
{
    navrh.Polozky.clear();
    AddItem(navrh, {.navrhKs = D("40"), .palet = D("0"), .plusKs = D("0")});
    EXPECT_EQ(ItemRows(Page()), "");
    options.zeroItems = true;
    EXPECT_EQ(ItemRows(Page()),
              Row({"1234", "Belvo 30 P+D"}, {"10,00", "0,28", "40", "-40", "0", "0,0", "0,00", "0,00"}));
}

TEST_F(HtmlPageTest, NegativeLoosePartAndNegativeTotal)
{
    navrh.Polozky.clear();
    // 10 pallets less 50 pieces: both lines, the loose one at minus the loose price.
    AddItem(navrh, {.palet = D("10"), .plusKs = D("-50")});
    // No pallets and -20 pieces: the total is negative, so the line is priced 0.
    AddItem(navrh, {.objCislo = "2000", .navrhKs = D("0"), .palet = D("0"), .plusKs = D("-20")});
    // No order number: never written.
    AddItem(navrh, {.objCislo = ""});
    EXPECT_EQ(ItemRows(Page()),
              Row({"1234", "Belvo 30 P+D"}, {"10,00", "0,28", "950", "0", "1 000", "0,0", "10 000,00", "12 100,00"}) +
                  Row({"1234", "Belvo 30 P+D(volně)"}, {"12,00", "0,28", "", "", "-50", "0,0", "-600,00", "-726,00"}) +
                  Row({"2000", "Belvo 30 P+D(volně)"}, {"12,00", "0,28", "0", "-20", "-20", "0,0", "0,00", "0,00"}));
}

TEST_F(HtmlPageTest, ItemDiscountAndOverallDiscount)
{
    navrh.Polozky.clear();
    AddItem(navrh, {.palet = D("9"), .plusKs = D("0"), .sleva = D("10.0")});
    navrh.SlevaVse = D("5");
    source.totals.MaterialPoSleveBezDPH = D("7695.0");
    source.totals.MaterialPoSleveSDPH = D("9311.0");
    const std::string page = Page();
    EXPECT_EQ(ItemRows(page),
              Row({"1234", "Belvo 30 P+D"}, {"10,00", "0,28", "950", "-50", "900", "10,0", "8 100,00", "9 801,00"}));
    EXPECT_EQ(Between(page, "borderColor=\"#ffccee\">\n\t\t\t<TR>\n", "\t\t</TABLE>"),
              "\t\t\t<TR>\n"
              "\t\t\t\t<TD align=\"right\">Materiál celkem</TD>\n"
              "\t\t\t\t<TD align=\"right\" width=\"100\">11 400,00</TD>\n"
              "\t\t\t\t<TD align=\"right\" width=\"100\">13 794,00</TD>\n"
              "\t\t\t</TR>\n"
              "\t\t\t<TR>\n"
              "\t\t\t\t<TD align=\"right\"><B>Materiál po slevě  5,0%  celkem</B></TD>\n"
              "\t\t\t\t<TD align=\"right\" width=\"100\">7 695,00</TD>\n"
              "\t\t\t\t<TD align=\"right\" width=\"100\">9 311,00</TD>\n"
              "\t\t\t</TR>\n");
}

TEST_F(HtmlPageTest, WithoutPalletsAndTransportTheTotalFollowsTheGoods)
{
    navrh.Palety.front()->Oprava = D("-9");  // 9 + (-9): nothing left to charge
    navrh.DopravaCena = D("0");
    const std::string page = Page();
    EXPECT_EQ(page.find("Table3"), std::string::npos);
    EXPECT_EQ(page.find("Table2"), std::string::npos);
    EXPECT_NE(page.find("13 794,00</TD>\n\t\t\t</TR>\n\t\t</TABLE>\n\t\t<HR width=\"100%\" color=\"#ff0000\""),
              std::string::npos);
}

TEST_F(HtmlPageTest, OnlyPalletRowsWithSomethingToChargeAreWritten)
{
    AddPallet(navrh, "Malá paleta", "0");
    AddPallet(navrh, "Půlpaleta", "2", "1");
    const std::string rows = Between(Between(Page(), "ID=\"Table3\"", "\t\t</TABLE>"), "</TD></TR>\n", "@");
    EXPECT_NE(rows.find("EUR paleta"), std::string::npos);
    EXPECT_EQ(rows.find("Malá paleta"), std::string::npos);
    EXPECT_NE(rows.find("<TD align=\"left\">Půlpaleta</TD>\n"
                        "\t\t\t\t<TD align=\"right\">300,00</TD>\n"
                        "\t\t\t\t<TD align=\"right\">2</TD>\n"
                        "\t\t\t\t<TD align=\"right\">1</TD>\n"
                        "\t\t\t\t<TD align=\"right\">3</TD>\n"),
              std::string::npos);
}

TEST_F(HtmlPageTest, TransportWithoutDistanceOrRate)
{
    navrh.DopravaCenaKm = D("0");
    EXPECT_NE(Page().find("Doprava  </TD>\n"
                          "\t\t\t\t<TD align=\"right\"></TD>\n"
                          "\t\t\t\t<TD align=\"right\">20 km </TD>\n"),
              std::string::npos);
    navrh.DopravaKm = D("0");
    EXPECT_NE(Page().find("Doprava  </TD>\n"
                          "\t\t\t\t<TD align=\"right\"></TD>\n"
                          "\t\t\t\t<TD align=\"right\"></TD>\n"
                          "\t\t\t\t<TD align=\"right\" width=\"20%\">&nbsp;</TD>\n"),
              std::string::npos);
}

TEST_F(HtmlPageTest, HeaderOfAOneLineProjectAndAPartialProposal)
{
    source.project.name = "Garáž <B>";
    navrh.Jmeno = "Garáž <B> - Zeď 1";
    navrh.Cenik = "CZ20160515 14:30 (Kč)";
    source.project.lastXmlName.clear();
    const std::string page = Page();
    EXPECT_NE(page.find("<STRONG>Garáž (B)</STRONG></FONT>&nbsp;\n\t\t</P>\n\t\t<STRONG><FONT face=\"Tahoma\" "
                        "size=\"3\"></FONT></STRONG>\n"),
              std::string::npos);
    EXPECT_NE(page.find("\t\t15.5.2016 14:30,  Novák;  projekt 1.2.2016;  ceník CZ20160515 14:30 (Kč);  \n"),
              std::string::npos);
    EXPECT_NE(page.find("<FONT size=\"5\">Garáž (B) - Zeď 1</FONT>"), std::string::npos);
    // A proposal saved under a name shows that name.
    navrh.Nazev = "Varianta A";
    EXPECT_NE(Page().find("<FONT size=\"5\">Varianta A</FONT>"), std::string::npos);
}

TEST(HtmlText, RoundBracketsForAngleBrackets)
{
    EXPECT_EQ(HtmlText("a<b>&\"c\"<<"), "a(b)&\"c\"((");
    EXPECT_EQ(HtmlText(""), "");
}

TEST(WindowsTextBytes, CodePageAndLineEnds)
{
    bool lossy = true;
    EXPECT_EQ(WindowsTextBytes("dům\nž\n", &lossy), "d\xF9m\r\n\x9E\r\n");
    EXPECT_FALSE(lossy);
    EXPECT_EQ(WindowsTextBytes("€ ✓", &lossy), "\x80 ?");
    EXPECT_TRUE(lossy);
}

TEST(DefaultHtmlFileName, LineFeedsBecomeDashes)
{
    EXPECT_EQ(DefaultHtmlFileName("Dům\nBrno"), "Dům-Brno - ");
    EXPECT_EQ(DefaultHtmlFileName("Dům"), "Dům - ");
}

class HtmlFilesTest : public ::testing::Test {
protected:
    HtmlFilesTest()
    {
        root = std::filesystem::temp_directory_path() /
               ("belvo_html_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(root);
        std::filesystem::create_directories(root / "out");
        std::filesystem::create_directories(root / "start");
    }
    ~HtmlFilesTest() override { std::filesystem::remove_all(root); }

    static std::string Read(const std::filesystem::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    std::filesystem::path root;
};

TEST_F(HtmlFilesTest, PageInWindows1250WithCrLfAndBothPicturesBesideIt)
{
    const auto page = root / "out" / "Dům - .html";
    WriteHtmlPage(page.string(), "<p>Dům</p>\n<p>konec</p>", (root / "start").string());
    EXPECT_EQ(Read(page), "<p>D\xF9m</p>\r\n<p>konec</p>");
    EXPECT_EQ(Read(root / "out" / "Belvo.GIF"), std::string(BuiltinLegendGif()));
    EXPECT_EQ(Read(root / "out" / "Belvo.bmp"), std::string(BuiltinLogoBmp()));
}

TEST_F(HtmlFilesTest, TheStartUpLogoReplacesTheBuiltInOne)
{
    std::ofstream(root / "start" / "logo.bmp", std::ios::binary) << "BMvlastni logo";
    WriteHtmlPictures((root / "out").string(), (root / "start").string());
    EXPECT_EQ(Read(root / "out" / "Belvo.bmp"), "BMvlastni logo");
}

TEST_F(HtmlFilesTest, AFolderThatCannotBeWrittenFailsWithTheFileName)
{
    const auto page = root / "chybi" / "navrh.html";
    try {
        WriteHtmlPage(page.string(), "x", (root / "start").string());
        FAIL() << "no failure";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("navrh.html"), std::string::npos) << e.what();
    }
}

}  // namespace
}  // namespace belvo
