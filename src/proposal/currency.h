// The currency of a price list as its label names it: the text between the first "(" (at a
// position after the start) and the next ")", or "Kč" when the label names none.
#pragma once

#include <string>
#include <string_view>

namespace belvo {

std::string MenaCeniku(std::string_view cenik);

}  // namespace belvo
