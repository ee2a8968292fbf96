#include "foundation/input_file.h"

#include <filesystem>
#include <system_error>

#include "foundation/errors.h"
#include "foundation/file_path.h"

namespace belvo {

namespace fs = std::filesystem;

InputFile OpenInputFile(const std::string& path)
{
    const fs::path file = PathFromUtf8(path);
    std::error_code ec;
    const fs::file_status status = fs::status(file, ec);
    if (status.type() == fs::file_type::not_found) throw FileError(path, "soubor neexistuje");
    if (ec) throw FileError(path, "soubor nelze otevřít pro čtení");
    if (!fs::is_regular_file(status)) throw FileError(path, "není to obyčejný soubor");
    const std::uintmax_t size = fs::file_size(file, ec);
    if (ec) throw FileError(path, "nelze zjistit velikost souboru");

    InputFile input;
    input.stream.open(file, std::ios::binary);
    if (!input.stream.is_open()) throw FileError(path, "soubor nelze otevřít pro čtení");
    input.size = size;
    return input;
}

}  // namespace belvo
