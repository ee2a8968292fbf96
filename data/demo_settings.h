// The settings of a program that has been set up with the demo price list: the screenshot tool,
// the start-up benchmark, the widget tests and `make run` start from them, so that no start-up
// dialog appears and a new project gets the demo price list.
#pragma once

#include <string>

namespace belvo {

class SettingsStore;

// The version confirmed (no new-version dialog), the section of the price list in
// `priceListPath` (named from its label) registered and made the default, its source that file
// by its absolute path, no update test on the web. Returns the section. Throws when the file
// cannot be read.
std::string ConfigureDemoSettings(SettingsStore& settings, const std::string& priceListPath);

}  // namespace belvo
