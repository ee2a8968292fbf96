#include "app/command_line.h"

#include <string_view>

namespace belvo {

namespace {
constexpr std::string_view kExportSwitch = "-export ";
}

CommandLine ParseCommandLine(const std::vector<std::string>& arguments)
{
    std::string line;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (i > 0) line += ' ';
        line += arguments[i];
    }
    CommandLine result;
    if (line.compare(0, kExportSwitch.size(), kExportSwitch) == 0) {
        result.exportMode = true;
        result.connection = line.substr(kExportSwitch.size());
    } else {
        result.arguments = arguments;
    }
    return result;
}

}  // namespace belvo
