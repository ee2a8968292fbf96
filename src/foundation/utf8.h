// Checking UTF-8 byte by byte, for texts that arrive from outside (a database driver) and for
// writers that must not pass malformed bytes on (JSON).
#pragma once

#include <cstddef>
#include <string_view>

namespace belvo {

// Length of the valid UTF-8 sequence that starts at text[pos], or 0 when the bytes there are
// malformed: a stray continuation byte, an overlong form, a surrogate, a value above U+10FFFF, or
// a sequence cut off by the end of the text.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t pos);

// Whether the whole text is valid UTF-8.
bool IsValidUtf8(std::string_view text);

}  // namespace belvo
