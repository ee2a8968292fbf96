// The commands of belvo-cli and what they share: exit codes and the bad-arguments error.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace belvo::cli {

enum ExitCode : int {
    kExitDone = 0,
    kExitFound = 1,         // the run finished, and a check found what it looks for
    kExitBadArguments = 2,  // usage on standard error
    kExitFileError = 3,     // a file could not be read or written; the message names it
};

// Bad arguments: the dispatcher prints the message and the usage and exits with 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Command {
    std::string_view name;
    std::string_view usage;  // the argument synopsis after the command name
    // Runs with the arguments after the command name; returns the exit code. Failures are
    // exceptions: UsageError, or a BelvoError (file, archive) that the dispatcher reports.
    int (*run)(const std::vector<std::string>& args);
};

int RunCatalogue(const std::vector<std::string>& args);
int RunCheck(const std::vector<std::string>& args);
int RunProposal(const std::vector<std::string>& args);

}  // namespace belvo::cli
