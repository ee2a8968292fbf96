#include "gui/forms/form_dialog.h"

#include <QVBoxLayout>

#include "gui/forms/form_view.h"
#include "gui/qt_text.h"

namespace belvo::gui {

FormDialog::FormDialog(FormModel& model, QWidget* parent) : QDialog(parent), m_view(new FormView(model, this))
{
    Build();
}

FormDialog::FormDialog(std::unique_ptr<FormModel> model, QWidget* parent)
    : QDialog(parent), m_view(new FormView(std::move(model), this))
{
    Build();
}

void FormDialog::Build()
{
    setWindowTitle(Qs(m_view->Model().Title()));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_view);
    connect(m_view, &FormView::accepted, this, &QDialog::accept);
    connect(m_view, &FormView::rejected, this, &QDialog::reject);
    m_view->Open();
}

bool RunFormDialog(FormModel& model, QWidget* parent)
{
    FormDialog dialog(model, parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace belvo::gui
