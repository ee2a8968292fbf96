// Small texts of the wall classes for the missing-material report.
#pragma once

#include <string>

#include "foundation/decimal.h"

namespace belvo {

// The material text of the missing-material report: a rotated brick is followed by the wall
// thickness it was chosen for, " (šířka zdiva 300)", written with `separators`.
std::string MaterialTextSeSirkou(const std::string& materialText, const CCislo& otoceni, const CCislo& sirka,
                                 const Separators& separators);

}  // namespace belvo
