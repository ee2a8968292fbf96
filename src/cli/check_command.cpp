// belvo-cli check PROJECT.kar [--catalogue FILE.dat]: the report of the materials that the
// project's elements name and the price list lacks; exit code 1 when there are any.
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_args.h"
#include "cli/cli_command.h"
#include "cli/cli_project.h"
#include "cli/cli_text.h"
#include "model/element.h"
#include "document/project_file.h"
#include "model/projekt.h"
#include "document/test_ceniku.h"
#include "platform/qt/system_info_qt.h"
#include "proposal/navrh.h"

namespace belvo::cli {

namespace {

struct CheckOptions {
    std::string project;
    std::optional<std::string> catalogue;
};

CheckOptions ParseOptions(const std::vector<std::string>& args)
{
    CheckOptions options;
    options.project = OnlyArgument(ReadArguments(args, {Value("--catalogue", options.catalogue)}), "project file");
    return options;
}

}  // namespace

int RunCheck(const std::vector<std::string>& args)
{
    const CheckOptions options = ParseOptions(args);
    ProjectFile file = ReadCommandProject(options.project, options.catalogue, nullptr);

    const std::vector<CChybiMaterial> missing =
        ChybejiciMaterial(file.projekty, file.materials, QtSystemInfo().NumberSeparators());
    if (missing.empty()) return kExitDone;

    std::cout << "položka\tobj.č.\tmateriál\tnadpoložky\n";
    for (const CChybiMaterial& record : missing)
        std::cout << TabCell(record.Polozka) << '\t' << TabCell(record.ObjCislo) << '\t' << TabCell(record.Material) << '\t'
                  << TabCell(record.Nadpolozky) << '\n';
    return kExitFound;
}

}  // namespace belvo::cli
