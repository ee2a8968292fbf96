#include "platform/karno_test_database.h"

namespace belvo::test {

std::string KarnoSchema()
{
    return ReadFileBytes(std::filesystem::path(BELVO_SOURCE_DIR) / "data" / "karno_schema.sql");
}

std::string KarnoTestRows()
{
    return R"(
insert into zavody values (1, 'Horní Lhota'), (2, 'obchodní zboží');
insert into helios (id, regcis, nazevcz, skupzbo, vaha, cena_prod, cena_vyk)
    values (1, 'PAL-02', 'Paleta cihelná 1000×1200', 'OBA', 30, 290, 220);
insert into helios (id, regcis, nazevcz, skupzbo, sirka, delka, vyska, vaha, cena_prod, app_nepalet_cena,
                    cenacz_sb, cenacz_sb2, cenacz_sbc, cenacz_sbc2, cenacz_sbd, cenacz_sbd2) values
    (10, '104290', 'Cihla plná CP 29 – žluťoučká  ', 'CIH', 140, 290, 65, 4.8, 12.4, 0, 0, 0, 0, 0, 0, 0),
    (11, '102440', 'Cihla broušená 44 T Profi', 'CIH', 440, 248, 249, 17.9, 84.9, 89.9, 84.9, 89.9, 85.5, 90.5, 0, 0),
    (12, '138102', 'Malta zakládací (25 kg)', 'MAL', null, null, null, 25, 0, 0, 169, 179, 169, 179, 169, 179),
    (13, '138108', 'Malta pro tenké spáry SBC (17 kg)', 'MAL', null, null, null, 17, 0, 0, 245, 259, 245, 259, 245, 259),
    (14, '138001', 'Malta tepelně izolační (vak 50 l)', 'MAL', null, null, null, 12.5, 189, 199, 0, 0, 0, 0, 0, 0),
    (15, '101400', 'Cihla 40 P+D (doprodej)', 'CIH', 400, 248, 238, 16, 61, 0, 0, 0, 0, 0, 0, 0);
insert into helios_paletizace (idzbozi, idobal, mnozstvi) values
    (10, 1, 400), (11, 1, 60), (12, 1, 42), (13, 1, 54), (14, 1, 40), (15, 1, 64);
insert into vyrobky (objcislo, id_zavod, app_skupina, app_typ, app_zaklmat, app_malta, app_maltasd, app_maltasv,
                     app_maltasb, app_maltasbc, app_maltadf, app_maltazak, app_perlit, app_polystyr, ttu2, delsi_ulozeni) values
    ('104290', 1, 1, 0, '29', 95, 200, 45, 0, 0, 0, 0, 0, 0, '&nbsp;', 0),
    ('102440', 1, 1, 0, '45', 0, 0, 0, 6, 3.5, 0.15, 8.5, 5.5, 0, 'U=0,19 W/m2K', 1),
    ('138102', 2, 38, 2, '', 16, 0, 0, 0, 0, 0, 0, 0, 0, '', 0),
    ('138108', 2, 38, 8, '', 17, 0, 0, 0, 0, 0, 0, 0, 0, '', 0),
    ('138001', 2, 38, 0, '', 50, 0, 0, 0, 0, 0, 0, 0, 0, '', 0),
    ('101400', 1, 0, 0, '40', 40, 0, 0, 0, 0, 0, 0, 0, 0, '', 0);
insert into panely values (499, 1, 'Panely tloušťky 215 mm', 'KSP 21,5');
insert into cenik values ('CZ', 'Kč', 'CENIK-CZ');
)";
}

std::filesystem::path CreateKarnoDatabase(const OdbcSandbox& sandbox, const std::string& fileName, const std::string& extra)
{
    return sandbox.RunSqlite(fileName, KarnoSchema() + KarnoTestRows() + extra);
}

}  // namespace belvo::test
