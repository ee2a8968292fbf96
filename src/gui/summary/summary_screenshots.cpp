#include "gui/summary/summary_screenshots.h"

#include <memory>

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QPrinter>
#include <QTabWidget>

#include "gui/summary/print_preview.h"
#include "gui/summary/summary_window.h"
#include "gui/summary/summary_window_list.h"

namespace belvo::gui {

namespace {

bool Grab(QWidget& widget, const QString& path)
{
    QApplication::processEvents();
    return widget.grab().save(path, "PNG");
}

}  // namespace

bool WriteSummaryScreenshots(SummaryWindowList& windows, const QString& directory)
{
    auto* window = qobject_cast<SummaryWindow*>(windows.WindowAt(0));
    if (window == nullptr) return false;
    const QDir dir(directory);
    const int shownTab = window->Tabs()->currentIndex();
    // The size of a usual desktop, whatever screen the pictures are taken on.
    const QRect geometry = window->geometry();
    window->resize(1280, 800);

    window->SelectTab(CPrehledForm::kItemTab);
    bool written = Grab(*window, dir.filePath(QStringLiteral("summary-material.png")));
    window->SelectTab(CPrehledForm::kPalletTab);
    written = Grab(*window, dir.filePath(QStringLiteral("summary-obaly.png"))) && written;
    window->SelectTab(shownTab);
    window->setGeometry(geometry);

    QPrinter printer(QPrinter::HighResolution);
    std::unique_ptr<PrintPreview> preview = window->MakePreview(printer, SummaryWindow::PrintMode::Report);
    preview->resize(1000, 900);
    preview->show();
    written = Grab(*preview, dir.filePath(QStringLiteral("print-preview.png"))) && written;
    preview->close();
    return written;
}

}  // namespace belvo::gui
