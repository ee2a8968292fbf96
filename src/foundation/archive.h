// CArchive: the little-endian object stream of every stored file (.kar and .dat).
//
// Persistent objects write their fields in a fixed order and read them back in the same order
// through one Serialize(CArchive&) that chooses by IsStoring(). Object pointers are stored as
// tagged references with class descriptions and schema numbers; classes and objects share one
// index sequence starting at 1 (0 is the null reference).
//
// Loading treats the stream as hostile: a value that runs past the end, a text length or a
// count that the remaining bytes cannot hold, an unknown class or a bad index ends the load
// with an ArchiveError naming the file and the cause. No allocation is made that the size of
// the file does not justify.
#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "foundation/decimal.h"
#include "foundation/errors.h"

namespace belvo {

class CArchive;
class CObject;
class SettingsStore;

// Bit 31 of a schema number: the class can read older schemas of itself.
inline constexpr std::uint32_t VERSIONABLE_SCHEMA = 0x80000000u;

// The class identification of a persistent class: its name as recorded in files (at most 63
// characters), its schema number, a factory for an empty instance, and its base class when it
// derives from another persistent class.
struct CRuntimeClass {
    std::string_view name;
    std::uint32_t schema = 1;
    std::unique_ptr<CObject> (*create)() = nullptr;
    const CRuntimeClass* base = nullptr;

    bool IsDerivedFrom(const CRuntimeClass& other) const;
    // The low 16 bits, which the file records.
    std::uint16_t StoredSchema() const { return static_cast<std::uint16_t>(schema & 0xFFFFu); }
};

// Base of every persistent class.
class CObject {
public:
    virtual ~CObject() = default;
    virtual const CRuntimeClass& GetRuntimeClass() const = 0;
    virtual void Serialize(CArchive& ar) = 0;

    bool IsKindOf(const CRuntimeClass& cls) const { return GetRuntimeClass().IsDerivedFrom(cls); }
};

// The factory of a persistent class with a default constructor, for its CRuntimeClass:
//   const CRuntimeClass CZed::classInfo{"CZed", 0x80000005, &CreateObject<CZed>, &CPrvek::classInfo};
template <class T>
std::unique_ptr<CObject> CreateObject()
{
    return std::make_unique<T>();
}

// The persistent classes a load may create, found by exact class name. The application builds
// one explicit list (no registration by static initialisers) and hands it to every archive.
class ClassRegistry {
public:
    // Refuses (std::invalid_argument) a name that is empty, longer than 63 characters or
    // already taken by another class.
    void Add(const CRuntimeClass& cls);
    const CRuntimeClass* Find(std::string_view name) const;  // exact, case included

private:
    std::unordered_map<std::string_view, const CRuntimeClass*> m_classes;
};

// Why a load failed. TooDeep: objects nested inside each other deeper than any real file
// holds (CArchive::kMaxNesting), refused before the nesting could exhaust the stack.
enum class ArchiveCause { EndOfFile, BadIndex, BadClass, BadSchema, TooDeep };

// A load that failed. The message names the file and the cause in the program's language.
class ArchiveError : public BelvoError {
public:
    ArchiveError(const std::string& fileName, ArchiveCause cause);
    ArchiveCause Cause() const { return m_cause; }
    const std::string& FileName() const { return m_fileName; }
    static std::string CauseText(ArchiveCause cause);

private:
    std::string m_fileName;
    ArchiveCause m_cause;
};

class CArchive {
public:
    // How many objects may be being read inside each other at once.
    static constexpr int kMaxNesting = 1000;
    // The largest number of decimal places a loaded CCislo keeps: a 64-bit mantissa holds no
    // more. A stored number with more is rounded to this many places.
    static constexpr int kMaxDecimalScale = 18;

    // Storing: writes to `out`, in blocks; Flush at the end passes the rest on. A stream
    // failure raises FileError naming `fileName`. Bytes left unflushed are written when the
    // archive is destroyed, where a failure can only leave `out` in its failed state.
    CArchive(std::ostream& out, std::string fileName, const ClassRegistry& classes);
    // Loading: reads at most `size` bytes from `in` (the bytes left in the file). The size
    // bounds every count and text length read, so hostile input cannot force a huge allocation.
    CArchive(std::istream& in, std::uint64_t size, std::string fileName, const ClassRegistry& classes);
    ~CArchive();
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    bool IsStoring() const { return m_storing; }
    bool IsLoading() const { return !m_storing; }
    const std::string& FileName() const { return m_fileName; }
    // Loading: the bytes not yet read.
    std::uint64_t Remaining() const;
    // Storing: pushes buffered bytes to the stream (raises FileError when that fails).
    void Flush();

