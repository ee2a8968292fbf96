// The logo file a customer may put into the program's start-up directory to brand the outputs.
#pragma once

#include <optional>
#include <string>

namespace belvo {

// The bytes of "Logo.bmp" (or "logo.bmp", where the file system tells case apart) in the
// start-up directory; none when there is no such file, it cannot be read, or it is larger than
// any logo could sensibly be.
std::optional<std::string> ReadLogoFile(const std::string& startupDirectory);

}  // namespace belvo
