// Where the main window stood when it was last closed: its geometry and the splitter between the
// tree and the form, kept in the settings store as the window's own opaque texts.
#pragma once

#include <string>

namespace belvo {
class SettingsStore;
}

namespace belvo::gui {

inline constexpr const char* kWindowSection = "Okno";

struct WindowState {
    std::string geometry;  // base64 of the window's saved geometry; empty: none
    std::string splitter;  // base64 of the splitter's saved state; empty: none
};

WindowState ReadWindowState(const SettingsStore& settings);
void WriteWindowState(SettingsStore& settings, const WindowState& state);

}  // namespace belvo::gui
