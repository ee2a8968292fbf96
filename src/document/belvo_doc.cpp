#include "document/belvo_doc.h"

#include "document/document_forms.h"
#include "settings/settings_keys.h"
#include "catalogue/price_list_loading.h"
#include "foundation/file_path.h"
#include "platform/report_failure.h"
#include "document/project_file.h"
#include "model/projekt.h"
#include "document/startup_settings.h"
#include "settings/settings_store.h"
#include "platform/shell.h"
#include "platform/system_info.h"
#include "platform/ui.h"
#include "proposal/navrh.h"
#include "proposal/vytvor_navrh.h"

namespace belvo {

namespace {
constexpr const char* kPrehledOperation = "CBelvoDoc::OnPrehled";
constexpr const char* kSetupOperation = "CBelvoDoc::OnSetup";
}  // namespace

CBelvoDoc::CBelvoDoc(DocumentEnvironment environment, DocumentViews views)
    : m_env(environment), m_views(views), m_priceListSection(kSetupSection), m_title(kDefaultDocumentTitle)
{
    m_tree.SetNumberSeparators(m_env.system.NumberSeparators());
    m_formHost = std::make_unique<DocumentFormHost>(*this);
}

CBelvoDoc::~CBelvoDoc() = default;

bool CBelvoDoc::PriSpusteni()
{
    TidyPriceListSections(m_env.settings);
    if (!NewVersionCheckFires(m_env.settings)) return true;
    m_env.ui.Message(kNewVersionText, kNewVersionCaption, MessageIcon::Information);
    return m_views.dialogs.ShowSettings("", m_connection);
}

// --- The project file ----------------------------------------------------------------------------

void CBelvoDoc::DeleteContents()
{
    m_views.mainForm.CloseEditor();
    m_tree.DeleteAll();
    m_projectItem = kNoTreeItem;
    m_proposalsItem = kNoTreeItem;
    m_views.summaries.CloseAll();
    m_projekty.clear();
    m_navrhy.clear();
}

void CBelvoDoc::OnNewDocument()
{
    DeleteContents();
    m_pametNosniku.clear();
    m_pathName.clear();
    m_title = kDefaultDocumentTitle;
    CenikKontext kontext = Kontext();
    try {
        m_priceListSection = NactiAktualniCenik(kontext, true);
    } catch (const OperationCancelled&) {
        // The user stopped the import or the download: the new project gets the price list
        // that was loaded before.
    }
    m_modified = false;
    NastavStrom();
}

bool CBelvoDoc::OnOpenDocument(const std::string& path)
{
    // Read the whole file aside first: a file that fails leaves the open project untouched.
    ProjectFile file;
    try {
        WaitCursor wait(m_env.ui);
        ReadProjectFile(path, m_env.classes, &m_env.settings, file);
    } catch (const std::exception& failure) {
        ReportOwnMessage(m_env.ui, failure);
        return false;
    }

    DeleteContents();
    m_cenik.CenikId = std::move(file.CenikId);
    m_cenik.materials = std::move(file.materials);
    m_projekty = std::move(file.projekty);
    m_navrhy = std::move(file.navrhy);
    m_pametNosniku.clear();
    SetPathName(path);
    // A document just opened counts as modified.
    m_modified = true;
    CenikKontext kontext = Kontext();
    RegistrujCenik(kontext, kRegisterNoSource, "");
    NastavStrom();
    return true;
}

bool CBelvoDoc::OnSaveDocument(const std::string& path)
{
    if (!m_views.mainForm.MayCloseEditor()) return false;
    try {
        WaitCursor wait(m_env.ui);
        WriteProjectFile(path, ProjectFileParts{m_cenik.CenikId, m_cenik.materials, m_projekty, m_navrhy},
                         m_env.classes);
    } catch (const std::exception& failure) {
        ReportOwnMessage(m_env.ui, failure);
        return false;
    }
    SetPathName(path);
    m_modified = false;
    return true;
}

bool CBelvoDoc::SaveModified()
{
    if (!m_modified) return true;
    if (!m_pathName.empty() && ReadFlag(m_env.settings, keys::AutoSave)) {
        if (OnSaveDocument(m_pathName)) return true;
        m_env.ui.Message("Soubor " + m_pathName + " se nepovedlo uložit", "chyba", MessageIcon::Error);
        return false;
    }
    const std::string name = !m_pathName.empty() ? m_pathName : !m_title.empty() ? m_title : "Untitled";
    switch (m_env.ui.Message("Uložit změny do \"" + name + "\" ?", kApplicationTitle, MessageIcon::Warning,
                             MessageButtons::YesNoCancel)) {
    case Answer::Yes: return OnFileSave();
    case Answer::No: return true;
    default: return false;
    }
}

bool CBelvoDoc::OnFileNew()
{
    // The summary windows first: saving one of them into the project modifies the project.
    if (!m_views.summaries.QueryCloseAll()) return false;
    if (!SaveModified()) return false;
    OnNewDocument();
    return true;
}

bool CBelvoDoc::OnFileOpen()
{
    const std::optional<std::string> path = m_env.ui.OpenFileName("Otevřít", kProjectFileFilter, "");
    if (!path) return false;
    if (!m_views.summaries.QueryCloseAll()) return false;
    if (!SaveModified()) return false;
    return OnOpenDocument(*path);
}

bool CBelvoDoc::OnFileSave()
{
    if (m_pathName.empty()) return SaveAs();
    return OnSaveDocument(m_pathName);
}

bool CBelvoDoc::OnFileSaveAs() { return SaveAs(); }

bool CBelvoDoc::SaveAs()
{
    std::optional<std::string> path = m_env.ui.SaveFileName("Uložit jako", kProjectFileFilter,
                                                            m_pathName.empty() ? m_title : m_pathName);
    if (!path || path->empty()) return false;
    if (!PathFromUtf8(*path).has_extension()) *path += kProjectFileExtension;
    return OnSaveDocument(*path);
}

void CBelvoDoc::SetPathName(const std::string& path)
{
    m_pathName = path;
    m_title = PathToUtf8(PathFromUtf8(path).filename());
}

// --- The tree --------------------------------------------------------------------------------------

void CBelvoDoc::NastavStrom()
{
    if (m_projekty.empty()) {
        std::unique_ptr<CProjekt> projekt = CProjekt::Novy(m_env.settings, m_env.system);
        projekt->CenikId = m_cenik.CenikId;
        projekt->NactiVychozi(m_env.settings, m_priceListSection);
        m_projekty.insert(m_projekty.begin(), std::move(projekt));
        m_tree.Select(m_projekty.front()->VlozDoStromu(m_tree, kNoTreeItem));
    } else {
        for (const auto& projekt : m_projekty)
            if (projekt->VlozDoStromu(m_tree, kNoTreeItem) == kNoTreeItem)
                m_env.ui.Message("Chyba načítání dokumentu", "Chyba", MessageIcon::Error);
        m_tree.Select(m_projekty.front()->hItem);
    }
    m_projectItem = m_projekty.front()->hItem;

    m_proposalsItem = kNoTreeItem;
    if (!m_navrhy.empty()) {
        m_proposalsItem = InsertProposalsItem();
        for (const auto& navrh : m_navrhy) navrh->VlozDoStromu(m_tree, m_proposalsItem);
    }
    m_views.treeView.FinishSetup();
}

TreeItem CBelvoDoc::InsertProposalsItem()
{
    return m_tree.Insert(kNoTreeItem, kProposalsItemText, kProposalsPicture, nullptr, m_projectItem);
}

void CBelvoDoc::PrejmenujPolozku(TreeItem item, std::string text)
{
    m_tree.SetText(item, std::move(text));
    m_views.treeView.Redraw();
}

void CBelvoDoc::ZmenaVyberu(TreeItem selected, TreeItem previous)
{
    if (!m_views.mainForm.MayCloseEditor()) {
        m_views.treeView.Beep();
        m_tree.Select(previous);
        return;
    }
    if (CObject* object = m_tree.Data(selected))
        m_views.mainForm.OpenEditor(*object);
    else
        m_views.mainForm.CloseEditor();
}

// --- Proposals -------------------------------------------------------------------------------------

void CBelvoDoc::OnPrehledVyber(bool quick)
{
    if (!m_views.mainForm.MayCloseEditor()) return;
    RunReporting(m_env.ui, kPrehledOperation, "Chyba", [&] {
        const TreeItem selected = m_tree.Selected();
        if (selected == kNoTreeItem) return;
        const TreeItem top = m_tree.TopLevelAncestor(selected);
        if (top == m_projectItem) {
            VytvorNavrh(selected, quick);
        } else if (top == m_proposalsItem) {
            if (const auto* navrh = dynamic_cast<const CNavrh*>(m_tree.Data(selected))) ZobrazUlozenyNavrh(*navrh);
        }
    });
}

void CBelvoDoc::OnPrehledCelkem()
{
    if (!m_views.mainForm.MayCloseEditor()) return;
    RunReporting(m_env.ui, kPrehledOperation, "Chyba", [&] { VytvorNavrh(m_projectItem, false); });
}

void CBelvoDoc::VytvorNavrh(TreeItem item, bool quick)
{
    auto* element = dynamic_cast<CPrvek*>(m_tree.Data(item));
    CProjekt* projekt = Projekt();
    if (element == nullptr || projekt == nullptr) return;

    std::unique_ptr<CNavrh> navrh;
    {
        WaitCursor wait(m_env.ui);
        CalcContext context{m_env.ui, m_env.settings, m_env.system.NumberSeparators()};
        navrh = belvo::VytvorNavrh(*element, *projekt, m_cenik.materials, quick, m_splitByGroups,
                                   m_env.system.Now(), context);
    }
    m_views.summaries.Open(SummaryRequest{std::move(navrh), Header(), true, false});
}

void CBelvoDoc::ZobrazUlozenyNavrh(const CNavrh& navrh)
{
    m_views.summaries.Open(SummaryRequest{std::make_unique<CNavrh>(navrh), Header(), false, true});
}

void CBelvoDoc::UlozNavrhDoProjektu(const CNavrh& navrh)
{
    m_modified = true;
    auto copy = std::make_unique<CNavrh>(navrh);
    if (m_proposalsItem == kNoTreeItem) m_proposalsItem = InsertProposalsItem();
    copy->VlozDoStromu(m_tree, m_proposalsItem);
    m_navrhy.push_back(std::move(copy));
    m_views.treeView.Redraw();
}

ProjectHeader CBelvoDoc::Header() const
{
    ProjectHeader header;
    if (const CProjekt* projekt = Projekt()) {
        header.name = projekt->Nazev;
        header.author = projekt->Autor;
        header.created = projekt->Vznik;
    }
    return header;
}

// --- Other commands --------------------------------------------------------------------------------

void CBelvoDoc::OnSetup()
{
    RunReporting(m_env.ui, kSetupOperation, "Chyba", [&] { m_views.dialogs.ShowSettings("", m_connection); });
}

void CBelvoDoc::OnKalkulacka()
{
    try {
        m_env.shell.StartCalculator();
    } catch (...) {
        // The calculator is a convenience; a failure to start it is not worth a message.
    }
}

FormHost& CBelvoDoc::Forms() { return *m_formHost; }

CProjekt* CBelvoDoc::Projekt() const { return m_projekty.empty() ? nullptr : m_projekty.front().get(); }

}  // namespace belvo
