// The main window on the demo house: the tree, clicks and the keyboard, the close request of a
// form holding a bad value, the enabling of the commands, drag and drop through the real view,
// the recently used files, a dropped project file and closing the window.
#include <filesystem>
#include <map>

#include <QAction>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QUrl>

#include "app/recent_files.h"
#include "document/element_commands.h"
#include "gui/desktop_fixture.h"
#include "gui/forms/form_view.h"
#include "gui/main/window_state.h"
#include "gui/summary/summary_window_list.h"
#include "model/form_host.h"
#include "model/form_model.h"
#include "model/projekt.h"
#include "model/projekt_form.h"
#include "model/skupina.h"
#include "proposal/navrh.h"
#include "support/temp_dir.h"

namespace belvo::gui::test {
namespace {

// An element whose form refuses a negative count, so that the protocol has a bad value to hold.
class CheckedElement : public CPrvek {
public:
    const CRuntimeClass& GetRuntimeClass() const override
    {
        static const CRuntimeClass cls{"CheckedElement", 1, nullptr, &CPrvek::classInfo};
        return cls;
    }
    CheckedElement() { Nazev = "Zkušební prvek"; }
    CCislo Pocet = CCislo(1);

    bool noMaterial = false;  // its form finds no material of its kind in the price list

    class Form : public FormModel {
    public:
        enum : int { kPocet = 1 };
        Form(CheckedElement& element, FormHost& host)
            : FormModel("Zkušební", FormButtons::SaveBack, host.GetUi(), host.NumberSeparators()), m_element(element)
        {
            SetItem(element.hItem);
            AddField(kPocet, FieldKind::Number, "&Počet");
        }

    private:
        FormOutcome BeforeOpen() override
        {
            return m_element.noMaterial ? RefuseEmptyMaterialList() : FormOutcome::Done;
        }
        void Load() override { SetNumber(kPocet, m_element.Pocet); }
        bool CheckField(int id) override
        {
            if (id == kPocet && Number(kPocet) < CCislo(0)) return Tell("záporný počet", MessageIcon::Question);
            return true;
        }
        FormOutcome Store() override
        {
            m_element.Pocet = Number(kPocet);
            return FormOutcome::Done;
        }
        CheckedElement& m_element;
    };

