#include <gtest/gtest.h>

#include <filesystem>

#include "settings/settings_keys.h"
#include "catalogue/price_list_file.h"
#include "document/document_fixture.h"
#include "document/document_forms.h"
#include "proposal/navrh_form.h"
#include "support/memory_archive.h"
#include "walls/okna.h"

namespace belvo {
namespace {

using test::DocumentTest;
using test::SampleProject;
using test::SavedProposal;
using test::TempDir;

// --- New, open, save -------------------------------------------------------------------------------

TEST_F(DocumentTest, NewDocumentLoadsTheDefaultPriceListAndMakesAProjectWithItsDefaults)
{
    settings.SetString("CZ-Kč", "DPH", "21");
    settings.SetString("Setup", "Autor", "Novák");

    doc.OnNewDocument();

    EXPECT_EQ(doc.Cenik().CenikId, test::kTestCenikId);
    EXPECT_EQ(doc.Cenik().materials.size(), 3u);
    EXPECT_EQ(doc.PriceListSection(), "CZ-Kč");
    EXPECT_TRUE(ui.listChoices.empty());
    ASSERT_EQ(doc.Projekty().size(), 1u);
    const CProjekt& projekt = *doc.Projekt();
    EXPECT_EQ(projekt.Nazev, "Projekt");
    EXPECT_EQ(projekt.CenikId, test::kTestCenikId);
    EXPECT_EQ(projekt.Autor, "Novák");
    EXPECT_EQ(projekt.Vznik, "15.5.2016");
    EXPECT_EQ(projekt.DPH, CCislo(21));
    EXPECT_EQ(doc.Tree().Children(kNoTreeItem), std::vector<TreeItem>{doc.ProjectItem()});
    EXPECT_EQ(doc.Tree().Selected(), doc.ProjectItem());
    EXPECT_EQ(doc.Tree().Text(doc.ProjectItem()), "Projekt");
    EXPECT_EQ(doc.ProposalsItem(), kNoTreeItem);
    EXPECT_EQ(views.treeView.setups, 1);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.Title(), "Bez jména");
    EXPECT_TRUE(doc.PathName().empty());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(DocumentTest, NewDocumentWithoutAPriceListStillMakesTheProject)
{
    std::filesystem::remove(startup.File("Karno.dat"));
    doc.OnNewDocument();
    EXPECT_TRUE(doc.Cenik().materials.empty());
    EXPECT_EQ(ui.MessageLines().back(), "Chyba ceníku: Nelze načíst ceník materiálu.\nZkontrolujte v Nastavení.");
    ASSERT_NE(doc.Projekt(), nullptr);
    EXPECT_EQ(doc.Tree().Selected(), doc.ProjectItem());
}

TEST_F(DocumentTest, NewDocumentEmptiesTheProjectTheSummariesAndTheBeamText)
{
    OpenProject(SampleProject(), {});
    doc.SetPametNosniku("600200 Nosník");
    views.summaries.open.push_back({});
    const CObject* oldProject = doc.Projekt();
    views.mainForm.editor = doc.Projekt();

    doc.OnNewDocument();

    EXPECT_NE(doc.Projekt(), oldProject);
    EXPECT_TRUE(doc.Projekt()->Prvky.empty());
    EXPECT_EQ(views.mainForm.editor, nullptr);
    EXPECT_EQ(views.summaries.closeAlls, 2);  // at the open and now
    EXPECT_TRUE(doc.PametNosniku().empty());
}

TEST_F(DocumentTest, SavedProjectOpensWithItsTreeItsProposalsAndItsPriceList)
{
    auto projekt = SampleProject();
    std::vector<std::unique_ptr<CNavrh>> navrhy;
    navrhy.push_back(SavedProposal("Celý dům"));
    navrhy.push_back(SavedProposal("Přízemí"));
    navrhy.back()->CelyProjekt = 0;
    OpenProject(std::move(projekt), std::move(navrhy));

    const std::string path = dir.File("kopie.kar");
    ASSERT_TRUE(doc.OnSaveDocument(path));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.Title(), "kopie.kar");

