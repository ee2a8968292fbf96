#include "proposal/text_file.h"

#include <ostream>

#include "foundation/atomic_file.h"
#include "foundation/cp1250.h"

namespace belvo {

std::string WindowsTextBytes(std::string_view utf8, bool* lossy)
{
    const std::string bytes = Utf8ToCp1250(utf8, lossy);
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 16);
    for (const char c : bytes) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

void WriteFileBytes(const std::string& path, std::string_view bytes)
{
    WriteFileAtomically(path, [&](std::ostream& out) {
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    });
}

}  // namespace belvo
