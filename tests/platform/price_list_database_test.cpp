// A price list whose source is the maker's database, loaded at "new" through the unixODBC driver
// manager and the SQLite ODBC driver.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "catalogue/price_list_loading.h"
#include "platform/karno_test_database.h"
#include "platform/odbc/odbc_database.h"
#include "support/price_list_bed.h"

namespace belvo {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

constexpr const char* kDatabaseLabel = "CZ20160515 14:30 (Kč)/CENIK-CZ";

class PriceListDatabase : public ::testing::Test {
protected:
    PriceListDatabase()
    {
        sandbox.AddDataSource("KarnoTest", test::CreateKarnoDatabase(sandbox, "karno.db"));
        // The section chosen for new projects takes its price list from the database.
        bed.Configure("Databaze", "db", "DSN", "DSN=KarnoTest");
        bed.settings.SetString("Databaze", "CenikFileName", "zaloha.dat");
        bed.settings.SetString("Setup", "Ceniky", "Databaze;");
        bed.settings.SetString("Setup", "CenikVychozi", "Databaze");
    }

    test::OdbcSandbox sandbox;
    OdbcDatabase database;
    test::NoWeb web;
    test::PriceListBed bed{web};
    CenikKontext kontext = bed.Kontext(&database);
};

TEST_F(PriceListDatabase, NewLoadsTheDatabaseAndRegistersOnlyWhenAProjectExists)
{
    EXPECT_EQ(NactiAktualniCenik(kontext, true), "Databaze");
    EXPECT_EQ(bed.cenik.CenikId, kDatabaseLabel);
    EXPECT_EQ(bed.cenik.materials.size(), 9u);
    EXPECT_THAT(bed.ui.messages, IsEmpty());
    EXPECT_EQ(bed.settings.GetString("Setup", "Ceniky", ""), "Databaze;") << "no registration at new";

    bed.document.hasProject = true;
    NactiAktualniCenik(kontext, true);
    EXPECT_EQ(bed.document.projectCenikId, kDatabaseLabel);
    EXPECT_EQ(bed.settings.GetString("Setup", "Ceniky", ""), "Databaze;CZ-Kč;");
    EXPECT_EQ(bed.settings.GetString("CZ-Kč", "CenikRadio", ""), "db");
    EXPECT_THAT(bed.settings.GetString("CZ-Kč", "DSN", ""), HasSubstr("DSN=KarnoTest"))
        << "the connection text the driver completed";
    EXPECT_THAT(bed.document.settingsOpened, ElementsAre("CZ-Kč"));
}

TEST_F(PriceListDatabase, ADatabaseThatDoesNotOpenFallsBackToTheSectionsFile)
{
    bed.settings.SetString("Databaze", "DSN", "DSN=NikdeNeni");
    bed.WriteFile("zaloha.dat", "CZ20160101 10:00 (Kč)", 2);
    bed.document.hasProject = true;
    NactiAktualniCenik(kontext, true);
    EXPECT_EQ(bed.cenik.materials.size(), 2u);
    EXPECT_EQ(bed.settings.GetString("Databaze", "CenikRadio", ""), "db");
    EXPECT_EQ(bed.settings.GetString("CZ-Kč", "CenikRadio", ""), "file")
        << "the price list registered is the file's";
}

}  // namespace
}  // namespace belvo
