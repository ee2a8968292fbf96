#include "catalogue/price_list_paths.h"

#include <filesystem>
#include <stdexcept>

#include "settings/settings_keys.h"
#include "catalogue/price_list_label.h"
#include "foundation/file_path.h"

namespace belvo {

std::string ResolvePriceListPath(const std::string& startupDirectory, const std::string& name)
{
    const bool fullPath = name.find(':') != std::string::npos || name.find('\\') != std::string::npos ||
                          name.find("//") != std::string::npos || name.starts_with('/');
    if (fullPath) return name;
    return PathToUtf8(PathFromUtf8(startupDirectory) / PathFromUtf8(name));
}

std::string RelativeToStartup(const std::string& startupDirectory, const std::string& path)
{
    std::string_view directory = startupDirectory;
    // "C:\\" and "/" end in their separator already.
    if (directory.size() > 1 && (directory.back() == '/' || directory.back() == '\\')) directory.remove_suffix(1);
    if (directory.empty() || path.size() <= directory.size() + 1 || !path.starts_with(directory)) return path;
    const char separator = path[directory.size()];
    if (separator != '/' && separator != '\\') return path;
    return path.substr(directory.size() + 1);
}

std::string SectionPriceListPath(const SettingsStore& settings, std::string_view section,
                                 const std::string& startupDirectory)
{
    return ResolvePriceListPath(startupDirectory, ReadText(settings, section, keys::CenikFileName));
}

std::string PriceListFileInStartup(const std::string& startupDirectory, std::string_view label)
{
    const std::filesystem::path name = PathFromUtf8(DefaultPriceListFileName(label));
    // DefaultPriceListFileName makes plain names; this guards the promise above against any
    // later change of it.
    if (name.has_parent_path() || name.has_root_path() || name == "." || name == "..")
        throw std::logic_error("price-list file name is not a plain name: " + PathToUtf8(name));
    return PathToUtf8(PathFromUtf8(startupDirectory) / name);
}

}  // namespace belvo