    test::RecordingViews otherViews;
    ScriptedUi otherUi;
    CBelvoDoc other(Environment(otherUi), otherViews.Views());
    ASSERT_TRUE(other.OnOpenDocument(path));

    EXPECT_TRUE(other.IsModified());
    EXPECT_EQ(other.PathName(), path);
    EXPECT_EQ(other.Cenik().CenikId, test::kTestCenikId);
    EXPECT_EQ(other.Cenik().materials.size(), 3u);
    const ProjectTree& tree = other.Tree();
    ASSERT_EQ(tree.Children(kNoTreeItem), (std::vector<TreeItem>{other.ProjectItem(), other.ProposalsItem()}));
    EXPECT_EQ(tree.Text(other.ProjectItem()), "Dům");
    EXPECT_EQ(tree.Text(other.ProposalsItem()), "Návrhy");
    EXPECT_EQ(tree.Picture(other.ProposalsItem()), 2);
    const std::vector<TreeItem>& saved = tree.Children(other.ProposalsItem());
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(tree.Text(saved[0]), "Celý dům (5.3.2016 09:07)");
    EXPECT_EQ(tree.Picture(saved[0]), 24);
    EXPECT_EQ(tree.Picture(saved[1]), 25);
    const std::vector<TreeItem>& top = tree.Children(other.ProjectItem());
    ASSERT_EQ(top.size(), 2u);
    EXPECT_EQ(tree.Text(top[0]), "Přízemí");
    EXPECT_EQ(tree.Text(tree.Children(top[0]).at(0)), "Zeď 1");
    EXPECT_EQ(tree.Selected(), other.ProjectItem());
}

TEST_F(DocumentTest, FileOfAnOlderVersionWithoutProposalsHasNoProposalsItem)
{
    ProjectFile file;
    file.CenikId = test::kTestCenikId;
    test::FillPriceList(file.materials);
    file.projekty.push_back(SampleProject());
    const std::string bytes = test::StoreBytes(test::TestClasses(), [&](CArchive& ar) {
        StorePriceList(ar, file.CenikId, file.materials);
        ar.SerializeList(file.projekty);
    });
    const std::string path = dir.File("stary.kar");
    TempDir::WriteBytes(path, bytes);

    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_TRUE(doc.Navrhy().empty());
    EXPECT_EQ(doc.ProposalsItem(), kNoTreeItem);
    EXPECT_EQ(doc.Tree().Children(kNoTreeItem), std::vector<TreeItem>{doc.ProjectItem()});
    EXPECT_EQ(doc.Projekt()->Prvky.size(), 2u);
}

TEST_F(DocumentTest, ProjectThatCannotShowItselfIsReportedAndTheOthersStillShow)
{
    // A project file may hold what no tree shows: here an opening straight in a group.
    ProjectFile file;
    file.CenikId = test::kTestCenikId;
    auto broken = SampleProject();
    broken->Prvky[0]->Prvky.push_back(std::make_unique<COkna>());
    file.projekty.push_back(std::move(broken));
    file.projekty.push_back(SampleProject());
    file.projekty.back()->Nazev = "Chata";
    const std::string path = dir.File("dva.kar");
    WriteProjectFile(path, file, test::TestClasses());

    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_EQ(ui.MessageLines(), std::vector<std::string>{"Chyba: Chyba načítání dokumentu"});
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Error);
    const std::vector<TreeItem>& roots = doc.Tree().Children(kNoTreeItem);
    ASSERT_EQ(roots.size(), 2u);
    EXPECT_EQ(roots[0], doc.ProjectItem());
    EXPECT_EQ(doc.Tree().Text(roots[1]), "Chata");
    EXPECT_EQ(doc.Tree().Selected(), doc.ProjectItem());
}

