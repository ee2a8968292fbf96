#include "cli/proposal_files.h"

#include <filesystem>
#include <memory>

#include <QGuiApplication>

#include "app/persistent_classes.h"
#include "foundation/errors.h"
#include "foundation/file_path.h"
#include "document/project_file.h"
#include "model/projekt.h"
#include "platform/qt/painter_canvas.h"
#include "platform/ui.h"
#include "proposal/html_files.h"
#include "proposal/html_page.h"
#include "proposal/navrh.h"
#include "proposal/output_lines.h"
#include "proposal/output_source.h"
#include "proposal/proposal_report.h"
#include "proposal/summary_model.h"
#include "proposal/xml_export.h"

namespace belvo::cli {

namespace {

// The batch tool's Ui, except that the file dialog answers with the file named on the command
// line.
class FileAnsweringUi : public Ui {
public:
    FileAnsweringUi(Ui& inner, std::string path) : m_inner(inner), m_path(std::move(path)) {}

    Answer Message(const std::string& text, const std::string& caption, MessageIcon icon,
                   MessageButtons buttons) override
    {
        return m_inner.Message(text, caption, icon, buttons);
    }
    std::optional<std::size_t> ChooseFromList(const std::string& title, const std::string& prompt,
                                              const std::vector<std::string>& lines,
                                              std::optional<std::size_t> preselected) override
    {
        return m_inner.ChooseFromList(title, prompt, lines, preselected);
    }
    std::optional<std::string> PromptText(const std::string& title, const std::string& prompt,
                                          const std::string& initial) override
    {
        return m_inner.PromptText(title, prompt, initial);
    }
    std::optional<std::string> OpenFileName(const std::string& title, const std::string& filter,
                                            const std::string& initialPath) override
    {
        return m_inner.OpenFileName(title, filter, initialPath);
    }
    std::optional<std::string> SaveFileName(const std::string&, const std::string&, const std::string&) override
    {
        return m_path;
    }
    std::optional<Credentials> AskCredentials(const std::string& where) override
    {
        return m_inner.AskCredentials(where);
    }
    void BeginWait() override { m_inner.BeginWait(); }
    void EndWait() override { m_inner.EndWait(); }

private:
    Ui& m_inner;
    std::string m_path;
};

std::string StartupDirectory()
{
    std::error_code error;
    const std::filesystem::path current = std::filesystem::current_path(error);
    return error ? std::string(".") : PathToUtf8(current);
}

}  // namespace

void WriteOutputFiles(const OutputFiles& files, SummaryModel& summary, ProjectFile& project,
                      const CProjekt& projekt, const std::string& projectPath, SettingsStore& settings,
                      Ui& ui)
{
    ProjectHeader header;
    header.name = projekt.Nazev;
    header.author = projekt.Autor;
    header.created = projekt.Vznik;
    OutputSource source = MakeOutputSource(summary, header);
    const std::string startup = StartupDirectory();

    if (files.xml) {
        std::error_code error;
        const std::filesystem::path absolute = std::filesystem::absolute(PathFromUtf8(projectPath), error);
        FileAnsweringUi answering(ui, *files.xml);
        XmlExportContext context{answering, settings, error ? projectPath : PathToUtf8(absolute), {}};
        if (files.output) {
            context.addCopyToProject = [&project](const CNavrh& navrh) {
                project.navrhy.push_back(std::make_unique<CNavrh>(navrh));
            };
        }
        if (!ExportXml(source, context)) throw FileError(*files.xml, "export do XML nebyl proveden");
        if (files.output) WriteProjectFile(*files.output, project, PersistentClasses());
    }

    const PrintOptions options = ReadPrintOptions(settings);
    if (files.html) WriteHtmlPage(*files.html, BuildHtmlPage(source, options), startup);
    if (files.pdf) {
        const std::unique_ptr<QGuiApplication> application = EnsureGuiApplication();
        ProposalReportJob report(source, settings, startup, &ui);
        WritePdf(*files.pdf, report);
    }
}

}  // namespace belvo::cli
