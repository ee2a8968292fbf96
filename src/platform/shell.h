// What the engine asks of the desktop shell: open a file in the viewer the system associates
// with it, and start the system calculator.
#pragma once

#include <string>

namespace belvo {

class Shell {
public:
    virtual ~Shell() = default;
    // Opens the file in its default viewer; false when that could not be started.
    virtual bool OpenInViewer(const std::string& path) = 0;
    // Starts the calculator in a normal window; false when it could not be started.
    virtual bool StartCalculator() = 0;
};

}  // namespace belvo
