// Text files in the form other Windows programs read them: Windows-1250 bytes with CR LF line
// ends, written atomically (a failed write leaves the previous file untouched).
#pragma once

#include <string>
#include <string_view>

namespace belvo {

// The bytes of a UTF-8 text as such a file holds them. A character Windows-1250 cannot hold
// becomes '?'; `lossy`, when given, says whether that happened.
std::string WindowsTextBytes(std::string_view utf8, bool* lossy = nullptr);

// Writes bytes to `path` (UTF-8) atomically; raises FileError naming the file.
void WriteFileBytes(const std::string& path, std::string_view bytes);

}  // namespace belvo
