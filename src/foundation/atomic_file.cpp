#include "foundation/atomic_file.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

#include "foundation/errors.h"
#include "foundation/file_path.h"

namespace belvo {

namespace fs = std::filesystem;

namespace {

// A name beside `target` that no file bears yet: "<name>.<random>.tmp".
fs::path TemporaryNameBeside(const fs::path& target)
{
    static std::mt19937_64 generator{std::random_device{}() ^
                                     static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count())};
    const fs::path folder = target.parent_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        fs::path candidate = target;
        candidate += "." + std::to_string(generator() % 1000000000u) + ".tmp";
        std::error_code ec;
        if (!fs::exists(candidate, ec) && !ec) return candidate;
    }
    return {};
}

void RemoveQuietly(const fs::path& path)
{
    std::error_code ignored;
    fs::remove(path, ignored);
}

}  // namespace

void WriteFileAtomically(const std::string& path, const std::function<void(std::ostream&)>& write)
{
    const fs::path target = PathFromUtf8(path);
    const fs::path temporary = TemporaryNameBeside(target);
    if (temporary.empty()) throw FileError(path, "nelze vytvořit dočasný soubor");

    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out.is_open()) throw FileError(path, "nelze vytvořit dočasný soubor");

    try {
        write(out);
        out.flush();
        if (!out) throw FileError(path, "zápis se nezdařil");
        out.close();
        if (out.fail()) throw FileError(path, "zápis se nezdařil");
    } catch (...) {
        if (out.is_open()) out.close();
        RemoveQuietly(temporary);
        throw;
    }

    // The new file keeps the permissions of the one it replaces.
    std::error_code ec;
    const fs::file_status old = fs::status(target, ec);
    if (!ec && fs::exists(old)) fs::permissions(temporary, old.permissions(), ec);

    fs::rename(temporary, target, ec);
    if (ec) {
        RemoveQuietly(temporary);
        throw FileError(path, "nelze nahradit původní soubor");
    }
}

}  // namespace belvo