TEST_F(DocumentTest, FailedOpenKeepsTheOpenProjectAndItsPriceList)
{
    OpenProject(SampleProject());
    ASSERT_TRUE(doc.OnSaveDocument(dir.File("dům.kar")));
    const CProjekt* projekt = doc.Projekt();
    const TreeItem projectItem = doc.ProjectItem();
    doc.SetModifiedFlag();

    const std::string damaged = dir.File("poškozený.kar");
    const std::string whole = TempDir::ReadBytes(dir.File("dům.kar"));
    TempDir::WriteBytes(damaged, whole.substr(0, whole.size() / 2));
    const int summariesClosed = views.summaries.closeAlls;

    for (const std::string& path : {damaged, dir.File("chybí.kar")}) {
        SCOPED_TRACE(path);
        ui.messages.clear();
        EXPECT_FALSE(doc.OnOpenDocument(path));
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].icon, MessageIcon::Error);
        EXPECT_NE(ui.messages[0].text.find(path), std::string::npos) << ui.messages[0].text;
        EXPECT_EQ(doc.Projekt(), projekt);
        EXPECT_EQ(doc.ProjectItem(), projectItem);
        EXPECT_EQ(doc.Tree().Data(projectItem), projekt);
        EXPECT_EQ(doc.Cenik().CenikId, test::kTestCenikId);
        EXPECT_EQ(doc.Cenik().materials.size(), 3u);
        EXPECT_EQ(doc.PathName(), dir.File("dům.kar"));
        EXPECT_TRUE(doc.IsModified());
        EXPECT_EQ(views.summaries.closeAlls, summariesClosed);
    }
}

