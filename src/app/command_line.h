// The program's command line: "-export " and a database connection text run the export mode
// (the price list is read from the database, written as a price-list file, and the program
// ends); anything else is the desktop program's own command line (a project file to open).
#pragma once

#include <string>
#include <vector>

namespace belvo {

struct CommandLine {
    bool exportMode = false;
    std::string connection;              // export mode: the connection text, possibly empty
    std::vector<std::string> arguments;  // desktop mode: the arguments as given
};

// Reads the arguments that follow the program's name. The switch is recognised on the command
// line as one text, the arguments joined by single spaces: it must begin with exactly
// "-export " (lower case, one space), so `belvo -export DSN=x` and `belvo "-export DSN=x"` mean
// the same, while "-EXPORT ..." or a lone "-export" start the desktop program.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

}  // namespace belvo