    std::unique_ptr<FormModel> VytvorDialog(FormHost& host) override { return std::make_unique<Form>(*this, host); }
    void Serialize(CArchive&) override {}
    void VypocetPolozek(CNavrh&, const CMaterialList&, const std::string&, CalcContext&) override {}
    void KontrolaCeniku(std::vector<CChybiMaterial>&, const std::string&, const CMaterialList&,
                        const Separators&) const override
    {
    }
    int TreePicture() const override { return 6; }
};

FormView* Editor(MainWindow& window) { return window.Form().Editor(); }

std::string EditorTitle(MainWindow& window)
{
    FormView* editor = Editor(window);
    return editor == nullptr ? std::string() : editor->Model().Title();
}

TEST_F(DesktopTest, OpensTheDemoHouseWithItsTreeAndTheProjectForm)
{
    Start();
    ASSERT_FALSE(Tree().Children(kNoTreeItem).empty());
    EXPECT_EQ(Tree().Text(Doc().ProjectItem()), "Rodinný dům Zahradní");
    EXPECT_NE(ItemNamed("Přízemí"), kNoTreeItem);
    EXPECT_TRUE(TreeWidget().isExpanded(static_cast<ProjectTreeModel*>(TreeWidget().model())->IndexOf(ItemNamed("Přízemí"))));
    EXPECT_EQ(EditorTitle(Window()), "Projekt");
    auto* name = qobject_cast<QLineEdit*>(Editor(Window())->Control(ProjektForm::kProjekt));
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->text(), "Rodinný dům Zahradní");
    EXPECT_TRUE(Window().windowTitle().startsWith("demo-dum.kar"));
    EXPECT_TRUE(Window().isWindowModified());  // a project just opened counts as modified
    EXPECT_EQ(ReadRecentFiles(settings), std::vector<std::string>{DemoHouse()});
    EXPECT_TRUE(Window().Action("recent-1")->isVisible());  // the "&Soubor" menu shows it at once
    EXPECT_TRUE(ui.messages.empty()) << ui.MessageLines().front();
}

TEST_F(DesktopTest, AClickOpensTheEditorWhileTheKeyboardOnlySelects)
{
    Start();
    const TreeItem group = ItemNamed("Přízemí");
    Click(group);
    ASSERT_EQ(EditorTitle(Window()), "Skupina");

    TreeWidget().setFocus();
    QTest::keyClick(&TreeWidget(), Qt::Key_Down);
    Settle();
    const TreeItem wall = Tree().Children(group).front();
    EXPECT_EQ(Tree().Selected(), wall);
    EXPECT_EQ(EditorTitle(Window()), "Skupina");  // still the group clicked last
    // The commands act on the new selection: a wall may be copied now.
    EXPECT_TRUE(Window().Action("wall-copy")->isEnabled());

    Click(wall);
    EXPECT_EQ(Window().Form().EditedObject(), Tree().Data(wall));
    EXPECT_EQ(Editor(Window()), nullptr);  // a wall shows its label until it has a form
}

TEST_F(DesktopTest, AnotherClickWhileAValueIsBadAsksWhetherToDelete)
{
    Start();
    auto element = std::make_unique<CheckedElement>();
    CheckedElement& checked = *element;
    CProjekt& projekt = *Doc().Projekt();
    projekt.Prvky.push_back(std::move(element));
    checked.VlozDoStromu(Tree(), Doc().ProjectItem());
    Click(checked.hItem);
    ASSERT_EQ(EditorTitle(Window()), "Zkušební");

    auto* count = qobject_cast<QLineEdit*>(Editor(Window())->Control(CheckedElement::Form::kPocet));
    count->setFocus(Qt::MouseFocusReason);
    Settle();
    count->selectAll();
    QTest::keyClicks(count, "-3");

    // Cancel: the form and the selection stay.
    ui.answers = {Answer::Ok, Answer::Cancel};
    Click(ItemNamed("Přízemí"));
    EXPECT_EQ(ui.MessageLines(), (std::vector<std::string>{"Validace: záporný počet",
                                                           "Validace: Položky zatím nejsou správně vyplněny.\nZrušit ?"}));
    EXPECT_EQ(Tree().Selected(), checked.hItem);
    EXPECT_EQ(EditorTitle(Window()), "Zkušební");
    EXPECT_EQ(count->text(), "-3");

    // OK: the element is deleted (after the document's own question).
    ui.messages.clear();
    ui.answers = {Answer::Ok, Answer::Ok, Answer::Yes};
    Click(ItemNamed("Přízemí"));
    Settle();
    ASSERT_EQ(ui.messages.size(), 3u);
    EXPECT_EQ(ui.messages[2].caption, "? Smazat ?");
    EXPECT_EQ(ItemNamed("Zkušební prvek"), kNoTreeItem);
    for (const auto& child : projekt.Prvky) EXPECT_NE(child->Nazev, "Zkušební prvek");
    EXPECT_EQ(Tree().Selected(), Doc().ProjectItem());
    EXPECT_EQ(EditorTitle(Window()), "Projekt");
}

TEST_F(DesktopTest, InsertCommandsFollowTheSelectionAndThePriceList)
{
    Start();
    Click(ItemNamed("Přízemí"));
    for (const char* key : {"insert-group", "insert-wall", "insert-any", "allplan"})
        EXPECT_TRUE(Window().Action(key)->isEnabled()) << key;
    EXPECT_FALSE(Window().Action("wall-copy")->isEnabled());
    EXPECT_TRUE(Window().Action("delete")->isEnabled());

    // Selecting the project: it cannot be deleted.
    Click(Doc().ProjectItem());
    EXPECT_FALSE(Window().Action("delete")->isEnabled());

    // A saved proposal: nothing may be inserted under "Návrhy", the proposal may be deleted.
    CNavrh navrh;
    navrh.Nazev = "Nabídka";
    Doc().UlozNavrhDoProjektu(navrh);
    Window().UpdateCommands();
    Click(Tree().Children(Doc().ProposalsItem()).front());
    for (const char* key : {"insert-group", "insert-wall", "allplan"})
        EXPECT_FALSE(Window().Action(key)->isEnabled()) << key;
    EXPECT_TRUE(Window().Action("delete")->isEnabled());

    // The insert command runs in the container of the selection and opens the new group's form.
    Click(ItemNamed("Obvodová zeď jižní"));
    Window().Action("insert-group")->trigger();
    Settle();
    const TreeItem added = Tree().Selected();
    EXPECT_EQ(Tree().Text(added), "Skupina");
    EXPECT_EQ(Tree().Parent(added), ItemNamed("Přízemí"));
    EXPECT_EQ(EditorTitle(Window()), "Skupina");
}

TEST_F(DesktopTest, WithoutAPriceListNothingCanBeInserted)
{
    settings.SetString("CZ-Kč", "CenikFileName", "/neexistuje/cenik.dat");
    Start("");
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages.back().text, "Nelze načíst ceník materiálu.\nZkontrolujte v Nastavení.");
    Click(Doc().ProjectItem());
    for (InsertCommand command : {InsertCommand::Skupina, InsertCommand::Zed, InsertCommand::VsechnyPolozky})
        EXPECT_FALSE(InsertEnabled(Doc(), command));
    EXPECT_FALSE(Window().Action("insert-group")->isEnabled());
    EXPECT_FALSE(Window().Action("pricelist")->isEnabled());
    EXPECT_TRUE(Window().Action("proposal-whole")->isEnabled());
}