TEST_F(DocumentTest, FailedSaveLeavesTheOldFileAsItWas)
{
    OpenProject(SampleProject());
    auto* failing = static_cast<test::CTestPrvek*>(doc.Projekt()->Prvky.back().get());
    const std::string path = dir.File("dům.kar");
    const std::string before = TempDir::ReadBytes(path);

    failing->failWhileStoring = true;
    EXPECT_FALSE(doc.OnSaveDocument(path));

    EXPECT_EQ(TempDir::ReadBytes(path), before);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(ui.MessageLines(), std::vector<std::string>{"Karno: Uložení selhalo"});
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST_F(DocumentTest, SaveWritesNothingWhenTheEditorRefusesToClose)
{
    OpenProject(SampleProject());
    const std::string path = dir.File("nový.kar");
    views.mainForm.mayClose = {false};
    EXPECT_FALSE(doc.OnSaveDocument(path));
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(DocumentTest, SaveAsAddsTheExtensionAndCancelWritesNothing)
{
    OpenProject(SampleProject());
    ui.fileNames = {std::nullopt, dir.File("jiný")};
    EXPECT_FALSE(doc.OnFileSaveAs());
    EXPECT_TRUE(doc.OnFileSaveAs());
    EXPECT_EQ(doc.PathName(), dir.File("jiný.kar"));
    EXPECT_TRUE(std::filesystem::exists(dir.File("jiný.kar")));
}

// --- Closing ---------------------------------------------------------------------------------------

struct CloseCase {
    const char* name;
    const char* autoSave;  // null: not set
    std::optional<Answer> answer;
    bool expectQuestion;
    bool expectGoOn;
    bool expectSaved;
};

class CloseTest : public DocumentTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(CloseTest, OpeningAndClosingAtOnceAsksOrSaves)
{
    const CloseCase& c = GetParam();
    if (c.autoSave != nullptr) settings.SetString("Setup", "AutoSave", c.autoSave);
    OpenProject(SampleProject());
    const std::string path = doc.PathName();
    const auto writtenBefore = std::filesystem::last_write_time(path);
    std::filesystem::last_write_time(path, writtenBefore - std::chrono::hours(1));
    if (c.answer) ui.answers = {*c.answer};

    EXPECT_EQ(doc.SaveModified(), c.expectGoOn);

    if (c.expectQuestion) {
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, "Uložit změny do \"" + path + "\" ?");
        EXPECT_EQ(ui.messages[0].buttons, MessageButtons::YesNoCancel);
    } else {
        EXPECT_TRUE(ui.messages.empty());
    }
    const bool saved = std::filesystem::last_write_time(path) != writtenBefore - std::chrono::hours(1);
    EXPECT_EQ(saved, c.expectSaved);
    EXPECT_EQ(doc.IsModified(), !c.expectSaved);
}

INSTANTIATE_TEST_SUITE_P(
    Document, CloseTest,
    ::testing::Values(CloseCase{"AskYes", nullptr, Answer::Yes, true, true, true},
                      CloseCase{"AskNo", nullptr, Answer::No, true, true, false},
                      CloseCase{"AskCancel", nullptr, Answer::Cancel, true, false, false},
                      CloseCase{"AskWhenOff", "N", Answer::No, true, true, false},
                      CloseCase{"AutoSaveOn", "A", std::nullopt, false, true, true},
                      CloseCase{"AutoSaveAnyButN", "0", std::nullopt, false, true, true}),
    [](const auto& tested) { return std::string(tested.param.name); });

TEST_F(DocumentTest, FailedAutoSaveStopsTheClose)
{
    settings.SetString("Setup", "AutoSave", "A");
    OpenProject(SampleProject());
    auto* failing = static_cast<test::CTestPrvek*>(doc.Projekt()->Prvky.back().get());
    failing->failWhileStoring = true;

    EXPECT_FALSE(doc.SaveModified());
    EXPECT_EQ(ui.MessageLines(), (std::vector<std::string>{"Karno: Uložení selhalo",
                                                           "chyba: Soubor " + doc.PathName() +
                                                               " se nepovedlo uložit"}));
}

TEST_F(DocumentTest, UnsavedNewProjectIsNamedByItsTitleAndSavedThroughTheDialog)
{
    doc.OnNewDocument();
    doc.SetModifiedFlag();
    ui.answers = {Answer::Yes};
    ui.fileNames = {dir.File("projekt.kar")};
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_EQ(ui.messages.at(0).text, "Uložit změny do \"Bez jména\" ?");
    EXPECT_TRUE(std::filesystem::exists(dir.File("projekt.kar")));

    EXPECT_EQ(doc.PathName(), dir.File("projekt.kar"));
}

TEST_F(DocumentTest, CancellingTheSaveDialogStopsTheClose)
{
    doc.OnNewDocument();
    doc.SetModifiedFlag();
    ui.answers = {Answer::Yes};
    ui.fileNames = {std::nullopt};
    EXPECT_FALSE(doc.SaveModified());
    EXPECT_FALSE(doc.OnFileNew());  // asks again, and the user cancels
    EXPECT_TRUE(doc.IsModified());
}

// Another project replaces this one only after the summary windows agreed: their edits are
// saved into this project (which the save-modified step then offers to save) or dropped by the
// user's choice; "Storno" in a window stops the command before anything is asked or replaced.
TEST_F(DocumentTest, NewAndOpenAskTheSummaryWindowsBeforeTheProject)
{
    auto garage = SampleProject();
    garage->Nazev = "Garáž";
    const std::string other = WriteProject(std::move(garage), {}, "jiný.kar");
    struct Case {
        const char* command;
        bool windowsAgree;
    };
    for (const Case c : {Case{"new", false}, Case{"new", true}, Case{"open", false}, Case{"open", true}}) {
        SCOPED_TRACE(std::string(c.command) + (c.windowsAgree ? " agreed" : " refused"));
        OpenProject(SampleProject());
        ui.messages.clear();
        views.summaries.queries = 0;
        views.summaries.queryAnswers = {c.windowsAgree};
        ui.answers = {Answer::No};  // the save-modified question: do not save
        ui.fileNames = {other};

        const bool done = std::string(c.command) == "new" ? doc.OnFileNew() : doc.OnFileOpen();

        EXPECT_EQ(views.summaries.queries, 1);
        EXPECT_EQ(done, c.windowsAgree);
        // The save-modified question comes only after the windows agreed.
        EXPECT_EQ(ui.messages.size(), c.windowsAgree ? 1u : 0u);
        EXPECT_EQ(doc.Projekt()->Nazev != "Dům\nBrno", c.windowsAgree);
    }
}

TEST_F(DocumentTest, UnmodifiedDocumentClosesWithoutAQuestion)
{
    doc.OnNewDocument();
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_TRUE(ui.messages.empty());
}

// --- Start-up --------------------------------------------------------------------------------------

TEST_F(DocumentTest, NewVersionAsksForTheSettingsAndCancellingEndsTheProgram)
{
    views.dialogs.settingsAnswers = {false};
    EXPECT_FALSE(doc.PriSpusteni());
    EXPECT_EQ(ui.MessageLines(),
              std::vector<std::string>{
                  "Nová verze aplikace: Aplikace může obsahovat nové možnosti. \n\rProsím o jejich nastavení a "
                  "potvrzení OK."});
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Information);
    ASSERT_EQ(views.dialogs.settingsCalls.size(), 1u);
    EXPECT_EQ(views.dialogs.settingsCalls[0].presetSection, "");

    views.dialogs.settingsAnswers = {true};
    EXPECT_TRUE(doc.PriSpusteni());
}

