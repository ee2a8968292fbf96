// A form model shown as a modal dialog with "OK" and "&Storno" (transport, message, settings):
// the same view and checks as the forms beside the tree; OK saves through the model and closes
// only when it saved.
#pragma once

#include <memory>

#include <QDialog>

namespace belvo {
class FormModel;
}

namespace belvo::gui {

class FormView;

// The dialog of a form model, opened (its values loaded) when made. RunFormDialog shows it
// modal; a caller that must not block (screenshots, tests) shows it and drives the view.
class FormDialog : public QDialog {
public:
    // The dialog shows a model that outlives it, or owns the model.
    FormDialog(FormModel& model, QWidget* parent);
    FormDialog(std::unique_ptr<FormModel> model, QWidget* parent);

    FormView& View() const { return *m_view; }

private:
    void Build();
    FormView* m_view;
};

// True when the user confirmed with OK (the model has saved); false for "&Storno", Esc or closing.
bool RunFormDialog(FormModel& model, QWidget* parent);

}  // namespace belvo::gui
