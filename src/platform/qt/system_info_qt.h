// SystemInfo from the Qt platform: the system locale's separators, host and user names,
// the temporary folder and the clock (SOURCE_DATE_EPOCH, when set, fixes the clock).
#pragma once

#include "platform/system_info.h"

namespace belvo {

class QtSystemInfo : public SystemInfo {
public:
    Separators NumberSeparators() const override;
    std::string ComputerName() const override;
    std::string UserName() const override;
    std::string TempDirectory() const override;
    LocalTime Now() const override;
};

}  // namespace belvo
