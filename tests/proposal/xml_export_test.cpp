#include "proposal/xml_export.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>

#include "settings/memory_settings_store.h"
#include "settings/settings_keys.h"
#include "proposal/output_fixture.h"
#include "proposal/xml_zapis.h"
#include "support/scripted_ui.h"

namespace belvo {
namespace {

using testing::AddItem;
using testing::D;
using testing::ItemSpec;

TEST(XmlText, EscapesTheFiveMarkupCharactersInOrder)
{
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"R&D <new>", "R&amp;D &lt;new&gt;"},
        {"\"a\" 'b'", "&quot;a&quot; &apos;b&apos;"},
        {"&amp;", "&amp;amp;"},
        {"Dům\r\nBrno\t", "Dům\r\nBrno\t"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(XmlText(c.in), c.out) << c.in;
}

TEST(CXmlZapis, IndentsTwoSpacesPerLevel)
{
    CXmlZapis xml;
    xml.ZapisRadek("<?xml?>");
    xml.OtevriTag("a");
    xml.OtevriTag("b");
    xml.ZapisHodnotu("c", "1 < 2");
    xml.ZapisHodnotu("d", "");
    xml.ZavriTag("b");
    xml.ZavriTag("a");
    EXPECT_EQ(xml.Text(), "<?xml?>\n<a>\n  <b>\n    <c>1 &lt; 2</c>\n    <d></d>\n  </b>\n</a>\n");
    EXPECT_EQ(xml.Depth(), 0);
    EXPECT_THROW(xml.ZavriTag("a"), std::logic_error);
}

// A partial proposal: a brick of 9 pallets and 50 loose pieces, a mortar sold by the piece and a
// brick added as separate in a price variant.
class XmlDocumentTest : public ::testing::Test {
protected:
    XmlDocumentTest()
    {
        testing::FillProposal(navrh);
        navrh.CelyProjekt = 0;
        navrh.SlevaVse = D("5");
        navrh.Poselstvi = "R&D <new>";
        AddItem(navrh);
        AddItem(navrh, {.objCislo = "3801", .nazev = "Malta <M10>", .ksNaPalete = D("0"), .navrhKs = D("12"),
                        .palet = D("0"), .plusKs = D("12"), .vaha = D("25"), .paletaSkupZbo = ""});
        AddItem(navrh, {.objCislo = "----", .nazev = "Belvo 25 sbc", .navrhKs = D("200"), .palet = D("2"),
                        .plusKs = D("0"), .sleva = D("-20.0"), .puvodniObjCislo = "1240sbc", .varianta = "sbc"});
    }

    std::string Document() const
    {
        return BuildXmlDocument(navrh, "Novák-7-dum.kar.xml", "/home/novak/dum.kar", Separators{",", " "});
    }

