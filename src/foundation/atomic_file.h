// Writing a file so that a failed or interrupted save never damages the file it replaces.
#pragma once

#include <functional>
#include <ostream>
#include <string>

namespace belvo {

// Calls `write` with a binary stream over a new temporary file in the folder of `path`, then
// flushes and closes it and renames it over `path`. When anything fails (the temporary file
// cannot be made, `write` throws, the stream reports an error, the rename fails) the temporary
// file is removed and the file at `path` stays as it was. File failures raise FileError naming
// `path`; an exception thrown by `write` passes through unchanged.
void WriteFileAtomically(const std::string& path, const std::function<void(std::ostream&)>& write);

}  // namespace belvo
