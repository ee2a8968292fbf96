// Elements named by their path: the names from the project down, joined by "::", the project's
// name taken up to its first line feed (the form of the missing-material report).
#pragma once

#include <string>
#include <string_view>

namespace belvo {

class CProjekt;
class CPrvek;

inline constexpr std::string_view kPathSeparator = "::";

// The first element in tree order whose path equals `path`; the project itself for its own name;
// null when no element has that path.
CPrvek* NajdiPrvekPodleCesty(CProjekt& projekt, std::string_view path);

}  // namespace belvo
