// For the start-up benchmark: when the environment variable BELVO_STARTUP_PROBE is set, the
// program writes "first-paint NANOSECONDS" (the steady clock, CLOCK_MONOTONIC on Linux) to
// standard output when the project tree is first painted, and ends.
#pragma once

class QWidget;

namespace belvo::gui {

inline constexpr const char* kStartupProbeVariable = "BELVO_STARTUP_PROBE";

// Watches `painted` when the variable is set; does nothing otherwise.
void InstallStartupProbe(QWidget& painted);

}  // namespace belvo::gui
