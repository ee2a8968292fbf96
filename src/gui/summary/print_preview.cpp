#include "gui/summary/print_preview.h"

#include <algorithm>

#include <QAction>
#include <QGuiApplication>
#include <QKeySequence>
#include <QPrintPreviewWidget>
#include <QScreen>
#include <QToolBar>
#include <QVBoxLayout>

namespace belvo::gui {

namespace {

constexpr int kMaxZoom = 2;

QAction* AddAction(QToolBar* bar, const QString& text, const QKeySequence& key = {})
{
    QAction* action = bar->addAction(text);
    QString name = text;
    action->setToolTip(name.remove(QLatin1Char('&')));
    if (!key.isEmpty()) action->setShortcut(key);
    return action;
}

}  // namespace

PrintPreview::PrintPreview(QPrinter& printer, std::function<void(QPrinter&)> paint, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Náhled"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* bar = new QToolBar(this);
    bar->setAccessibleName(QStringLiteral("Náhled"));
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    layout->addWidget(bar);

    m_pages = new QPrintPreviewWidget(&printer, this);
    m_pages->setAccessibleName(QStringLiteral("Stránky"));
    layout->addWidget(m_pages, 1);
    connect(m_pages, &QPrintPreviewWidget::paintRequested, this, [paint = std::move(paint)](QPrinter* target) {
        paint(*target);
    });

    m_print = AddAction(bar, QStringLiteral("&Tisk ..."), QKeySequence::Print);
    m_next = AddAction(bar, QStringLiteral("&Další strana"), QKeySequence(Qt::Key_PageDown));
    m_previous = AddAction(bar, QStringLiteral("&Předchozí strana"), QKeySequence(Qt::Key_PageUp));
    m_onePage = AddAction(bar, QStringLiteral("D&vě strany"));
    m_zoomIn = AddAction(bar, QStringLiteral("Zvě&tšit"), QKeySequence::ZoomIn);
    m_zoomOut = AddAction(bar, QStringLiteral("Zm&enšit"), QKeySequence::ZoomOut);
    m_close = AddAction(bar, QStringLiteral("&Zavřít"));

    connect(m_print, &QAction::triggered, this, [this] {
        m_printRequested = true;
        accept();
    });
    connect(m_next, &QAction::triggered, this, [this] { m_pages->setCurrentPage(m_pages->currentPage() + 1); });
    connect(m_previous, &QAction::triggered, this, [this] { m_pages->setCurrentPage(m_pages->currentPage() - 1); });
    connect(m_onePage, &QAction::triggered, this, [this] {
        m_twoPages = !m_twoPages;
        if (m_twoPages)
            m_pages->setFacingPagesViewMode();
        else
            m_pages->setSinglePageViewMode();
        ZoomTo(0);
    });
    connect(m_zoomIn, &QAction::triggered, this, [this] { ZoomTo(m_zoom + 1); });
    connect(m_zoomOut, &QAction::triggered, this, [this] { ZoomTo(m_zoom - 1); });
    connect(m_close, &QAction::triggered, this, &QDialog::reject);
    connect(m_pages, &QPrintPreviewWidget::previewChanged, this, &PrintPreview::UpdateActions);

    m_pages->setSinglePageViewMode();
    m_pages->fitInView();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize available = screen->availableSize();
        resize(available.width() * 4 / 5, available.height() * 9 / 10);
    }
    UpdateActions();
}

void PrintPreview::ZoomTo(int level)
{
    level = std::clamp(level, 0, kMaxZoom);
    if (level == 0) {
        m_pages->fitInView();
    } else if (level > m_zoom) {
        for (int step = m_zoom; step < level; ++step) m_pages->zoomIn(2.0);
    } else {
        for (int step = level; step < m_zoom; ++step) m_pages->zoomOut(2.0);
    }
    m_zoom = level;
    UpdateActions();
}

void PrintPreview::UpdateActions()
{
    const int page = m_pages->currentPage();
    const int pages = m_pages->pageCount();
    m_next->setEnabled(page < pages);
    m_previous->setEnabled(page > 1);
    m_onePage->setText(m_twoPages ? QStringLiteral("&Jedna strana") : QStringLiteral("D&vě strany"));
    m_onePage->setEnabled(m_zoom == 0 && pages > 1);
    m_zoomIn->setEnabled(m_zoom < kMaxZoom);
    m_zoomOut->setEnabled(m_zoom > 0);
}

}  // namespace belvo::gui
