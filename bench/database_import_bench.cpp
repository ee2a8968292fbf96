// The price-list import of a large catalogue: 20 000 products of the maker's database read
// through unixODBC and the SQLite ODBC driver. Every tenth product is a ground brick priced in
// the three variants, every fifth of the others may be laid turned and every fifteenth on edge,
// so the import makes about 27 000 records and sorts them.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

#include "catalogue/database_import.h"
#include "platform/odbc/odbc_database.h"

namespace {

constexpr int kProducts = 20000;

std::string ReadText(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The rows, made by the database itself. Order numbers are spread (i × 7919 mod 1 000 003 is
// different for every i) so that the sort has real work.
std::string CatalogueRows()
{
    return R"(
insert into zavody values (1, 'Horní Lhota');
insert into helios (id, regcis, nazevcz, skupzbo, vaha, cena_prod, cena_vyk)
    values (1, 'PAL-02', 'Paleta cihelná 1000×1200', 'OBA', 30, 290, 220);
with recursive n(i) as (select 1 union all select i + 1 from n where i < )" +
           std::to_string(kProducts) + R"()
insert into helios (id, regcis, nazevcz, skupzbo, sirka, delka, vyska, vaha, cena_prod, app_nepalet_cena,
                    cenacz_sb, cenacz_sb2, cenacz_sbc, cenacz_sbc2, cenacz_sbd, cenacz_sbd2)
select i + 1, printf('%d', (i * 7919) % 1000003), 'Cihla broušená 44 T – výrobek č. ' || i, 'CIH',
       440, 248, 249, 17.6 + (i % 10) / 10.0, 79.5 + (i % 100), 84.3 + (i % 100),
       case when i % 10 = 0 then 84.9 else 0 end, case when i % 10 = 0 then 89.9 else 0 end,
       case when i % 10 = 0 then 85.5 else 0 end, case when i % 10 = 0 then 90.5 else 0 end,
       case when i % 10 = 0 then 87.2 else 0 end, case when i % 10 = 0 then 92.4 else 0 end
from n;
insert into helios_paletizace (idzbozi, idobal, mnozstvi) select id, 1, 60 from helios where id > 1;
insert into vyrobky (objcislo, id_zavod, app_skupina, app_typ, app_zaklmat, app_malta, app_maltasd, app_maltasv,
                     app_maltasb, app_maltasbc, app_maltadf, app_maltazak, app_perlit, app_polystyr, ttu2)
select regcis, 1, 1, (id % 3) * 4, '44', 42.0,
       case when id % 5 = 0 then 36.5 else 0 end, case when id % 15 = 0 then 45 else 0 end,
       6.0, 3.5, 0.15, 8.5, 6.5, 1.75, 'U=0,22 W/m2K'
from helios where id > 1;
insert into panely values (499, 1, 'Panely tloušťky 215 mm', 'KSP 21,5');
insert into cenik values ('CZ', 'Kč', 'CENIK-CZ');
)";
}

const std::filesystem::path& Database()
{
    static const std::filesystem::path file = [] {
        const auto folder = std::filesystem::temp_directory_path() / "belvo-bench-import";
        std::filesystem::create_directories(folder);
        const auto database = folder / "karno.db";
        const auto script = folder / "karno.sql";
        std::filesystem::remove(database);
        std::ofstream(script, std::ios::binary)
            << ReadText(std::filesystem::path(BELVO_SOURCE_DIR) / "data" / "karno_schema.sql") << CatalogueRows();
        const std::string command = std::string("'") + BELVO_SQLITE3 + "' -batch -bail '" + database.string() +
                                    "' < '" + script.string() + "'";
        if (std::system(command.c_str()) != 0) throw std::runtime_error("cannot create " + database.string());
        return database;
    }();
    return file;
}

void ImportTwentyThousandProducts(benchmark::State& state)
{
    const std::string connection = std::string("DRIVER=") + BELVO_SQLITE_ODBC_DRIVER + ";Database=" + Database().string();
    belvo::FixedSystemInfo system;
    std::size_t records = 0;
    for (auto _ : state) {
        belvo::OdbcDatabase database;
        belvo::CMaterialList materials;
        std::string text = connection;
        std::string label;
        const auto result = belvo::ImportZDatabaze(database, text, materials, label, system, nullptr);
        if (result.status != belvo::DatabaseImportStatus::Imported) {
            state.SkipWithError(result.failure.c_str());
            break;
        }
        records = materials.size();
        benchmark::DoNotOptimize(materials);
    }
    state.counters["products"] = kProducts;
    state.counters["records"] = static_cast<double>(records);
}
BENCHMARK(ImportTwentyThousandProducts)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
