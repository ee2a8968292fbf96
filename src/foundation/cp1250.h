// Windows-1250, the code page of every file the program reads or writes (archives, the Allplan
// CSV, the HTML page, the XML document). Inside the program every text is UTF-8; these are the
// only conversions between the two.
#pragma once

#include <string>
#include <string_view>

namespace belvo {

// UTF-8 to Windows-1250. A character that the code page cannot hold, and a malformed UTF-8
// sequence, become '?'; `lossy`, when given, is set to whether that happened.
std::string Utf8ToCp1250(std::string_view utf8, bool* lossy = nullptr);

// Windows-1250 to UTF-8. The five bytes the code page leaves undefined map to U+FFFD.
std::string Cp1250ToUtf8(std::string_view cp1250);

// UTF-16LE code units (the wide text form of old archives) to UTF-8; unpaired surrogates
// become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view utf16);

// Bytes whose encoding nobody stated (a web server's error page) as UTF-8: valid UTF-8 stays as
// it is; anything else is read as Windows-1250, the code page of the program's own world.
std::string ForeignBytesToUtf8(std::string_view bytes);

// The longest start of a UTF-8 text that has at most `maxBytes` bytes and ends on a character
// boundary (at least one whole character when `maxBytes` cuts the first one).
std::string_view Utf8Prefix(std::string_view utf8, std::size_t maxBytes);

// Whether every character of a UTF-8 text exists in Windows-1250 (a form refuses the others).
bool FitsCp1250(std::string_view utf8);

// Orders two UTF-8 texts by their Windows-1250 bytes, unsigned, as the program's files sort
// (price-list rows, proposal items, labels, order numbers): negative, zero or positive.
int CompareCp1250(std::string_view a, std::string_view b);

}  // namespace belvo
