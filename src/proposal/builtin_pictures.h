// The pictures the program carries inside itself (drawn by data/pictures/make_pictures.py and
// compiled in by the build): the logo and the picture beside the legend of the HTML page.
#pragma once

#include <string_view>

namespace belvo {

// The built-in logo, a BMP file: the report's logo when the start-up directory has none, the
// corner picture of every report page, and the HTML page's "Belvo.bmp" when no logo file can
// be copied.
std::string_view BuiltinLogoBmp();
// The GIF file written as "Belvo.gif" beside the HTML page.
std::string_view BuiltinLegendGif();

}  // namespace belvo
