// The heights a wall of courses can have: the form of shaped bricks and of facing strips offers
// the nearest ones when a typed height is not a whole number of courses.
#pragma once

#include <string>
#include <vector>

#include "foundation/decimal.h"

namespace belvo {

// The heights offered for `height` with courses `course` mm high, highest first: two courses
// more down to two courses fewer than the whole courses the height holds. Empty when the height
// is a whole number of courses or when `course` is not positive. Heights that are not positive
// are left out: no wall can have them.
std::vector<CCislo> NabidkaVysek(const CCislo& height, const CCislo& course);

// The list line of an offered height: the number right-aligned in six characters, then " mm ".
std::string TextVysky(const CCislo& height, const Separators& separators);

}  // namespace belvo
