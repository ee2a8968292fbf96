#include "catalogue/database_queries.h"

namespace belvo {

namespace {

// The statements are sent exactly as written here; the adjacent literals only break the lines.
// The pieces that every statement repeats word for word are named once below.
#define SELECT_FIRST_COLUMNS "select v.objcislo, h.nazevcz, z.zavod,"
#define FROM_TABLES " from vyrobky v, zavody z, helios h, helios_paletizace p, helios hp"
#define JOIN_CONDITIONS                \
    "   and v.objcislo = h.regcis"     \
    "   and h.id = p.idzbozi"          \
    "   and p.idobal = hp.id"          \
    "   and v.id_zavod = z.id"

constexpr std::string_view kMaterialQueries[kMaterialQueryCount] = {
    // 1: ordinary rows
    SELECT_FIRST_COLUMNS
    "    h.sirka, h.delka, h.vyska, h.vaha,"
    "    p.Mnozstvi, h.cena_prod, h.app_nepalet_cena,"
    "    v.app_ZaklMat, v.App_Skupina, v.App_Typ, 1, v.App_Malta, 0,"
    "    hp.vaha, hp.cena_prod, hp.cena_vyk, hp.nazevcz, hp.regcis,"
    "    v.ttu2, h.skupzbo, hp.skupzbo,"
    "    '', v.app_perlit, 0, v.app_polystyr, 0, v.delsi_ulozeni"
    FROM_TABLES
    " where v.app_skupina > 0"
    JOIN_CONDITIONS
    "   and h.cenacz_sb = 0 ",
    // 2: rotated rows, rotation 1
    SELECT_FIRST_COLUMNS
    "    h.delka, h.sirka, h.vyska, h.vaha,"
    "    p.Mnozstvi, h.cena_prod, h.app_nepalet_cena,"
    "    v.app_ZaklMat, v.App_Skupina, v.App_Typ, 1, v.App_MaltaSD, 1,"
    "    hp.vaha, hp.cena_prod, hp.cena_vyk, hp.nazevcz, hp.regcis,"
    "   v.ttu2, h.skupzbo, hp.skupzbo,"
    "    '', v.app_perlit, 0, v.app_polystyr, 0, v.delsi_ulozeni"
    FROM_TABLES
    " where v.app_skupina > 0"
    JOIN_CONDITIONS
    "  and v.App_MaltaSD > 0"
    "   and h.cenacz_sb = 0 ",
    // 3: rotated rows, rotation 2
    SELECT_FIRST_COLUMNS
    "    h.vyska, h.delka, h.sirka, h.vaha,"
    "    p.Mnozstvi, h.cena_prod, h.app_nepalet_cena,"
    "    v.app_ZaklMat, v.App_Skupina, v.App_Typ, 1, v.App_MaltaSV, 2,"
    "     hp.vaha, hp.cena_prod, hp.cena_vyk, hp.nazevcz, hp.regcis,"
    "   v.ttu2, h.skupzbo, hp.skupzbo,"
    "    '', v.app_perlit, 0, v.app_polystyr, 0, v.delsi_ulozeni"
    FROM_TABLES
    " where v.app_skupina > 0"
    JOIN_CONDITIONS
    "  and v.App_MaltaSV > 0"
    "   and h.cenacz_sb = 0 ",
    // 4: price variant "sb" of bricks
    SELECT_FIRST_COLUMNS
    "    h.sirka, h.delka, h.vyska, h.vaha,"
    "    p.Mnozstvi, h.cenacz_sb, h.cenacz_sb2,"
    "    v.app_ZaklMat, v.App_Skupina, v.App_Typ, 1, v.App_MaltaSB, 0,"
    "    hp.vaha, hp.cena_prod, hp.cena_vyk, hp.nazevcz, hp.regcis,"
    "   v.ttu2, h.skupzbo, hp.skupzbo,"
    "    'sb', v.app_perlit, v.app_maltazak, v.app_polystyr, 4, v.delsi_ulozeni"
    FROM_TABLES
    " where v.app_skupina = 1"
    JOIN_CONDITIONS
    "   and h.cenacz_sb > 0 ",
    // 5: price variant "sbc" of bricks
    SELECT_FIRST_COLUMNS
    "    h.sirka, h.delka, h.vyska, h.vaha,"
    "    p.Mnozstvi, h.cenacz_sbc, h.cenacz_sbc2,"
    "    v.app_ZaklMat, v.App_Skupina, v.App_Typ, 1, v.App_MaltaSBC, 0,"
    "    hp.vaha, hp.cena_prod, hp.cena_vyk, hp.nazevcz, hp.regcis,"
    "   v.ttu2, h.skupzbo, hp.skupzbo,"
    "    'sbc', v.app_perlit, v.app_maltazak, v.app_polystyr, 8, v.delsi_ulozeni"
    FROM_TABLES
    " where v.app_skupina = 1"
    JOIN_CONDITIONS
    "   and h.cenacz_sbc > 0 ",
    // 6: price variant "sbd" of bricks
    SELECT_FIRST_COLUMNS
    "    h.sirka, h.delka, h.vyska, h.vaha,"
    "    p.Mnozstvi, h.cenacz_sbd, h.cenacz_sbd2,"
    "    v.app_ZaklMat, v.App_Skupina, v.App_Typ, 1, v.App_MaltaDF, 0,"
    "    hp.vaha, hp.cena_prod, hp.cena_vyk, hp.nazevcz, hp.regcis,"
    "   v.ttu2, h.skupzbo, hp.skupzbo,"
    "    'sbd', v.app_perlit, v.app_maltazak, v.app_polystyr, 16, v.delsi_ulozeni"
    FROM_TABLES
    " where v.app_skupina = 1"
    JOIN_CONDITIONS
    "   and h.cenacz_sbd > 0 ",
    // 7: variant mortars "sb"
    SELECT_FIRST_COLUMNS
    "    h.sirka, h.delka, h.vyska, h.vaha,"
    "    p.Mnozstvi, h.cenacz_sb, h.cenacz_sb2,"
    "    v.app_ZaklMat, -v.App_Skupina, v.App_Typ, 1, v.App_Malta, 0,"
    "    hp.vaha, hp.cena_prod, hp.cena_vyk, hp.nazevcz, hp.regcis,"
    "   v.ttu2, h.skupzbo, hp.skupzbo,"
    "    'sb', v.app_perlit, v.app_maltazak, v.app_polystyr, 4, v.delsi_ulozeni"
    FROM_TABLES
    " where v.app_skupina = 38"
    JOIN_CONDITIONS
    "   and v.app_typ <= 4"
    "   and v.app_typ >= 2 ",
    // 8: variant mortars "sbc"
    SELECT_FIRST_COLUMNS
    "    h.sirka, h.delka, h.vyska, h.vaha,"
    "    p.Mnozstvi, h.cenacz_sbc, h.cenacz_sbc2,"
    "    v.app_ZaklMat, -v.App_Skupina, v.App_Typ, 1, v.App_Malta, 0,"
    "    hp.vaha, hp.cena_prod, hp.cena_vyk, hp.nazevcz, hp.regcis,"
    "   v.ttu2, h.skupzbo, hp.skupzbo,"
    "    'sbc', v.app_perlit, v.app_maltazak, v.app_polystyr, 8, v.delsi_ulozeni"
    FROM_TABLES
    " where v.app_skupina = 38"
    JOIN_CONDITIONS
    "   and v.app_typ = 8 ",
    // 9: variant mortars "sbd"
    SELECT_FIRST_COLUMNS
    "    h.sirka, h.delka, h.vyska, h.vaha,"
    "    p.Mnozstvi, h.cenacz_sbd, h.cenacz_sbd2,"
    "    v.app_ZaklMat, -v.App_Skupina, v.App_Typ, 1, v.App_Malta, 0,"
    "    hp.vaha, hp.cena_prod, hp.cena_vyk, hp.nazevcz, hp.regcis,"
    "   v.ttu2, h.skupzbo, hp.skupzbo,"
    "    'sbd', v.app_perlit, v.app_maltazak, v.app_polystyr, 16, v.delsi_ulozeni"
    FROM_TABLES
    " where v.app_skupina = 38"
    JOIN_CONDITIONS
    "   and v.app_typ = 16 ",
};

#undef SELECT_FIRST_COLUMNS
#undef FROM_TABLES
#undef JOIN_CONDITIONS

}  // namespace

std::span<const std::string_view> MaterialQueries() { return kMaterialQueries; }

}  // namespace belvo
