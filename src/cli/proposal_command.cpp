// belvo-cli proposal PROJECT.kar [--element PATH] [--split-groups] [--quick] [--catalogue FILE.dat]
//                    [--settings FILE.ini] [--round-all] [--format text|json]
//                    [--html FILE] [--xml FILE [--output OUT.kar]] [--pdf FILE]
// Computes the proposal of a project (or of one of its elements) as the desktop program's
// proposal commands do and shows it as the summary window would, as text or JSON.
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/persistent_classes.h"
#include "catalogue/price_list_file.h"
#include "cli/cli_command.h"
#include "cli/cli_text.h"
#include "cli/cli_ui.h"
#include "cli/proposal_files.h"
#include "cli/proposal_output.h"
#include "foundation/errors.h"
#include "model/element.h"
#include "model/element_path.h"
#include "model/project_file.h"
#include "model/projekt.h"
#include "platform/qt/qt_settings_store.h"
#include "platform/qt/system_info_qt.h"
#include "proposal/navrh.h"
#include "proposal/summary_model.h"
#include "proposal/summary_settings.h"
#include "proposal/vytvor_navrh.h"

namespace belvo::cli {

namespace {

struct ProposalOptions {
    std::string project;
    std::optional<std::string> element;
    bool splitGroups = false;
    bool quick = false;
    std::optional<std::string> catalogue;
    std::optional<std::string> settings;
    bool roundAll = false;
    OutputFormat format = OutputFormat::Text;
    OutputFiles files;
};

ProposalOptions ParseOptions(const std::vector<std::string>& args)
{
    ProposalOptions options;
    bool haveProject = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size()) throw UsageError(arg + " needs a value");
            return args[++i];
        };
        if (arg == "--element") {
            options.element = value();
        } else if (arg == "--split-groups") {
            options.splitGroups = true;
        } else if (arg == "--quick") {
            options.quick = true;
        } else if (arg == "--catalogue") {
            options.catalogue = value();
        } else if (arg == "--settings") {
            options.settings = value();
        } else if (arg == "--round-all") {
            options.roundAll = true;
        } else if (arg == "--format") {
            options.format = ParseOutputFormat(value());
        } else if (arg.starts_with("--format=")) {
            options.format = ParseOutputFormat(std::string_view(arg).substr(9));
        } else if (arg == "--html") {
            options.files.html = value();
        } else if (arg == "--xml") {
            options.files.xml = value();
        } else if (arg == "--pdf") {
            options.files.pdf = value();
        } else if (arg == "--output") {
            options.files.output = value();
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
    if (options.files.output && !options.files.xml)
        throw UsageError("--output saves the XML export's copy of the proposal and needs --xml");
    return options;
}

std::unique_ptr<QtSettingsStore> OpenSettings(const std::optional<std::string>& iniPath)
{
    if (!iniPath) return std::make_unique<QtSettingsStore>();
    std::error_code error;
    if (!std::filesystem::is_regular_file(*iniPath, error))
        throw FileError(*iniPath, "soubor nastavení neexistuje");
    auto store = std::make_unique<QtSettingsStore>(*iniPath);
    if (const std::string problem = store->Flush(); !problem.empty()) throw FileError(*iniPath, problem);
    return store;
}

}  // namespace

int RunProposal(const std::vector<std::string>& args)
{
    const ProposalOptions options = ParseOptions(args);
    std::unique_ptr<QtSettingsStore> settings = OpenSettings(options.settings);

    ProjectFile file;
    ReadProjectFile(options.project, PersistentClasses(), settings.get(), file);
    if (file.projekty.empty()) throw FileError(options.project, "soubor neobsahuje projekt");
    if (options.catalogue) {
        PriceList priceList = ReadPriceListFile(*options.catalogue, PersistentClasses());
        file.materials = std::move(priceList.materials);
    }
    CProjekt& projekt = *file.projekty.front();

    CPrvek* element = &projekt;
    if (options.element) {
        element = NajdiPrvekPodleCesty(projekt, *options.element);
        if (element == nullptr) throw UsageError("no element has the path \"" + *options.element + "\"");
    }

    const QtSystemInfo system;
    CliUi ui(std::cerr);
    CalcContext context{ui, *settings, system.NumberSeparators()};
    std::unique_ptr<CNavrh> navrh =
        VytvorNavrh(*element, projekt, file.materials, options.quick, options.splitGroups, system.Now(), context);

    SummaryModel summary(*navrh, ReadSummarySettings(*settings, navrh->Cenik), system.NumberSeparators(), ui);
    summary.Otevri(true);
    if (options.roundAll) summary.ZaokrouhliVse();

    WriteOutputFiles(options.files, summary, file, projekt, options.project, *settings, ui);

    if (options.format == OutputFormat::Json)
        WriteProposalJson(std::cout, summary, ui.Messages());
    else
        WriteProposalText(std::cout, summary);
    return kExitDone;
}

}  // namespace belvo::cli
