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
#include <vector>

#include "cli/cli_args.h"
#include "cli/cli_command.h"
#include "cli/cli_project.h"
#include "cli/cli_text.h"
#include "cli/cli_ui.h"
#include "cli/proposal_files.h"
#include "cli/proposal_output.h"
#include "foundation/errors.h"
#include "model/element.h"
#include "model/element_path.h"
#include "document/project_file.h"
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
    const std::vector<std::string> positional = ReadArguments(
        args, {Value("--element", options.element), Flag("--split-groups", options.splitGroups),
               Flag("--quick", options.quick), Value("--catalogue", options.catalogue),
               Value("--settings", options.settings), Flag("--round-all", options.roundAll),
               FormatOption(options.format), Value("--html", options.files.html), Value("--xml", options.files.xml),
               Value("--pdf", options.files.pdf), Value("--output", options.files.output)});
    options.project = OnlyArgument(positional, "project file");
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

    ProjectFile file = ReadCommandProject(options.project, options.catalogue, settings.get());
    CProjekt& projekt = FirstProject(file, options.project);

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
