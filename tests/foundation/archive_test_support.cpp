#include "foundation/archive_test_support.h"

#include <cctype>
#include <sstream>

namespace belvo::testing {

const CRuntimeClass TElement::classInfo{"TElement", 1, nullptr, nullptr};
const CRuntimeClass TZed::classInfo{"TZed", VERSIONABLE_SCHEMA | 5, &CreateObject<TZed>, &TElement::classInfo};
const CRuntimeClass TSkupina::classInfo{"TSkupina", 1, &CreateObject<TSkupina>, &TElement::classInfo};
const CRuntimeClass TLink::classInfo{"TLink", 1, &CreateObject<TLink>, nullptr};
const CRuntimeClass TNest::classInfo{"TNest", 1, &CreateObject<TNest>, nullptr};

void TZed::Serialize(CArchive& ar)
{
    seenSchema = ar.GetObjectSchema();
    secondSchema = ar.GetObjectSchema();
    ar.Transfer(Nazev);
    if (seenSchema >= 5) {
        ar.Transfer(Vyska);
        ar.Transfer(Pocet);
    } else {
        Vyska = CCislo(2500);
        Pocet = 1;
    }
}

void TSkupina::Serialize(CArchive& ar)
{
    ar.Transfer(Nazev);
    ar.SerializeList(Prvky);
}

void TLink::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar.WriteObject(target);
    else
        target = static_cast<TElement*>(ar.ReadObject(&TElement::classInfo));
}

void TNest::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar.WriteObject(child.get());
    else
        child = ar.ReadOwned<TNest>();
}

std::string Bytes(std::string_view hex)
{
    std::string out;
    for (std::size_t i = 0; i < hex.size();) {
        if (hex[i] == ' ') {
            ++i;
            continue;
        }
        out += static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16));
        i += 2;
    }
    return out;
}

std::string TestName(std::string_view description)
{
    std::string name;
    for (const char c : description) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
}

std::string Word(std::uint16_t value)
{
    return {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
}

std::string Dword(std::uint32_t value) { return Word(value & 0xFFFF) + Word(static_cast<std::uint16_t>(value >> 16)); }

ArchiveTest::ArchiveTest()
{
    for (const CRuntimeClass* cls :
         {&TElement::classInfo, &TZed::classInfo, &TSkupina::classInfo, &TLink::classInfo, &TNest::classInfo})
        registry.Add(*cls);
}

std::string ArchiveTest::Store(const std::function<void(CArchive&)>& write)
{
    std::ostringstream out(std::ios::binary);
    CArchive ar(out, "test.kar", registry);
    write(ar);
    ar.Flush();
    return out.str();
}

void ArchiveTest::Load(const std::string& bytes, const std::function<void(CArchive&)>& read, bool whole)
{
    std::istringstream in(bytes, std::ios::binary);
    CArchive ar(in, bytes.size(), "test.kar", registry);
    read(ar);
    if (whole) {
        EXPECT_EQ(ar.Remaining(), 0u) << "bytes left unread";
    }
}

std::optional<ArchiveCause> ArchiveTest::LoadCause(const std::string& bytes,
                                                  const std::function<void(CArchive&)>& read)
{
    try {
        Load(bytes, read, false);
    } catch (const ArchiveError& e) {
        EXPECT_EQ(e.FileName(), "test.kar");
        return e.Cause();
    }
    return std::nullopt;
}

}  // namespace belvo::testing
