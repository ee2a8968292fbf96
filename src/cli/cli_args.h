// Reading the arguments of a command: named options, with or without a value, and the
// positional arguments in order.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_text.h"

namespace belvo::cli {

struct CliOption {
    std::string_view name;  // "--catalogue"
    bool takesValue = false;
    std::function<void(const std::string& value)> set;  // a flag is set with ""
    bool inlineValue = false;       // may also be written "--name=value"
    std::string_view valueHint;     // named when the value is missing: "text or json"
};

// An option that sets `flag`.
CliOption Flag(std::string_view name, bool& flag);
// An option whose value goes to `value`.
CliOption Value(std::string_view name, std::optional<std::string>& value);
// The --format option: "text" or "json", also written --format=json.
CliOption FormatOption(OutputFormat& format);

// Hands every option of `args` to its `set` and returns the other words in order. A word that
// starts with "-" (other than "-" itself) and names no option, and an option whose value is
// missing, are UsageErrors.
std::vector<std::string> ReadArguments(const std::vector<std::string>& args, const std::vector<CliOption>& options);

// The single positional argument; none or more than one is a UsageError that names `what`.
std::string OnlyArgument(const std::vector<std::string>& positional, std::string_view what);

}  // namespace belvo::cli
