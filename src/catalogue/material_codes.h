// The classification codes of the price list: group codes (`Skupina`) and the type codes
// (`Typ`) that the calculations and dialogs test. Negative group codes mark special rows: the
// variant mortars (-38) and the type caption rows (the negated code of the group they name).
#pragma once

namespace belvo {

// Group codes (`Skupina`).
inline constexpr int kSkupinaCihly = 1;                // wall bricks
inline constexpr int kSkupinaStropniNosniky = 6;       // ceramic ceiling beams
inline constexpr int kSkupinaStropniVlozky = 7;        // ceiling inserts
inline constexpr int kSkupinaVencovky = 8;             // ring-beam bricks
inline constexpr int kSkupinaPreklady = 9;             // lintels
inline constexpr int kSkupinaRoletovePreklady = 10;    // brick roller-shutter lintels
inline constexpr int kSkupinaMaltyOmitky = 38;         // mortars and plasters
inline constexpr int kSkupinaHurdis = 39;              // Hurdis ceiling system
inline constexpr int kSkupinaVyplne = 80;              // fillings by volume (polystyrene, perlite)
inline constexpr int kSkupinaPolystyreny = 81;         // polystyrene pieces
inline constexpr int kSkupinaVyztuze = 90;             // reinforcements
inline constexpr int kSkupinaKotvy = 91;               // anchors
inline constexpr int kSkupinaStropniPanely = 499;      // ceramic ceiling panels
inline constexpr int kSkupinaDlazby = 500;             // paving
inline constexpr int kSkupinaTvarovky = 501;           // ornamental shaped bricks
inline constexpr int kSkupinaPlotoveStrisky = 502;     // fence caps
inline constexpr int kSkupinaTrativodky = 503;         // drainage pipes
inline constexpr int kSkupinaObkladovePasky = 504;     // facing strips
inline constexpr int kSkupinaSalovaciDesky = 600;      // formwork boards

// Variant mortars are stored with their group negated.
inline constexpr int kSkupinaVariantniMalty = -kSkupinaMaltyOmitky;

// Types of group 1: the base brick, and the bits of the pieces that complete a brick family
// (a piece may carry several bits).
inline constexpr int kTypZakladniCihla = 0;
inline constexpr int kTypBitRohova = 1;          // corner brick
inline constexpr int kTypBitSnizena = 2;         // brick of reduced height
inline constexpr int kTypBitPulka = 4;           // half brick
inline constexpr int kTypBitKrajovaK = 8;        // shaped edge brick "K"
inline constexpr int kTypBitKrajovaKPul = 16;    // shaped edge brick "K 1/2"
inline constexpr int kTypBitRohova135 = 32;      // 135° corner brick

// Types of group 9.
inline constexpr int kTypPrekladNosny = 1;       // load-bearing lintel
inline constexpr int kTypPrekladPlochy = 2;      // flat lintel

// Types of group 38 and of the variant mortars (-38).
inline constexpr int kTypMaltaTepelna = 0;       // thermal insulating mortar of ordinary bricks
inline constexpr int kTypOmitka = 1;             // plaster
inline constexpr int kTypMaltaZakladova = 2;     // base-course mortar of the price variants (-38)
// A variant mortar of type 4, 8 or 16 belongs to the price variant whose code equals its type.

// Types of group 80.
inline constexpr int kTypPolystyrenKrajovek = 0; // polystyrene filling of edge bricks
inline constexpr int kTypPerlit = 1;             // perlite

// Type 0 of groups 81, 501, 504, 6, 7 and 39: the material itself (lintel polystyrene, shaped
// brick, facing strip, beam, insert, Hurdis plank); accessories carry other types.
inline constexpr int kTypHlavniMaterial = 0;
// A facing strip's corner piece carries this bit.
inline constexpr int kTypBitRohovyPasek = 1;

// Price variants of bricks and variant mortars: `VariantaKod` and the suffix in `Varianta`.
inline constexpr int kVariantaZadna = 0;
inline constexpr int kVariantaSb = 4;
inline constexpr int kVariantaSbc = 8;
inline constexpr int kVariantaSbd = 16;

// `Otoceni`: the dimensions as catalogued, or permuted for a brick laid turned.
inline constexpr int kOtoceniZadne = 0;   // Sirka, Delka, Vyska as in the database
inline constexpr int kOtoceniDelkou = 1;  // Sirka = length, Delka = width
inline constexpr int kOtoceniNaSirku = 2; // Sirka = height, Delka = length, Vyska = width

// The order number of a type caption row.
inline constexpr const char* kObjCisloTitulkuTypu = ".";

}  // namespace belvo
