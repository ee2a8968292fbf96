#include "proposal/prehled_form.h"


#include "foundation/errors.h"
#include "foundation/file_path.h"
#include "platform/canvas.h"
#include "platform/report_failure.h"
#include "platform/shell.h"
#include "platform/system_info.h"
#include "platform/ui.h"
#include "proposal/doprava_form.h"
#include "proposal/html_files.h"
#include "proposal/html_page.h"
#include "proposal/navrh.h"
#include "proposal/output_lines.h"
#include "proposal/poselstvi_form.h"
#include "proposal/proposal_report.h"
#include "proposal/summary_settings.h"
#include "proposal/table_copy.h"
#include "proposal/vytvor_navrh.h"
#include "proposal/xml_export.h"
#include "settings/settings_keys.h"

namespace belvo {

namespace {

constexpr const char* kSaveOperation = "CPrehledForm::On_ID_SAVE";
constexpr const char* kSaveNameTitle = "Návrh uložit pod jménem";

// A file name as the user chose it, with `extension` added when it has none.
std::string WithExtension(std::string path, const char* extension)
{
    if (!PathFromUtf8(path).has_extension()) path += extension;
    return path;
}

}  // namespace

CPrehledForm::CPrehledForm(std::unique_ptr<CNavrh> navrh, ProjectHeader project, PrehledEnvironment environment)
    : m_navrh(std::move(navrh)),
      m_project(std::move(project)),
      m_env(std::move(environment)),
      m_summary(*m_navrh, ReadSummarySettings(m_env.settings, m_navrh->Cenik), m_env.system.NumberSeparators(),
                m_env.ui)
{
}

CPrehledForm::~CPrehledForm() = default;

Separators CPrehledForm::NumberSeparators() const { return m_summary.NumberSeparators(); }

void CPrehledForm::Otevri(bool automaticRounding)
{
    RunReporting(m_env.ui, "CPrehledForm::OnInitialUpdate", "Chyba", [&] { m_summary.Otevri(automaticRounding); });
}

PrehledTexts CPrehledForm::Texts() const
{
    const CNavrh& navrh = *m_navrh;
    const SummaryTotals& totals = m_summary.Totals();
    const Separators& separators = m_summary.NumberSeparators();
    const auto number = [&](const CCislo& value, int decimals) { return value.Format(separators, 0, decimals); };

    PrehledTexts texts;
    texts.titulek = navrh.Titulek;
    texts.formular = navrh.Titulek + " - formulář";
    texts.cenik = navrh.Cenik.substr(0, navrh.Cenik.find('/'));
    texts.mena = m_summary.Currency();
    texts.dph = number(navrh.DPH, 0);
    texts.sleva = number(navrh.SlevaVse, 1);
    texts.zbozi = number(totals.Zbozi, 0);
    texts.cenaZbozi = number(totals.CenaZbozi, 2);
    texts.ztrata = number(totals.Ztrata, 2);
    texts.obaly = number(totals.Obaly, 0);
    texts.cenaObalu = number(totals.CenaObalu, 2);
    texts.cenaDopravy = number(totals.CenaDopravy, 2);
    return texts;
}

// --- Editing ---------------------------------------------------------------------------------------

bool CPrehledForm::UpravBunku(SummaryTable table, int row, int column, std::string text)
{
    TableModel& cells = table == SummaryTable::Items ? m_summary.Items() : m_summary.Pallets();
    if (!cells.IsDataCell(row, column) || !cells.Cell(row, column).editable) return false;
    RunReporting(m_env.ui, "CPrehledForm::On_VM_VALIDATE", "Chyba", [&] {
        TableCell& cell = cells.Cell(row, column);
        if (cell.text != text) {
            cell.text = std::move(text);
            m_upraveno = true;
        }
        m_summary.Pocitej();
    });
    return true;
}

void CPrehledForm::NastavSDPH(bool withVat)
{
    RunReporting(m_env.ui, "CPrehledForm::On_VM_VALIDATE", "Chyba", [&] {
        m_summary.SetSDPH(withVat);
        m_summary.Pocitej();
    });
}

void CPrehledForm::ZmenaZalozky()
{
    RunReporting(m_env.ui, "CPrehledForm::On_TCN_SELCHANGE", "Chyba", [&] { m_summary.Pocitej(); });
}

std::vector<std::string> CPrehledForm::EditableItemTexts() const
{
    const TableModel& items = m_summary.Items();
    std::vector<std::string> texts;
    texts.reserve(static_cast<std::size_t>(items.LastRow()) * 2);
    for (int row = 1; row <= items.LastRow(); ++row) {
        texts.push_back(items.Text(row, SummaryModel::kPalet));
        texts.push_back(items.Text(row, SummaryModel::kPlusKs));
    }
    return texts;
}

template <class Command>
void CPrehledForm::RoundingCommand(Command&& command)
{
    // A rounding that changed the pallets or pieces of a row is an edit of the proposal.
    const std::vector<std::string> before = EditableItemTexts();
    command();
    if (EditableItemTexts() != before) m_upraveno = true;
}

void CPrehledForm::ZaokrouhliVse()
{
    RoundingCommand([&] { m_summary.ZaokrouhliVse(); });
}

void CPrehledForm::OdzaokrouhliVse()
{
    RoundingCommand([&] { m_summary.OdzaokrouhliVse(); });
}

void CPrehledForm::ZaokrouhliPolozku(int row)
{
    RoundingCommand([&] { m_summary.ZaokrouhliPolozku(row); });
}

void CPrehledForm::OdzaokrouhliPolozku(int row)
{
    RoundingCommand([&] { m_summary.OdzaokrouhliPolozku(row); });
}

// --- Dialogs ---------------------------------------------------------------------------------------

void CPrehledForm::ZmenaDopravy(const DialogRunner& run)
{
    RunReporting(m_env.ui, kSaveOperation, "Chyba", [&] {
        CNavrh& navrh = *m_navrh;
        const CCislo km = navrh.DopravaKm;
        const CCislo rate = navrh.DopravaCenaKm;
        const CCislo price = navrh.DopravaCena;
        DopravaForm form(navrh, m_summary.Currency(), m_env.ui, NumberSeparators());
        if (!run(form)) return;
        if (!navrh.DopravaKm.SameAs(km) || !navrh.DopravaCenaKm.SameAs(rate) || !navrh.DopravaCena.SameAs(price))
            m_upraveno = true;
        m_summary.Pocitej();
    });
}

void CPrehledForm::Poselstvi(const DialogRunner& run)
{
    RunReporting(m_env.ui, "CPrehledForm::On_ID_Poselstvi", "Chyba", [&] {
        const std::string before = m_navrh->Poselstvi;
        PoselstviForm form(*m_navrh, m_env.ui, NumberSeparators());
        if (run(form) && m_navrh->Poselstvi != before) m_upraveno = true;
    });
}

// --- Saving and the outputs ------------------------------------------------------------------------

bool CPrehledForm::UlozDoProjektu()
{
    bool saved = false;
    RunReporting(m_env.ui, kSaveOperation, "Chyba", [&] {
        m_summary.Pocitej();
        const std::optional<std::string> name = m_env.ui.PromptText(kSaveNameTitle, "Jméno návrhu", m_navrh->Jmeno);
        if (!name) return;
        if (!m_env.project.saveCopy) throw BelvoError("Návrh nelze uložit: okno nepatří k žádnému projektu.");
        m_navrh->Nazev = *name;
        m_env.project.saveCopy(*m_navrh);
        m_upraveno = false;
        saved = true;
    });
    return saved;
}

void CPrehledForm::ExportDoXml()
{
    RunReporting(m_env.ui, "CPrehledForm::On_ID_ExportXml", "Chyba", [&] {
        m_summary.Pocitej();
        OutputSource source = MakeOutputSource(m_summary, m_project);
        XmlExportContext context{m_env.ui, m_env.settings, m_env.project.path ? m_env.project.path() : std::string(),
                                 m_env.project.saveCopy};
        if (ExportXml(source, context)) m_project.lastXmlName = source.project.lastXmlName;
    });
}

bool CPrehledForm::WriteHtml(const std::string& path)
{
    try {
        const std::string page = BuildHtmlPage(MakeOutputSource(m_summary, m_project), ReadPrintOptions(m_env.settings));
        WriteHtmlPage(path, page, m_env.startupDirectory);
        return true;
    } catch (const std::exception& failure) {
        ReportOwnMessage(m_env.ui, failure);
        return false;
    }
}

void CPrehledForm::Show(const std::string& path)
{
    if (!m_env.shell.OpenInViewer(path))
        m_env.ui.Message("Stránku " + path + " nelze zobrazit.", "Chyba", MessageIcon::Warning);
}

void CPrehledForm::UlozHtml()
{
    m_summary.Pocitej();
    const std::optional<std::string> chosen =
        m_env.ui.SaveFileName("Uložit HTML", "Stránky HTML (*.html)", DefaultHtmlFileName(m_project.name));
    if (!chosen || chosen->empty()) return;
    const std::string path = WithExtension(*chosen, ".html");
    if (!WriteHtml(path)) return;
    if (ReadFlag(m_env.settings, keys::ZobrazitHtml)) Show(path);
}

void CPrehledForm::ZobrazHtml()
{
    m_summary.Pocitej();
    const std::string path = PathToUtf8(PathFromUtf8(m_env.system.TempDirectory()) / "Belvo.html");
    if (WriteHtml(path)) Show(path);
}

std::unique_ptr<PagedDocument> CPrehledForm::Zprava(Ui* warnings)
{
    m_summary.Pocitej();
    return std::make_unique<ProposalReportJob>(MakeOutputSource(m_summary, m_project), m_env.settings,
                                               m_env.startupDirectory, warnings);
}

std::unique_ptr<PagedDocument> CPrehledForm::OpisTabulky()
{
    m_summary.Pocitej();
    return std::make_unique<TableCopy>(m_summary.Items(), FormatDatumNavrhu(m_env.system.Now()));
}

std::optional<std::string> CPrehledForm::SouborPdf()
{
    m_summary.Pocitej();
    std::string suggested = m_navrh->Jmeno.empty() ? std::string("Návrh") : m_navrh->Jmeno;
    for (char& c : suggested)
        if (c == '/' || c == '\\' || c == '\n') c = '-';
    const std::optional<std::string> chosen =
        m_env.ui.SaveFileName("Uložit jako PDF", "Dokumenty PDF (*.pdf)", suggested + ".pdf");
    if (!chosen || chosen->empty()) return std::nullopt;
    return WithExtension(*chosen, ".pdf");
}

bool CPrehledForm::MuzeZavrit()
{
    if (!m_upraveno) return true;
    switch (m_env.ui.Message("Uložit návrh do projektu?", kApplicationTitle, MessageIcon::Question,
                             MessageButtons::YesNoCancel)) {
    case Answer::Yes: return UlozDoProjektu();
    case Answer::No: return true;
    default: return false;
    }
}

}  // namespace belvo
