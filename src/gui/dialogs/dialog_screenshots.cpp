#include "gui/dialogs/dialog_screenshots.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>

#include "catalogue/price_list_label.h"
#include "catalogue/price_list_view.h"
#include "gui/dialogs/table_window.h"
#include "gui/forms/form_dialog.h"

namespace belvo::gui {

namespace {

bool GrabShown(QWidget& window, const QString& path)
{
    window.show();
    // Let the window lay itself out and paint before it is grabbed.
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
    const bool written = window.grab().save(path, "PNG");
    window.close();
    return written;
}

}  // namespace

bool WriteDialogScreenshots(SettingsDialogEnvironment env, const PriceList& cenik, const Separators& separators,
                            const QString& directory)
{
    const QDir dir(directory);
    bool written = true;
    {
        const std::unique_ptr<FormDialog> settings =
            MakeSettingsDialog(nullptr, env, PriceListSectionName(cenik.CenikId), "");
        settings->adjustSize();
        written = GrabShown(*settings, dir.filePath(QStringLiteral("settings.png"))) && written;
    }
    {
        TableWindow view(PriceListViewTable(cenik, separators), separators);
        view.resize(1200, 600);
        if (QLineEdit* filter = view.FilterField()) filter->setText(QString::fromUtf8(kScreenshotFilter));
        written = GrabShown(view, dir.filePath(QStringLiteral("price-list.png"))) && written;
    }
    return written;
}

}  // namespace belvo::gui
