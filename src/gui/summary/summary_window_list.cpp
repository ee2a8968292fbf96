#include "gui/summary/summary_window_list.h"

#include <QHeaderView>
#include <QTableWidget>

#include "gui/qt_text.h"
#include "proposal/navrh.h"
#include "proposal/summary_model.h"
#include "proposal/summary_settings.h"

namespace belvo::gui {

SummaryWindowList::SummaryWindowList(SummaryEnvironment env) : m_env(env) {}

SummaryWindowList::~SummaryWindowList() { CloseAll(); }

void SummaryWindowList::Open(SummaryRequest request)
{
    // A plain read-only window with the item table.
    auto* window = new QMainWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(Qs(request.navrh->Titulek));
    auto* table = new QTableWidget(window);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    window->setCentralWidget(table);
    window->resize(900, 500);
    window->show();
    m_windows.insert(m_windows.begin(), window);
}

void SummaryWindowList::CloseAll()
{
    for (const QPointer<QMainWindow>& window : m_windows)
        if (window) delete window.data();
    m_windows.clear();
}

std::size_t SummaryWindowList::Count() const
{
    std::size_t count = 0;
    for (const QPointer<QMainWindow>& window : m_windows)
        if (window) ++count;
    return count;
}

QMainWindow* SummaryWindowList::WindowAt(std::size_t index) const
{
    std::size_t seen = 0;
    for (const QPointer<QMainWindow>& window : m_windows)
        if (window && seen++ == index) return window.data();
    return nullptr;
}

}  // namespace belvo::gui
