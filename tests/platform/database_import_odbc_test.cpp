// The price-list import against a SQLite database of the maker's six tables, read through the
// unixODBC driver manager and the SQLite ODBC driver.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "catalogue/database_import.h"
#include "platform/karno_test_database.h"
#include "platform/odbc/odbc_database.h"

namespace belvo {
namespace {

using test::OdbcSandbox;
using ::testing::HasSubstr;

class DatabaseImportOdbcTest : public ::testing::Test {
protected:
    OdbcSandbox sandbox;
    OdbcDatabase database;
    FixedSystemInfo system;
    CMaterialList materials;
    std::string label = "předchozí";

    DatabaseImportResult Import(const std::filesystem::path& file)
    {
        std::string connection = OdbcSandbox::DriverConnection(file);
        return ImportZDatabaze(database, connection, materials, label, system, nullptr);
    }
};

TEST_F(DatabaseImportOdbcTest, ReadsTheMakersTablesIntoAnOrderedPriceList)
{
    const auto result = Import(test::CreateKarnoDatabase(sandbox, "karno.db"));
    ASSERT_EQ(result.status, DatabaseImportStatus::Imported) << result.failure;
    std::vector<std::string> numbers;
    for (const CMaterial& m : materials) numbers.push_back(m.ObjCislo);
    // The brick priced in variants only comes as its variant rows, the product of group 0 and
    // the variant mortars' ordinary rows not at all.
    EXPECT_EQ(numbers, (std::vector<std::string>{".", "102440sb", "102440sbc", "104290", "104290", "104290", "138001",
                                                 "138102sb", "138108sbc"}));
    EXPECT_EQ(label, "CZ20160515 14:30 (Kč)/CENIK-CZ");

    const CMaterial& flat = materials[3];
    EXPECT_EQ(flat.Nazev, "Cihla plná CP 29 – žluťoučká");
    EXPECT_EQ(flat.Zavod, "Horní Lhota");
    EXPECT_EQ(flat.PaletaNazev, "Paleta cihelná 1000×1200");
    EXPECT_EQ(flat.Ttu2, "");
    EXPECT_TRUE(flat.CenaPaleta.SameAs(CCislo(1240, 2)));
    EXPECT_TRUE(flat.CenaVolna.SameAs(CCislo(1240, 2)));
    EXPECT_TRUE(flat.Vaha.SameAs(CCislo(4800, 3)));
    EXPECT_TRUE(flat.PaletaCena.SameAs(CCislo(29000, 2)));
    EXPECT_TRUE(flat.KsNaPalete.SameAs(CCislo(400, 0)));

    struct Laid {
        std::int64_t otoceni, sirka, delka, vyska, maltaCents;
    };
    const Laid laid[] = {{0, 140, 290, 65, 9500}, {1, 290, 140, 65, 20000}, {2, 65, 290, 140, 4500}};
    for (std::size_t i = 0; i < 3; ++i) {
        const CMaterial& m = materials[3 + i];
        EXPECT_EQ(m.Otoceni, CCislo(laid[i].otoceni));
        EXPECT_EQ(m.Sirka, CCislo(laid[i].sirka)) << i;
        EXPECT_EQ(m.Delka, CCislo(laid[i].delka)) << i;
        EXPECT_EQ(m.Vyska, CCislo(laid[i].vyska)) << i;
        EXPECT_TRUE(m.Malta.SameAs(CCislo(laid[i].maltaCents, 2))) << i;
    }

    const CMaterial& sb = materials[1];
    EXPECT_EQ(sb.Varianta, "sb");
    EXPECT_TRUE(sb.VariantaKod.SameAs(CCislo(4, 0)));
    EXPECT_TRUE(sb.CenaPaleta.SameAs(CCislo(8490, 2)));
    EXPECT_TRUE(sb.CenaVolna.SameAs(CCislo(8990, 2)));
    EXPECT_TRUE(sb.Malta.SameAs(CCislo(600, 2)));
    EXPECT_EQ(sb.MaltaZak, CCislo(85, 1));
    EXPECT_EQ(sb.DelsiUlozeni, CCislo(1));
    const CMaterial& sbc = materials[2];
    EXPECT_TRUE(sbc.VariantaKod.SameAs(CCislo(8, 0)));
    EXPECT_TRUE(sbc.CenaPaleta.SameAs(CCislo(8550, 2)));
    EXPECT_TRUE(sbc.Malta.SameAs(CCislo(350, 2)));

    const CMaterial& baseMortar = materials[7];
    EXPECT_TRUE(baseMortar.Skupina.SameAs(CCislo(-38, 0)));
    EXPECT_EQ(baseMortar.TypText, "2");
    EXPECT_TRUE(baseMortar.CenaPaleta.SameAs(CCislo(16900, 2)));
    EXPECT_TRUE(materials[8].Skupina.SameAs(CCislo(-38, 0)));
    EXPECT_EQ(materials[8].Varianta, "sbc");

    const CMaterial& caption = materials[0];
    EXPECT_TRUE(caption.Skupina.SameAs(CCislo(-499, 0)));
    EXPECT_EQ(caption.Nazev, "Panely tloušťky 215 mm");
    EXPECT_EQ(caption.Zavod, "KSP 21,5");
}

TEST_F(DatabaseImportOdbcTest, AFailingQueryGivesTheDriversMessageAndAnEmptyList)
{
    // The price columns of variant sbd are missing, so the sixth query fails.
    const auto file = test::CreateKarnoDatabase(sandbox, "karno.db", "alter table helios drop column cenacz_sbd2;");
    const auto result = Import(file);
    EXPECT_EQ(result.status, DatabaseImportStatus::Failed);
    EXPECT_THAT(result.failure, HasSubstr("cenacz_sbd2"));
    EXPECT_TRUE(materials.empty());
    EXPECT_EQ(label, "předchozí");
}

TEST_F(DatabaseImportOdbcTest, APriceListWithoutItsRowFails)
{
    const auto result = Import(test::CreateKarnoDatabase(sandbox, "karno.db", "delete from cenik;"));
    EXPECT_EQ(result.status, DatabaseImportStatus::Failed);
    EXPECT_THAT(result.failure, HasSubstr("cenik"));
    EXPECT_TRUE(materials.empty());
}

TEST_F(DatabaseImportOdbcTest, AValueThatIsNoNumberFailsNamingItsMaterial)
{
    const auto file = test::CreateKarnoDatabase(sandbox, "karno.db", "update helios set vaha = '4,8 kg' where regcis = '104290';");
    const auto result = Import(file);
    EXPECT_EQ(result.status, DatabaseImportStatus::Failed);
    EXPECT_THAT(result.failure, HasSubstr("104290"));
    EXPECT_THAT(result.failure, HasSubstr("Vaha"));
}

}  // namespace
}  // namespace belvo
