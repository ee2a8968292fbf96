#include <gtest/gtest.h>

#include "foundation/cp1250.h"
#include "materials/cihly.h"
#include "materials/delka.h"
#include "materials/dlazba.h"
#include "materials/kusy.h"
#include "materials/pasky.h"
#include "materials/strop.h"
#include "materials/tvarovky.h"
#include "document/document_fixture.h"
#include "document/element_commands.h"
#include "walls/zed.h"

namespace belvo {
namespace {

using test::SampleProject;
using test::SavedProposal;

class ElementCommandsTest : public test::DocumentTest {
protected:
    void SetUp() override { OpenProject(SampleProject(), Proposals()); }

    static std::vector<std::unique_ptr<CNavrh>> Proposals()
    {
        std::vector<std::unique_ptr<CNavrh>> navrhy;
        navrhy.push_back(SavedProposal("Celý dům"));
        return navrhy;
    }

    void Select(TreeItem item) { doc.Tree().Select(item); }
    TreeItem Group() const { return ItemOf({0}); }
    TreeItem GroupWall() const { return ItemOf({0, 0}); }
    TreeItem SavedItem() const { return doc.Tree().Children(doc.ProposalsItem()).at(0); }

    // A wall in the group with a length, two openings, a slant, a plinth section and a lintel
    // element below it; returns its item.
    TreeItem AddDetailedWall()
    {
        Select(Group());
        Insert(doc, InsertCommand::Zed);
        auto& zed = dynamic_cast<CZed&>(*doc.Projekt()->Prvky.at(0)->Prvky.back());
        zed.Nazev = "Obvodová";
        zed.Pocet = CCislo(2);
        zed.Popis = "sever";
        zed.Sirka = CCislo(440);
        zed.Delka = CCislo(5000);
        zed.Vyska = CCislo(2750);
        zed.MaterialText = "101440 Cihla 44";
        zed.ObjCislo = "101440";
        zed.Otoceni = CCislo(0);
        zed.Skladba = "11 + 1";
        zed.TeplaMalta = 1;
        zed.ZaklMalta = 1;
        zed.Omitka = kOmitkaVnejsi;
        zed.Rohy = kRohPrvni | kRohDruhy;
        zed.VnitrniRohy = CCislo(2);
        zed.Rohy135 = CCislo(1);
        zed.SarePerlit = CCislo(3);
        zed.Sokl = CCislo(1);
        zed.SoklStaryText = "starý sokl";
        zed.Okna.push_back(std::make_unique<COkna>());
        zed.Okna.push_back(std::make_unique<COkna>());
        zed.Zkoseni.push_back(std::make_unique<CZkoseni>());
        auto sokl = std::make_unique<CZedSokl>();
        sokl->ObjCislo = "101300";
        sokl->PocetSaru = CCislo(2);
        sokl->Volby = kSoklVolbyPrvni;
        zed.Sokly.push_back(std::move(sokl));
        return zed.hItem;
    }
};

// --- Presets -------------------------------------------------------------------------------------

struct PresetCase {
    InsertCommand command;
    std::string_view className;
    const char* nazev;
    int picture;
    int skupina;  // the group preset of the classes that take one; -1: none
};

std::int32_t PresetGroup(const CPrvek& element)
{
    if (const auto* kusy = dynamic_cast<const CKusy*>(&element)) return kusy->Skupina;
    if (const auto* delka = dynamic_cast<const CDelka*>(&element)) return delka->Skupina;
    if (const auto* dlazba = dynamic_cast<const CDlazba*>(&element)) return dlazba->Skupina;
    return -1;
}

TEST(InsertCommandPresets, EveryCommandMakesItsElement)
{
    const PresetCase cases[] = {
        {InsertCommand::Skupina, "CSkupina", "Skupina", 1, -1},
        {InsertCommand::Zed, "CZed", "Zeď", 3, -1},
        {InsertCommand::Cihly, "CCihly", "Cihly", 6, -1},
        {InsertCommand::Vencovky, "CDelka", "Věncovky", 11, 8},
        {InsertCommand::ObkladovePasky, "CPasky", "Cihelný obklad", 14, -1},
        {InsertCommand::OkrasneTvarovky, "CTvarovky", "Tvarovky", 10, -1},
        {InsertCommand::Trativodky, "CDelka", "Trativodky", 13, 503},
        {InsertCommand::Dlazby, "CDlazba", "Dlažba", 9, 500},
        {InsertCommand::StropniNosniky, "CKusy", "Keramické stropní nosníky", 16, 6},
        {InsertCommand::StropniVlozky, "CVelto", "Stropní vložky", 17, -1},
        {InsertCommand::StropniPanely, "CKusy", "Keramické stropní panely", 23, 499},
        {InsertCommand::Vyztuze, "CKusy", "Výztuže", 27, 90},
        {InsertCommand::Kotvy, "CKusy", "Kotvy", 28, 91},
        {InsertCommand::Preklady, "CKusy", "Překlady", 18, 9},
        {InsertCommand::RoletovePreklady, "CKusy", "Roletové překlady", 19, 10},
        {InsertCommand::Polystyreny, "CDelka", "Polystyrény", 26, 81},
        {InsertCommand::MaltyAOmitky, "CKusy", "Tepelně izolační směs", 21, 38},
        {InsertCommand::VsechnyPolozky, "CKusy", "Položka", 22, 0},
        {InsertCommand::Hurdis, "CHurdis", "Stropní systém Hurdis", 15, -1},
        {InsertCommand::PlotovaStriska, "CDelka", "Plotová stříška", 12, 502},
        {InsertCommand::SalovaciDesky, "CDlazba", "Šalovací desky", 20, 600},
    };
    ASSERT_EQ(std::size(cases), InsertCommands().size());
    for (const PresetCase& c : cases) {
        SCOPED_TRACE(InsertCommandDescription(c.command).menuText);
        const std::unique_ptr<CPrvek> element = NovyPrvek(c.command, "");
        EXPECT_EQ(element->GetRuntimeClass().name, c.className);
        EXPECT_EQ(element->Nazev, c.nazev);
        EXPECT_EQ(element->TreePicture(), c.picture);
        EXPECT_EQ(PresetGroup(*element), c.skupina);
    }
}

TEST(InsertCommandPresets, BeamsStartWithTheRememberedMaterialText)
{
    const auto element = NovyPrvek(InsertCommand::StropniNosniky, "600200 Nosník stropní 200 (Závod 1)");
    EXPECT_EQ(dynamic_cast<const CKusy&>(*element).MaterialText, "600200 Nosník stropní 200 (Závod 1)");
}

// --- Enabling ------------------------------------------------------------------------------------

TEST_F(ElementCommandsTest, InsertNeedsAMaterialOfItsGroupAndASelectionInTheProject)
{
    // The test price list holds groups 1, 38 and 6.
    Select(GroupWall());
    for (const InsertCommandInfo& info : InsertCommands()) {
        SCOPED_TRACE(info.menuText);
        const bool needed = !info.skupina || *info.skupina == 1 || *info.skupina == 38 || *info.skupina == 6;
        EXPECT_EQ(InsertEnabled(doc, info.command), needed);
    }
    EXPECT_TRUE(ImportAllplanEnabled(doc));

    // Nothing selected, or a selection under "Návrhy": nothing may be inserted.
    for (const TreeItem selected : {kNoTreeItem, doc.ProposalsItem(), SavedItem()}) {
        Select(selected);
        EXPECT_FALSE(InsertEnabled(doc, InsertCommand::Skupina));
        EXPECT_FALSE(InsertEnabled(doc, InsertCommand::VsechnyPolozky));
        EXPECT_FALSE(ImportAllplanEnabled(doc));
    }

    // An empty price list disables every one of them.
    Select(doc.ProjectItem());
    doc.Cenik().materials.Clear();
    for (const InsertCommandInfo& info : InsertCommands()) EXPECT_FALSE(InsertEnabled(doc, info.command));
    EXPECT_FALSE(ImportAllplanEnabled(doc));
}

TEST_F(ElementCommandsTest, CopyOfAWallNeedsASelectedWall)
{
    const TreeItem wall = AddDetailedWall();
    Select(wall);
    EXPECT_TRUE(KopieZdiEnabled(doc));
    for (const TreeItem other : {doc.ProjectItem(), Group(), GroupWall(), SavedItem()}) {
        Select(other);
        // The test element "Zeď 1" has the wall's picture but is no wall; the copy refuses it.
        if (other == GroupWall()) continue;
        EXPECT_FALSE(KopieZdiEnabled(doc));
    }
    Select(wall);
    doc.Cenik().materials.Clear();
    EXPECT_FALSE(KopieZdiEnabled(doc));
}

TEST_F(ElementCommandsTest, DeleteIsDisabledForTheProjectAndForNavrhy)
{
    const std::pair<TreeItem, bool> cases[] = {
        {kNoTreeItem, false}, {doc.ProjectItem(), false}, {doc.ProposalsItem(), false},
        {Group(), true},      {GroupWall(), true},        {SavedItem(), true},
    };
    for (const auto& [item, enabled] : cases) {
        Select(item);
        EXPECT_EQ(ZrusitEnabled(doc), enabled) << doc.Tree().Text(item);
    }
}

// --- Insert --------------------------------------------------------------------------------------

TEST_F(ElementCommandsTest, InsertGoesIntoTheContainerOfTheSelection)
{
    struct Case {
        TreeItem selected;
        CPrvek* container;
    };
    const Case cases[] = {
        {doc.ProjectItem(), doc.Projekt()},
        {Group(), doc.Projekt()->Prvky[0].get()},
        {GroupWall(), doc.Projekt()->Prvky[0].get()},
        {kNoTreeItem, doc.Projekt()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(doc.Tree().Text(c.selected));
        Select(c.selected);
        doc.SetModifiedFlag(false);
        const std::size_t before = c.container->Prvky.size();

        Insert(doc, InsertCommand::Cihly);

        ASSERT_EQ(c.container->Prvky.size(), before + 1);
        const CPrvek& added = *c.container->Prvky.back();
        EXPECT_EQ(added.Nazev, "Cihly");
        EXPECT_TRUE(doc.IsModified());
        EXPECT_NE(added.hItem, kNoTreeItem);
        EXPECT_EQ(doc.Tree().Selected(), added.hItem);
        EXPECT_EQ(doc.Tree().Parent(added.hItem), c.container->hItem);
        EXPECT_EQ(doc.Tree().Children(c.container->hItem).back(), added.hItem);
        EXPECT_EQ(doc.Tree().Text(added.hItem), "Cihly");
        EXPECT_EQ(views.mainForm.editor, &added);
    }
}

TEST_F(ElementCommandsTest, InsertUnderAWallElementGoesIntoTheWallsContainer)
{
    const TreeItem wall = AddDetailedWall();
    // A lintel element below the wall (as the walls' lintels stand in their walls).
    auto& zed = dynamic_cast<CZed&>(*doc.Tree().Data(wall));
    zed.Prvky.push_back(std::make_unique<CKusyPreklady>());
    const TreeItem lintel = zed.Prvky.back()->VlozDoStromu(doc.Tree(), wall);
    Select(lintel);

    Insert(doc, InsertCommand::Skupina);

    const CPrvek& group = *doc.Projekt()->Prvky[0];
    EXPECT_EQ(group.Prvky.back()->Nazev, "Skupina");
    EXPECT_EQ(zed.Prvky.size(), 1u);
}

TEST_F(ElementCommandsTest, InsertStopsWhenTheEditorRefusesToClose)
{
    doc.SetModifiedFlag(false);
    Select(doc.ProjectItem());
    views.mainForm.mayClose = {false};
    Insert(doc, InsertCommand::Skupina);
    EXPECT_EQ(doc.Projekt()->Prvky.size(), 2u);
    EXPECT_EQ(doc.Tree().Selected(), doc.ProjectItem());
    EXPECT_TRUE(views.mainForm.opened.empty());
    EXPECT_TRUE(doc.IsModified());  // marked before the editor was asked
}

TEST_F(ElementCommandsTest, InsertedBeamsTakeTheRememberedMaterialText)
{
    doc.SetPametNosniku("600200 Nosník stropní 200 (Závod 1)");
    Select(doc.ProjectItem());
    Insert(doc, InsertCommand::StropniNosniky);
    const auto& beams = dynamic_cast<const CKusy&>(*doc.Projekt()->Prvky.back());
    EXPECT_EQ(beams.MaterialText, "600200 Nosník stropní 200 (Závod 1)");
    EXPECT_EQ(doc.Tree().Picture(beams.hItem), 16);
}

// --- Copy of a wall --------------------------------------------------------------------------------

TEST_F(ElementCommandsTest, CopyOfAWallTakesItsConstructionButNotItsSize)
{
    const TreeItem wall = AddDetailedWall();
    const auto& original = dynamic_cast<const CZed&>(*doc.Tree().Data(wall));
    Select(wall);

    KopieZdi(doc);

    const CPrvek& group = *doc.Projekt()->Prvky[0];
    ASSERT_EQ(group.Prvky.size(), 3u);
    const auto& copy = dynamic_cast<const CZed&>(*group.Prvky.back());
    EXPECT_NE(&copy, &original);
    EXPECT_EQ(copy.Nazev, "Zeď");
    EXPECT_EQ(copy.Pocet, CCislo(1));
    EXPECT_TRUE(copy.Popis.empty());
    EXPECT_TRUE(copy.Delka.IsNull());
    EXPECT_TRUE(copy.Okna.empty());
    EXPECT_TRUE(copy.Zkoseni.empty());
    EXPECT_TRUE(copy.Prvky.empty());
    EXPECT_EQ(copy.VnitrniRohy, CCislo(0));
    EXPECT_EQ(copy.Rohy135, CCislo(0));

    EXPECT_EQ(copy.Sirka, CCislo(440));
    EXPECT_EQ(copy.Vyska, CCislo(2750));
    EXPECT_EQ(copy.MaterialText, "101440 Cihla 44");
    EXPECT_EQ(copy.ObjCislo, "101440");
    EXPECT_EQ(copy.Otoceni, CCislo(0));
    EXPECT_EQ(copy.Skladba, "11 + 1");
    EXPECT_EQ(copy.TeplaMalta, 1);
    EXPECT_EQ(copy.ZaklMalta, 1);
    EXPECT_EQ(copy.Omitka, kOmitkaVnejsi);
    EXPECT_EQ(copy.Rohy, kRohPrvni | kRohDruhy);
    EXPECT_EQ(copy.SarePerlit, CCislo(3));
    EXPECT_EQ(copy.Sokl, CCislo(1));
    EXPECT_EQ(copy.SoklStaryText, "starý sokl");
    ASSERT_EQ(copy.Sokly.size(), 1u);
    EXPECT_NE(copy.Sokly[0].get(), original.Sokly[0].get());
    EXPECT_EQ(copy.Sokly[0]->ObjCislo, "101300");
    EXPECT_EQ(copy.Sokly[0]->PocetSaru, CCislo(2));
    EXPECT_EQ(copy.Sokly[0]->Volby, kSoklVolbyPrvni);

    EXPECT_EQ(doc.Tree().Selected(), copy.hItem);
    EXPECT_EQ(doc.Tree().Text(copy.hItem), "Zeď");
    EXPECT_EQ(views.mainForm.editor, &copy);
}

TEST_F(ElementCommandsTest, CopyOfSomethingThatIsNoWallIsReported)
{
    Select(GroupWall());  // the test element, which only looks like a wall
    KopieZdi(doc);
    EXPECT_EQ(doc.Projekt()->Prvky[0]->Prvky.size(), 1u);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].text, "InsertZed");
    EXPECT_EQ(ui.messages[1].caption, "Chyba");
}

// --- Delete --------------------------------------------------------------------------------------

TEST_F(ElementCommandsTest, DeleteAnElementWithItsSubtreeAfterConfirmation)
{
    const TreeItem group = Group();
    Select(group);
    views.mainForm.editor = doc.Projekt()->Prvky[0]->Prvky[0].get();  // the editor of a descendant
    ui.answers = {Answer::No};
    ZrusitPrvek(doc);
    EXPECT_EQ(doc.Projekt()->Prvky.size(), 2u);
    EXPECT_EQ(ui.messages.back().text, "zrušit položku \"Přízemí\" a všechny podpoložky\nbez náhrady");
    EXPECT_EQ(ui.messages.back().caption, "? Smazat ?");
    EXPECT_EQ(ui.messages.back().buttons, MessageButtons::YesNo);
    EXPECT_EQ(doc.Tree().Selected(), group);

    ui.answers = {Answer::Yes};
    ZrusitPrvek(doc);
    ASSERT_EQ(doc.Projekt()->Prvky.size(), 1u);
    EXPECT_EQ(doc.Projekt()->Prvky[0]->Nazev, "Komín");
    EXPECT_FALSE(doc.Tree().Exists(group));
    EXPECT_EQ(doc.Tree().Children(doc.ProjectItem()).size(), 1u);
    EXPECT_EQ(doc.Tree().Selected(), doc.ProjectItem());
    EXPECT_EQ(views.mainForm.editor, doc.Projekt());
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(ElementCommandsTest, DeleteOfAnElementItsParentDoesNotHoldIsReported)
{
    // An item whose element is not among its parent's children (the tree and the project
    // disagree): nothing is deleted.
    test::CTestPrvek stray("Cizí");
    const TreeItem item = doc.Tree().Insert(Group(), "Cizí", 3, &stray);
    Select(item);
    ZrusitPrvek(doc);
    EXPECT_EQ(ui.MessageLines().back(), "Error: nelze najít údaj určený ke smazání");
    EXPECT_TRUE(doc.Tree().Exists(item));
    EXPECT_EQ(doc.Tree().Selected(), Group());
    EXPECT_EQ(views.mainForm.editor, doc.Projekt()->Prvky[0].get());
}

TEST_F(ElementCommandsTest, DeletingTheLastSavedProposalLeavesAnEmptyNavrhy)
{
    Select(SavedItem());
    views.mainForm.editor = doc.Navrhy()[0].get();
    ui.answers = {Answer::Yes};
    ZrusitPrvek(doc);

    EXPECT_EQ(ui.messages.at(0).text, "zrušit návrh \"Celý dům\"\nbez náhrady");
    EXPECT_TRUE(doc.Navrhy().empty());
    EXPECT_TRUE(doc.Tree().Exists(doc.ProposalsItem()));
    EXPECT_TRUE(doc.Tree().Children(doc.ProposalsItem()).empty());
    EXPECT_EQ(doc.Tree().Selected(), doc.ProposalsItem());
    EXPECT_EQ(views.mainForm.editor, doc.Projekt());

    // Saving another proposal puts it under the same item.
    doc.UlozNavrhDoProjektu(*SavedProposal("Znovu"));
    EXPECT_EQ(doc.Tree().Children(kNoTreeItem).size(), 2u);
    EXPECT_EQ(doc.Tree().Children(doc.ProposalsItem()).size(), 1u);
}

// --- Allplan import ------------------------------------------------------------------------------

TEST_F(ElementCommandsTest, AllplanImportPutsTheGroupIntoTheContainerAndReportsTheRest)
{
    const std::string path = dir.File("strop.csv");
    test::TempDir::WriteBytes(path, Utf8ToCp1250("Pozice;Název;Typ;Délka;Šířka;Výška;Počet\r\n"
                                                 "1;SN KARNO;;2000;120;250;5\r\n"
                                                 "2;SN KARNO;;2100;120;250;3\r\n"
                                                 "3;VĚNCOVKA;;1000;80;210;4\r\n"));
    Select(GroupWall());
    doc.SetModifiedFlag(false);
    ui.fileNames = {path};

    ImportAllplan(doc);

    const CPrvek& container = *doc.Projekt()->Prvky[0];
    ASSERT_EQ(container.Prvky.size(), 2u);
    const CPrvek& group = *container.Prvky.back();
    EXPECT_EQ(group.Nazev, "Import strop");
    ASSERT_EQ(group.Prvky.size(), 1u);
    EXPECT_EQ(group.Prvky[0]->Nazev, "1;SN KARNO;;2000;120;250;5");
    EXPECT_EQ(doc.Tree().Selected(), group.hItem);
    EXPECT_EQ(doc.Tree().Children(group.hItem).size(), 1u);
    EXPECT_EQ(views.mainForm.editor, &group);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(views.dialogs.importReports,
              std::vector<std::string>{"2;SN KARNO;;2100;120;250;3\r\n3;VĚNCOVKA;;1000;80;210;4\r\n"});
}

TEST_F(ElementCommandsTest, AllplanImportOfAHeadingOnlyShowsNoReport)
{
    const std::string path = dir.File("prázdný.csv");
    test::TempDir::WriteBytes(path, "Pozice;Nazev\r\n");
    Select(doc.ProjectItem());
    ui.fileNames = {path};
    ImportAllplan(doc);
    EXPECT_EQ(doc.Projekt()->Prvky.back()->Nazev, "Import prázdný");
    EXPECT_TRUE(doc.Projekt()->Prvky.back()->Prvky.empty());
    EXPECT_TRUE(views.dialogs.importReports.empty());
}

TEST_F(ElementCommandsTest, AllplanImportThatIsCancelledOrCannotReadChangesNothing)
{
    Select(doc.ProjectItem());
    doc.SetModifiedFlag(false);
    ui.fileNames = {std::nullopt, dir.File("chybí.csv")};

    ImportAllplan(doc);
    EXPECT_TRUE(ui.messages.empty());
    ImportAllplan(doc);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Error);
    EXPECT_NE(ui.messages[0].text.find("chybí.csv"), std::string::npos);

    EXPECT_EQ(doc.Projekt()->Prvky.size(), 2u);
    EXPECT_FALSE(doc.IsModified());

    views.mainForm.mayClose = {false};
    ImportAllplan(doc);
    EXPECT_EQ(ui.prompts.size(), 2u);  // no file dialog this time
}

}  // namespace
}  // namespace belvo
