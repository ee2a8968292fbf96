// CBelvoDoc: the one open project with everything it is computed against. The document owns the
// current price list, the project tree (one CProjekt), the proposals saved into the project and
// the engine's model of the project tree view. It reads and writes the project file, carries out
// the project commands of the menus "Soubor" and "Zobrazit", and reaches the windows only
// through the interfaces of document_views.h, so all of it runs without a window.
//
// The desktop program makes one document for its whole run; "new" and "open" reuse it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "catalogue/price_list_context.h"
#include "catalogue/price_list_file.h"
#include "foundation/archive.h"
#include "document/document_views.h"
#include "model/tree_model.h"

namespace belvo {

class CNavrh;
class CProjekt;
class DocumentFormHost;
class FormHost;
class Shell;

// The texts of the document type: default title, file filter and extension.
inline constexpr const char* kDefaultDocumentTitle = "Bez jména";
inline constexpr const char* kProjectFileFilter = "Projekty Karno (*.kar);;Vše (*.*)";
inline constexpr const char* kProjectFileExtension = ".kar";

// The root item that lists the saved proposals, and its picture.
inline constexpr const char* kProposalsItemText = "Návrhy";
inline constexpr int kProposalsPicture = 2;

// What the document works with besides its windows.
struct DocumentEnvironment {
    Ui& ui;
    SettingsStore& settings;
    const SystemInfo& system;
    const ClassRegistry& classes;
    Shell& shell;
    HttpClient& http;
    // The maker's database for price lists of the source kind "db"; null where there is none.
    Database* database = nullptr;
    // The directory the program started in (UTF-8), against which the price-list files resolve.
    std::string startupDirectory;
};

class CBelvoDoc : public PriceListDocument {
public:
    CBelvoDoc(DocumentEnvironment environment, DocumentViews views);
    ~CBelvoDoc() override;
    CBelvoDoc(const CBelvoDoc&) = delete;
    CBelvoDoc& operator=(const CBelvoDoc&) = delete;

    // What the desktop program runs once, when it makes the document at start-up: brings the
    // price-list sections of the settings up to date and, when the program is newer than the
    // settings last confirmed, asks the user to review them in the settings dialog. False when
    // the user left that dialog other than with OK: the program then ends with exit code 1.
    bool PriSpusteni();

    // --- The project file ----------------------------------------------------------------------

    // Empties the document for "new" and "open": closes the open editor without asking, removes
    // every tree item, closes every summary window and destroys the projects and the saved
    // proposals. The price list stays.
    void DeleteContents();
    // A new project: the contents deleted, the remembered beam text emptied, the current price
    // list loaded as the settings choose it (the default one without asking), the tree set up
    // with a new project. Not modified.
    void OnNewDocument();
    // Reads the project file. The file is read completely before anything of the open project is
    // touched: a file that cannot be read is reported and the document stays as it was (its
    // project, price list, path and modified state). On success the document holds the file's
    // price list, project and proposals, is marked modified and has its tree set up; a price
    // list met for the first time is registered in the settings.
    bool OnOpenDocument(const std::string& path);
    // Writes the project file after the open editor agreed to close (it validates and saves its
    // fields). The file is replaced only when it has been written completely; a failure is
    // reported and leaves the old file as it was.
    bool OnSaveDocument(const std::string& path);
    // Before the document is closed or replaced: a modified document is saved without asking
    // when it has a path and Setup/"AutoSave" is not "N", otherwise the user is asked. False when
    // the close must stop (the user cancelled, or saving failed).
    bool SaveModified();

    // The commands of the menu "Soubor".
    bool OnFileNew();
    bool OnFileOpen();
    bool OnFileSave();
    bool OnFileSaveAs();

    const std::string& PathName() const { return m_pathName; }
    const std::string& Title() const { return m_title; }
    bool IsModified() const { return m_modified; }
    void SetModifiedFlag(bool modified = true) { m_modified = modified; }

    // --- The tree ------------------------------------------------------------------------------

    // Sets the tree up for the document's contents (a new project when there is none) and lets
    // the tree view finish once its window is ready.
    void NastavStrom();
    // An editing form has renamed its element: the item shows the new text.
    void PrejmenujPolozku(TreeItem item, std::string text);
    // The user has clicked `selected`: its editor opens when the open editor agrees to close;
    // otherwise the view beeps and `previous` is selected again.
    void ZmenaVyberu(TreeItem selected, TreeItem previous);

    ProjectTree& Tree() { return m_tree; }
    const ProjectTree& Tree() const { return m_tree; }
    TreeItem ProjectItem() const { return m_projectItem; }
    TreeItem ProposalsItem() const { return m_proposalsItem; }

    // --- Proposals (menu "Zobrazit") -----------------------------------------------------------

