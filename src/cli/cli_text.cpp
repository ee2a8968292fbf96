#include "cli/cli_text.h"

#include "cli/cli_command.h"

namespace belvo::cli {

OutputFormat ParseOutputFormat(std::string_view value)
{
    if (value == "text") return OutputFormat::Text;
    if (value == "json") return OutputFormat::Json;
    throw UsageError("unknown format \"" + std::string(value) + "\" (text or json)");
}

std::string TabCell(std::string_view text)
{
    std::string cell(text);
    for (char& c : cell)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
    return cell;
}

}  // namespace belvo::cli