// Sends the events of dragging `item` to the middle of `over`; returns whether the drop was taken.
bool DragAndDrop(ProjectTreeView& view, QMimeData* mime, const QPoint& at)
{
    QWidget* viewport = view.viewport();
    QDragEnterEvent enter(at, Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &enter);
    QDragMoveEvent move(at, Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
    if (!move.isAccepted()) {
        QDragLeaveEvent leave;
        QApplication::sendEvent(viewport, &leave);
        return false;
    }
    QDropEvent drop(QPointF(at), Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &drop);
    return drop.isAccepted();
}

TEST_F(DesktopTest, DragAndDropMovesElementsOnlyWhereTheyMayGo)
{
    Start();
    auto* model = static_cast<ProjectTreeModel*>(TreeWidget().model());
    const TreeItem groundFloor = ItemNamed("Přízemí");
    const TreeItem ceiling = ItemNamed("Strop nad přízemím");
    const TreeItem wall = ItemNamed("Vnitřní nosná zeď");
    ASSERT_NE(ceiling, kNoTreeItem);
    CObject* wallElement = Tree().Data(wall);

    struct Case {
        const char* name;
        TreeItem dragged;
        TreeItem over;
    };
    // Refused: onto its own parent, the project itself, an item of another tree.
    for (const Case& c : {Case{"own parent", wall, groundFloor}, Case{"the project", Doc().ProjectItem(), ceiling},
                          Case{"a group into itself", groundFloor, Tree().Children(groundFloor).front()}}) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<QMimeData> mime(TreeWidget().DragMimeData(c.dragged));
        EXPECT_FALSE(DragAndDrop(TreeWidget(), mime.get(), RectOf(c.over).center()));
        EXPECT_EQ(model->DropTarget(), kNoTreeItem);
    }
    QMimeData foreign;
    foreign.setData(kTreeItemMimeType, "1:2:" + QByteArray::number(wall));
    EXPECT_FALSE(DragAndDrop(TreeWidget(), &foreign, RectOf(ceiling).center()));
    EXPECT_EQ(Tree().Parent(wall), groundFloor);

    // Over an element of the other group the target is that group.
    const TreeItem ceilingElement = Tree().Children(ceiling).front();
    std::unique_ptr<QMimeData> mime(TreeWidget().DragMimeData(wall));
    EXPECT_TRUE(DragAndDrop(TreeWidget(), mime.get(), RectOf(ceilingElement).center()));
    const TreeItem moved = Tree().Find(wallElement);
    EXPECT_EQ(Tree().Parent(moved), ceiling);
    EXPECT_EQ(Tree().Selected(), moved);
    auto* ceilingGroup = dynamic_cast<CSkupina*>(Tree().Data(ceiling));
    ASSERT_NE(ceilingGroup, nullptr);
    EXPECT_EQ(ceilingGroup->Prvky.back().get(), wallElement);
    EXPECT_EQ(model->DropTarget(), kNoTreeItem);
}

