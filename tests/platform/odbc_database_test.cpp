// The ODBC adapter against the real driver manager and the SQLite ODBC driver.
#include "platform/odbc/odbc_database.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "foundation/utf8.h"
#include "platform/odbc/odbc_text.h"
#include "platform/odbc_sandbox.h"
#include "platform/unattended_ui.h"

namespace belvo {
namespace {

using test::OdbcSandbox;
using ::testing::HasSubstr;

// Answers the data-source choice with a fixed line and records what it was offered.
class ChoosingUi : public UnattendedUi {
public:
    std::optional<std::size_t> answer;
    std::vector<std::string> offered;
    int choices = 0;

    Answer Message(const std::string&, const std::string&, MessageIcon, MessageButtons) override { return Answer::Ok; }
    std::optional<std::size_t> ChooseFromList(const std::string&, const std::string&, const std::vector<std::string>& lines,
                                              std::optional<std::size_t>) override
    {
        ++choices;
        offered = lines;
        return answer;
    }
};

std::vector<std::vector<std::string>> ReadAll(Database& db, const std::string& sql)
{
    auto rows = db.Query(sql);
    std::vector<std::vector<std::string>> all;
    std::vector<std::string> row;
    while (rows->Fetch(row)) all.push_back(row);
    EXPECT_FALSE(rows->Fetch(row)) << "a finished result set stays finished";
    return all;
}

class OdbcDatabaseTest : public ::testing::Test {
protected:
    OdbcSandbox sandbox;
    std::filesystem::path database = sandbox.RunSqlite("t.db", R"(
create table vyrobky (objcislo varchar(20), nazev varchar(80), sirka numeric, vaha numeric, typ varchar(5));
insert into vyrobky values ('1001', 'Cihla broušená 30 P+D  ', 300, 14.375, '0');
insert into vyrobky values ('1002', 'Příčkovka 11,5 – žluťoučký kůň', 115, 0.00001, null);
insert into vyrobky values ('1003', null, null, 1234567.5, '16');
)");
};

TEST_F(OdbcDatabaseTest, ReadsEveryColumnAsUtf8TextWithNullAsEmpty)
{
    OdbcDatabase db;
    db.Connect(OdbcSandbox::DriverConnection(database));
    ASSERT_TRUE(db.IsOpen());
    const auto rows = ReadAll(db, "select objcislo, nazev, sirka, vaha, typ from vyrobky order by objcislo");
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"1001", "Cihla broušená 30 P+D  ", "300", "14.375", "0"}));
    EXPECT_EQ(rows[1][1], "Příčkovka 11,5 – žluťoučký kůň");
    EXPECT_EQ(rows[1][4], "");
    EXPECT_EQ(rows[2][1], "");
    EXPECT_EQ(rows[2][2], "");
    EXPECT_EQ(rows[2][3], "1234567.5");
}

TEST_F(OdbcDatabaseTest, ReadsLongTextsInPieces)
{
    sandbox.RunSqlite("t.db", "create table dlouhe (t text);"
                              "insert into dlouhe values (replace(hex(zeroblob(50000)), '00', 'ž'));"
                              "insert into dlouhe values (replace(hex(zeroblob(4095)), '00', 'a'));");
    OdbcDatabase db;
    db.Connect(OdbcSandbox::DriverConnection(database));
    const auto rows = ReadAll(db, "select t from dlouhe");
    ASSERT_EQ(rows.size(), 2u);
    std::string expected;
    for (int i = 0; i < 50000; ++i) expected += "ž";
    EXPECT_EQ(rows[0][0], expected);
    EXPECT_EQ(rows[1][0], std::string(4095, 'a'));
}

TEST_F(OdbcDatabaseTest, RefusesATextLongerThanTheLimit)
{
    sandbox.RunSqlite("t.db", "create table obri (t text); insert into obri values (replace(hex(zeroblob(" +
                                  std::to_string(OdbcDatabase::kMaxColumnText + 1) + ")), '00', 'x'));");
    OdbcDatabase db;
    db.Connect(OdbcSandbox::DriverConnection(database));
    auto rows = db.Query("select t from obri");
    std::vector<std::string> row;
    EXPECT_THROW(rows->Fetch(row), DatabaseError);
}

TEST_F(OdbcDatabaseTest, AFailingQueryRaisesTheDriversDiagnostic)
{
    OdbcDatabase db;
    db.Connect(OdbcSandbox::DriverConnection(database));
    try {
        db.Query("select zeme, mena, heliosxml from cenik");
        FAIL() << "the query should fail";
    } catch (const DatabaseError& e) {
        EXPECT_THAT(e.what(), HasSubstr("no such table: cenik"));
        EXPECT_THAT(e.what(), HasSubstr("SQLSTATE"));
    }
    // The connection stays usable after a failed statement.
    EXPECT_EQ(ReadAll(db, "select count(*) from vyrobky")[0][0], "3");
}

TEST_F(OdbcDatabaseTest, ConnectsThroughADataSourceOfTheSandbox)
{
    sandbox.AddDataSource("BelvoTest", database);
    OdbcDatabase db;
    const std::string completed = db.Connect("DSN=BelvoTest");
    EXPECT_THAT(completed, HasSubstr("DSN=BelvoTest"));
    EXPECT_EQ(ReadAll(db, "select count(*) from vyrobky")[0][0], "3");

    const std::vector<DataSource> sources = db.DataSources();
    ASSERT_EQ(sources.size(), 1u);
    EXPECT_EQ(sources[0].name, "BelvoTest");
}

