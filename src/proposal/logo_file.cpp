#include "proposal/logo_file.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "foundation/file_path.h"

namespace belvo {

namespace {

constexpr std::uintmax_t kMaxLogoBytes = 32u * 1024u * 1024u;

std::optional<std::string> ReadSmallFile(const std::filesystem::path& path)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size == 0 || size > kMaxLogoBytes) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size), '\0');
    if (!in.read(bytes.data(), static_cast<std::streamsize>(size))) return std::nullopt;
    return bytes;
}

}  // namespace

std::optional<std::string> ReadLogoFile(const std::string& startupDirectory)
{
    const std::filesystem::path dir = PathFromUtf8(startupDirectory);
    for (const char* name : {"Logo.bmp", "logo.bmp"})
        if (auto bytes = ReadSmallFile(dir / name)) return bytes;
    return std::nullopt;
}

}  // namespace belvo
