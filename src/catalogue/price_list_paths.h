// Where price-list files lie: names relative to the start-up directory, as the settings keep
// them, and the files that downloads and saves make there.
#pragma once

#include <string>
#include <string_view>

namespace belvo {

class SettingsStore;

// A price-list file name as the settings hold it, made a path: a name that holds none of ":",
// "\\" and "//" and does not begin with "/" is taken relative to the start-up directory; any
// other name is already a full path and stays as it is.
std::string ResolvePriceListPath(const std::string& startupDirectory, const std::string& name);

// The path as the settings keep it: the part after the start-up directory and its separator
// when the path begins with them, the path itself otherwise.
std::string RelativeToStartup(const std::string& startupDirectory, const std::string& path);

// The file of a price-list section: its "CenikFileName" ("Karno.dat" when missing), resolved.
std::string SectionPriceListPath(const SettingsStore& settings, std::string_view section,
                                 const std::string& startupDirectory);

// The file in the start-up directory named after a label (DefaultPriceListFileName). The label
// may come from a download: whatever it holds, the file lies directly in that directory.
std::string PriceListFileInStartup(const std::string& startupDirectory, std::string_view label);

}  // namespace belvo
