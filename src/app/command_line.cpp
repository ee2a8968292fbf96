#include "app/command_line.h"

#include <string_view>

namespace belvo {

namespace {
constexpr std::string_view kExportSwitch = "-export ";

bool SameSwitch(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// The switches of the document framework. With "/" only these are switches: any other argument
// that begins with "/" is an absolute path.
constexpr std::string_view kFrameworkSwitches[] = {"p",        "pt",         "dde",       "automation", "embedding",
                                                   "register", "unregister", "regserver", "unregserver"};

bool IsSwitch(const std::string& argument)
{
    if (argument.size() < 2) return false;
    if (argument[0] == '-') return true;
    if (argument[0] != '/') return false;
    const std::string_view name = std::string_view(argument).substr(1);
    for (std::string_view known : kFrameworkSwitches)
        if (SameSwitch(name, known)) return true;
    return false;
}
}  // namespace

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

DesktopCommandLine ParseDesktopCommandLine(const std::vector<std::string>& arguments)
{
    DesktopCommandLine line;
    bool printTo = false;
    for (const std::string& argument : arguments) {
        if (IsSwitch(argument)) {
            const std::string name = argument.substr(1);
            line.switches.push_back(name);
            if (SameSwitch(name, "p")) line.print = true;
            if (SameSwitch(name, "pt")) line.print = printTo = true;
        } else if (!line.projectFile) {
            if (!argument.empty()) line.projectFile = argument;
        } else if (printTo && line.printTo.size() < 3) {
            line.printTo.push_back(argument);
        }
    }
    return line;
}

}  // namespace belvo
