// The price-list commands of the document: which price list they load into the open project,
// the check of the project against it, and that a failed load never leaves the project without
// the price list it had.
#include <gtest/gtest.h>

#include <filesystem>

#include "catalogue/database_queries.h"
#include "catalogue/price_list_file.h"
#include "document/document_fixture.h"
#include "support/rows_result_set.h"

namespace belvo {
namespace {

using test::SampleProject;
using test::TempDir;

// A maker's database with one brick "900100" in the price list "SK (EUR)", or one whose every
// query fails.
class OneBrickDatabase : public Database {
public:
    bool failQueries = false;
    std::string refuseConnection;  // the driver's diagnostic; empty: the connection opens
    int connects = 0;

    std::vector<DataSource> DataSources() override { return {{"Karno", "SQLite3"}}; }
    std::string Connect(const std::string&) override
    {
        ++connects;
        if (!refuseConnection.empty()) throw DatabaseError(refuseConnection);
        m_open = true;
        return "DSN=Karno;Database=/data/karno.db;";
    }
    bool IsOpen() const override { return m_open; }
    std::unique_ptr<ResultSet> Query(const std::string& sql) override
    {
        if (failQueries) throw DatabaseError("no such table: vyrobky (SQLSTATE HY000)");
        test::Rows rows;
        std::size_t columns = kMaterialColumnCount;
        if (sql == kPriceListQuery) {
            rows = {{"SK", "EUR", ""}};
            columns = kPriceListColumnCount;
        } else if (sql == kPanelQuery) {
            columns = kPanelColumnCount;
        } else if (sql == MaterialQueries()[0]) {
            rows = {{"900100", "Tehla 30", "Závod", "300", "248", "238", "12.4", "80", "49.9", "52.9",
                     "30", "1", "0", "1", "29", "0", "25", "290", "220", "Paleta", "PAL-02",
                     "", "CIH", "OBA", "", "0", "0", "0", "0", "0"}};
        }
        return std::make_unique<test::RowsResultSet>(std::move(rows), columns);
    }
    void Close() override { m_open = false; }

private:
    bool m_open = false;
};

class DocumentPriceListTest : public test::DocumentTest {
protected:
    void SetUp() override
    {
        // A second known price list from its own file, which lacks the project's brick.
        settings.SetString("Setup", "Ceniky", "CZ-Kč;SK-EUR;");
        settings.SetString("SK-EUR", "CenikRadio", "file");
        settings.SetString("SK-EUR", "CenikFileName", "Slovensko.dat");
        settings.SetString("SK-EUR", "TestWWW", "N");
        CMaterialList slovak;
        test::Add(slovak, {"380001", "Malta tepelně izolační", 38});
        WritePriceListFile(startup.File("Slovensko.dat"), kSlovakLabel, slovak, test::TestClasses());

        OpenProject(SampleProject());
        doc.SetModifiedFlag(false);
        ui.messages.clear();
    }

    static constexpr const char* kSlovakLabel = "SK20160601 08:00 (EUR)";

    // The titles of the tables shown (the report of missing materials, the price-list view).
    std::vector<std::string> Tables() const
    {
        std::vector<std::string> titles;
        for (const TableDialog& table : ui.tables) titles.push_back(table.title);
        return titles;
    }

