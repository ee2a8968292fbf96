// Import of a ceiling from an Allplan part list: a semicolon-separated text file (Windows-1250)
// whose lines name ceiling beams, ceiling inserts and ceramic ceiling panels. Each part is
// matched against the price list by its group, type and dimensions and becomes an element of a
// new group; the lines that match nothing are collected for the user.
#pragma once

#include <cstdint>
#include <istream>
#include <memory>
#include <string>

#include "foundation/decimal.h"

namespace belvo {

class CSkupina;
class CMaterialList;

struct AllplanImport {
    // "Import " + the file's title; its description names the file; its elements are the
    // matched parts in file order.
    std::unique_ptr<CSkupina> skupina;
    // The lines that matched nothing, each without its line end and followed by "\r\n".
    std::string nezpracovane;
};

// Part lists are a few hundred lines; a larger file is refused rather than read.
inline constexpr std::uint64_t kMaxAllplanBytes = 16u * 1024u * 1024u;

// Reads the part list at `path`. The numbers are read with the locale's `separators`. A file
// that cannot be opened or read, or that is larger than kMaxAllplanBytes, raises FileError.
AllplanImport ImportujAllplan(const std::string& path, const CMaterialList& materials, const Separators& separators);

// The same from an open stream; `title` and `fullPath` name the group, `fullPath` also the file
// in error messages.
AllplanImport ImportujAllplan(std::istream& in, const std::string& title, const std::string& fullPath,
                              const CMaterialList& materials, const Separators& separators);

}  // namespace belvo
