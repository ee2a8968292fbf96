// Texts that arrive from an ODBC driver, turned into the program's UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace belvo {

// A driver's text as UTF-8: valid UTF-8 is taken as it is; anything else comes from a database
// kept in the maker's Windows code page and is read as Windows-1250.
std::string OdbcTextToUtf8(std::string_view text);

}  // namespace belvo
