// belvo: the desktop program and its non-interactive export mode.
//
// Start-up records the start-up directory (the current directory, against which relative
// price-list names and default file names are resolved) and reads the command line. In export
// mode the price list is read from the database, written as a price-list file and the program
// ends with the export's exit code; no window is made. Otherwise the desktop program starts: the
// document's start-up (settings tidy-up, new-version check, the project named on the command line
// or a new one), then the main window until the user closes it.
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include <QApplication>

#include "app/command_line.h"
#include "catalogue/catalogue_classes.h"
#include "catalogue/export_mode.h"
#include "gui/icons.h"
#include "gui/main/desktop_session.h"
#include "gui/main/project_tree_view.h"
#include "gui/main/startup_probe.h"
#include "gui/qt_text.h"
#include "gui/qt_ui.h"
#include "platform/odbc/odbc_database.h"
#include "platform/qt/qt_http_client.h"
#include "platform/qt/qt_settings_store.h"
#include "platform/qt/qt_shell.h"
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

int RunDesktop(int argc, char** argv, const std::string& startupDirectory)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Belvo");
    QApplication::setOrganizationName("Vexa");
    QApplication::setDesktopFileName("belvo");  // the installed desktop entry
    QApplication::setWindowIcon(belvo::gui::ProgramIcon());

    // Qt has taken its own switches (-platform, -style, …) out of the arguments.
    std::vector<std::string> arguments;
    const QStringList qtArguments = QApplication::arguments();
    for (qsizetype i = 1; i < qtArguments.size(); ++i) arguments.push_back(belvo::gui::Us(qtArguments[i]));
    const belvo::DesktopCommandLine line = belvo::ParseDesktopCommandLine(arguments);

    belvo::gui::QtUi ui;
    belvo::QtSettingsStore settings;
    belvo::QtSystemInfo system;
    belvo::QtShell shell;
    belvo::QtHttpClient http;
    belvo::OdbcDatabase database;
    belvo::gui::DesktopSession session(
        belvo::gui::SessionServices{ui, settings, system, shell, http, &database, startupDirectory});
    ui.SetFallbackParent(&session.Window());
    if (const std::optional<int> exit = session.Start(line)) return *exit;
    belvo::gui::InstallStartupProbe(*session.Window().Tree().viewport());
    session.Window().show();
    return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string startupDirectory = StartupDirectory();
    const belvo::CommandLine line = belvo::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (line.exportMode) return RunExportMode(line.connection, startupDirectory);
    return RunDesktop(argc, argv, startupDirectory);
}