    // "Zobrazit požadovaný materiál - výběr" and its quick variant: the proposal of the selected
    // element, or a copy of the selected saved proposal.
    void OnPrehledVyber(bool quick);
    // "Zobrazit požadovaný materiál - celkem": the proposal of the whole project.
    void OnPrehledCelkem();
    // "Členit návrh po skupinách": toggles the split of proposals by groups (not stored).
    void OnClenitPoSkupinach() { m_splitByGroups = !m_splitByGroups; }
    bool ClenitPoSkupinach() const { return m_splitByGroups; }
    // Computes the proposal of the element of `item` and opens it in a new summary window.
    void VytvorNavrh(TreeItem item, bool quick);
    // Opens a copy of a saved proposal in a new summary window.
    void ZobrazUlozenyNavrh(const CNavrh& navrh);
    // "Uložit do projektu" of a summary window (and the XML export): a copy of the proposal is
    // appended to the saved proposals and shown under "Návrhy".
    void UlozNavrhDoProjektu(const CNavrh& navrh);

    // --- The price list ---------------------------------------------------------------------------
    // Each command that loads a price list waits for the open editor to agree to close, checks
    // the projects against the new price list afterwards and marks the document modified. A load that leaves the list empty (the file, the web or the database
    // failed; the user has been told) restores the price list the project had, so the project
    // never loses its price list to a failed load.

    // "Změna ceníku ...": the choice among the known price lists, then loading the chosen one.
    void OnZmenaCeniku();
    // "&Načíst ze souboru ...": the price list of the current label's section from a file.
    void OnNactiZeSouboru();
    // "Načíst z internetu": the price list of the current label's section from the web.
    void OnNactiZInternetu();
    // "Načíst z &databáze ...": the price list from a data source the user chooses.
    void OnNactiZDatabaze();
    // "Test z internetu": the update test of the current price list, and loading the newer one
    // when the user wants it in this project.
    void OnTestZInternetu();
    // "&Uložit do souboru ...": the current price list into a price-list file.
    void OnUlozCenik();
    // "Zobrazit ceník - materiál": the view of the current price list. Both are enabled while the
    // price list is not empty.
    void OnZobrazCenik();
    bool CenikNeniPrazdny() const { return !m_cenik.materials.empty(); }

    // What the price-list operations ask of the document.
    bool HasProject() const override { return !m_projekty.empty(); }
    void SetProjectCenikId(const std::string& cenikId) override;
    void RefreshMainForm() override;
    void OpenSettings(const std::string& section) override;

    // --- Other commands ------------------------------------------------------------------------

    // "&Nastaveni": the settings dialog with the connection text of the last database load.
    void OnSetup();
    // "K&alkulačka": the system calculator; a failure is dropped.
    void OnKalkulacka();

    // --- Contents ------------------------------------------------------------------------------

    // The first project; null before the tree is set up.
    CProjekt* Projekt() const;
    const std::vector<std::unique_ptr<CProjekt>>& Projekty() const { return m_projekty; }
    const std::vector<std::unique_ptr<CNavrh>>& Navrhy() const { return m_navrhy; }
    std::vector<std::unique_ptr<CNavrh>>& Navrhy() { return m_navrhy; }
    PriceList& Cenik() { return m_cenik; }
    const PriceList& Cenik() const { return m_cenik; }
    // The material text of the ceiling-beam element saved last; new beam elements start with it.
    const std::string& PametNosniku() const { return m_pametNosniku; }
    void SetPametNosniku(std::string text) { m_pametNosniku = std::move(text); }
    // The settings section of the current price list; "Setup" until one has been chosen.
    const std::string& PriceListSection() const { return m_priceListSection; }
    // The connection text of the last database load, offered by the settings dialog.
    const std::string& ConnectionText() const { return m_connection; }

    // What the editing forms of the tree's elements reach of the document.
    FormHost& Forms();

    Ui& GetUi() const { return m_env.ui; }
    SettingsStore& Settings() const { return m_env.settings; }
    const SystemInfo& System() const { return m_env.system; }
    // The directory the program started in (UTF-8).
    const std::string& StartupDirectory() const { return m_env.startupDirectory; }
    const ClassRegistry& Classes() const { return m_env.classes; }
    const DocumentViews& Views() const { return m_views; }

private:
    void SetPathName(const std::string& path);
    // "Návrhy" at the root after the project.
    TreeItem InsertProposalsItem();
    ProjectHeader Header() const;
    bool SaveAs();
    CenikKontext Kontext();
    // Runs a command that loads a price list: asks the open editor to close first, restores the
    // previous price list when the load leaves none, checks the projects against the result and
    // marks the document modified. A load the user stops (OperationCancelled) changes nothing.
    template <class Load>
    void LoadPriceList(Load&& load);

    DocumentEnvironment m_env;
    DocumentViews m_views;

    std::vector<std::unique_ptr<CProjekt>> m_projekty;
    std::vector<std::unique_ptr<CNavrh>> m_navrhy;
    PriceList m_cenik;
    std::string m_pametNosniku;
    TreeItem m_proposalsItem = kNoTreeItem;
    TreeItem m_projectItem = kNoTreeItem;
    bool m_splitByGroups = false;
    std::string m_connection;
    std::string m_priceListSection;
    ProjectTree m_tree;
    std::unique_ptr<DocumentFormHost> m_formHost;

    std::string m_pathName;
    std::string m_title;
    bool m_modified = false;
};

}  // namespace belvo
