#include "gui/dialogs/settings_dialog.h"

#include "app/settings_form.h"
#include "gui/forms/form_dialog.h"
#include "platform/qt/system_info_qt.h"

namespace belvo::gui {

Separators SettingsDialogEnvironment::SystemSeparators() { return QtSystemInfo().NumberSeparators(); }

std::unique_ptr<FormDialog> MakeSettingsDialog(QWidget* parent, const SettingsDialogEnvironment& env,
                                               const std::string& presetSection, const std::string& connection)
{
    auto form = std::make_unique<SettingsForm>(env.ui, env.settings, env.separators, env.startupDirectory,
                                               presetSection, connection);
    return std::make_unique<FormDialog>(std::move(form), parent);
}

bool ShowSettingsDialog(QWidget* parent, SettingsDialogEnvironment env, const std::string& presetSection,
                        const std::string& connection)
{
    const std::unique_ptr<FormDialog> dialog = MakeSettingsDialog(parent, env, presetSection, connection);
    return dialog->exec() == QDialog::Accepted;
}

}  // namespace belvo::gui
