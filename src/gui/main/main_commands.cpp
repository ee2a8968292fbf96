// The commands of the main window: their menus, toolbars, shortcuts and what each runs. Which
// command is enabled when is the document's rule (UpdateCommands asks it).
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/recent_files.h"
#include "document/belvo_doc.h"
#include "gui/help.h"
#include "gui/icons.h"
#include "gui/main/main_form.h"
#include "gui/main/main_window.h"
#include "gui/main/project_tree_view.h"
#include "gui/summary/summary_window_list.h"
#include "gui/qt_text.h"
#include "model/element.h"
#include "platform/shell.h"
#include "platform/ui.h"
#include "settings/version.h"

namespace belvo::gui {

namespace {

// The key of each insert command's action.
struct InsertKey {
    InsertCommand command;
    const char* key;
};
constexpr InsertKey kInsertKeys[] = {
    {InsertCommand::Skupina, "insert-group"},
    {InsertCommand::Zed, "insert-wall"},
    {InsertCommand::Cihly, "insert-bricks"},
    {InsertCommand::Vencovky, "insert-ring-beams"},
    {InsertCommand::ObkladovePasky, "insert-facing-strips"},
    {InsertCommand::OkrasneTvarovky, "insert-shaped-bricks"},
    {InsertCommand::Trativodky, "insert-drainage"},
    {InsertCommand::Dlazby, "insert-paving"},
    {InsertCommand::StropniNosniky, "insert-ceiling-beams"},
    {InsertCommand::StropniVlozky, "insert-ceiling-inserts"},
    {InsertCommand::StropniPanely, "insert-ceiling-panels"},
    {InsertCommand::Vyztuze, "insert-reinforcements"},
    {InsertCommand::Kotvy, "insert-anchors"},
    {InsertCommand::Preklady, "insert-lintels"},
    {InsertCommand::RoletovePreklady, "insert-shutter-lintels"},
    {InsertCommand::Polystyreny, "insert-polystyrene"},
    {InsertCommand::MaltyAOmitky, "insert-mortars"},
    {InsertCommand::VsechnyPolozky, "insert-any"},
    {InsertCommand::Hurdis, "insert-hurdis"},
    {InsertCommand::PlotovaStriska, "insert-fence-caps"},
    {InsertCommand::SalovaciDesky, "insert-formwork"},
};

std::string InsertKeyOf(InsertCommand command)
{
    for (const InsertKey& entry : kInsertKeys)
        if (entry.command == command) return entry.key;
    return "insert";
}

// A toolbar button's tip: the command's text without its mnemonic and ellipsis.
QString TipOf(const QString& text) { return QString(text).remove('&').remove("...").trimmed(); }

}  // namespace

QAction* MainWindow::AddCommand(const std::string& key, const QString& text, const QIcon& icon,
                                std::function<void()> run)
{
    auto* action = new QAction(icon, text, this);
    action->setToolTip(TipOf(text));
    action->setStatusTip(TipOf(text));
    connect(action, &QAction::triggered, this, [this, run = std::move(run)] { Run(run); });
    m_actions[key] = action;
    return action;
}

void MainWindow::CreateCommands()
{
    CBelvoDoc& doc = *m_doc;

    // "&Soubor". A file opened or saved under a new name joins the recently used files. (New and
    // open ask the summary windows about unsaved edits themselves.)
    const auto file = [this](bool (CBelvoDoc::*command)()) {
        return [this, command] {
            if ((m_doc->*command)()) RememberCurrentFile();
        };
    };
    AddCommand("new", "&Nový", ActionIcon("new"), file(&CBelvoDoc::OnFileNew))->setShortcut(QKeySequence::New);
    AddCommand("open", "&Otevřít...", ActionIcon("open"), file(&CBelvoDoc::OnFileOpen))->setShortcut(QKeySequence::Open);
    AddCommand("save", "&Uložit", ActionIcon("save"), file(&CBelvoDoc::OnFileSave))->setShortcut(QKeySequence::Save);
    AddCommand("save-as", "Uložit &jako...", QIcon(), file(&CBelvoDoc::OnFileSaveAs))->setShortcut(QKeySequence::SaveAs);
    AddCommand("exit", "&Konec", QIcon(), [this] { close(); })->setShortcut(QKeySequence::Quit);
    for (std::size_t i = 0; i < kRecentFilesCount; ++i) {
        QAction* recent = new QAction(this);
        connect(recent, &QAction::triggered, this, [this, recent] { OpenProject(Us(recent->data().toString())); });
        m_actions["recent-" + std::to_string(i + 1)] = recent;
        m_recentActions.push_back(recent);
    }

    // The element commands.
    for (const InsertCommandInfo& info : InsertCommands()) {
        const InsertCommand command = info.command;
        const std::unique_ptr<CPrvek> sample = NovyPrvek(command, "");
        QAction* action = AddCommand(InsertKeyOf(command), Qs(info.menuText), TreeIcon(sample->TreePicture()),
                                     [&doc, command] { Insert(doc, command); });
        m_insertActions[command] = action;
    }
    AddCommand("wall-copy", "Kopie vybrané zdi", ActionIcon("wall-copy"), [&doc] { KopieZdi(doc); });
    QAction* remove = AddCommand("delete", "Zrušit prvek", ActionIcon("delete"), [&doc] { ZrusitPrvek(doc); });
    // Delete acts on the tree only: in a form it deletes text.
    remove->setShortcut(QKeySequence::Delete);
    remove->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_treeView->addAction(remove);

    // "&Zobrazit"
    AddCommand("proposal-selection", "Zobrazit požadovaný materiál - výběr", ActionIcon("proposal-selection"),
               [&doc] { doc.OnPrehledVyber(false); });
    AddCommand("proposal-quick", "Zrychleně požadovaný materiál - výběr", ActionIcon("proposal-quick"),
               [&doc] { doc.OnPrehledVyber(true); });
    AddCommand("proposal-whole", "Zobrazit požadovaný materiál - celkem", ActionIcon("proposal-whole"),
               [&doc] { doc.OnPrehledCelkem(); });
    AddCommand("split-groups", "Členit návrh po skupinách", QIcon(), [&doc] { doc.OnClenitPoSkupinach(); })
        ->setCheckable(true);
    AddCommand("pricelist", "Zobrazit ceník - materiál", ActionIcon("pricelist"), [&doc] { doc.OnZobrazCenik(); });

    // The price list.
    AddCommand("pricelist-change", "Změna ceníku ...", QIcon(), [&doc] { doc.OnZmenaCeniku(); });
    AddCommand("pricelist-load", "&Načíst ze souboru ...", QIcon(), [&doc] { doc.OnNactiZeSouboru(); });
    AddCommand("pricelist-save", "&Uložit do souboru ...", QIcon(), [&doc] { doc.OnUlozCenik(); });
    AddCommand("pricelist-database", "Načíst z &databáze ...", QIcon(), [&doc] { doc.OnNactiZDatabaze(); });
    AddCommand("pricelist-web", "Načíst z internetu", QIcon(), [&doc] { doc.OnNactiZInternetu(); });
    AddCommand("pricelist-webtest", "Test z internetu", QIcon(), [&doc] { doc.OnTestZInternetu(); });
    AddCommand("allplan", "Allplan (csv)", QIcon(), [&doc] { ImportAllplan(doc); });

    // Tools and help.
    AddCommand("settings", "&Nastaveni", QIcon(), [&doc] { doc.OnSetup(); });
    AddCommand("calculator", "K&alkulačka", ActionIcon("calculator"), [&doc] { doc.OnKalkulacka(); });
    AddCommand("help", "Nápověda", ActionIcon("help"), [this] { ShowHelp(); })->setShortcut(QKeySequence::HelpContents);
    AddCommand("about", "&ó Belvo ...", ActionIcon("about"), [this] { ShowAbout(); });
}

void MainWindow::CreateMenus()
{
    const auto add = [this](QMenu* menu, std::initializer_list<const char*> keys) {
        for (const char* key : keys) {
            if (std::string_view(key).empty())
                menu->addSeparator();
            else
                menu->addAction(m_actions.at(key));
        }
    };
    m_fileMenu = menuBar()->addMenu("&Soubor");
    add(m_fileMenu, {"new", "open", "save", "save-as", ""});
    for (QAction* recent : m_recentActions) m_fileMenu->addAction(recent);
    m_recentSeparator = m_fileMenu->addSeparator();
    add(m_fileMenu, {"exit"});

    QMenu* insert = menuBar()->addMenu("&Vložit");
    add(insert, {"insert-group", "", "insert-wall", "wall-copy", "", "insert-bricks", "insert-ring-beams",
                 "insert-facing-strips", "", "insert-ceiling-beams", "insert-ceiling-inserts", "insert-ceiling-panels",
                 "insert-reinforcements", "insert-anchors", "", "insert-shaped-bricks", "insert-drainage",
                 "insert-paving", "", "insert-lintels", "insert-shutter-lintels", "insert-polystyrene", "",
                 "insert-mortars", "", "insert-any", "", "delete"});
    // The three commands of the second toolbar have a menu of their own, so the keyboard reaches them.
    QMenu* other = menuBar()->addMenu("&Ostatní materiál");
    add(other, {"insert-hurdis", "insert-fence-caps", "insert-formwork"});

    QMenu* view = menuBar()->addMenu("&Zobrazit");
    add(view, {"proposal-selection", "proposal-quick", "proposal-whole", "split-groups", "", "pricelist", ""});
    m_viewMenu = view;

    QMenu* priceList = menuBar()->addMenu("&Ceník");
    add(priceList, {"pricelist-change", "", "pricelist-load", "pricelist-save", "", "pricelist-database", "",
                    "pricelist-web", "pricelist-webtest"});
    QMenu* import = menuBar()->addMenu("&Import");
    add(import, {"allplan"});
    QMenu* tools = menuBar()->addMenu("&Nástroje");
    add(tools, {"settings", "calculator"});
    QMenu* help = menuBar()->addMenu("Ná&pověda");
    add(help, {"help", "", "about"});

    // The enabling follows the selection; a menu shows the state of the moment it opens.
    for (QMenu* menu : {m_fileMenu, insert, other, view, priceList, import, tools, help})
        connect(menu, &QMenu::aboutToShow, this, &MainWindow::UpdateCommands);
}

void MainWindow::CreateToolBars()
{
    const auto add = [this](QToolBar* bar, std::initializer_list<const char*> keys) {
        for (const char* key : keys) {
            if (std::string_view(key).empty())
                bar->addSeparator();
            else
                bar->addAction(m_actions.at(key));
        }
    };
    m_mainToolBar = addToolBar("Panel nástrojů");
    m_mainToolBar->setObjectName("mainToolBar");
    add(m_mainToolBar,
        {"new", "open", "save", "", "pricelist", "proposal-quick", "proposal-selection", "", "insert-group", "",
         "insert-wall", "wall-copy", "", "insert-bricks", "insert-ring-beams", "insert-facing-strips", "",
         "insert-ceiling-beams", "insert-ceiling-inserts", "insert-ceiling-panels", "insert-reinforcements",
         "insert-anchors", "", "insert-shaped-bricks", "insert-drainage", "insert-paving", "", "insert-lintels",
         "insert-shutter-lintels", "insert-polystyrene", "", "insert-mortars", "", "insert-any", "", "help", "about",
         "", "calculator", "", "delete"});
    m_secondToolBar = addToolBar("Ostatní materiál");
    m_secondToolBar->setObjectName("secondToolBar");
    add(m_secondToolBar, {"proposal-whole", "insert-hurdis", "insert-fence-caps", "insert-formwork"});
    for (QToolBar* bar : {m_mainToolBar, m_secondToolBar}) {
        bar->setIconSize(QSize(20, 20));
        bar->setAccessibleName(bar->windowTitle());
    }
    QAction* mainBar = m_mainToolBar->toggleViewAction();
    mainBar->setText("&Panel nástrojů");
    QAction* secondBar = m_secondToolBar->toggleViewAction();
    secondBar->setText("&Druhý panel nástrojů");
    m_viewMenu->addAction(mainBar);
    m_viewMenu->addAction(secondBar);
}

void MainWindow::ShowAbout()
{
    QDialog about(this);
    about.setWindowTitle("O Belvo");
    auto* layout = new QVBoxLayout(&about);
    auto* row = new QHBoxLayout();
    auto* picture = new QLabel(&about);
    picture->setPixmap(ProgramIcon().pixmap(64, 64));
    row->addWidget(picture);
    auto* text = new QLabel(QStringLiteral("Belvo Version ") + Qs(std::string(kVersionText)), &about);
    text->setAccessibleName(text->text());
    row->addWidget(text, 1);
    layout->addLayout(row);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &about);
    connect(buttons, &QDialogButtonBox::accepted, &about, &QDialog::accept);
    layout->addWidget(buttons);
    about.exec();
}

void MainWindow::ShowHelp()
{
    const QString manual = ManualFile();
    if (manual.isEmpty()) {
        m_env.ui.Message("Příručka programu není nainstalována.", "Nápověda", MessageIcon::Warning);
        return;
    }
    if (!m_env.shell.OpenInViewer(Us(manual)))
        m_env.ui.Message("Příručku programu " + Us(manual) + " se nepodařilo otevřít v prohlížeči.", "Nápověda",
                         MessageIcon::Warning);
}

}  // namespace belvo::gui