TEST_F(DesktopTest, TheRecentlyUsedFilesAreInTheFileMenu)
{
    belvo::test::TempDir dir;
    const std::string copy = (dir.Path() / "kopie.kar").string();
    Start();
    ui.fileNames = {copy};
    Window().Action("save-as")->trigger();
    EXPECT_EQ(Doc().PathName(), copy);
    EXPECT_EQ(ReadRecentFiles(settings), (std::vector<std::string>{copy, DemoHouse()}));
    QAction* second = Window().Action("recent-2");
    EXPECT_TRUE(second->isVisible());
    EXPECT_EQ(second->text(), QString::fromStdString("&2 " + DemoHouse()));
    EXPECT_FALSE(Window().Action("recent-3")->isVisible());

    second->trigger();
    EXPECT_EQ(Doc().PathName(), DemoHouse());
    EXPECT_EQ(ReadRecentFiles(settings).front(), DemoHouse());

    // A file that is gone leaves the list.
    std::filesystem::remove(copy);
    ui.answers = {Answer::No};  // do not save the changes of the open project
    Window().Action("recent-2")->trigger();
    EXPECT_EQ(Doc().PathName(), DemoHouse());
    EXPECT_EQ(ReadRecentFiles(settings), std::vector<std::string>{DemoHouse()});
}

TEST_F(DesktopTest, ADroppedProjectFileIsOpened)
{
    Start("");
    EXPECT_TRUE(Doc().PathName().empty());
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(DemoHouse()))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&Window(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&Window(), &drop);
    Settle();
    EXPECT_EQ(Doc().PathName(), DemoHouse());

    QMimeData text;
    text.setUrls({QUrl::fromLocalFile("/tmp/obrazek.png")});
    QDragEnterEvent other(QPoint(10, 10), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&Window(), &other);
    EXPECT_FALSE(other.isAccepted());
}

TEST_F(DesktopTest, ClosingAsksAboutChangesAndRemembersTheWindow)
{
    Start();
    ui.answers = {Answer::Cancel};
    EXPECT_FALSE(Window().close());
    EXPECT_TRUE(Window().isVisible());
    EXPECT_EQ(ui.messages.back().text, "Uložit změny do \"" + DemoHouse() + "\" ?");

    ui.answers = {Answer::No};
    EXPECT_TRUE(Window().close());
    const WindowState state = ReadWindowState(settings);
    EXPECT_FALSE(state.geometry.empty());
    EXPECT_FALSE(state.splitter.empty());
}

TEST_F(DesktopTest, TheKeyboardReachesTheTreeTheFormsAndBack)
{
    Start();
    EXPECT_EQ(QApplication::focusWidget(), &TreeWidget());
    QTest::keyClick(&TreeWidget(), Qt::Key_Down);
    QTest::keyClick(&TreeWidget(), Qt::Key_Return);
    Settle();
    ASSERT_EQ(EditorTitle(Window()), "Skupina");
    QTest::keyClick(&TreeWidget(), Qt::Key_Tab);
    FormView* editor = Editor(Window());
    EXPECT_EQ(QApplication::focusWidget(), editor->TabOrder().front());
    for (std::size_t i = 1; i < editor->TabOrder().size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), editor->TabOrder()[i]) << i;
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), &TreeWidget());
}

