// The price-list import against a database double: the conversions of every column, the order
// of the list, the label and the failures. The same import against a real SQLite database
// through unixODBC is tested in tests/platform.
#include "catalogue/database_import.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

#include "catalogue/database_queries.h"
#include "platform/unattended_ui.h"
#include "support/rows_result_set.h"

namespace belvo {
namespace {

using ::testing::HasSubstr;
using test::Rows;
using test::RowsResultSet;

// Answers each of the import's statements with the rows given for it; any other statement,
// and a statement marked as failing, raise the database error.
class DatabaseDouble : public Database {
public:
    std::map<std::string, Rows, std::less<>> answers;
    std::string failing;
    std::size_t columns = 0;  // 0: as many as the statement has
    bool refuseConnection = false;
    std::string completed = "DSN=Karno;Database=/data/karno.db;";
    std::vector<std::string> asked;
    int closes = 0;

    DatabaseDouble() { answers[std::string(kPriceListQuery)] = {{"CZ", "Kč", "CENIK-CZ"}}; }

    std::vector<DataSource> DataSources() override { return {{"Karno", "SQLite3"}}; }
    std::string Connect(const std::string&) override
    {
        if (refuseConnection) throw DatabaseError("[unixODBC][Driver Manager]Data source name not found (SQLSTATE IM002)");
        m_open = true;
        return completed;
    }
    bool IsOpen() const override { return m_open; }
    std::unique_ptr<ResultSet> Query(const std::string& sql) override
    {
        asked.push_back(sql);
        if (sql == failing) throw DatabaseError("no such column: h.cenacz_sbd (SQLSTATE HY000)");
        std::size_t width = sql == kPanelQuery ? kPanelColumnCount
                            : sql == kPriceListQuery ? kPriceListColumnCount
                                                     : kMaterialColumnCount;
        if (columns) width = columns;
        const auto found = answers.find(sql);
        return std::make_unique<RowsResultSet>(found == answers.end() ? Rows{} : found->second, width);
    }
    void Close() override
    {
        ++closes;
        m_open = false;
    }

    void Answer(std::size_t materialQuery, Rows rows) { answers[std::string(MaterialQueries()[materialQuery - 1])] = std::move(rows); }

private:
    bool m_open = false;
};

class RecordingUi : public UnattendedUi {
public:
    struct Shown {
        std::string text, caption;
        MessageIcon icon;
    };
    std::vector<Shown> shown;
    int waits = 0;
    int openWaits = 0;

    Answer Message(const std::string& text, const std::string& caption, MessageIcon icon, MessageButtons) override
    {
        shown.push_back({text, caption, icon});
        return Answer::Ok;
    }
    std::optional<std::size_t> ChooseFromList(const std::string&, const std::string&, const std::vector<std::string>&,
                                              std::optional<std::size_t> preselected) override
    {
        return preselected;
    }
    void BeginWait() override
    {
        ++waits;
        ++openWaits;
    }
    void EndWait() override { --openWaits; }
};

// A row of a material query, filled with a plausible brick; tests change the columns they need.
std::vector<std::string> BrickRow(const std::string& objCislo)
{
    return {objCislo, "Cihla 44 T P+D", "Horní Lhota", "440", "248", "238", "17.6", "60", "79.5", "84.3",
            "44", "1", "0", "1", "42", "0", "30", "290", "220", "Paleta cihelná", "PAL-02",
            "U=0,22 W/m2K", "CIH", "OBA", "", "6.5", "0", "0", "0", "0"};
}

class DatabaseImportTest : public ::testing::Test {
protected:
    DatabaseDouble db;
    FixedSystemInfo system;
    CMaterialList materials;
    std::string label = "předchozí";
    std::string connection = "DSN=Karno";

    DatabaseImportResult Import(Ui* ui = nullptr) { return ImportZDatabaze(db, connection, materials, label, system, ui); }

