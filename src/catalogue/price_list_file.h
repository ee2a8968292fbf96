// The price-list file (".dat"): one archive holding the label (CenikId) and then the material
// list, with nothing before them. A project file begins with the same two items.
#pragma once

#include <string>
#include <string_view>

#include "catalogue/material_list.h"
#include "foundation/archive.h"

namespace belvo {

struct PriceList {
    std::string CenikId;
    CMaterialList materials;
};

// The label and the list through an open archive, in either direction. Loading appends to
// `materials`.
void SerializePriceList(CArchive& ar, std::string& cenikId, CMaterialList& materials);
void StorePriceList(CArchive& ar, const std::string& cenikId, const CMaterialList& materials);

// Reads a price-list file into `into`, which is emptied first. A file that cannot be opened or
// read raises FileError, faulty content ArchiveError; both name the file and the cause. After a
// failure `into` holds the label and the records read until then; the caller decides what
// becomes of them. Bytes after the list are not read (a project file reads as its price list).
void ReadPriceListFile(const std::string& path, const ClassRegistry& classes, PriceList& into);
PriceList ReadPriceListFile(const std::string& path, const ClassRegistry& classes);

// Writes a price-list file through a temporary file in the same folder that replaces `path`
// only when complete; a failure (FileError) leaves an existing file as it was.
void WritePriceListFile(const std::string& path, const std::string& cenikId, const CMaterialList& materials,
                        const ClassRegistry& classes);

}  // namespace belvo
