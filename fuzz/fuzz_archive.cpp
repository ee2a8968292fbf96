// Loads arbitrary bytes as an archive. The stream is a sequence of steps, each a step byte
// (FuzzStep, modulo their number) followed by what that step reads. A load may succeed or end
// with an ArchiveError; any other exception, a crash, a leak or a sanitizer report is a fault.
// Whatever loads completely must store, load and store again to the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "foundation/archive.h"
#include "foundation/cp1250.h"
#include "fuzz_classes.h"

using namespace belvo;
using namespace belvo::fuzz;

namespace {

const ClassRegistry& Registry()
{
    static const ClassRegistry registry = [] {
        ClassRegistry classes;
        RegisterFuzzClasses(classes);
        return classes;
    }();
    return registry;
}

[[noreturn]] void Fault(const char* what)
{
    std::fprintf(stderr, "fuzz_archive: %s\n", what);
    std::abort();
}

std::string StoreOne(const CObject& object)
{
    std::ostringstream out(std::ios::binary);
    CArchive ar(out, "fuzz.kar", Registry());
    ar.WriteObject(&object);
    ar.Flush();
    return out.str();
}

// A loaded object stores to bytes that load back to an object storing to the same bytes.
void CheckRoundTrip(const CObject& object)
{
    const std::string first = StoreOne(object);
    std::istringstream in(first, std::ios::binary);
    CArchive ar(in, first.size(), "fuzz.kar", Registry());
    const auto copy = ar.ReadOwnedObject();
    if (!copy) Fault("stored object loads as null");
    if (ar.Remaining() != 0) Fault("stored object leaves bytes unread");
    if (StoreOne(*copy) != first) Fault("round trip changes the stored bytes");
}

void CheckText(const std::string& text)
{
    const std::string cp1250 = Utf8ToCp1250(text);
    if (Utf8ToCp1250(Cp1250ToUtf8(cp1250)) != cp1250) Fault("code page round trip differs");
    if (CompareCp1250(text, text) != 0) Fault("text differs from itself");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::istringstream in(bytes, std::ios::binary);

    // Everything handed out lives until the archive is gone: links may point into it.
    std::vector<std::unique_ptr<CObject>> owned;
    std::vector<std::vector<std::unique_ptr<FuzzElement>>> lists;
    bool complete = false;
    {
        CArchive ar(in, size, "fuzz.kar", Registry());
        try {
            while (ar.Remaining() > 0) {
                std::uint8_t step = 0;
                ar >> step;
                switch (static_cast<FuzzStep>(step % static_cast<std::uint8_t>(FuzzStep::kCount))) {
                    case FuzzStep::Text: {
                        std::string text;
                        ar >> text;
                        CheckText(text);
                        break;
                    }
                    case FuzzStep::Decimal: {
                        CCislo number;
                        ar >> number;
                        if (number.Scale() > CArchive::kMaxDecimalScale) Fault("scale beyond the limit");
                        if (number.IsNull() && (number.Mantissa() != 0 || number.Scale() != 0)) Fault("dirty null");
                        break;
                    }
                    case FuzzStep::Count: {
                        const std::uint32_t count = ar.ReadCount();
                        if (count > ar.Remaining()) Fault("count beyond the stream");
                        break;
                    }
                    case FuzzStep::AnyObject: ar.ReadObject(); break;
                    case FuzzStep::OwnedObject: owned.push_back(ar.ReadOwnedObject()); break;
                    case FuzzStep::ElementList: ar.SerializeList(lists.emplace_back()); break;
                    case FuzzStep::Group: owned.push_back(ar.ReadOwned<FuzzGroup>()); break;
                    case FuzzStep::Primitives: {
                        std::uint16_t word = 0;
                        std::int32_t integer = 0;
                        bool flag = false;
                        ar >> word >> integer >> flag;
                        break;
                    }
                    case FuzzStep::TopSchema:
                        if (ar.GetObjectSchema() != 0xFFFFFFFFu) Fault("object schema left over");
                        break;
                    case FuzzStep::kCount: break;
                }
            }
            complete = true;
        } catch (const ArchiveError&) {
        }

        if (complete) {
            for (const auto& object : owned)
                if (object) CheckRoundTrip(*object);
            for (const auto& list : lists)
                for (const auto& element : list) CheckRoundTrip(*element);
        }
    }
    return 0;
}
