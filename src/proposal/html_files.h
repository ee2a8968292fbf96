// Writing the HTML page of a proposal with the two pictures it shows.
#pragma once

#include <string>

namespace belvo {

// Writes the page (UTF-8 text with line feeds) to `path` as Windows-1250 with CR LF, then the
// pictures into the same folder. Raises FileError naming the file that failed.
void WriteHtmlPage(const std::string& path, const std::string& page, const std::string& startupDirectory);

// The pictures the page refers to, written into `directory`: "Belvo.GIF" (the built-in picture)
// and "Belvo.bmp" (a copy of the start-up directory's logo file, or the built-in logo when
// there is none or the copy fails).
void WriteHtmlPictures(const std::string& directory, const std::string& startupDirectory);

// The default file name the save dialog offers: the project's name + " - ", each line feed
// turned into "-".
std::string DefaultHtmlFileName(const std::string& projectName);

}  // namespace belvo
