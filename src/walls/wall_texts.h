// Small texts the wall classes build where no locale is at hand (tree labels, the
// missing-material report, calculation messages).
#pragma once

#include <string>

#include "foundation/decimal.h"

namespace belvo {

// A number with its own decimals, as the program writes it into such texts.
std::string FormatCislo(const CCislo& value);

// The material text of the missing-material report: a rotated brick is followed by the wall
// thickness it was chosen for, " (šířka zdiva 300)".
std::string MaterialTextSeSirkou(const std::string& materialText, const CCislo& otoceni, const CCislo& sirka);

}  // namespace belvo
