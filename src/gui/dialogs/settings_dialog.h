// The settings dialog "Konfigurace" (placeholder until it lands).
#pragma once

#include <string>

class QWidget;

namespace belvo {
class SettingsStore;
class Ui;
}  // namespace belvo

namespace belvo::gui {

struct SettingsDialogEnvironment {
    Ui& ui;
    SettingsStore& settings;
    std::string startupDirectory;
};

bool ShowSettingsDialog(QWidget* parent, SettingsDialogEnvironment env, const std::string& presetSection,
                        const std::string& connection);

}  // namespace belvo::gui
