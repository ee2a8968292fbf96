// File names inside the program are UTF-8 texts; these turn them into paths and back, so that
// Czech names work on every platform (a narrow path would use the system's code page on Windows).
#pragma once

#include <filesystem>
#include <string>

namespace belvo {

std::filesystem::path PathFromUtf8(const std::string& utf8);
std::string PathToUtf8(const std::filesystem::path& path);

}  // namespace belvo