    std::vector<std::string> OrderNumbers() const
    {
        std::vector<std::string> numbers;
        for (const CMaterial& m : materials) numbers.push_back(m.ObjCislo);
        return numbers;
    }
};

TEST_F(DatabaseImportTest, ConvertsEveryColumnOfAMaterialRow)
{
    db.Answer(1, {{"101440  ", "Cihla 44 T P+D  ", "Horní Lhota\t", "440", "248.0", "238", "17.6", "60", "79.5", "84.3",
                   "44 ", "1", "0 ", "1", "42", "0", "30", "290", "220", "Paleta cihelná ", "PAL-02 ", "U=0,22 W/m2K ",
                   "CIH ", "OBA ", "", "6.50", "0", "3.5", "0", "1"}});
    ASSERT_EQ(Import().status, DatabaseImportStatus::Imported);
    ASSERT_EQ(materials.size(), 1u);
    const CMaterial& m = materials[0];
    EXPECT_EQ(m.ObjCislo, "101440");
    EXPECT_EQ(m.Nazev, "Cihla 44 T P+D");
    EXPECT_EQ(m.Zavod, "Horní Lhota");
    EXPECT_TRUE(m.Sirka.SameAs(CCislo(440, 0)));
    EXPECT_TRUE(m.Delka.SameAs(CCislo(248, 0)));
    EXPECT_TRUE(m.Vyska.SameAs(CCislo(238, 0)));
    EXPECT_TRUE(m.Vaha.SameAs(CCislo(17600, 3)));
    EXPECT_TRUE(m.KsNaPalete.SameAs(CCislo(60, 0)));
    EXPECT_TRUE(m.CenaPaleta.SameAs(CCislo(7950, 2)));
    EXPECT_TRUE(m.CenaVolna.SameAs(CCislo(8430, 2)));
    EXPECT_EQ(m.ZaklMat, "44");
    EXPECT_TRUE(m.Skupina.SameAs(CCislo(1, 0)));
    EXPECT_EQ(m.TypText, "0");
    EXPECT_TRUE(m.Typ.SameAs(CCislo(0, 0)));
    EXPECT_TRUE(m.Koeficient.SameAs(CCislo(1, 0)));
    EXPECT_TRUE(m.Malta.SameAs(CCislo(4200, 2)));
    EXPECT_TRUE(m.Otoceni.SameAs(CCislo(0, 0)));
    EXPECT_TRUE(m.PaletaVaha.SameAs(CCislo(30, 0)));
    EXPECT_TRUE(m.PaletaCena.SameAs(CCislo(29000, 2)));
    EXPECT_TRUE(m.PaletaVykup.SameAs(CCislo(22000, 2)));
    EXPECT_EQ(m.PaletaNazev, "Paleta cihelná");
    EXPECT_EQ(m.PaletaObjCislo, "PAL-02");
    EXPECT_EQ(m.Ttu2, "U=0,22 W/m2K");
    EXPECT_EQ(m.SkupZbo, "CIH");
    EXPECT_EQ(m.PaletaSkupZbo, "OBA");
    EXPECT_EQ(m.Varianta, "");
    EXPECT_TRUE(m.Perlit.SameAs(CCislo(650, 2)));  // as read: two places
    EXPECT_TRUE(m.MaltaZak.SameAs(CCislo(0, 0)));
    EXPECT_TRUE(m.Polystyr.SameAs(CCislo(35, 1)));
    EXPECT_TRUE(m.VariantaKod.SameAs(CCislo(0, 0)));
    EXPECT_TRUE(m.DelsiUlozeni.SameAs(CCislo(1, 0)));
    EXPECT_EQ(m.Rezerva1, "");
    EXPECT_EQ(m.Rezerva2, "");
}

TEST_F(DatabaseImportTest, RoundsToTheColumnsPlacesWithTiesToEven)
{
    struct Case {
        std::size_t column;
        const char* text;
        CCislo CMaterial::*field;
        CCislo expected;
    };
    const Case cases[] = {
        {3, "238.5", &CMaterial::Sirka, CCislo(238, 0)},       // tie: to even
        {3, "239.5", &CMaterial::Sirka, CCislo(240, 0)},
        {3, "238.51", &CMaterial::Sirka, CCislo(239, 0)},
        {6, "14.3755", &CMaterial::Vaha, CCislo(14376, 3)},
        {6, "14.3745", &CMaterial::Vaha, CCislo(14374, 3)},
        {6, "2", &CMaterial::Vaha, CCislo(2000, 3)},
        {8, "0.125", &CMaterial::CenaPaleta, CCislo(12, 2)},
        {8, "0.135", &CMaterial::CenaPaleta, CCislo(14, 2)},
        {8, "1.0e-05", &CMaterial::CenaPaleta, CCislo(0, 2)},
        {14, "36.456", &CMaterial::Malta, CCislo(3646, 2)},
        {16, "24.7", &CMaterial::PaletaVaha, CCislo(25, 0)},
        {25, "6.500", &CMaterial::Perlit, CCislo(6500, 3)},   // as read
        {11, "", &CMaterial::Skupina, CCislo()},                 // NULL stays null
    };
    for (const Case& c : cases) {
        auto row = BrickRow("1");
        row[c.column] = c.text;
        db.Answer(1, {row});
        ASSERT_EQ(Import().status, DatabaseImportStatus::Imported) << c.text;
        const CCislo& got = materials[0].*c.field;
        EXPECT_TRUE(got.SameAs(c.expected)) << "column " << c.column << " \"" << c.text << "\" gave " << got.Mantissa()
                                            << " scale " << got.Scale() << (got.IsNull() ? " null" : "");
    }
}

TEST_F(DatabaseImportTest, LoosePriceZeroOrMissingTakesThePalletPrice)
{
    for (const char* loose : {"0", "0.00", ""}) {
        auto row = BrickRow("1");
        row[8] = "79.5";
        row[9] = loose;
        db.Answer(1, {row});
        ASSERT_EQ(Import().status, DatabaseImportStatus::Imported);
        EXPECT_TRUE(materials[0].CenaVolna.SameAs(CCislo(7950, 2))) << '"' << loose << '"';
    }
}

TEST_F(DatabaseImportTest, EmptiesTtu2StartingWithAmpersand)
{
    auto placeholder = BrickRow("1");
    placeholder[21] = "&nbsp;";
    auto inside = BrickRow("2");
    inside[21] = "U=0,3 & 0,4";
    db.Answer(1, {placeholder, inside});
    Import();
    EXPECT_EQ(materials[0].Ttu2, "");
    EXPECT_EQ(materials[1].Ttu2, "U=0,3 & 0,4");
}

TEST_F(DatabaseImportTest, PriceVariantRowsCarryTheirSuffixAndSortAfterThePlainNumber)
{
    auto plain = BrickRow("123");
    auto sb = BrickRow("123");
    sb[24] = "sb";
    sb[26] = "8.5";
    sb[28] = "4";
    auto sbd = BrickRow("123");
    sbd[24] = "sbd";
    sbd[28] = "16";
    auto mortar = BrickRow("138102");
    mortar[11] = "-38";
    mortar[12] = "2";
    mortar[24] = "sb";
    mortar[28] = "4";
    db.Answer(1, {plain});
    db.Answer(4, {sb});
    db.Answer(6, {sbd});
    db.Answer(7, {mortar});
    Import();
    EXPECT_EQ(OrderNumbers(), (std::vector<std::string>{"123", "123sb", "123sbd", "138102sb"}));
    EXPECT_EQ(materials[1].Varianta, "sb");
    EXPECT_TRUE(materials[1].VariantaKod.SameAs(CCislo(4, 0)));
    EXPECT_TRUE(materials[1].MaltaZak.SameAs(CCislo(85, 1)));
    EXPECT_TRUE(materials[3].Skupina.SameAs(CCislo(-38, 0)));
    EXPECT_EQ(materials[3].TypText, "2");
}

TEST_F(DatabaseImportTest, OrdersByWindows1250BytesKeepingEqualNumbersInQueryOrder)
{
    auto rotated1 = BrickRow("101300");
    rotated1[15] = "1";
    auto rotated2 = BrickRow("101300");
    rotated2[15] = "2";
    db.Answer(1, {BrickRow("2"), BrickRow("á1"), BrickRow("101300"), BrickRow("š1"), BrickRow("10"), BrickRow("1")});
    db.Answer(2, {rotated1});
    db.Answer(3, {rotated2});
    db.answers[std::string(kPanelQuery)] = {{"-499", "1", "Panely 215", "KSP 21,5"}};
    Import();
    // "." before digits; in Windows-1250 "š" (0x9A) comes before "á" (0xE1), unlike in UTF-8.
    EXPECT_EQ(OrderNumbers(), (std::vector<std::string>{".", "1", "10", "101300", "101300", "101300", "2", "š1", "á1"}));
    EXPECT_TRUE(materials[3].Otoceni.SameAs(CCislo(0, 0)));
    EXPECT_TRUE(materials[4].Otoceni.SameAs(CCislo(1, 0)));
    EXPECT_TRUE(materials[5].Otoceni.SameAs(CCislo(2, 0)));
}

TEST_F(DatabaseImportTest, PanelRowsBecomeTypeCaptions)
{
    db.answers[std::string(kPanelQuery)] = {{"-499", "2 ", "Panely tloušťky 250 mm ", "KSP 25 "}, {"-9", "1", "Nosné překlady", ""}};
    Import();
    ASSERT_EQ(materials.size(), 2u);
    for (const CMaterial& m : materials) {
        EXPECT_EQ(m.ObjCislo, ".");
        EXPECT_TRUE(m.Koeficient.SameAs(CCislo(1, 0)));
        EXPECT_TRUE(m.Sirka.IsNull());
        EXPECT_TRUE(m.CenaPaleta.IsNull());
        EXPECT_EQ(m.Varianta, "");
    }
    EXPECT_TRUE(materials[0].Skupina.SameAs(CCislo(-499, 0)));
    EXPECT_EQ(materials[0].TypText, "2");
    EXPECT_TRUE(materials[0].Typ.SameAs(CCislo(2, 0)));
    EXPECT_EQ(materials[0].Nazev, "Panely tloušťky 250 mm");
    EXPECT_EQ(materials[0].Zavod, "KSP 25");
    EXPECT_TRUE(materials[1].Skupina.SameAs(CCislo(-9, 0)));
}

TEST_F(DatabaseImportTest, SendsTheElevenStatementsInOrderAndReturnsTheCompletedConnection)
{
    const auto result = Import();
    EXPECT_EQ(result.status, DatabaseImportStatus::Imported);
    std::vector<std::string> expected(MaterialQueries().begin(), MaterialQueries().end());
    expected.emplace_back(kPanelQuery);
    expected.emplace_back(kPriceListQuery);
    EXPECT_EQ(db.asked, expected);
    EXPECT_EQ(connection, "DSN=Karno;Database=/data/karno.db;");
    EXPECT_EQ(label, "CZ20160515 14:30 (Kč)/CENIK-CZ");
    EXPECT_FALSE(db.IsOpen());
}

TEST(DatabaseCenikId, BuildsTheLabelFromThePriceListRow)
{
    const LocalTime at{2016, 5, 15, 14, 30, 0};
    struct Case {
        const char *zeme, *mena, *key, *label;
    };
    const Case cases[] = {
        {"CZ", "Kč", "CENIK-CZ", "CZ20160515 14:30 (Kč)/CENIK-CZ"},
        {"SK  ", "EURO", "", "SK20160515 14:30 (EUR)"},
        {"", "", "", "CZ20160515 14:30"},
        {"   ", "Kč  ", "  ", "CZ20160515 14:30 (Kč)"},
        {"S", "", "", "S_20160515 14:30"},
        {"Česko", "Kč", "", "Če20160515 14:30 (Kč)"},
        {"(X", "a/b)", "K/1", "_X20160515 14:30 (a_b)/K/1"},
    };
    for (const Case& c : cases) EXPECT_EQ(DatabaseCenikId(c.zeme, c.mena, c.key, at), c.label) << c.zeme << "|" << c.mena;
}

TEST_F(DatabaseImportTest, AFailingQueryEmptiesTheListAndKeepsTheLabel)
{
    materials.Append(std::make_unique<CMaterial>());
    db.Answer(1, {BrickRow("1")});
    db.failing = std::string(MaterialQueries()[5]);
    RecordingUi ui;
    const auto result = Import(&ui);
    EXPECT_EQ(result.status, DatabaseImportStatus::Failed);
    EXPECT_THAT(result.failure, HasSubstr("no such column"));
    EXPECT_TRUE(materials.empty());
    EXPECT_EQ(label, "předchozí");
    EXPECT_EQ(db.asked.size(), 6u);  // nothing is asked after the failure
    EXPECT_FALSE(db.IsOpen());
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_THAT(ui.shown[0].text, HasSubstr("no such column"));
    EXPECT_EQ(ui.shown[0].icon, MessageIcon::Error);
    EXPECT_EQ(ui.waits, 1);
    EXPECT_EQ(ui.openWaits, 0);
}

TEST_F(DatabaseImportTest, FaultyRowsAreDatabaseFailuresNamingTheMaterialAndField)
{
    struct Case {
        std::size_t column;
        const char* text;
        const char* named;
    };
    const Case cases[] = {
        {6, "17,6", "Vaha"},
        {12, "K", "Typ"},
        {3, "12 mm", "Sirka"},
        {8, "99999999999999999.5", "CenaPaleta"},  // fits as read, not with two places
    };
    for (const Case& c : cases) {
        auto row = BrickRow("101440");
        row[c.column] = c.text;
        db.Answer(1, {row});
        const auto result = Import();
        EXPECT_EQ(result.status, DatabaseImportStatus::Failed) << c.text;
        EXPECT_THAT(result.failure, HasSubstr("101440")) << c.text;
        EXPECT_THAT(result.failure, HasSubstr(c.named)) << c.text;
        EXPECT_TRUE(materials.empty());
    }
    auto row = BrickRow("101440");
    row[6] = std::string(5000, 'x');
    db.Answer(1, {row});
    EXPECT_LT(Import().failure.size(), 300u) << "a long value is quoted shortened";
}

TEST_F(DatabaseImportTest, AMissingPriceListRowOrMissingColumnsAreFailures)
{
    db.answers[std::string(kPriceListQuery)] = {};
    EXPECT_EQ(Import().status, DatabaseImportStatus::Failed);

    DatabaseDouble narrow;
    narrow.columns = 3;
    std::string noLabel;
    EXPECT_EQ(ImportZDatabaze(narrow, connection, materials, noLabel, system, nullptr).status,
              DatabaseImportStatus::Failed);
}

TEST_F(DatabaseImportTest, RefusesMoreRecordsThanAPriceListCanHold)
{
    db.Answer(1, {BrickRow("1"), BrickRow("2")});
    db.answers[std::string(kPanelQuery)] = {{"-499", "1", "Panely", ""}};
    EXPECT_EQ(ImportZDatabaze(db, connection, materials, label, system, nullptr, 3).status, DatabaseImportStatus::Imported);
    db.Answer(2, {BrickRow("1")});
    const auto result = ImportZDatabaze(db, connection, materials, label, system, nullptr, 3);
    EXPECT_EQ(result.status, DatabaseImportStatus::Failed);
    EXPECT_THAT(result.failure, HasSubstr("3"));
    EXPECT_TRUE(materials.empty());
}

TEST_F(DatabaseImportTest, NothingChangesWhenTheConnectionIsNotOpened)
{
    materials.Append(std::make_unique<CMaterial>());
    db.refuseConnection = true;
    RecordingUi ui;
    const auto result = Import(&ui);
    EXPECT_EQ(result.status, DatabaseImportStatus::NotOpened);
    EXPECT_THAT(result.failure, HasSubstr("IM002"));
    EXPECT_EQ(materials.size(), 1u);
    EXPECT_EQ(label, "předchozí");
    EXPECT_EQ(connection, "DSN=Karno");
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_TRUE(db.asked.empty());
}

TEST_F(DatabaseImportTest, AnEmptyConnectionAsksForTheDataSourceOnlyWhenSomeoneCanAnswer)
{
    connection.clear();
    EXPECT_EQ(Import(nullptr).status, DatabaseImportStatus::NotOpened);
    EXPECT_EQ(connection, "");
    RecordingUi ui;  // picks the preselected first source
    EXPECT_EQ(Import(&ui).status, DatabaseImportStatus::Imported);
    EXPECT_EQ(connection, db.completed);
}

}  // namespace
}  // namespace belvo
