#include "gui/summary/summary_window_list.h"

#include <algorithm>
#include <filesystem>

#include "document/belvo_doc.h"
#include "foundation/errors.h"
#include "foundation/file_path.h"
#include "gui/summary/summary_window.h"
#include "proposal/navrh.h"
#include "proposal/prehled_form.h"

namespace belvo::gui {

namespace {

std::string CurrentDirectory()
{
    std::error_code error;
    const std::filesystem::path current = std::filesystem::current_path(error);
    return error ? std::string(".") : PathToUtf8(current);
}

}  // namespace

SummaryWindowList::SummaryWindowList(SummaryEnvironment env) : m_env(env) {}

SummaryWindowList::~SummaryWindowList() { CloseAll(); }

void SummaryWindowList::Open(SummaryRequest request)
{
    SummaryProject project;
    // The document is looked up when the user saves, so a window always saves into the
    // document it belongs to.
    project.saveCopy = [this](const CNavrh& navrh) {
        if (m_doc == nullptr) throw BelvoError("Návrh nelze uložit: není otevřen žádný projekt.");
        m_doc->UlozNavrhDoProjektu(navrh);
    };
    project.path = [this] { return m_doc != nullptr ? m_doc->PathName() : std::string(); };
    const std::string startup = m_doc != nullptr ? m_doc->StartupDirectory() : CurrentDirectory();

    auto form = std::make_unique<CPrehledForm>(std::move(request.navrh), std::move(request.project),
                                               PrehledEnvironment{m_env.ui, m_env.settings, m_env.system, m_env.shell,
                                                                  startup, std::move(project)});
    auto* window = new SummaryWindow(std::move(form), m_env.ui, request.autoRound);
    window->setAttribute(Qt::WA_DeleteOnClose);
    // A window leaves the list as soon as it has closed (it is deleted a moment later).
    connect(window, &SummaryWindow::closed, this, [this, window] { Forget(window); });
    connect(window, &QObject::destroyed, this, &SummaryWindowList::Forget);
    m_windows.insert(m_windows.begin(), window);
    window->show();
    window->raise();
    window->activateWindow();
}

void SummaryWindowList::Forget(QObject* window)
{
    std::erase_if(m_windows, [window](SummaryWindow* shown) { return static_cast<QObject*>(shown) == window; });
}

void SummaryWindowList::CloseAll()
{
    std::vector<SummaryWindow*> windows;
    windows.swap(m_windows);
    for (SummaryWindow* window : windows) delete window;
}

bool SummaryWindowList::QueryCloseAll()
{
    const std::vector<SummaryWindow*> windows = m_windows;
    for (SummaryWindow* window : windows) {
        if (std::find(m_windows.begin(), m_windows.end(), window) == m_windows.end()) continue;
        if (!window->Form().Upraveno()) continue;
        window->raise();
        window->activateWindow();
        if (!window->QueryClose()) return false;
    }
    return true;
}

std::size_t SummaryWindowList::Count() const { return m_windows.size(); }

QMainWindow* SummaryWindowList::WindowAt(std::size_t index) const
{
    return index < m_windows.size() ? m_windows[index] : nullptr;
}

}  // namespace belvo::gui
