// What the commands of belvo-cli share in reading options and writing text: the output format
// option and the cells of tab-separated listings.
#pragma once

#include <string>
#include <string_view>

namespace belvo::cli {

enum class OutputFormat { Text, Json };

// "text" or "json"; anything else is a UsageError.
OutputFormat ParseOutputFormat(std::string_view value);

// A text as one cell of a tab-separated listing: tabs, line feeds and other control characters
// would break the rows, so they become spaces.
std::string TabCell(std::string_view text);

}  // namespace belvo::cli
