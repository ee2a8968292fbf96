// belvo-cli import-allplan FILE.csv PROJECT.kar [--output OUT.kar]
// Imports an Allplan part list into a project as the desktop program's "Allplan (csv)" command
// does with nothing selected: the new group goes at the end of the project, matched against the
// project's own price list. The lines that matched nothing are printed, one a line.
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "app/persistent_classes.h"
#include "cli/cli_args.h"
#include "cli/cli_command.h"
#include "cli/cli_project.h"
#include "import/allplan_csv.h"
#include "document/project_file.h"
#include "model/projekt.h"
#include "model/skupina.h"
#include "platform/qt/system_info_qt.h"

namespace belvo::cli {

namespace {

struct ImportOptions {
    std::string csv;
    std::string project;
    std::optional<std::string> output;
};

ImportOptions ParseOptions(const std::vector<std::string>& args)
{
    ImportOptions options;
    const std::vector<std::string> files = ReadArguments(args, {Value("--output", options.output)});
    if (files.size() != 2) throw UsageError("give the part list and the project file");
    options.csv = files[0];
    options.project = files[1];
    return options;
}

// The report keeps each line on a line of its own: control characters become spaces.
void PrintLines(std::ostream& out, const std::string& report)
{
    std::size_t start = 0;
    while (start < report.size()) {
        std::size_t end = report.find("\r\n", start);
        if (end == std::string::npos) end = report.size();
        std::string line = report.substr(start, end - start);
        for (char& c : line)
            if ((static_cast<unsigned char>(c) < 0x20 && c != '\t') || c == 0x7F) c = ' ';
        out << line << '\n';
        start = end + 2;
    }
}

}  // namespace

int RunImportAllplan(const std::vector<std::string>& args)
{
    const ImportOptions options = ParseOptions(args);
    ProjectFile file = ReadCommandProject(options.project, std::nullopt, nullptr);
    CProjekt& projekt = FirstProject(file, options.project);

    AllplanImport imported = ImportujAllplan(options.csv, file.materials, QtSystemInfo().NumberSeparators());
    projekt.Prvky.push_back(std::move(imported.skupina));
    WriteProjectFile(options.output.value_or(options.project), file, PersistentClasses());

    PrintLines(std::cout, imported.nezpracovane);
    return kExitDone;
}

}  // namespace belvo::cli
