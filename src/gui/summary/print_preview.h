// The print preview of the summary window: the pages drawn by the print job, and a toolbar with
// the print button, the next and previous page, one or two pages, zoom in and out, and
// "&Zavřít". The print button closes the preview and asks the window to print the report
// (also from a preview of the table copy), so the preview never prints on its own.
#pragma once

#include <functional>

#include <QDialog>

class QAction;
class QPrinter;
class QPrintPreviewWidget;

namespace belvo::gui {

class PrintPreview : public QDialog {
    Q_OBJECT
public:
    // `paint` draws every page of the job on the printer the preview renders into.
    PrintPreview(QPrinter& printer, std::function<void(QPrinter&)> paint, QWidget* parent = nullptr);

    // Whether the preview was closed by its print button.
    bool PrintRequested() const { return m_printRequested; }

    QPrintPreviewWidget* Pages() const { return m_pages; }
    QAction* PrintAction() const { return m_print; }
    QAction* NextAction() const { return m_next; }
    QAction* PreviousAction() const { return m_previous; }
    QAction* PagesAction() const { return m_onePage; }
    QAction* ZoomInAction() const { return m_zoomIn; }
    QAction* ZoomOutAction() const { return m_zoomOut; }
    QAction* CloseAction() const { return m_close; }

private:
    void UpdateActions();
    void ZoomTo(int level);

    QPrintPreviewWidget* m_pages = nullptr;
    QAction* m_print = nullptr;
    QAction* m_next = nullptr;
    QAction* m_previous = nullptr;
    QAction* m_onePage = nullptr;
    QAction* m_zoomIn = nullptr;
    QAction* m_zoomOut = nullptr;
    QAction* m_close = nullptr;
    int m_zoom = 0;  // 0: the whole page fits; each step in doubles the size
    bool m_twoPages = false;
    bool m_printRequested = false;
};

}  // namespace belvo::gui
