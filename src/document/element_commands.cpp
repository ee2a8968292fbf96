#include "document/element_commands.h"

#include <algorithm>
#include <array>
#include <functional>
#include <stdexcept>

#include "catalogue/material_codes.h"
#include "foundation/archive_copy.h"
#include "platform/report_failure.h"
#include "import/allplan_csv.h"
#include "materials/cihly.h"
#include "materials/delka.h"
#include "materials/dlazba.h"
#include "materials/kusy.h"
#include "materials/pasky.h"
#include "materials/strop.h"
#include "materials/tvarovky.h"
#include "document/belvo_doc.h"
#include "model/projekt.h"
#include "model/skupina.h"
#include "platform/system_info.h"
#include "platform/ui.h"
#include "proposal/navrh.h"
#include "walls/zed.h"

namespace belvo {

namespace {

constexpr std::array<InsertCommandInfo, 21> kInsertCommands{{
    {InsertCommand::Skupina, "S&kupinu", std::nullopt, "InsertSkupina"},
    {InsertCommand::Zed, "&Zeď", kSkupinaCihly, "InsertZed"},
    {InsertCommand::Cihly, "cihly", kSkupinaCihly, "InsertCihly"},
    {InsertCommand::Vencovky, "věncovky", kSkupinaVencovky, "InsertPreklad"},
    {InsertCommand::ObkladovePasky, "obkladové pásky", kSkupinaObkladovePasky, "InsertObkladovaPaska"},
    {InsertCommand::OkrasneTvarovky, "okrasné tvarovky", kSkupinaTvarovky, "InsertTvarovka"},
    {InsertCommand::Trativodky, "trativodky (drenážky)", kSkupinaTrativodky, "InsertTrativodka"},
    {InsertCommand::Dlazby, "dlažby", kSkupinaDlazby, "InsertDlazba"},
    {InsertCommand::StropniNosniky, "stropní nosníky Dorvik", kSkupinaStropniNosniky, "InsertDorvik"},
    {InsertCommand::StropniVlozky, "stropní vložky", kSkupinaStropniVlozky, "InsertVlozka"},
    {InsertCommand::StropniPanely, "keramické stropní panely Karno", kSkupinaStropniPanely, "InsertStrop"},
    {InsertCommand::Vyztuze, "výztuže", kSkupinaVyztuze, "InsertVýztuže"},
    {InsertCommand::Kotvy, "kotvy", kSkupinaKotvy, "InsertKotva"},
    {InsertCommand::Preklady, "překlady", kSkupinaPreklady, "InsertPreklad"},
    {InsertCommand::RoletovePreklady, "cihelné roletové překlady", kSkupinaRoletovePreklady,
     "InsertRoletovaSchranka"},
    {InsertCommand::Polystyreny, "polystyreny", kSkupinaPolystyreny, "InsertPolyPreklady"},
    {InsertCommand::MaltyAOmitky, "malty a omítky", kSkupinaMaltyOmitky, "InsertMalta"},
    {InsertCommand::VsechnyPolozky, "všechny ceníkové položky", std::nullopt, "InsertCenikKusy"},
    {InsertCommand::Hurdis, "stropní system hurdis", kSkupinaHurdis, "InsertHurdis"},
    {InsertCommand::PlotovaStriska, "plotová stříška", kSkupinaPlotoveStrisky, "InsertPlotniStriska"},
    {InsertCommand::SalovaciDesky, "šalovací desky", kSkupinaSalovaciDesky, "InsertSalovaciDeska"},
}};

constexpr bool TableFollowsEnumeration()
{
    for (std::size_t i = 0; i < kInsertCommands.size(); ++i)
        if (static_cast<std::size_t>(kInsertCommands[i].command) != i) return false;
    return true;
}
static_assert(TableFollowsEnumeration());

template <class T>
std::unique_ptr<CPrvek> Named(std::unique_ptr<T> element, const char* nazev)
{
    element->Nazev = nazev;
    return element;
}

// The wall of a new copy: the construction of `original`, everything else as in a new wall.
std::unique_ptr<CZed> KopieKonstrukce(const CZed& original, const ClassRegistry& classes)
{
    auto zed = std::make_unique<CZed>();
    zed->Sirka = original.Sirka;
    zed->Vyska = original.Vyska;
    zed->MaterialText = original.MaterialText;
    zed->ObjCislo = original.ObjCislo;
    zed->Otoceni = original.Otoceni;
    zed->Skladba = original.Skladba;
    zed->TeplaMalta = original.TeplaMalta;
    zed->ZaklMalta = original.ZaklMalta;
    zed->Omitka = original.Omitka;
    zed->Rohy = original.Rohy;
    zed->SarePerlit = original.SarePerlit;
    zed->Sokl = original.Sokl;
    zed->SoklStarySirka = original.SoklStarySirka;
    zed->SoklStaryText = original.SoklStaryText;
    zed->SoklStaryObjCislo = original.SoklStaryObjCislo;
    zed->SoklStaryOtoceni = original.SoklStaryOtoceni;
    for (const auto& sokl : original.Sokly) zed->Sokly.push_back(CopyThroughArchive(*sokl, &classes));
    return zed;
}

struct Kontejner {
    CPrvek& prvek;
    TreeItem item;
};

// The element that takes a new one: the container of the selection, or the project when nothing
// in the project is selected.
Kontejner KontejnerVyberu(CBelvoDoc& doc)
{
    const ProjectTree& tree = doc.Tree();
    const TreeItem item = NajdiKontejner(tree, tree.Selected());
    if (auto* container = dynamic_cast<CPrvek*>(tree.Data(item))) return {*container, item};
    CProjekt* projekt = doc.Projekt();
    if (projekt == nullptr) throw std::logic_error("the document holds no project");
    return {*projekt, doc.ProjectItem()};
}

// The insert procedure shared by every insert command and the copy of a wall.
void VlozPrvek(CBelvoDoc& doc, const char* operation, const std::function<std::unique_ptr<CPrvek>()>& make)
{
    doc.SetModifiedFlag();
    const DocumentViews& views = doc.Views();
    if (!views.mainForm.MayCloseEditor()) return;
    RunReporting(doc.GetUi(), operation, "Chyba", [&] {
        ProjectTree& tree = doc.Tree();
        const auto [container, containerItem] = KontejnerVyberu(doc);

        std::unique_ptr<CPrvek> element = make();
        CPrvek& added = *element;
        container.Prvky.push_back(std::move(element));
        const TreeItem item = added.VlozDoStromu(tree, containerItem);
        if (item == kNoTreeItem) return;
        views.treeView.Redraw();
        tree.Select(item);
        added.hItem = item;
        views.mainForm.OpenEditor(added);
    });
}

}  // namespace

std::span<const InsertCommandInfo> InsertCommands() { return kInsertCommands; }

const InsertCommandInfo& InsertCommandDescription(InsertCommand command)
{
    return kInsertCommands.at(static_cast<std::size_t>(command));
}

std::unique_ptr<CPrvek> NovyPrvek(InsertCommand command, const std::string& pametNosniku)
{
    switch (command) {
    case InsertCommand::Skupina: return std::make_unique<CSkupina>();
    case InsertCommand::Zed: return std::make_unique<CZed>();
    case InsertCommand::Cihly: return Named(std::make_unique<CCihly>(), "Cihly");
    case InsertCommand::Vencovky:
        return Named(std::make_unique<CDelka>(kSkupinaVencovky, kObrazekVencovky), "Věncovky");
    case InsertCommand::ObkladovePasky: return std::make_unique<CPasky>();
    case InsertCommand::OkrasneTvarovky: return std::make_unique<CTvarovky>();
    case InsertCommand::Trativodky:
        return Named(std::make_unique<CDelka>(kSkupinaTrativodky, kObrazekTrativodky), "Trativodky");
    case InsertCommand::Dlazby: return std::make_unique<CDlazba>(kSkupinaDlazby, kObrazekDlazba);
    case InsertCommand::StropniNosniky: {
        auto nosniky = std::make_unique<CKusy>(kSkupinaStropniNosniky, kObrazekStropniNosniky);
        nosniky->MaterialText = pametNosniku;
        return Named(std::move(nosniky), "Keramické stropní nosníky");
    }
    case InsertCommand::StropniVlozky: return std::make_unique<CVelto>();
    case InsertCommand::StropniPanely:
        return Named(std::make_unique<CKusy>(kSkupinaStropniPanely, kObrazekStropniPanely),
                     "Keramické stropní panely");
    case InsertCommand::Vyztuze: return Named(std::make_unique<CKusy>(kSkupinaVyztuze, kObrazekVyztuze), "Výztuže");
    case InsertCommand::Kotvy: return Named(std::make_unique<CKusy>(kSkupinaKotvy, kObrazekKotvy), "Kotvy");
    case InsertCommand::Preklady:
        return Named(std::make_unique<CKusy>(kSkupinaPreklady, kObrazekPreklady), "Překlady");
    case InsertCommand::RoletovePreklady:
        return Named(std::make_unique<CKusy>(kSkupinaRoletovePreklady, kObrazekRoletovePreklady),
                     "Roletové překlady");
    case InsertCommand::Polystyreny:
        return Named(std::make_unique<CDelka>(kSkupinaPolystyreny, kObrazekPolystyreny), "Polystyrény");
    case InsertCommand::MaltyAOmitky:
        return Named(std::make_unique<CKusy>(kSkupinaMaltyOmitky, kObrazekMalta), "Tepelně izolační směs");
    case InsertCommand::VsechnyPolozky: return std::make_unique<CKusy>(0, kObrazekVsechnyPolozky);
    case InsertCommand::Hurdis: return std::make_unique<CHurdis>();
    case InsertCommand::PlotovaStriska:
        return Named(std::make_unique<CDelka>(kSkupinaPlotoveStrisky, kObrazekPlotoveStrisky), "Plotová stříška");
    case InsertCommand::SalovaciDesky:
        return Named(std::make_unique<CDlazba>(kSkupinaSalovaciDesky, kObrazekSalovaciDesky), "Šalovací desky");
    }
    throw std::invalid_argument("unknown insert command");
}

TreeItem NajdiKontejner(const ProjectTree& tree, TreeItem selected)
{
    TreeItem item = selected;
    while (tree.Exists(item) && tree.Picture(item) > 1) item = tree.Parent(item);
    return item;
}

bool VybranoVProjektu(const CBelvoDoc& doc)
{
    const ProjectTree& tree = doc.Tree();
    const TreeItem selected = tree.Selected();
    return !doc.Cenik().materials.empty() && selected != kNoTreeItem &&
           doc.ProjectItem() != kNoTreeItem && tree.TopLevelAncestor(selected) == doc.ProjectItem();
}

bool InsertEnabled(const CBelvoDoc& doc, InsertCommand command)
{
    const InsertCommandInfo& info = InsertCommandDescription(command);
    return VybranoVProjektu(doc) && (!info.skupina || doc.Cenik().materials.HasGroup(*info.skupina));
}

void Insert(CBelvoDoc& doc, InsertCommand command)
{
    const std::string pametNosniku = doc.PametNosniku();
    VlozPrvek(doc, InsertCommandDescription(command).operation,
              [&] { return NovyPrvek(command, pametNosniku); });
}

bool KopieZdiEnabled(const CBelvoDoc& doc)
{
    return InsertEnabled(doc, InsertCommand::Zed) && doc.Tree().Picture(doc.Tree().Selected()) == 3;
}

void KopieZdi(CBelvoDoc& doc)
{
    VlozPrvek(doc, InsertCommandDescription(InsertCommand::Zed).operation, [&]() -> std::unique_ptr<CPrvek> {
        const auto* original = dynamic_cast<const CZed*>(doc.Tree().Data(doc.Tree().Selected()));
        if (original == nullptr) throw std::logic_error("the selected item is no wall");
        return KopieKonstrukce(*original, doc.Classes());
    });
}

bool ZrusitEnabled(const CBelvoDoc& doc)
{
    const ProjectTree& tree = doc.Tree();
    const TreeItem selected = tree.Selected();
    return selected != kNoTreeItem && selected != doc.ProjectItem() && selected != doc.ProposalsItem() &&
           dynamic_cast<const CProjekt*>(tree.Data(selected)) == nullptr;
}

namespace {

void ZrusitPrvekProjektu(CBelvoDoc& doc, TreeItem selected)
{
    ProjectTree& tree = doc.Tree();
    const DocumentViews& views = doc.Views();
    Ui& ui = doc.GetUi();

    const TreeItem parentItem = tree.Parent(selected);
    auto* parent = dynamic_cast<CPrvek*>(tree.Data(parentItem));
    const auto* element = dynamic_cast<const CPrvek*>(tree.Data(selected));
    std::vector<std::unique_ptr<CPrvek>>::iterator found;
    const bool known = parent != nullptr && element != nullptr &&
                       (found = std::find_if(parent->Prvky.begin(), parent->Prvky.end(),
                                             [&](const auto& child) { return child.get() == element; })) !=
                           parent->Prvky.end();
    if (known) {
        if (ui.Message("zrušit položku \"" + tree.Text(selected) + "\" a všechny podpoložky\nbez náhrady",
                       "? Smazat ?", MessageIcon::Question, MessageButtons::YesNo) != Answer::Yes)
            return;
        // The open editor may show the element or one of its descendants.
        views.mainForm.CloseEditor();
        tree.Delete(selected);
        std::unique_ptr<CPrvek> removed = std::move(*found);
        parent->Prvky.erase(found);
        removed.reset();
        doc.SetModifiedFlag();
    } else {
        ui.Message("nelze najít údaj určený ke smazání", "Error", MessageIcon::Error);
    }
    views.treeView.Redraw();
    tree.Select(parentItem);
    if (parent != nullptr) views.mainForm.OpenEditor(*parent);
}

void ZrusitNavrh(CBelvoDoc& doc, TreeItem selected, std::vector<std::unique_ptr<CNavrh>>& navrhy)
{
    ProjectTree& tree = doc.Tree();
    const DocumentViews& views = doc.Views();
    const auto* navrh = dynamic_cast<const CNavrh*>(tree.Data(selected));
    const auto found = std::find_if(navrhy.begin(), navrhy.end(),
                                    [&](const auto& saved) { return saved.get() == navrh; });
    if (navrh == nullptr || found == navrhy.end()) return;
    if (doc.GetUi().Message("zrušit návrh \"" + navrh->Nazev + "\"\nbez náhrady", "? Smazat ?",
                            MessageIcon::Question, MessageButtons::YesNo) != Answer::Yes)
        return;
    // Its page may be open.
    views.mainForm.CloseEditor();
    tree.Delete(selected);
    navrhy.erase(found);
    views.treeView.Redraw();
    tree.Select(doc.ProposalsItem());
    if (CProjekt* projekt = doc.Projekt()) views.mainForm.OpenEditor(*projekt);
}

}  // namespace

void ZrusitPrvek(CBelvoDoc& doc)
{
    doc.SetModifiedFlag();
    try {
        const ProjectTree& tree = doc.Tree();
        const TreeItem selected = tree.Selected();
        if (!ZrusitEnabled(doc)) return;
        const TreeItem top = tree.TopLevelAncestor(selected);
        if (top == doc.ProjectItem())
            ZrusitPrvekProjektu(doc, selected);
        else if (top == doc.ProposalsItem())
            ZrusitNavrh(doc, selected, doc.Navrhy());
    } catch (...) {
        // Deleting stops where it failed; the tree and the lists keep what they reached.
    }
}

bool ImportAllplanEnabled(const CBelvoDoc& doc) { return VybranoVProjektu(doc); }

void ImportAllplan(CBelvoDoc& doc)
{
    const DocumentViews& views = doc.Views();
    Ui& ui = doc.GetUi();
    if (!views.mainForm.MayCloseEditor()) return;
    const std::optional<std::string> path = ui.OpenFileName("Allplan (csv)", kAllplanFilter, "");
    if (!path) return;
    try {
        AllplanImport imported;
        {
            WaitCursor wait(ui);
            imported = ImportujAllplan(*path, doc.Cenik().materials, doc.System().NumberSeparators());
        }
        ProjectTree& tree = doc.Tree();
        const auto [container, containerItem] = KontejnerVyberu(doc);

        CSkupina& skupina = *imported.skupina;
        container.Prvky.push_back(std::move(imported.skupina));
        doc.SetModifiedFlag();
        skupina.VlozDoStromu(tree, containerItem);
        views.treeView.Redraw();
        tree.Select(skupina.hItem);
        views.mainForm.OpenEditor(skupina);
        if (!imported.nezpracovane.empty()) views.dialogs.ShowImportReport(imported.nezpracovane);
    } catch (const std::exception& failure) {
        ReportOwnMessage(ui, failure);
    }
}

}  // namespace belvo
