// The program's command line: "-export " and a database connection text run the export mode
// (the price list is read from the database, written as a price-list file, and the program
// ends); anything else is the desktop program's own command line (a project file to open).
#pragma once

#include <optional>
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

// The desktop program's command line as a document program reads it: the first argument that is
// no switch is the project file to open. Switches begin with "-", or with "/" when they are the
// document framework's own ("/p", "/pt", "/dde", "/Automation", "/Embedding", "/Register",
// "/Unregister", "/RegServer", "/UnregServer"; any other argument with "/" is an absolute path);
// names are compared without regard to case. "/p" asks to print the file and "/pt" to print it
// to the printer, driver and port named after the file. No switch, and no printer value, is ever
// taken for the project file; switches the program does not know are kept and ignored.
struct DesktopCommandLine {
    std::optional<std::string> projectFile;
    bool print = false;                   // "/p" or "/pt"
    std::vector<std::string> printTo;     // "/pt": printer, driver, port after the file (as given)
    std::vector<std::string> switches;    // every switch, without its "/" or "-", as given
};

DesktopCommandLine ParseDesktopCommandLine(const std::vector<std::string>& arguments);

}  // namespace belvo
