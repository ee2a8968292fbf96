#include "gui/forms/form_dialog.h"

#include <QDialog>
#include <QVBoxLayout>

#include "gui/forms/form_view.h"
#include "gui/qt_text.h"

namespace belvo::gui {

bool RunFormDialog(FormModel& model, QWidget* parent)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(Qs(model.Title()));
    auto* layout = new QVBoxLayout(&dialog);
    auto* view = new FormView(model, &dialog);
    layout->addWidget(view);
    QObject::connect(view, &FormView::accepted, &dialog, &QDialog::accept);
    QObject::connect(view, &FormView::rejected, &dialog, &QDialog::reject);
    view->Open();
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace belvo::gui
