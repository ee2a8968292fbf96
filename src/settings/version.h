// The program's version text: shown in the about box after "Belvo Version " and compared with
// the setting Setup/"Version", whose difference makes the program ask the user to review the
// settings at start-up.
#pragma once

#include <string_view>

namespace belvo {

inline constexpr std::string_view kVersionText = "2016-05-15";

}  // namespace belvo
