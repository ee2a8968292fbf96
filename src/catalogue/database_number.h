// Numbers as a database delivers them in text form: "." as the decimal point, possibly an
// exponent ("1.0e-05" is how SQLite writes a small REAL), NULL as the empty text.
#pragma once

#include <optional>
#include <string_view>

#include "foundation/decimal.h"

namespace belvo {

// The exact value of the text, keeping the decimal places it shows ("12.50" has two). Blanks
// around the number are ignored; an empty text is the null number. None when the text is not a
// number or its whole part does not fit the decimal's 18 digits; a fraction beyond 18
// significant digits is cut, which no scale the program uses can notice.
std::optional<CCislo> ParseDatabaseNumber(std::string_view text);

}  // namespace belvo