TEST_F(DocumentTest, ConfirmedSettingsOfThisVersionStartWithoutAQuestion)
{
    settings.SetString("Setup", "CenikRadio", "file");
    settings.SetString("Setup", "Version", "2016-05-15");
    EXPECT_TRUE(doc.PriSpusteni());
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(views.dialogs.settingsCalls.empty());
}

// --- Selection -------------------------------------------------------------------------------------

TEST_F(DocumentTest, SelectionOpensTheEditorOfTheClickedItem)
{
    OpenProject(SampleProject(), [] {
        std::vector<std::unique_ptr<CNavrh>> navrhy;
        navrhy.push_back(SavedProposal("Celý dům"));
        return navrhy;
    }());
    ProjectTree& tree = doc.Tree();
    const TreeItem wall = ItemOf({0, 0});

    tree.Select(wall);
    doc.ZmenaVyberu(wall, doc.ProjectItem());
    EXPECT_EQ(views.mainForm.editor, tree.Data(wall));

    // "Návrhy" carries nothing: the editor just closes.
    tree.Select(doc.ProposalsItem());
    doc.ZmenaVyberu(doc.ProposalsItem(), wall);
    EXPECT_EQ(views.mainForm.editor, nullptr);

    // A saved proposal opens its page.
    const TreeItem saved = tree.Children(doc.ProposalsItem()).at(0);
    tree.Select(saved);
    doc.ZmenaVyberu(saved, doc.ProposalsItem());
    EXPECT_EQ(views.mainForm.editor, doc.Navrhy().at(0).get());
}

TEST_F(DocumentTest, EditorThatRefusesToCloseKeepsTheOldSelection)
{
    OpenProject(SampleProject());
    ProjectTree& tree = doc.Tree();
    const TreeItem wall = ItemOf({0, 0});
    views.mainForm.editor = doc.Projekt();
    views.mainForm.mayClose = {false};

    tree.Select(wall);
    doc.ZmenaVyberu(wall, doc.ProjectItem());

    EXPECT_EQ(tree.Selected(), doc.ProjectItem());
    EXPECT_EQ(views.treeView.beeps, 1);
    EXPECT_EQ(views.mainForm.editor, doc.Projekt());
    EXPECT_TRUE(views.mainForm.opened.empty());
}

TEST_F(DocumentTest, RelabelShowsTheNewName)
{
    OpenProject(SampleProject());
    doc.PrejmenujPolozku(doc.ProjectItem(), "Chata");
    EXPECT_EQ(doc.Tree().Text(doc.ProjectItem()), "Chata");
    EXPECT_GT(views.treeView.redraws, 0);
}

// --- Proposals -------------------------------------------------------------------------------------

