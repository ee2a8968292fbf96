// The height choice of the forms whose height must be a whole number of courses (shaped bricks,
// facing strips, walls): the nearest composable heights are offered in a small dialog, and the
// user cannot leave it without one.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "foundation/decimal.h"

namespace belvo {

class Ui;

// The offered heights in the order the dialog lists them: sorted as texts. The entries begin with
// the height as a right-aligned number followed by " mm ", so the text order is the numeric order.
std::vector<std::string> SortedHeights(std::vector<std::string> entries);

// The line to preselect in sorted `entries`: looking from the end, the first whose number is at
// most `current`; the first line when none is.
std::size_t PreselectedHeight(const std::vector<std::string>& entries, const CCislo& current,
                              const Separators& separators);

// Asks the user and returns the number of the chosen entry; null when there are no entries.
CCislo ChooseHeight(Ui& ui, const std::string& prompt, std::vector<std::string> entries, const CCislo& current,
                    const Separators& separators);

}  // namespace belvo
