#include "gui/main/main_window.h"

#include <algorithm>

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QLabel>
#include <QMimeData>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QUrl>

#include "app/recent_files.h"
#include "document/belvo_doc.h"
#include "gui/dialogs/import_report_window.h"
#include "gui/dialogs/settings_dialog.h"
#include "gui/forms/form_view.h"
#include "gui/icons.h"
#include "gui/main/main_form.h"
#include "gui/main/project_tree_model.h"
#include "gui/main/project_tree_view.h"
#include "gui/main/window_state.h"
#include "gui/qt_text.h"
#include "gui/summary/summary_window_list.h"
#include "platform/system_info.h"
#include "platform/ui.h"

namespace belvo::gui {

namespace {
// The widths the splitter starts with: the tree and the form.
constexpr int kTreeWidth = 250;
constexpr int kFormWidth = 750;
}  // namespace

MainWindow::MainWindow(WindowEnvironment env, QWidget* parent)
    : QMainWindow(parent),
      m_env(std::move(env)),
      m_summaries(std::make_unique<SummaryWindowList>(
          SummaryEnvironment{m_env.ui, m_env.settings, m_env.system, m_env.shell}))
{
    setWindowIcon(ProgramIcon());
    setAcceptDrops(true);
    m_form = new MainForm(this);
    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setChildrenCollapsible(false);
    setCentralWidget(m_splitter);
    m_priceListLabel = new QLabel(this);
    m_priceListLabel->setAccessibleName("Ceník");
    statusBar()->addPermanentWidget(m_priceListLabel);
    statusBar()->showMessage("Připraven");
}

MainWindow::~MainWindow()
{
    // The summary windows go before the document they show.
    m_summaries->CloseAll();
}

DocumentViews MainWindow::Views() { return DocumentViews{*m_form, *this, *m_summaries, *this}; }

void MainWindow::AttachDocument(CBelvoDoc& doc)
{
    m_doc = &doc;
    m_form->SetDocument(&doc);
    m_summaries->SetDocument(&doc);
    m_treeModel = std::make_unique<ProjectTreeModel>(doc.Tree());
    m_treeView = new ProjectTreeView(doc, *m_treeModel, m_splitter);
    m_splitter->addWidget(m_treeView);
    m_splitter->addWidget(m_form);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setSizes({kTreeWidth, kFormWidth});

    CreateCommands();
    CreateMenus();
    CreateToolBars();
    connect(m_treeView, &ProjectTreeView::selectionMoved, this, &MainWindow::UpdateCommands);
    connect(m_form, &MainForm::editorChanged, this, &MainWindow::UpdateCommands);
    connect(m_form, &MainForm::editorChanged, this, &MainWindow::LinkTabOrder);
    for (const auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(m_treeModel.get(), signal, this, &MainWindow::UpdateCommands);
    connect(m_treeModel.get(), &QAbstractItemModel::dataChanged, this, &MainWindow::UpdateCommands);
    connect(m_treeModel.get(), &QAbstractItemModel::modelReset, this, &MainWindow::UpdateCommands);
    RestoreWindowState();
    UpdateRecentFiles();
    UpdateCommands();
}

// --- What the document asks of the window --------------------------------------------------------

void MainWindow::Redraw()
{
    if (m_treeView != nullptr) m_treeView->viewport()->update();
}

void MainWindow::FinishSetup()
{
    if (m_treeView != nullptr) m_treeView->FinishSetup();
    UpdateCommands();
}

void MainWindow::Beep() { QApplication::beep(); }

bool MainWindow::ShowSettings(const std::string& presetSection, const std::string& connection)
{
    return ShowSettingsDialog(isVisible() ? this : nullptr,
                              SettingsDialogEnvironment{m_env.ui, m_env.settings, m_env.startupDirectory,
                                                        m_env.system.NumberSeparators()},
                              presetSection, connection);
}

void MainWindow::ShowImportReport(const std::string& text) { gui::ShowImportReport(this, text); }

// --- Commands ------------------------------------------------------------------------------------

void MainWindow::Run(const std::function<void()>& command)
{
    command();
    UpdateCommands();
}

void MainWindow::RememberCurrentFile()
{
    if (m_doc == nullptr || m_doc->PathName().empty()) return;
    AddRecentFile(m_env.settings, m_doc->PathName());
    UpdateRecentFiles();
}

bool MainWindow::OpenProject(const std::string& path)
{
    if (m_doc == nullptr) return false;
    bool opened = false;
    Run([&] {
        if (!m_summaries->QueryCloseAll() || !m_doc->SaveModified()) return;
        opened = m_doc->OnOpenDocument(path);
        if (opened) {
            RememberCurrentFile();
        } else {
            RemoveRecentFile(m_env.settings, path);
            UpdateRecentFiles();
        }
    });
    return opened;
}

void MainWindow::UpdateCommands()
{
    if (m_doc == nullptr) return;
    const CBelvoDoc& doc = *m_doc;
    for (const auto& [command, action] : m_insertActions) action->setEnabled(InsertEnabled(doc, command));
    m_actions.at("wall-copy")->setEnabled(KopieZdiEnabled(doc));
    m_actions.at("delete")->setEnabled(ZrusitEnabled(doc));
    m_actions.at("allplan")->setEnabled(ImportAllplanEnabled(doc));
    m_actions.at("pricelist")->setEnabled(doc.CenikNeniPrazdny());
    m_actions.at("pricelist-save")->setEnabled(doc.CenikNeniPrazdny());
    m_actions.at("split-groups")->setChecked(doc.ClenitPoSkupinach());

    setWindowTitle(Qs(doc.Title()) + "[*] - Belvo");
    setWindowModified(doc.IsModified());
    m_priceListLabel->setText(Qs(doc.Cenik().CenikId));
}

void MainWindow::LinkTabOrder()
{
    // Tab goes from the tree into the form and from the form's last button back to the tree.
    FormView* editor = m_form->Editor();
    if (editor == nullptr || editor->TabOrder().empty()) return;
    QWidget::setTabOrder(m_treeView, editor->TabOrder().front());
    QWidget::setTabOrder(editor->TabOrder().back(), m_treeView);
}

void MainWindow::UpdateRecentFiles()
{
    const std::vector<std::string> files = ReadRecentFiles(m_env.settings);
    for (std::size_t i = 0; i < m_recentActions.size(); ++i) {
        QAction* action = m_recentActions[i];
        const bool shown = i < files.size();
        action->setVisible(shown);
        if (!shown) continue;
        action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(Qs(files[i]).replace("&", "&&")));
        action->setData(Qs(files[i]));
    }
    if (m_recentSeparator != nullptr) m_recentSeparator->setVisible(!files.empty());
}

// --- The window ----------------------------------------------------------------------------------

void MainWindow::closeEvent(QCloseEvent* event)
{
    // The summary windows close first (asking about unsaved edits), then the project is saved or
    // abandoned as the user says.
    if (!m_summaries->QueryCloseAll()) {
        event->ignore();
        return;
    }
    m_summaries->CloseAll();
    if (m_doc != nullptr && !m_doc->SaveModified()) {
        event->ignore();
        UpdateCommands();
        return;
    }
    SaveWindowState();
    event->accept();
}

namespace {
// The project file among dropped files: the first local file whose name ends with ".kar".
QString DroppedProject(const QMimeData* mime)
{
    if (mime == nullptr || !mime->hasUrls()) return {};
    for (const QUrl& url : mime->urls())
        if (url.isLocalFile() && url.toLocalFile().endsWith(".kar", Qt::CaseInsensitive)) return url.toLocalFile();
    return {};
}
}  // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!DroppedProject(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        event->ignore();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QString path = DroppedProject(event->mimeData());
    if (path.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    // The drop ends before the questions of opening are asked.
    QMetaObject::invokeMethod(this, [this, file = Us(path)] { OpenProject(file); }, Qt::QueuedConnection);
}

void MainWindow::RestoreWindowState()
{
    const WindowState state = ReadWindowState(m_env.settings);
    if (state.geometry.empty() ||
        !restoreGeometry(QByteArray::fromBase64(QByteArray::fromStdString(state.geometry)))) {
        // A first start: most of the screen, centred.
        const QRect screen = QApplication::primaryScreen() != nullptr ? QApplication::primaryScreen()->availableGeometry()
                                                                       : QRect(0, 0, 1280, 900);
        const QSize size(std::min(1200, screen.width() * 9 / 10), std::min(820, screen.height() * 9 / 10));
        resize(size);
        move(screen.center() - QPoint(size.width() / 2, size.height() / 2));
    }
    if (!state.splitter.empty()) m_splitter->restoreState(QByteArray::fromBase64(QByteArray::fromStdString(state.splitter)));
}

void MainWindow::SaveWindowState()
{
    WindowState state;
    state.geometry = saveGeometry().toBase64().toStdString();
    state.splitter = m_splitter->saveState().toBase64().toStdString();
    WriteWindowState(m_env.settings, state);
}

QAction* MainWindow::Action(const std::string& key) const
{
    const auto found = m_actions.find(key);
    return found == m_actions.end() ? nullptr : found->second;
}

}  // namespace belvo::gui