TEST_F(DocumentTest, ProposalOfTheSelectionAndOfTheWholeProject)
{
    OpenProject(SampleProject());
    doc.Tree().Select(ItemOf({0}));

    doc.OnPrehledVyber(false);
    doc.OnPrehledVyber(true);
    doc.OnPrehledCelkem();

    ASSERT_EQ(views.summaries.open.size(), 3u);
    const SummaryRequest& group = views.summaries.open[0];
    EXPECT_EQ(group.navrh->Jmeno, "Dům - Přízemí");
    EXPECT_EQ(group.navrh->JmenoRadek2, "Brno");
    EXPECT_EQ(group.navrh->Titulek, "Návrh materiálu pro Dům - Přízemí");
    EXPECT_EQ(group.navrh->Datum, "15.5.2016 14:30");
    EXPECT_EQ(group.navrh->CelyProjekt, 0);
    ASSERT_EQ(group.navrh->Polozky.size(), 1u);
    EXPECT_EQ(group.navrh->Polozky[0]->NavrhKs, CCislo(950));
    EXPECT_TRUE(group.autoRound);
    EXPECT_FALSE(group.saved);
    EXPECT_EQ(group.project.name, "Dům\nBrno");
    EXPECT_EQ(group.project.author, "Novák");
    EXPECT_EQ(group.project.created, "5.3.2016");

    EXPECT_EQ(views.summaries.open[1].navrh->Zrychleny, 1);
    EXPECT_EQ(views.summaries.open[1].navrh->Titulek, "Zrychlený návrh materiálu pro Dům - Přízemí");

    const CNavrh& whole = *views.summaries.open[2].navrh;
    EXPECT_EQ(whole.CelyProjekt, 1);
    EXPECT_EQ(whole.Jmeno, "Dům");
    ASSERT_EQ(whole.Polozky.size(), 1u);
    EXPECT_EQ(whole.Polozky[0]->NavrhKs, CCislo(990));
    EXPECT_GE(ui.waitCount, 3);
    EXPECT_EQ(ui.waitDepth, 0);
}

TEST_F(DocumentTest, SplitByGroupsLabelsTheItemsWithTheirGroups)
{
    OpenProject(SampleProject());
    EXPECT_FALSE(doc.ClenitPoSkupinach());
    doc.OnClenitPoSkupinach();
    EXPECT_TRUE(doc.ClenitPoSkupinach());

    doc.OnPrehledCelkem();
    const CNavrh& navrh = *views.summaries.open.at(0).navrh;
    ASSERT_EQ(navrh.Polozky.size(), 2u);
    EXPECT_EQ(navrh.Polozky[0]->NazevSkupiny, " ");
    EXPECT_EQ(navrh.Polozky[0]->NavrhKs, CCislo(40));
    EXPECT_EQ(navrh.Polozky[1]->NazevSkupiny, "Přízemí");

    doc.OnClenitPoSkupinach();
    EXPECT_FALSE(doc.ClenitPoSkupinach());
}

TEST_F(DocumentTest, SelectedSavedProposalOpensAsACopyWithoutRounding)
{
    std::vector<std::unique_ptr<CNavrh>> navrhy;
    navrhy.push_back(SavedProposal("Celý dům"));
    OpenProject(SampleProject(), std::move(navrhy));
    const TreeItem saved = doc.Tree().Children(doc.ProposalsItem()).at(0);

    for (const TreeItem selected : {doc.ProposalsItem(), saved}) {
        doc.Tree().Select(selected);
        doc.OnPrehledVyber(false);
    }

    ASSERT_EQ(views.summaries.open.size(), 1u);
    const SummaryRequest& shown = views.summaries.open[0];
    EXPECT_NE(shown.navrh.get(), doc.Navrhy()[0].get());
    EXPECT_EQ(shown.navrh->Nazev, "Celý dům");
    EXPECT_TRUE(shown.saved);
    EXPECT_FALSE(shown.autoRound);
}

