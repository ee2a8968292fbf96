// A form model shown as a modal dialog with "OK" and "&Storno" (transport, message, settings):
// the same view and checks as the forms beside the tree; OK saves through the model and closes
// only when it saved.
#pragma once

#include <QString>

class QWidget;

namespace belvo {
class FormModel;
}

namespace belvo::gui {

// True when the user confirmed with OK (the model has saved); false for "&Storno", Esc or closing.
bool RunFormDialog(FormModel& model, QWidget* parent);

}  // namespace belvo::gui
