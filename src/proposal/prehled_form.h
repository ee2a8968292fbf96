// CPrehledForm: everything the summary window of a proposal does, without its widgets. It owns
// the proposal the window shows, its two tables and totals (SummaryModel) and the project's
// header, and carries out every command of the window: the ended edit of a cell, "s DPH", the
// tab change, the rounding commands, the transport and message dialogs, saving into the
// project, the XML export, the HTML page, the print jobs of the report and of the table copy,
// and the question when a window with unsaved edits closes. The desktop window only shows the
// cells and texts and forwards what the user does.
//
// Every command that uses the proposal's numbers recomputes first, so it uses exactly what the
// tables show; the window ends any cell editing before it calls one.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "proposal/output_source.h"
#include "proposal/summary_model.h"

namespace belvo {

class CNavrh;
class FormModel;
class PagedDocument;
class SettingsStore;
class Shell;
class SystemInfo;
class Ui;

// What a summary window reaches of the project it was opened from.
struct SummaryProject {
    // Adds a copy of the proposal to the project's saved proposals (the document marks itself
    // modified and lists the copy under "Návrhy"). Not set: there is no project to save into.
    std::function<void(const CNavrh&)> saveCopy;
    // The full path of the project file; empty for a project never saved.
    std::function<std::string()> path;
};

struct PrehledEnvironment {
    Ui& ui;
    SettingsStore& settings;
    const SystemInfo& system;
    Shell& shell;
    // The directory the program started in, where a customer's "Logo.bmp" lives.
    std::string startupDirectory;
    SummaryProject project;
};

// The texts of the window besides its tables: titles, the price-list label, the currency of the
// number fields and the number fields themselves, as the last recompute left them.
struct PrehledTexts {
    std::string titulek;   // the window's title
    std::string formular;  // the form's own text: the title + " - formulář"
    std::string cenik;     // the price list's label up to its first "/"
    std::string mena;      // the currency of the price list
    std::string dph;       // VAT, 0 decimals
    std::string sleva;     // overall discount, 1 decimal
    std::string zbozi;     // goods weight (kg), 0 decimals
    std::string cenaZbozi;
    std::string ztrata;
    std::string obaly;     // pallet weight (kg), 0 decimals
    std::string cenaObalu;
    std::string cenaDopravy;
};

enum class SummaryTable { Items, Pallets };

class CPrehledForm {
public:
    // The tab of the item table ("materiál   ") and of the pallet table ("obaly   ").
    static constexpr int kItemTab = 0;
    static constexpr int kPalletTab = 1;

    // Reads the settings of the summary (colours, options, rounding categories) once, fills the
    // item table and splits fresh items into pallets and loose pieces.
    CPrehledForm(std::unique_ptr<CNavrh> navrh, ProjectHeader project, PrehledEnvironment environment);
    ~CPrehledForm();
    CPrehledForm(const CPrehledForm&) = delete;
    CPrehledForm& operator=(const CPrehledForm&) = delete;

    // The window opens: recompute, then round all rows when `automaticRounding` is requested (a
    // freshly computed proposal) and the settings ask for it. Opening is not an edit.
    void Otevri(bool automaticRounding);

    SummaryModel& Summary() { return m_summary; }
    const SummaryModel& Summary() const { return m_summary; }
    CNavrh& Navrh() { return *m_navrh; }
    const CNavrh& Navrh() const { return *m_navrh; }
    const ProjectHeader& Project() const { return m_project; }
    PrehledTexts Texts() const;

    // Whether cells, the transport or the message were changed since the window opened or the
    // proposal was last saved into the project.
    bool Upraveno() const { return m_upraveno; }

    // The user ended editing a cell: an editable cell takes the text as typed (it is parsed by
    // the recompute, which follows). False for a cell that cannot be edited; nothing changes then.
    bool UpravBunku(SummaryTable table, int row, int column, std::string text);
    // The check box "s DPH", followed by the recompute.
    void NastavSDPH(bool withVat);
    // The tab change recomputes, so the pallet table reflects the latest edits of the items.
    void ZmenaZalozky();

    // The rounding commands: those for all rows while the item tab is current, those for one row
    // only when the table's focused cell also lies in a row of 1 or more.
    static bool ZaokrouhleniVseMozne(int tab) { return tab == kItemTab; }
    static bool ZaokrouhleniPolozkyMozne(int tab, int row) { return tab == kItemTab && row >= 1; }
    void ZaokrouhliVse();
    void OdzaokrouhliVse();
    void ZaokrouhliPolozku(int row);
    void OdzaokrouhliPolozku(int row);

    // Shows a dialog's form model modally; true when the user confirmed it (the model saved).
    using DialogRunner = std::function<bool(FormModel&)>;
    // "Změna dopravy": the dialog "Doprava"; on OK its values go into the proposal, which
    // recomputes. "&Poselství": the dialog "Poselství"; OK stores the message.
    void ZmenaDopravy(const DialogRunner& run);
    void Poselstvi(const DialogRunner& run);

    // "&Uložit do projektu": recompute, ask for the name ("Návrh uložit pod jménem", filled
    // with Jmeno) and let the project add a copy; every save adds one more. True when saved.
    bool UlozDoProjektu();
    // "&Export do XML" (the last XML name shown by the outputs is remembered on success).
    void ExportDoXml();
    // "&do HTML" → "&Uložit": the page and its pictures into a file the user chooses, shown when
    // the settings ask for it. "&Zobrazit": into the temporary folder, then shown.
    void UlozHtml();
    void ZobrazHtml();

    // Print jobs, after the recompute. The report over what the tables show (`warnings`, when
    // given, is told about paper that is too small), and the table copy of the item table.
    std::unique_ptr<PagedDocument> Zprava(Ui* warnings);
    std::unique_ptr<PagedDocument> OpisTabulky();
    // "Uložit jako &PDF ...": the file the user chooses for the report's PDF, ".pdf" added when
    // the name has no extension; none when cancelled.
    std::optional<std::string> SouborPdf();

    // A window is about to close: without unsaved edits it may close at once; otherwise the user
    // is asked "Uložit návrh do projektu?": "Ano" saves into the project (the window closes only
    // when that saved), "Ne" drops the edits, "Storno" keeps the window open.
    bool MuzeZavrit();

private:
    // The texts of the editable item cells, to tell whether a command changed any.
    std::vector<std::string> EditableItemTexts() const;
    template <class Command>
    void RoundingCommand(Command&& command);
    // Writes the page and its pictures to `path`; false after the failure has been reported.
    bool WriteHtml(const std::string& path);
    void Show(const std::string& path);
    Separators NumberSeparators() const;

    std::unique_ptr<CNavrh> m_navrh;
    ProjectHeader m_project;
    PrehledEnvironment m_env;
    SummaryModel m_summary;
    bool m_upraveno = false;
};

}  // namespace belvo