    CNavrh navrh;
};

std::string GoodsRow(const std::string& regCis, const std::string& extra, const std::string& nazev,
                     const std::string& pieces, const std::string& weight, const std::string& sleva,
                     const std::string& idObal)
{
    std::string row = "    <TabPohybyZbozi>\n      <RegCis>" + regCis + "</RegCis>\n" + extra +
                      "      <SkupZbo>100</SkupZbo>\n      <Nazev1>" + nazev + "</Nazev1>\n      <Mnozstvi>" + pieces +
                      "</Mnozstvi>\n      <Hmotnost>" + weight + "</Hmotnost>\n      <SlevaProcentoPolozka>" + sleva +
                      "</SlevaProcentoPolozka>\n      <SlevaProcentoVse>5,0</SlevaProcentoVse>\n";
    if (!idObal.empty()) row += "      <IDObal>" + idObal + "</IDObal>\n";
    return row + "    </TabPohybyZbozi>\n";
}

std::string PackagingRow(const std::string& count, const std::string& obal, const std::string& opened)
{
    return "    <TabPohybyZbozi>\n      <RegCis>9001</RegCis>\n      <SkupZbo>900</SkupZbo>\n"
           "      <Nazev1>EUR paleta</Nazev1>\n      <Mnozstvi>" + count + "</Mnozstvi>\n      <Obal>" + obal +
           "</Obal>\n      <RozbalenyObal>" + opened + "</RozbalenyObal>\n    </TabPohybyZbozi>\n";
}

TEST_F(XmlDocumentTest, WholeDocument)
{
    const std::string expected =
        "<?xml version=\"1.0\" encoding=\"windows-1250\" ?>\n"
        "<!-- export z Belvo do Helios -->\n"
        "<HeliosIQ_1>\n"
        "  <body>\n"
        "    <TabDokladyZbozi>\n"
        "      <CisloBelvo>Novák-7-dum.kar.xml</CisloBelvo>\n"
        "      <Datum>15.5.2016 14:30</Datum>\n"
        "      <Project>Rodinný dům</Project>\n"
        "      <Umisteni>Brno</Umisteni>\n"
        "      <SouborProjectu>/home/novak/dum.kar</SouborProjectu>\n"
        "      <Cenik>CZ20160515 14:30 (Kč)/CEN16</Cenik>\n"
        "      <CenikKlic>CZ-Kč</CenikKlic>\n"
        "      <CenikMena>Kč</CenikMena>\n"
        "      <CenikHelios>CEN16</CenikHelios>\n"
        "      <Autor>Novák</Autor>\n"
        "      <NazevNavrhu></NazevNavrhu>\n"
        "      <Poselstvi>R&amp;D &lt;new&gt;</Poselstvi>\n"
        "      <CastecnyNavrh>ANO</CastecnyNavrh>\n"
        "    </TabDokladyZbozi>\n" +
        GoodsRow("1234", "", "Belvo 30 P+D", "900", "9000", "0,0", "1") + PackagingRow("9", "1", "NE") +
        GoodsRow("1234", "", "Belvo 30 P+D", "50", "500", "0,0", "2") + PackagingRow("1", "2", "ANO") +
        GoodsRow("3801", "", "Malta &lt;M10&gt;", "12", "300", "0,0", "") +
        GoodsRow("1240", "      <Atyp>ANO</Atyp>\n      <CenovaUroven>sbc</CenovaUroven>\n", "Belvo 25 sbc", "200",
                 "2000", "-20,0", "4") +
        PackagingRow("2", "4", "NE") +
        "  </body>\n"
        "</HeliosIQ_1>\n";
    EXPECT_EQ(Document(), expected);
}

TEST_F(XmlDocumentTest, RowsOfTheSplitsOfAnItem)
{
    // (pallets, loose pieces) → the rows' quantities and packaging numbers in order.
    const struct {
        const char* palet;
        const char* plusKs;
        std::string rows;
    } cases[] = {
        {"10", "0", GoodsRow("1234", "", "Belvo 30 P+D", "1000", "10000", "0,0", "1") + PackagingRow("10", "1", "NE")},
        {"10", "-50", GoodsRow("1234", "", "Belvo 30 P+D", "1000", "10000", "0,0", "1") + PackagingRow("10", "1", "NE")},
        {"0", "30", GoodsRow("1234", "", "Belvo 30 P+D", "30", "300", "0,0", "1") + PackagingRow("1", "1", "ANO")},
        {"0", "0", ""},
        {"-1", "-5", ""},
    };
    for (const auto& c : cases) {
        navrh.Polozky.clear();
        AddItem(navrh, {.palet = D(c.palet), .plusKs = D(c.plusKs)});
        const std::string doc = Document();
        const std::size_t start = doc.find("    </TabDokladyZbozi>\n") + 23;
        EXPECT_EQ(doc.substr(start, doc.find("  </body>") - start), c.rows) << c.palet << " " << c.plusKs;
    }
}

TEST_F(XmlDocumentTest, ASplitItemUsesTwoPackagingNumbersAndThePieceItemOneMore)
{
    // After the first item (packaging 1 and 2) the piece item advances the number without rows
    // of packaging, so the separate item's pallets are number 4.
    const std::string doc = Document();
    EXPECT_NE(doc.find("<IDObal>4</IDObal>"), std::string::npos);
    EXPECT_EQ(doc.find("<IDObal>3</IDObal>"), std::string::npos);
    EXPECT_EQ(doc.find("<Obal>3</Obal>"), std::string::npos);
}

TEST_F(XmlDocumentTest, HeaderVariants)
{
    navrh.CelyProjekt = 1;
    navrh.Cenik = "SK20160515 14:30 (EUR)";
    navrh.Nazev = "Varianta \"A\"";
    const std::string doc = Document();
    EXPECT_EQ(doc.find("CastecnyNavrh"), std::string::npos);
    EXPECT_NE(doc.find("<CenikKlic>SK-EUR</CenikKlic>\n      <CenikMena>EUR</CenikMena>\n"
                       "      <CenikHelios>SK20160515 14:30 (EUR)</CenikHelios>\n"),
              std::string::npos);
    EXPECT_NE(doc.find("<NazevNavrhu>Varianta &quot;A&quot;</NazevNavrhu>"), std::string::npos);
}

TEST(XmlExportNames, ProjectFileAndSuggestedName)
{
    EXPECT_EQ(ProjectFileNameForExport("C:\\Projekty\\dum.kar"), "dum.kar");
    EXPECT_EQ(ProjectFileNameForExport("/home/novak/dum.kar"), "dum.kar");
    EXPECT_EQ(ProjectFileNameForExport("dum.kar"), "dum.kar");
    EXPECT_EQ(ProjectFileNameForExport(""), "Neuloženo");
    EXPECT_EQ(ProjectFileNameForExport("/home/novak/"), "Neuloženo");
    EXPECT_EQ(SuggestedXmlName("Kancelar", 7, "dum.kar"), "Kancelar-7-dum.kar.xml");
    EXPECT_EQ(SuggestedXmlName("Kancelar", 7, "Neuloženo"), "Kancelar-7-Neuloženo.xml");
}

// The command with its dialog, counter, file and copy into the project.
class XmlExportCommandTest : public XmlDocumentTest {
protected:
    XmlExportCommandTest()
    {
        dir = std::filesystem::temp_directory_path() /
              ("belvo_xml_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        source = testing::MakeSource(navrh);
        source.project.author = "Kancelar";
        WriteInt(settings, keys::IdNavrhu, 6);
    }
    ~XmlExportCommandTest() override { std::filesystem::remove_all(dir); }

    std::optional<std::string> Export()
    {
        XmlExportContext context{ui, settings, "/home/novak/dum.kar", [this](const CNavrh& copy) {
                                     savedNames.push_back(copy.Nazev);
                                 }};
        return ExportXml(source, context);
    }

    std::filesystem::path dir;
    OutputSource source;
    ScriptedUi ui;
    MemorySettingsStore settings;
    std::vector<std::string> savedNames;
};

TEST_F(XmlExportCommandTest, WritesTheFileAndSavesACopyIntoTheProject)
{
    const std::string path = (dir / "vystup.xml").string();
    ui.fileNames.push_back(path);
    navrh.Nazev = "Můj návrh";
    EXPECT_EQ(Export(), path);

    EXPECT_EQ(ReadInt(settings, keys::IdNavrhu), 7);
    EXPECT_EQ(source.project.lastXmlName, "Kancelar-7-dum.kar.xml");
    EXPECT_EQ(savedNames, std::vector<std::string>{"XML export: Rodinný dům"});
    EXPECT_EQ(navrh.Nazev, "Můj návrh");
    EXPECT_TRUE(ui.messages.empty());

    std::ifstream in(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    EXPECT_EQ(bytes.substr(0, 49), "<?xml version=\"1.0\" encoding=\"windows-1250\" ?>\r\n<");
    EXPECT_NE(bytes.find("<CisloBelvo>Kancelar-7-dum.kar.xml</CisloBelvo>\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("<NazevNavrhu>M\xF9j n\xE1vrh</NazevNavrhu>\r\n"), std::string::npos);
    EXPECT_EQ(bytes.substr(bytes.size() - 15), "</HeliosIQ_1>\r\n");
}

TEST_F(XmlExportCommandTest, AnOldPriceListRefusesTheExportWithoutTakingANumber)
{
    navrh.Polozky.front()->PaletaSkupZbo.clear();
    ui.fileNames.push_back((dir / "x.xml").string());
    EXPECT_EQ(Export(), std::nullopt);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].caption, "Stop");
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(ui.messages[0].text,
              "Pro export do excelu je nutná novější verze ceníku projektu.\r\nProveď aktualizaci.\r\n"
              "(uložené návrhy s ceníkem <2008 nelze exportovat)");
    EXPECT_EQ(ReadInt(settings, keys::IdNavrhu), 6);
    EXPECT_TRUE(ui.prompts.empty());
    EXPECT_TRUE(savedNames.empty());
}

TEST_F(XmlExportCommandTest, AnItemSoldByThePieceNeedsNoPalletGroup)
{
    navrh.Polozky.clear();
    AddItem(navrh, {.ksNaPalete = D("0"), .palet = D("0"), .plusKs = D("12"), .paletaSkupZbo = ""});
    ui.fileNames.push_back((dir / "x.xml").string());
    EXPECT_TRUE(Export().has_value());
}

TEST_F(XmlExportCommandTest, CancellingTheDialogUsesTheNumberUp)
{
    ui.fileNames.push_back(std::nullopt);
    EXPECT_EQ(Export(), std::nullopt);
    EXPECT_EQ(ui.MessageLines(), std::vector<std::string>{"Stop: Neplatné jméno souboru Kancelar-7-dum.kar.xml"});
    EXPECT_EQ(ReadInt(settings, keys::IdNavrhu), 7);
    EXPECT_EQ(source.project.lastXmlName, "");
    EXPECT_TRUE(savedNames.empty());
}

TEST_F(XmlExportCommandTest, AFileThatCannotBeWrittenSavesNothing)
{
    ui.fileNames.push_back((dir / "chybi" / "x.xml").string());
    EXPECT_THROW(Export(), FileError);
    EXPECT_EQ(ReadInt(settings, keys::IdNavrhu), 7);
    EXPECT_TRUE(savedNames.empty());
}

TEST_F(XmlExportCommandTest, TheCounterStartsAtOneAndNeverOverflows)
{
    settings.Remove("Setup", "IdNavrhu");
    ui.fileNames.push_back(std::nullopt);
    Export();
    EXPECT_EQ(ReadInt(settings, keys::IdNavrhu), 1);
    WriteInt(settings, keys::IdNavrhu, std::numeric_limits<int>::max());
    ui.fileNames.push_back(std::nullopt);
    Export();
    EXPECT_EQ(ReadInt(settings, keys::IdNavrhu), 1);
}

}  // namespace
}  // namespace belvo
