#include "gui/main/window_state.h"

#include "settings/settings_store.h"

namespace belvo::gui {

WindowState ReadWindowState(const SettingsStore& settings)
{
    return WindowState{settings.GetString(kWindowSection, "Geometrie", ""),
                       settings.GetString(kWindowSection, "Rozdeleni", "")};
}

void WriteWindowState(SettingsStore& settings, const WindowState& state)
{
    settings.SetString(kWindowSection, "Geometrie", state.geometry);
    settings.SetString(kWindowSection, "Rozdeleni", state.splitter);
}

}  // namespace belvo::gui
