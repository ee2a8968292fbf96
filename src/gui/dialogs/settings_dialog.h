// The settings dialog "Konfigurace": the engine's settings form shown through the generic form
// view in a modal dialog.
#pragma once

#include <memory>
#include <string>

#include "foundation/decimal.h"

class QWidget;

namespace belvo {
class SettingsStore;
class Ui;
}  // namespace belvo

namespace belvo::gui {

class FormDialog;

struct SettingsDialogEnvironment {
    Ui& ui;
    SettingsStore& settings;
    std::string startupDirectory;
    // The separators of the number fields; the system locale's unless a caller says otherwise.
    Separators separators = SystemSeparators();

    static Separators SystemSeparators();
};

// The dialog, opened on `presetSection` (empty: the default price list) and offering
// `connection` for the data source, not yet shown.
std::unique_ptr<FormDialog> MakeSettingsDialog(QWidget* parent, const SettingsDialogEnvironment& env,
                                               const std::string& presetSection, const std::string& connection);

// True when the user confirmed with OK.
bool ShowSettingsDialog(QWidget* parent, SettingsDialogEnvironment env, const std::string& presetSection,
                        const std::string& connection);

}  // namespace belvo::gui
