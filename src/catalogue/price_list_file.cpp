#include "catalogue/price_list_file.h"

#include "foundation/atomic_file.h"
#include "foundation/input_file.h"

namespace belvo {

void SerializePriceList(CArchive& ar, std::string& cenikId, CMaterialList& materials)
{
    ar.Transfer(cenikId);
    materials.Serialize(ar);
}

void StorePriceList(CArchive& ar, const std::string& cenikId, const CMaterialList& materials)
{
    ar << cenikId;
    materials.Store(ar);
}

void ReadPriceListFile(const std::string& path, const ClassRegistry& classes, PriceList& into)
{
    into.CenikId.clear();
    into.materials.Clear();
    InputFile file = OpenInputFile(path);
    // The archive reads through its own buffer; the file is never held whole in memory.
    CArchive ar(file.stream, file.size, path, classes);
    SerializePriceList(ar, into.CenikId, into.materials);
}

PriceList ReadPriceListFile(const std::string& path, const ClassRegistry& classes)
{
    PriceList priceList;
    ReadPriceListFile(path, classes, priceList);
    return priceList;
}

void WritePriceListFile(const std::string& path, const std::string& cenikId, const CMaterialList& materials,
                        const ClassRegistry& classes)
{
    WriteFileAtomically(path, [&](std::ostream& out) {
        CArchive ar(out, path, classes);
        StorePriceList(ar, cenikId, materials);
        ar.Flush();
    });
}

}  // namespace belvo
