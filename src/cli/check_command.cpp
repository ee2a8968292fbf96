// belvo-cli check PROJECT.kar [--catalogue FILE.dat]: the report of the materials that the
// project's elements name and the price list lacks; exit code 1 when there are any.
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/persistent_classes.h"
#include "catalogue/price_list_file.h"
#include "cli/cli_command.h"
#include "cli/cli_text.h"
#include "model/element.h"
#include "model/project_file.h"
#include "model/projekt.h"
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
    bool haveProject = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--catalogue") {
            if (i + 1 >= args.size()) throw UsageError("--catalogue needs a value");
            options.catalogue = args[++i];
        } else if (arg.starts_with("-") && arg != "-") {
            throw UsageError("unknown option \"" + arg + "\"");
        } else if (haveProject) {
            throw UsageError("more than one project file given");
        } else {
            options.project = arg;
            haveProject = true;
        }
    }
    if (!haveProject) throw UsageError("no project file given");
    return options;
}

}  // namespace

int RunCheck(const std::vector<std::string>& args)
{
    const CheckOptions options = ParseOptions(args);
    ProjectFile file;
    ReadProjectFile(options.project, PersistentClasses(), nullptr, file);
    if (options.catalogue) {
        PriceList priceList = ReadPriceListFile(*options.catalogue, PersistentClasses());
        file.materials = std::move(priceList.materials);
    }

    const Separators separators = QtSystemInfo().NumberSeparators();
    std::vector<CChybiMaterial> missing;
    for (const auto& projekt : file.projekty) projekt->KontrolaCeniku(missing, "", file.materials, separators);
    if (missing.empty()) return kExitDone;

    std::cout << "položka\tobj.č.\tmateriál\tnadpoložky\n";
    for (const CChybiMaterial& record : missing)
        std::cout << TabCell(record.Polozka) << '\t' << TabCell(record.ObjCislo) << '\t' << TabCell(record.Material) << '\t'
                  << TabCell(record.Nadpolozky) << '\n';
    return kExitFound;
}

}  // namespace belvo::cli
