// The main window: the menus and the two toolbars with every command of the document, the
// status bar, and a splitter of the project tree and the form area. It is the document's tree
// view and hosts its main form, its summary windows and its dialogs. The window remembers its
// geometry and the splitter, keeps the recently used files in the "&Soubor" menu, and opens a
// project file dropped onto it.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <QMainWindow>

#include "document/document_views.h"
#include "document/element_commands.h"

class QAction;
class QLabel;
class QMenu;
class QSplitter;
class QToolBar;

namespace belvo {
class CBelvoDoc;
class SettingsStore;
class Shell;
class SystemInfo;
class Ui;
}  // namespace belvo

namespace belvo::gui {

class MainForm;
class ProjectTreeModel;
class ProjectTreeView;
class SummaryWindowList;

// What the windows work with besides the document.
struct WindowEnvironment {
    Ui& ui;
    SettingsStore& settings;
    const SystemInfo& system;
    Shell& shell;
    std::string startupDirectory;
};

class MainWindow : public QMainWindow, public TreeView, public DocumentDialogs {
    Q_OBJECT
public:
    explicit MainWindow(WindowEnvironment env, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The windows the document reaches; valid from construction on.
    DocumentViews Views();
    // Shows the document: called once, right after the document has been made with Views().
    void AttachDocument(CBelvoDoc& doc);

    // TreeView
    void Redraw() override;
    void FinishSetup() override;
    void Beep() override;
    // DocumentDialogs
    bool ShowSettings(const std::string& presetSection, const std::string& connection) override;
    void ShowImportReport(const std::string& text) override;

    // Opens a project file as "&Otevřít..." would after the file dialog (the recently used files
    // and a file dropped onto the window); false when it was not opened.
    bool OpenProject(const std::string& path);

    // Every command by a short key ("new", "insert-Zed", …), for tests and screenshots.
    QAction* Action(const std::string& key) const;
    ProjectTreeView& Tree() const { return *m_treeView; }
    MainForm& Form() const { return *m_form; }
    SummaryWindowList& Summaries() const { return *m_summaries; }
    QSplitter& Splitter() const { return *m_splitter; }
    QToolBar& MainToolBar() const { return *m_mainToolBar; }
    QToolBar& SecondToolBar() const { return *m_secondToolBar; }
    QMenu& FileMenu() const { return *m_fileMenu; }

    // Enables the commands by the document's rules and shows the title and the status.
    void UpdateCommands();
    // The recently used files as the settings hold them now.
    void UpdateRecentFiles();
    // The document's file (when it has one) heads the recently used files.
    void RememberCurrentFile();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateCommands();
    void CreateMenus();
    void CreateToolBars();
    QAction* AddCommand(const std::string& key, const QString& text, const QIcon& icon, std::function<void()> run);
    // Runs a command of the document and shows what it changed.
    void Run(const std::function<void()>& command);
    void LinkTabOrder();
    void ShowAbout();
    void ShowHelp();
    void RestoreWindowState();
    void SaveWindowState();

    WindowEnvironment m_env;
    CBelvoDoc* m_doc = nullptr;
    std::unique_ptr<SummaryWindowList> m_summaries;
    std::unique_ptr<ProjectTreeModel> m_treeModel;
    MainForm* m_form = nullptr;
    ProjectTreeView* m_treeView = nullptr;
    QSplitter* m_splitter = nullptr;
    QToolBar* m_mainToolBar = nullptr;
    QToolBar* m_secondToolBar = nullptr;
    QMenu* m_fileMenu = nullptr;
    QMenu* m_viewMenu = nullptr;
    QAction* m_recentSeparator = nullptr;
    std::vector<QAction*> m_recentActions;
    QLabel* m_priceListLabel = nullptr;
    std::map<std::string, QAction*> m_actions;
    std::map<InsertCommand, QAction*> m_insertActions;
    QWidget* m_importReport = nullptr;
};

}  // namespace belvo::gui