    void ExpectTheProjectsPriceList() const
    {
        EXPECT_EQ(doc.Cenik().CenikId, test::kTestCenikId);
        EXPECT_EQ(doc.Cenik().materials.size(), 3u);
        EXPECT_EQ(doc.Projekt()->CenikId, test::kTestCenikId);
    }
};

TEST_F(DocumentPriceListTest, ChangeOfThePriceListAsksWhichOneAndChecksTheProject)
{
    ui.choices = {1};  // the line of "SK-EUR"
    doc.OnZmenaCeniku();

    ASSERT_EQ(ui.listChoices.size(), 1u);
    EXPECT_EQ(ui.listChoices[0].lines.size(), 2u);
    EXPECT_EQ(doc.Cenik().CenikId, kSlovakLabel);
    EXPECT_EQ(doc.Cenik().materials.size(), 1u);
    EXPECT_EQ(doc.Projekt()->CenikId, kSlovakLabel);
    EXPECT_EQ(doc.PriceListSection(), "SK-EUR");
    EXPECT_TRUE(doc.IsModified());
    // Both test elements name the brick the Slovak price list lacks.
    EXPECT_EQ(Tables(), std::vector<std::string>{"Nenalezený materiál v nahraném ceníku"});
    EXPECT_GT(views.mainForm.refreshes, 0);
}

TEST_F(DocumentPriceListTest, FailedLoadKeepsThePriceListOfTheProject)
{
    // The chosen price list's file is damaged.
    const std::string whole = TempDir::ReadBytes(startup.File("Slovensko.dat"));
    TempDir::WriteBytes(startup.File("Slovensko.dat"), whole.substr(0, whole.size() - 5));
    ui.choices = {1};
    doc.OnZmenaCeniku();

    ExpectTheProjectsPriceList();
    std::vector<std::string> lines = ui.MessageLines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_NE(lines[0].find("Slovensko.dat"), std::string::npos) << lines[0];
    EXPECT_EQ(lines[1], "Chyba ceníku: Nelze načíst ceník materiálu.\nZkontrolujte v Nastavení.");
    EXPECT_TRUE(Tables().empty());  // the project's own price list has all it needs

    // A file chosen in the dialog that cannot be read.
    ui.messages.clear();
    ui.fileNames = {dir.File("chybí.dat")};
    doc.OnNactiZeSouboru();
    ExpectTheProjectsPriceList();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Error);

    // A web that does not answer.
    ui.messages.clear();
    doc.OnNactiZInternetu();
    ExpectTheProjectsPriceList();
    EXPECT_GT(web.requests, 0);

    // The update test cannot reach the web either: the user is told, nothing is loaded.
    ui.messages.clear();
    doc.OnTestZInternetu();
    ExpectTheProjectsPriceList();
    EXPECT_FALSE(ui.messages.empty());

