// Opening a file for loading an archive from it.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>

namespace belvo {

struct InputFile {
    std::ifstream stream;    // binary, positioned at the start
    std::uint64_t size = 0;  // bytes in the file, the bound a loading CArchive takes
};

// Opens `path` (UTF-8) for binary reading. Raises FileError naming the file when it does not
// exist, is not a regular file or cannot be opened.
InputFile OpenInputFile(const std::string& path);

}  // namespace belvo
