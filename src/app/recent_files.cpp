#include "app/recent_files.h"

#include <algorithm>

#include "settings/settings_store.h"

namespace belvo {

namespace {

std::string KeyOf(std::size_t index) { return "File" + std::to_string(index + 1); }

void WriteRecentFiles(SettingsStore& settings, const std::vector<std::string>& files)
{
    for (std::size_t i = 0; i < kRecentFilesCount; ++i) {
        if (i < files.size())
            settings.SetString(kRecentFilesSection, KeyOf(i), files[i]);
        else
            settings.Remove(kRecentFilesSection, KeyOf(i));
    }
}

}  // namespace

std::vector<std::string> ReadRecentFiles(const SettingsStore& settings)
{
    std::vector<std::string> files;
    for (std::size_t i = 0; i < kRecentFilesCount; ++i) {
        std::string path = settings.GetString(kRecentFilesSection, KeyOf(i), "");
        if (!path.empty() && std::find(files.begin(), files.end(), path) == files.end()) files.push_back(std::move(path));
    }
    return files;
}

void AddRecentFile(SettingsStore& settings, const std::string& path)
{
    if (path.empty()) return;
    std::vector<std::string> files = ReadRecentFiles(settings);
    files.erase(std::remove(files.begin(), files.end(), path), files.end());
    files.insert(files.begin(), path);
    if (files.size() > kRecentFilesCount) files.resize(kRecentFilesCount);
    WriteRecentFiles(settings, files);
}

void RemoveRecentFile(SettingsStore& settings, const std::string& path)
{
    std::vector<std::string> files = ReadRecentFiles(settings);
    files.erase(std::remove(files.begin(), files.end(), path), files.end());
    WriteRecentFiles(settings, files);
}

}  // namespace belvo