TEST_F(DesktopTest, AnElementWithoutMaterialOfItsKindIsRemovedAgain)
{
    Start();
    auto element = std::make_unique<CheckedElement>();
    element->noMaterial = true;
    CheckedElement& checked = *element;
    Doc().Projekt()->Prvky.push_back(std::move(element));
    checked.VlozDoStromu(Tree(), Doc().ProjectItem());
    ui.answers = {Answer::Ok, Answer::Yes};
    Click(checked.hItem);
    Settle();
    EXPECT_EQ(ui.MessageLines().front(), "Chyba: Nahraný ceník neobsahuje žádný materiál vybraného druhu");
    EXPECT_EQ(ui.messages.back().caption, "? Smazat ?");
    EXPECT_EQ(ItemNamed("Zkušební prvek"), kNoTreeItem);
    EXPECT_EQ(EditorTitle(Window()), "Projekt");
}

TEST_F(DesktopTest, ClosingTheMainWindowClosesTheSummaryWindowsFirst)
{
    Start();
    Window().Action("proposal-whole")->trigger();
    Click(ItemNamed("Přízemí"));
    Window().Action("proposal-selection")->trigger();
    Settle();
    ASSERT_EQ(Window().Summaries().Count(), 2u);
    EXPECT_TRUE(Window().Summaries().WindowAt(0)->isVisible());

    // The project question comes after the summary windows have gone; cancelling it keeps the
    // main window (the summary windows are closed already).
    ui.answers = {Answer::Cancel};
    EXPECT_FALSE(Window().close());
    EXPECT_EQ(Window().Summaries().Count(), 0u);
    ui.answers = {Answer::No};
    EXPECT_TRUE(Window().close());
}

TEST_F(DesktopTest, DeleteInTheTreeDeletesTheElementButInAFormOnlyText)
{
    Start();
    const TreeItem group = ItemNamed("Terasa a okolí");
    Click(group);
    auto* name = qobject_cast<QLineEdit*>(Editor(Window())->Control(1));
    ASSERT_NE(name, nullptr);
    name->setFocus();
    name->setCursorPosition(0);
    QTest::keyClick(name, Qt::Key_Delete);
    EXPECT_EQ(name->text(), "erasa a okolí");
    EXPECT_TRUE(ui.messages.empty());

    TreeWidget().setFocus();
    ui.answers = {Answer::Yes};
    QTest::keyClick(&TreeWidget(), Qt::Key_Delete);
    Settle();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "zrušit položku \"Terasa a okolí\" a všechny podpoložky\nbez náhrady");
    EXPECT_EQ(ItemNamed("Terasa a okolí"), kNoTreeItem);
    EXPECT_EQ(Tree().Selected(), Doc().ProjectItem());
}

// The mnemonic letters of the actions of one menu (or menu bar), each with the texts that use it.
std::map<QChar, QStringList> Mnemonics(const QList<QAction*>& actions)
{
    std::map<QChar, QStringList> letters;
    for (const QAction* action : actions) {
        if (!action->isVisible() || action->isSeparator()) continue;
        const QString text = action->text();
        const qsizetype at = text.indexOf(QLatin1Char('&'));
        if (at >= 0 && at + 1 < text.size() && text[at + 1] != QLatin1Char('&'))
            letters[text[at + 1].toLower()] << text;
    }
    return letters;
}

void ExpectUniqueMnemonics(QMenuBar& bar, const char* window)
{
    const auto check = [window](const QList<QAction*>& actions, const QString& where) {
        for (const auto& [letter, texts] : Mnemonics(actions))
            EXPECT_EQ(texts.size(), 1) << window << ", " << where.toStdString() << ": " << texts.join(" / ").toStdString();
    };
    check(bar.actions(), "menu bar");
    for (QAction* entry : bar.actions())
        if (QMenu* menu = entry->menu()) check(menu->actions(), entry->text());
}

TEST_F(DesktopTest, EveryMnemonicOfAMenuIsItsOwn)
{
    Start();
    ExpectUniqueMnemonics(*Window().menuBar(), "main window");
    Window().Action("proposal-whole")->trigger();
    Settle();
    ASSERT_EQ(Window().Summaries().Count(), 1u);
    ExpectUniqueMnemonics(*Window().Summaries().WindowAt(0)->menuBar(), "summary window");
}

}  // namespace
}  // namespace belvo::gui::test
