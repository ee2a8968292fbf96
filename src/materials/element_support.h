// What the material elements share: the message for a material the price list lacks and the
// roundings their calculations use.
#pragma once

#include <string>

#include "foundation/decimal.h"

namespace belvo {

class CMaterial;
class Ui;

// The joint of shaped bricks and paving (mm), added to each catalogued size of a piece.
inline constexpr int kSpara = 15;

// "Material <text>(<order number>)\nnenalezen v číselníku", caption "Chyba", warning icon.
void HlasChybejiciMaterial(Ui& ui, const std::string& materialText, const std::string& objCislo);

// A copy of `value` brought to `scale` decimals with rounding.
CCislo NaDesetiny(CCislo value, int scale);

// The rounded ratio of a to b: a at one decimal, divided by b (one decimal kept, truncated),
// then rounded to a whole number. Raises the arithmetic error for b = 0.
CCislo ZaokrouhlenyPodil(const CCislo& a, const CCislo& b);

// Rounding to half pieces: a count whose fraction is at most 0.5 becomes its whole part plus a
// half, any other the next whole number (7.00, 7.30 and 7.50 give 7.5; 7.51 gives 8).
CCislo ZaokrouhliNaPulKusy(const CCislo& k);

}  // namespace belvo