    // And the project saved afterwards carries its price list.
    ASSERT_TRUE(doc.OnSaveDocument(dir.File("po chybě.kar")));
    EXPECT_EQ(ReadPriceListFile(dir.File("po chybě.kar"), test::TestClasses()).materials.size(), 3u);
}

TEST_F(DocumentPriceListTest, LoadFromAChosenFile)
{
    ui.fileNames = {startup.File("Slovensko.dat")};
    doc.OnNactiZeSouboru();
    EXPECT_EQ(doc.Cenik().CenikId, kSlovakLabel);
    EXPECT_EQ(doc.Projekt()->CenikId, kSlovakLabel);
    EXPECT_EQ(ui.prompts.size(), 1u);

    // Cancelling the dialog keeps what is loaded.
    ui.fileNames = {std::nullopt};
    doc.OnNactiZeSouboru();
    EXPECT_EQ(doc.Cenik().CenikId, kSlovakLabel);
}

TEST_F(DocumentPriceListTest, PriceListCommandsWaitForTheEditor)
{
    views.mainForm.mayClose = {false, false, false};
    ui.choices = {1};
    doc.OnZmenaCeniku();
    doc.OnNactiZeSouboru();
    doc.OnNactiZInternetu();
    ExpectTheProjectsPriceList();
    EXPECT_TRUE(ui.listChoices.empty());
    EXPECT_EQ(web.requests, 0);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(DocumentPriceListTest, DatabaseLoadKeepsItsConnectionForTheSettings)
{
    OneBrickDatabase database;
    test::RecordingViews otherViews;
    DocumentEnvironment environment = Environment(ui);
    environment.database = &database;
    CBelvoDoc withDatabase(environment, otherViews.Views());
    ASSERT_TRUE(withDatabase.OnOpenDocument(dir.File("dům.kar")));

    // The user cancels the choice of the data source: nothing changes, not even the modified
    // flag, and the project is not checked again.
    withDatabase.SetModifiedFlag(false);
    ui.messages.clear();
    ui.tables.clear();
    ui.choices = {std::nullopt};
    withDatabase.OnNactiZDatabaze();
    EXPECT_EQ(database.connects, 0);
    EXPECT_EQ(withDatabase.Cenik().CenikId, test::kTestCenikId);
    EXPECT_FALSE(withDatabase.IsModified());
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(ui.tables.empty());

    // The driver refuses the connection: the user reads why, and nothing else changes.
    database.refuseConnection = "[unixODBC][Driver Manager]Data source name not found (IM002)";
    withDatabase.OnNactiZDatabaze();
    EXPECT_EQ(ui.MessageLines(),
              std::vector<std::string>{"Karno: [unixODBC][Driver Manager]Data source name not found (IM002)"});
    EXPECT_EQ(withDatabase.Cenik().materials.size(), 3u);
    EXPECT_FALSE(withDatabase.IsModified());
    database.refuseConnection.clear();
    database.connects = 0;

    // A database whose queries fail leaves the project its price list.
    database.failQueries = true;
    withDatabase.OnNactiZDatabaze();
    EXPECT_EQ(database.connects, 1);
    EXPECT_EQ(withDatabase.Cenik().materials.size(), 3u);
    EXPECT_EQ(withDatabase.Projekt()->CenikId, test::kTestCenikId);

    database.failQueries = false;
    withDatabase.OnNactiZDatabaze();
    ASSERT_EQ(withDatabase.Cenik().materials.size(), 1u);
    EXPECT_EQ(withDatabase.Cenik().materials[0].ObjCislo, "900100");
    EXPECT_EQ(withDatabase.Projekt()->CenikId, withDatabase.Cenik().CenikId);
    EXPECT_EQ(withDatabase.Cenik().CenikId.substr(0, 2), "SK");
    EXPECT_EQ(withDatabase.ConnectionText(), "DSN=Karno;Database=/data/karno.db;");

    withDatabase.OnSetup();
    EXPECT_EQ(otherViews.dialogs.settingsCalls.back().connection, "DSN=Karno;Database=/data/karno.db;");
}

TEST_F(DocumentPriceListTest, SaveAndViewOfThePriceList)
{
    ui.fileNames = {dir.File("kopie.dat")};
    doc.OnUlozCenik();
    const PriceList saved = ReadPriceListFile(dir.File("kopie.dat"), test::TestClasses());
    EXPECT_EQ(saved.CenikId, test::kTestCenikId);
    EXPECT_EQ(saved.materials.size(), 3u);

    doc.OnZobrazCenik();
    EXPECT_EQ(Tables(), std::vector<std::string>{"Ceník CZ20160515 14:30 (Kč)/K1; ceny v Kč"});

    // Both need a price list.
    doc.Cenik().materials.Clear();
    EXPECT_FALSE(doc.CenikNeniPrazdny());
    ui.messages.clear();
    ui.tables.clear();
    ui.fileNames = {dir.File("prázdný.dat")};
    doc.OnUlozCenik();
    doc.OnZobrazCenik();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(ui.tables.empty());
    EXPECT_FALSE(std::filesystem::exists(dir.File("prázdný.dat")));
}

TEST_F(DocumentPriceListTest, OpeningAProjectRegistersItsPriceListInTheSettings)
{
    settings.RemoveSection("CZ-Kč");
    settings.SetString("Setup", "Ceniky", "SK-EUR;");
    ui.messages.clear();

    ASSERT_TRUE(doc.OnOpenDocument(dir.File("dům.kar")));

    EXPECT_EQ(settings.GetString("Setup", "Ceniky", ""), "SK-EUR;CZ-Kč;");
    EXPECT_EQ(ui.MessageLines(),
              std::vector<std::string>{"Pozor: Právě byl načten nový ceník.\r\nZkontrolujte nastavení."});
    ASSERT_EQ(views.dialogs.settingsCalls.size(), 1u);
    EXPECT_EQ(views.dialogs.settingsCalls[0].presetSection, "CZ-Kč");
}

}  // namespace
}  // namespace belvo
