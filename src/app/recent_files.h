// The list of the four project files opened or saved last, most recent first, as the "&Soubor"
// menu offers them. It lives in the settings store (section "Recent File List", keys "File1" to
// "File4"), so it survives the program.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace belvo {

class SettingsStore;

inline constexpr const char* kRecentFilesSection = "Recent File List";
inline constexpr std::size_t kRecentFilesCount = 4;

// The stored files, most recent first; empty and repeated entries are left out.
std::vector<std::string> ReadRecentFiles(const SettingsStore& settings);
// Puts `path` at the head of the list (moving it there when it is in the list already); the
// fifth entry falls off.
void AddRecentFile(SettingsStore& settings, const std::string& path);
// Takes `path` out of the list (a file that could not be opened).
void RemoveRecentFile(SettingsStore& settings, const std::string& path);

}  // namespace belvo
