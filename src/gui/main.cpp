// belvo: the desktop program and its non-interactive export mode.
//
// Start-up records the start-up directory (the current directory, against which relative
// price-list names and default file names are resolved) and reads the command line. In export
// mode the price list is read from the database, written as a price-list file and the program
// ends with the export's exit code; no window is made. Otherwise the command line names the
// project to open (app/command_line.h) and the desktop program takes over; its window is not
// built yet, so the program says so and ends with exit code 2.
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "app/command_line.h"
#include "catalogue/catalogue_classes.h"
#include "catalogue/export_mode.h"
#include "platform/odbc/odbc_database.h"
#include "platform/qt/system_info_qt.h"

namespace {

std::string StartupDirectory()
{
    std::error_code error;
    const std::filesystem::path current = std::filesystem::current_path(error);
    return error ? std::string(".") : current.string();
}

int RunExportMode(const std::string& connection, const std::string& startupDirectory)
{
    belvo::OdbcDatabase database;
    belvo::QtSystemInfo system;
    belvo::ClassRegistry classes;
    belvo::RegisterCatalogueClasses(classes);
    const belvo::ExportOutcome outcome = belvo::RunExport(connection, database, startupDirectory, system, classes);
    // Export mode shows no message; a line on standard error tells a script's log what happened.
    if (outcome.status != belvo::kExportDone)
        std::fprintf(stderr, "belvo -export: %s\n", outcome.failure.c_str());
    return outcome.ExitCode();
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string startupDirectory = StartupDirectory();
    const belvo::CommandLine line = belvo::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (line.exportMode) return RunExportMode(line.connection, startupDirectory);

    const belvo::DesktopCommandLine desktop = belvo::ParseDesktopCommandLine(line.arguments);
    if (desktop.projectFile)
        std::fprintf(stderr, "belvo: cannot open %s: the desktop program is not built yet\n", desktop.projectFile->c_str());
    std::fprintf(stderr,
                 "belvo: the desktop program is not built yet; only the export mode is available:\n"
                 "  belvo -export CONNECTION   (for example: belvo -export \"DSN=Karno\")\n");
    return 2;
}
