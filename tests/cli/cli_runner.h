// Runs the built belvo-cli as a child process and collects what it wrote and its exit code.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace belvo::test {

struct CliResult {
    int exitCode = -1;
    std::string out;  // standard output
    std::string err;  // standard error
};

// Runs belvo-cli with `args`; `environment` entries are set (or replace) in the child's
// environment. LC_ALL is C unless given, so the output does not depend on the machine.
CliResult RunCli(const std::vector<std::string>& args, const std::map<std::string, std::string>& environment = {});

}  // namespace belvo::test
