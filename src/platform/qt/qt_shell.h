// The desktop shell over Qt: a file opens in the program the desktop associates with it
// (QDesktopServices), and the calculator is the first of the usual desktop calculators found
// on the PATH.
#pragma once

#include <array>
#include <string>

#include "platform/shell.h"

namespace belvo {

// The calculators tried, in this order.
inline constexpr std::array<const char*, 4> kCalculatorPrograms{"gnome-calculator", "kcalc", "galculator", "xcalc"};

class QtShell : public Shell {
public:
    // False when the file does not exist, when there is no GUI application to ask the desktop
    // through, or when the desktop could not open it.
    bool OpenInViewer(const std::string& path) override;
    // Starts the first calculator of kCalculatorPrograms that is on the PATH (trying the next
    // when one cannot be started), detached from this program; false when none started.
    bool StartCalculator() override;
};

}  // namespace belvo