TEST_F(DocumentTest, SavedProposalPageOpensACopyWithoutRounding)
{
    std::vector<std::unique_ptr<CNavrh>> navrhy;
    navrhy.push_back(SavedProposal("Celý dům"));
    OpenProject(SampleProject(), std::move(navrhy));
    const CNavrh& saved = *doc.Navrhy()[0];

    std::unique_ptr<FormModel> page = VytvorFormular(doc, *doc.Navrhy()[0]);
    ASSERT_NE(dynamic_cast<NavrhForm*>(page.get()), nullptr);
    page->Open();
    EXPECT_EQ(page->Field(NavrhForm::kNazev).text, "Celý dům");
    page->Activate(NavrhForm::kZobrazit);
    page->Activate(NavrhForm::kZobrazit);

    // Each press shows a copy of its own; the saved proposal stays as it is.
    ASSERT_EQ(views.summaries.open.size(), 2u);
    for (const SummaryRequest& shown : views.summaries.open) {
        EXPECT_NE(shown.navrh.get(), &saved);
        EXPECT_EQ(shown.navrh->Nazev, "Celý dům");
        EXPECT_TRUE(shown.saved);
        EXPECT_FALSE(shown.autoRound);
        EXPECT_EQ(shown.project.name, "Dům\nBrno");
    }
    EXPECT_NE(views.summaries.open[0].navrh.get(), views.summaries.open[1].navrh.get());
}

TEST_F(DocumentTest, ProposalCommandsDoNothingWhenTheEditorRefusesToClose)
{
    OpenProject(SampleProject());
    views.mainForm.mayClose = {false, false};
    doc.OnPrehledVyber(false);
    doc.OnPrehledCelkem();
    EXPECT_TRUE(views.summaries.open.empty());
}

TEST_F(DocumentTest, FailureOfTheSelectedElementIsReportedAndOpensNoSummary)
{
    OpenProject(SampleProject());
    auto* komin = static_cast<test::CTestPrvek*>(doc.Projekt()->Prvky.at(1).get());
    komin->failAfterAdding = true;
    doc.Tree().Select(komin->hItem);

    doc.OnPrehledVyber(false);

    EXPECT_TRUE(views.summaries.open.empty());
    EXPECT_EQ(ui.MessageLines(), (std::vector<std::string>{"Karno: Prvek selhal", "Chyba: CBelvoDoc::OnPrehled"}));
    EXPECT_EQ(ui.waitDepth, 0);
}

TEST_F(DocumentTest, ProposalSavedIntoTheProjectIsACopyUnderNavrhy)
{
    OpenProject(SampleProject());
    doc.SetModifiedFlag(false);
    doc.OnPrehledCelkem();
    CNavrh& shown = *views.summaries.open.at(0).navrh;
    shown.Nazev = "První";

    doc.UlozNavrhDoProjektu(shown);
    shown.Nazev = "Druhý";
    doc.UlozNavrhDoProjektu(shown);

    EXPECT_TRUE(doc.IsModified());
    ASSERT_EQ(doc.Navrhy().size(), 2u);
    EXPECT_NE(doc.Navrhy()[0].get(), &shown);
    EXPECT_EQ(doc.Navrhy()[0]->Nazev, "První");
    EXPECT_EQ(doc.Navrhy()[0]->Polozky.size(), shown.Polozky.size());
    const ProjectTree& tree = doc.Tree();
    ASSERT_EQ(tree.Children(kNoTreeItem), (std::vector<TreeItem>{doc.ProjectItem(), doc.ProposalsItem()}));
    const std::vector<TreeItem>& saved = tree.Children(doc.ProposalsItem());
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(tree.Data(saved[0]), doc.Navrhy()[0].get());
    EXPECT_EQ(tree.Text(saved[1]), "Druhý (15.5.2016 14:30)");

    // And it is stored with the project.
    ASSERT_TRUE(doc.OnSaveDocument(dir.File("s návrhy.kar")));
    ProjectFile file;
    ReadProjectFile(dir.File("s návrhy.kar"), test::TestClasses(), nullptr, file);
    ASSERT_EQ(file.navrhy.size(), 2u);
    EXPECT_EQ(file.navrhy[1]->Nazev, "Druhý");
}

// --- Other commands --------------------------------------------------------------------------------

TEST_F(DocumentTest, SettingsAndCalculatorCommands)
{
    doc.OnSetup();
    ASSERT_EQ(views.dialogs.settingsCalls.size(), 1u);
    EXPECT_EQ(views.dialogs.settingsCalls[0].presetSection, "");
    doc.OnKalkulacka();
    EXPECT_EQ(shell.calculators, 1);
}

}  // namespace
}  // namespace belvo