TEST_F(OdbcDatabaseTest, AcceptsANameAConnectionStringOrAnOldOdbcPrefix)
{
    sandbox.AddDataSource("BelvoTest", database);
    for (const char* connection : {"BelvoTest", "DSN=BelvoTest", " ODBC;DSN=BelvoTest;", "odbc;DSN=BelvoTest"}) {
        OdbcDatabase db;
        const std::optional<std::string> completed = db.Open(connection, nullptr);
        ASSERT_TRUE(completed.has_value()) << connection;
        EXPECT_THAT(*completed, HasSubstr("DSN=BelvoTest")) << connection;
    }
}

TEST(ConnectionString, NormalisesTheConnectionText)
{
    EXPECT_EQ(Database::ConnectionString("Karno"), "DSN=Karno");
    EXPECT_EQ(Database::ConnectionString("  Karno CZ "), "DSN=Karno CZ");
    EXPECT_EQ(Database::ConnectionString("ODBC;DSN=Karno;UID=x"), "DSN=Karno;UID=x");
    EXPECT_EQ(Database::ConnectionString("DRIVER={SQLite3};Database=/a b.db"), "DRIVER={SQLite3};Database=/a b.db");
    EXPECT_EQ(Database::ConnectionString("ODBC;"), "");
    EXPECT_EQ(Database::ConnectionString(" "), "");
}

TEST_F(OdbcDatabaseTest, AnEmptyConnectionTextOffersTheKnownDataSources)
{
    sandbox.AddDataSource("Prvni", sandbox.Dir() / "jiny.db");
    sandbox.AddDataSource("BelvoTest", database);
    OdbcDatabase db;
    ChoosingUi ui;
    ui.answer = 1;
    const std::optional<std::string> completed = db.Open("", &ui);
    ASSERT_TRUE(completed.has_value());
    EXPECT_THAT(*completed, HasSubstr("DSN=BelvoTest"));
    ASSERT_EQ(ui.offered.size(), 2u);
    EXPECT_THAT(ui.offered[0], HasSubstr("Prvni"));
    EXPECT_EQ(ReadAll(db, "select count(*) from vyrobky")[0][0], "3");
}

TEST_F(OdbcDatabaseTest, NoConnectionWhenTheUserCancelsOrNobodyCanBeAsked)
{
    sandbox.AddDataSource("BelvoTest", database);
    OdbcDatabase db;
    ChoosingUi ui;  // cancels
    EXPECT_FALSE(db.Open("", &ui).has_value());
    EXPECT_EQ(ui.choices, 1);
    EXPECT_FALSE(db.Open("", nullptr).has_value());
    EXPECT_FALSE(db.IsOpen());
}

TEST_F(OdbcDatabaseTest, AConnectionThatFailsReportsWhy)
{
    OdbcDatabase db;
    EXPECT_THROW(db.Connect("DSN=NeexistujiciZdroj"), DatabaseError);
    EXPECT_FALSE(db.IsOpen());
    std::string failure;
    EXPECT_FALSE(db.Open("DSN=NeexistujiciZdroj", nullptr, &failure).has_value());
    EXPECT_THAT(failure, HasSubstr("IM002"));  // data source not found
    EXPECT_THROW(db.Query("select 1"), DatabaseError);
}

TEST_F(OdbcDatabaseTest, ResultSetsOutliveTheConnectionObjectSafely)
{
    std::unique_ptr<ResultSet> rows;
    {
        OdbcDatabase db;
        db.Connect(OdbcSandbox::DriverConnection(database));
        rows = db.Query("select objcislo from vyrobky order by objcislo");
        db.Close();
        EXPECT_FALSE(db.IsOpen());
    }
    std::vector<std::string> row;
    ASSERT_TRUE(rows->Fetch(row));
    EXPECT_EQ(row[0], "1001");
}

TEST(OdbcText, KeepsValidUtf8AndMarksForeignBytes)
{
    EXPECT_TRUE(IsValidUtf8("Příčka žluťoučká"));
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));          // overlong
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));      // surrogate
    EXPECT_FALSE(IsValidUtf8("P\xF8\xED\xE8ka"));   // Windows-1250 bytes
    EXPECT_FALSE(IsValidUtf8("\xC5"));              // cut sequence
    EXPECT_EQ(OdbcTextToUtf8("Příčka"), "Příčka");
    EXPECT_EQ(OdbcTextToUtf8("P\xF8\xED\xE8ka \x9E" "lu\x9D" "ou\xE8k\xFD"), "Příčka žluťoučký");
}

TEST_F(OdbcDatabaseTest, ReadsTextsOfAWindows1250DatabaseAsSuch)
{
    // "Příčka" as Windows-1250 bytes, stored as text without conversion.
    sandbox.RunSqlite("t.db", "create table stara (t text); insert into stara values (cast(x'50F8EDE86B61' as text));");
    OdbcDatabase db;
    db.Connect(OdbcSandbox::DriverConnection(database));
    EXPECT_EQ(ReadAll(db, "select t from stara")[0][0], "Příčka");
}

}  // namespace
}  // namespace belvo
