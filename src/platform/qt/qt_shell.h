// The desktop shell (placeholder until it lands).
#pragma once

#include "platform/shell.h"

namespace belvo {

class QtShell : public Shell {
public:
    bool OpenInViewer(const std::string& path) override;
    bool StartCalculator() override;
};

}  // namespace belvo
