#include "cli/cli_args.h"

#include "cli/cli_command.h"

namespace belvo::cli {

CliOption Flag(std::string_view name, bool& flag)
{
    CliOption option;
    option.name = name;
    option.set = [&flag](const std::string&) { flag = true; };
    return option;
}

CliOption Value(std::string_view name, std::optional<std::string>& value)
{
    CliOption option;
    option.name = name;
    option.takesValue = true;
    option.set = [&value](const std::string& given) { value = given; };
    return option;
}

CliOption FormatOption(OutputFormat& format)
{
    CliOption option;
    option.name = "--format";
    option.takesValue = true;
    option.set = [&format](const std::string& given) { format = ParseOutputFormat(given); };
    option.inlineValue = true;
    option.valueHint = "text or json";
    return option;
}

std::vector<std::string> ReadArguments(const std::vector<std::string>& args, const std::vector<CliOption>& options)
{
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const CliOption* matched = nullptr;
        std::optional<std::string> inlineValue;
        for (const CliOption& option : options) {
            if (arg == option.name) {
                matched = &option;
            } else if (option.inlineValue && arg.size() > option.name.size() && arg.starts_with(option.name) &&
                       arg[option.name.size()] == '=') {
                matched = &option;
                inlineValue = arg.substr(option.name.size() + 1);
            }
            if (matched) break;
        }
        if (matched == nullptr) {
            if (arg.starts_with("-") && arg != "-") throw UsageError("unknown option \"" + arg + "\"");
            positional.push_back(arg);
        } else if (!matched->takesValue) {
            matched->set("");
        } else if (inlineValue) {
            matched->set(*inlineValue);
        } else if (i + 1 < args.size()) {
            matched->set(args[++i]);
        } else {
            std::string message = arg + " needs a value";
            if (!matched->valueHint.empty()) message += " (" + std::string(matched->valueHint) + ")";
            throw UsageError(message);
        }
    }
    return positional;
}

std::string OnlyArgument(const std::vector<std::string>& positional, std::string_view what)
{
    if (positional.empty()) throw UsageError("no " + std::string(what) + " given");
    if (positional.size() > 1) throw UsageError("more than one " + std::string(what) + " given");
    return positional.front();
}

}  // namespace belvo::cli
