// belvo-cli: batch use of the engine without a window.
#include <array>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_command.h"
#include "foundation/errors.h"

namespace {

using belvo::cli::Command;

constexpr std::array kCommands{
    Command{"catalogue", "FILE.dat [--all] [--format text|json]", &belvo::cli::RunCatalogue},
    Command{"check", "PROJECT.kar [--catalogue FILE.dat]", &belvo::cli::RunCheck},
    Command{"proposal",
            "PROJECT.kar [--element PATH] [--split-groups] [--quick] [--catalogue FILE.dat]\n"
            "                     [--settings FILE.ini] [--round-all] [--format text|json]\n"
            "                     [--html FILE] [--xml FILE [--output OUT.kar]] [--pdf FILE]",
            &belvo::cli::RunProposal},
    Command{"import-allplan", "FILE.csv PROJECT.kar [--output OUT.kar]", &belvo::cli::RunImportAllplan},
};

void PrintUsage(std::ostream& out)
{
    out << "usage:\n";
    for (const Command& command : kCommands) out << "  belvo-cli " << command.name << ' ' << command.usage << '\n';
}

}  // namespace

int main(int argc, char** argv)
{
    using namespace belvo::cli;
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    if (args.empty()) {
        PrintUsage(std::cerr);
        return kExitBadArguments;
    }
    if (args[0] == "--help" || args[0] == "-h") {
        PrintUsage(std::cout);
        return kExitDone;
    }

    const Command* chosen = nullptr;
    for (const Command& command : kCommands)
        if (args[0] == command.name) chosen = &command;
    if (!chosen) {
        std::cerr << "belvo-cli: unknown command \"" << args[0] << "\"\n";
        PrintUsage(std::cerr);
        return kExitBadArguments;
    }

    try {
        const int code = chosen->run(std::vector<std::string>(args.begin() + 1, args.end()));
        std::cout.flush();
        if (!std::cout) {
            std::cerr << "belvo-cli: standard output could not be written\n";
            return kExitFileError;
        }
        return code;
    } catch (const UsageError& error) {
        std::cerr << "belvo-cli " << chosen->name << ": " << error.what() << '\n';
        std::cerr << "usage: belvo-cli " << chosen->name << ' ' << chosen->usage << '\n';
        return kExitBadArguments;
    } catch (const belvo::BelvoError& error) {
        std::cerr << "belvo-cli " << chosen->name << ": " << error.what() << '\n';
        return kExitFileError;
    } catch (const std::exception& error) {
        std::cerr << "belvo-cli " << chosen->name << ": " << error.what() << '\n';
        return kExitFileError;
    }
}