    // Primitive values, little-endian, unpadded. Truth values are 4-byte integers 0 and 1.
    CArchive& operator<<(std::uint8_t v);
    CArchive& operator<<(std::uint16_t v);
    CArchive& operator<<(std::int32_t v);
    CArchive& operator<<(std::uint32_t v);
    CArchive& operator<<(bool v);
    CArchive& operator<<(const CCislo& v);        // 13 bytes
    CArchive& operator<<(const std::string& v);   // UTF-8 in, Windows-1250 text out

    CArchive& operator>>(std::uint8_t& v);
    CArchive& operator>>(std::uint16_t& v);
    CArchive& operator>>(std::int32_t& v);
    CArchive& operator>>(std::uint32_t& v);
    CArchive& operator>>(bool& v);
    CArchive& operator>>(CCislo& v);
    CArchive& operator>>(std::string& v);         // Windows-1250 (or wide) text in, UTF-8 out

    // Writes or reads `v` according to the direction, so that one Serialize line serves both.
    template <class T>
    CArchive& Transfer(T& v)
    {
        if (m_storing) *this << static_cast<const T&>(v);
        else *this >> v;
        return *this;
    }

    // Counts of lists: a word below 0xFFFF, else 0xFFFF and a 4-byte count.
    void WriteCount(std::uint32_t count);
    // The count read is checked against the bytes left (each element takes at least
    // `minBytesPerElement` bytes, taken as 1 when 0), so an absurd count fails as end of file.
    std::uint32_t ReadCount(std::uint32_t minBytesPerElement = 1);

    // Object references. Storing an object writes it in full the first time and as a
    // reference to its index every further time.
    void WriteObject(const CObject* object);
    // Reads a reference; the object stays owned by the archive (or by whoever took it with
    // ReadOwnedObject) and lives at least as long as the archive. `required`, when given,
    // is the class the object must be or derive from. An object whose loading failed stays
    // owned by the archive and is freed with it.
    CObject* ReadObject(const CRuntimeClass* required = nullptr);
    // Reads a new object and hands its ownership to the caller. A null reference yields null;
    // a reference to an object already handed out, or to one whose own loading is still
    // running (it would come to own itself), fails with bad index: it cannot have two owners.
    // A reference to an object that ReadObject made and nobody owns yet hands that one out.
    std::unique_ptr<CObject> ReadOwnedObject(const CRuntimeClass* required = nullptr);

    template <class T>
    std::unique_ptr<T> ReadOwned()
    {
        return std::unique_ptr<T>(static_cast<T*>(ReadOwnedObject(&T::classInfo).release()));
    }

    // The schema under which the object being read was stored; resets it to 0xFFFFFFFF, so a
    // second call, and every call while storing, returns 0xFFFFFFFF.
    std::uint32_t GetObjectSchema();

    // An ordered list of owned objects: a count and the objects as references. Loading appends
    // to `list` in stored order; the elements read before a failure stay in it. A null entry
    // fails the load (bad class): owned lists never hold null, and storing one raises
    // std::logic_error before anything of the list is written, as the file could not be read.
    template <class T>
    void SerializeList(std::vector<std::unique_ptr<T>>& list)
    {
        if (m_storing) {
            for (const auto& item : list)
                if (!item) throw std::logic_error("CArchive::SerializeList: null element in " + m_fileName);
            WriteCount(static_cast<std::uint32_t>(list.size()));
            for (const auto& item : list) WriteObject(item.get());
        } else {
            const std::uint32_t count = ReadCount(2);
            for (std::uint32_t i = 0; i < count; ++i) {
                auto item = ReadOwned<T>();
                if (!item) Fail(ArchiveCause::BadClass);
                list.push_back(std::move(item));
            }
        }
    }

    [[noreturn]] void Fail(ArchiveCause cause) const;

    // The settings that loaders of old schemas take missing values from (a project or a
    // proposal stored before a field existed). Null when none was given.
    void SetSettings(SettingsStore* settings) { m_settings = settings; }
    SettingsStore* Settings() const { return m_settings; }

private:
    struct Impl;
    void WriteBytes(const void* data, std::size_t size);
    void WritePending();
    void ReadBytes(void* data, std::size_t size);
    std::uint32_t TakeStoringIndex();
    const CRuntimeClass& ReadClassDescription(std::uint32_t& schema);
    // Reads an object reference and returns its table index (0 for null).
    std::uint32_t LoadObject(const CRuntimeClass* required);

    bool m_storing;
    std::string m_fileName;
    std::unique_ptr<Impl> m_impl;
    SettingsStore* m_settings = nullptr;
};

}  // namespace belvo
