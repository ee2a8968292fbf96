// Lintels over the openings of a wall: the choice of lintels from the price list by the
// opening's width and the wall's thickness, their polystyrene, and the base bricks they replace.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "foundation/decimal.h"

namespace belvo {

class CMaterial;
class CNavrh;
class COkna;
class CZed;
class CMaterialList;
class SettingsStore;
struct CalcContext;

// Number of load-bearing lintels side by side for a wall `thickness` mm thick and the opening's
// option bits (bit 16 before bit 32, else variant A).
int PocetNosnychPrekladu(const CCislo& thickness, std::int32_t preklady);

// The flat lintels side by side over an opening in a wall `thickness` mm thick (at least 80):
// pairs of lintel width and number; the bricks are replaced under the first pair only.
std::vector<std::pair<int, int>> PlochePreklady(const CCislo& thickness);
// The thicknesses of the polystyrene pieces between load-bearing lintels (none without a row for
// the thickness, and none for lintels without insulation).
std::vector<int> PolystyrenMeziPreklady(const CCislo& thickness, std::int32_t preklady);

// The load-bearing lintel for an opening `width` wide: the shortest one at least as long as the
// opening needs (longer bearing with `delsiUlozeni`).
struct NalezenyPreklad {
    std::string objCislo;
    CCislo delka;
};
std::optional<NalezenyPreklad> NajdiNosnyPreklad(const CMaterialList& materials, const CCislo& width,
                                                 bool delsiUlozeni);
// The length of the flat lintels over an opening `width` wide: the shortest flat lintel at
// least width + 250 long.
std::optional<CCislo> NajdiDelkuPlochych(const CMaterialList& materials, const CCislo& width);
// The roller-shutter lintel for an opening `width` wide in a wall `thickness` mm thick with the
// overhang `vylozeni`.
const CMaterial* NajdiRoletovyPreklad(const CMaterialList& materials, const CCislo& width, const CCislo& thickness,
                                      const CCislo& vylozeni);

// Designs the lintels of one opening of `wall` and adds them, their polystyrene and the change
// of the bricks they replace to the proposal. `brick` is the brick whose courses the lintels
// replace (null: none is taken off). Every refusal is a message captioned with the wall's name.
void NavrhniPreklady(const CZed& wall, const COkna& opening, const CMaterial* brick, CNavrh& navrh,
                     const CMaterialList& materials, const std::string& label, CalcContext& context);

// The lintel choice of an opening of `wall` whose choice has not been made yet, made when its
// form first opens: flat or load-bearing by the settings, longer bearing when the wall's brick
// (or, with edge bricks at the sides, its edge piece) needs it, and polystyrene.
void ZvolPrekladyNovehoOtvoru(COkna& opening, const CZed& wall, const CMaterialList& materials,
                              const SettingsStore& settings);

}  // namespace belvo
