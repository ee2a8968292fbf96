#include "foundation/archive.h"

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <unordered_map>

#include "foundation/bounded_reader.h"
#include "foundation/cp1250.h"

namespace belvo {

namespace {

constexpr std::uint32_t kNoSchema = 0xFFFFFFFFu;
constexpr std::size_t kMaxClassName = 63;

// Tag words of object references.
constexpr std::uint16_t kNullTag = 0x0000;
constexpr std::uint16_t kBigTag = 0x7FFF;        // a 4-byte tag follows
constexpr std::uint16_t kClassTagBit = 0x8000;   // word form: a new object of a known class
constexpr std::uint16_t kNewClassTag = 0xFFFF;   // a class description follows
constexpr std::uint32_t kBigClassBit = 0x80000000u;
constexpr std::uint32_t kMaxIndex = 0x7FFFFFFEu;

constexpr std::size_t kWriteBlock = 64 * 1024;

// Length prefixes of texts and counts.
constexpr std::uint8_t kLongText = 0xFF;
constexpr std::uint16_t kWideText = 0xFFFE;
constexpr std::uint16_t kHugeText = 0xFFFF;
constexpr std::uint16_t kHugeCount = 0xFFFF;

}  // namespace

// ---------------------------------------------------------------------------------------------
// Classes

bool CRuntimeClass::IsDerivedFrom(const CRuntimeClass& other) const
{
    for (const CRuntimeClass* cls = this; cls; cls = cls->base)
        if (cls == &other) return true;
    return false;
}

void ClassRegistry::Add(const CRuntimeClass& cls)
{
    if (cls.name.empty() || cls.name.size() > kMaxClassName)
        throw std::invalid_argument("ClassRegistry: bad class name \"" + std::string(cls.name) + "\"");
    const auto [it, inserted] = m_classes.emplace(cls.name, &cls);
    if (!inserted && it->second != &cls)
        throw std::invalid_argument("ClassRegistry: two classes named \"" + std::string(cls.name) + "\"");
}

const CRuntimeClass* ClassRegistry::Find(std::string_view name) const
{
    const auto it = m_classes.find(name);
    return it == m_classes.end() ? nullptr : it->second;
}

// ---------------------------------------------------------------------------------------------
// Errors

std::string ArchiveError::CauseText(ArchiveCause cause)
{
    switch (cause) {
        case ArchiveCause::EndOfFile: return "neočekávaný konec souboru";
        case ArchiveCause::BadIndex: return "chybný odkaz na objekt";
        case ArchiveCause::BadClass: return "neznámá nebo nečekaná třída objektu";
        case ArchiveCause::BadSchema: return "nepodporovaná verze objektu";
        case ArchiveCause::TooDeep: return "příliš mnoho do sebe vnořených objektů";
    }
    return "neznámá chyba";
}

ArchiveError::ArchiveError(const std::string& fileName, ArchiveCause cause)
    : BelvoError("Soubor \"" + fileName + "\" nelze načíst: " + CauseText(cause)),
      m_fileName(fileName),
      m_cause(cause)
{
}

// ---------------------------------------------------------------------------------------------
// State

namespace {

// One entry of the loading table: a class description or an object, under index (position + 1).
struct LoadedEntry {
    const CRuntimeClass* cls = nullptr;  // class entries: the class
    std::uint32_t schema = 0;            // class entries: the schema its objects were stored in
    CObject* object = nullptr;           // object entries: the object
    std::unique_ptr<CObject> owned;      // object entries the archive still owns
    bool loading = false;                // the object's Serialize is running
};

}  // namespace

struct CArchive::Impl {
    explicit Impl(const ClassRegistry& registry) : classes(registry) {}

    const ClassRegistry& classes;

    // Storing. Bytes gather in `pending` and go to the stream in large blocks.
    std::ostream* out = nullptr;
    std::string pending;
    std::unordered_map<const CRuntimeClass*, std::uint32_t> writtenClasses;
    std::unordered_map<const CObject*, std::uint32_t> writtenObjects;
    std::uint32_t nextIndex = 1;

    // Loading.
    std::optional<BoundedReader> reader;
    std::vector<LoadedEntry> loaded;
    std::uint32_t objectSchema = kNoSchema;
    int nesting = 0;
};

CArchive::CArchive(std::ostream& out, std::string fileName, const ClassRegistry& classes)
    : m_storing(true), m_fileName(std::move(fileName)), m_impl(std::make_unique<Impl>(classes))
{
    m_impl->out = &out;
    m_impl->pending.reserve(kWriteBlock);
}

CArchive::CArchive(std::istream& in, std::uint64_t size, std::string fileName, const ClassRegistry& classes)
    : m_storing(false), m_fileName(std::move(fileName)), m_impl(std::make_unique<Impl>(classes))
{
    m_impl->reader.emplace(in, size);
}

CArchive::~CArchive()
{
    // Bytes not flushed yet still go to the stream. A failure cannot be raised here; it leaves
    // the stream in its failed state, where the owner of the stream sees it.
    if (m_storing && !m_impl->pending.empty()) {
        try {
            m_impl->out->write(m_impl->pending.data(), static_cast<std::streamsize>(m_impl->pending.size()));
        } catch (...) {
        }
    }
}

std::uint64_t CArchive::Remaining() const { return m_storing ? 0 : m_impl->reader->Remaining(); }

void CArchive::Fail(ArchiveCause cause) const { throw ArchiveError(m_fileName, cause); }

void CArchive::Flush()
{
    if (!m_storing) return;
    WritePending();
    m_impl->out->flush();
    if (!*m_impl->out) throw FileError(m_fileName, "zápis se nezdařil");
}

void CArchive::WritePending()
{
    std::ostream& out = *m_impl->out;
    std::string& pending = m_impl->pending;
    if (!pending.empty()) out.write(pending.data(), static_cast<std::streamsize>(pending.size()));
    pending.clear();
    if (!out) throw FileError(m_fileName, "zápis se nezdařil");
}

// ---------------------------------------------------------------------------------------------
// Raw bytes

namespace {

template <std::size_t N>
void PutLittleEndian(unsigned char (&bytes)[N], std::uint64_t value)
{
    for (std::size_t i = 0; i < N; ++i) bytes[i] = static_cast<unsigned char>(value >> (8 * i));
}

template <std::size_t N>
std::uint64_t GetLittleEndian(const unsigned char (&bytes)[N])
{
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < N; ++i) value |= static_cast<std::uint64_t>(bytes[i]) << (8 * i);
    return value;
}

}  // namespace

void CArchive::WriteBytes(const void* data, std::size_t size)
{
    if (!m_storing) throw std::logic_error("CArchive: writing to a loading archive");
    m_impl->pending.append(static_cast<const char*>(data), size);
    if (m_impl->pending.size() >= kWriteBlock) WritePending();
}

void CArchive::ReadBytes(void* data, std::size_t size)
{
    if (m_storing) throw std::logic_error("CArchive: reading from a storing archive");
    BoundedReader& reader = *m_impl->reader;
    if (!reader.Read(data, size)) {
        if (reader.StreamFailed()) throw FileError(m_fileName, "čtení se nezdařilo");
        Fail(ArchiveCause::EndOfFile);
    }
}

// ---------------------------------------------------------------------------------------------
// Primitive values

CArchive& CArchive::operator<<(std::uint8_t v)
{
    WriteBytes(&v, 1);
    return *this;
}

CArchive& CArchive::operator<<(std::uint16_t v)
{
    unsigned char bytes[2];
    PutLittleEndian(bytes, v);
    WriteBytes(bytes, sizeof bytes);
    return *this;
}

CArchive& CArchive::operator<<(std::uint32_t v)
{
    unsigned char bytes[4];
    PutLittleEndian(bytes, v);
    WriteBytes(bytes, sizeof bytes);
    return *this;
}

CArchive& CArchive::operator<<(std::int32_t v) { return *this << static_cast<std::uint32_t>(v); }

CArchive& CArchive::operator<<(bool v) { return *this << std::int32_t{v ? 1 : 0}; }

CArchive& CArchive::operator<<(const CCislo& v)
{
    const auto mantissa = static_cast<std::uint64_t>(v.Mantissa());
    *this << static_cast<std::uint32_t>(mantissa & 0xFFFFFFFFu) << static_cast<std::uint32_t>(mantissa >> 32);
    *this << static_cast<std::uint8_t>(v.Scale());
    return *this << std::int32_t{v.IsNull() ? 1 : 0};
}

CArchive& CArchive::operator>>(std::uint8_t& v)
{
    ReadBytes(&v, 1);
    return *this;
}

CArchive& CArchive::operator>>(std::uint16_t& v)
{
    unsigned char bytes[2];
    ReadBytes(bytes, sizeof bytes);
    v = static_cast<std::uint16_t>(GetLittleEndian(bytes));
    return *this;
}

CArchive& CArchive::operator>>(std::uint32_t& v)
{
    unsigned char bytes[4];
    ReadBytes(bytes, sizeof bytes);
    v = static_cast<std::uint32_t>(GetLittleEndian(bytes));
    return *this;
}

CArchive& CArchive::operator>>(std::int32_t& v)
{
    std::uint32_t raw = 0;
    *this >> raw;
    v = static_cast<std::int32_t>(raw);
    return *this;
}

CArchive& CArchive::operator>>(bool& v)
{
    std::int32_t raw = 0;
    *this >> raw;
    v = raw != 0;
    return *this;
}

CArchive& CArchive::operator>>(CCislo& v)
{
    std::uint32_t low = 0, high = 0;
    std::uint8_t scale = 0;
    std::int32_t null = 0;
    *this >> low >> high >> scale >> null;
    const auto mantissa = static_cast<std::int64_t>((static_cast<std::uint64_t>(high) << 32) | low);
    if (null != 0) {
        v = CCislo::FromRaw(0, 0, true);
    } else if (scale > kMaxDecimalScale) {
        // No 64-bit mantissa carries more than 18 significant decimals; a larger stored scale
        // is rounded away rather than kept as a number no operation could handle sensibly.
        v = CCislo::FromRaw(mantissa, scale, false).SetScale(kMaxDecimalScale, true);
    } else {
        v = CCislo::FromRaw(mantissa, scale, false);
    }
    return *this;
}

// ---------------------------------------------------------------------------------------------
// Texts

CArchive& CArchive::operator<<(const std::string& v)
{
    const std::string bytes = Utf8ToCp1250(v);
    const std::size_t length = bytes.size();
    if (length < kLongText) {
        *this << static_cast<std::uint8_t>(length);
    } else if (length < kWideText) {
        *this << kLongText << static_cast<std::uint16_t>(length);
    } else if (length <= 0xFFFFFFFFu) {
        *this << kLongText << kHugeText << static_cast<std::uint32_t>(length);
    } else {
        throw FileError(m_fileName, "text je příliš dlouhý pro uložení");
    }
    WriteBytes(bytes.data(), length);
    return *this;
}

CArchive& CArchive::operator>>(std::string& v)
{
    // Length prefix: a byte, or 0xFF and a word, or 0xFF, 0xFFFF and a 4-byte length. The word
    // 0xFFFE marks a text of 16-bit characters, whose length prefix follows afresh.
    bool wide = false;
    std::uint32_t length = 0;
    for (;;) {
        std::uint8_t shortLength = 0;
        *this >> shortLength;
        if (shortLength < kLongText) {
            length = shortLength;
            break;
        }
        std::uint16_t word = 0;
        *this >> word;
        if (word == kWideText) {
            wide = true;
            continue;
        }
        if (word == kHugeText)
            *this >> length;
        else
            length = word;
        break;
    }

    const std::uint64_t bytes = wide ? std::uint64_t{length} * 2 : length;
    if (bytes > Remaining()) Fail(ArchiveCause::EndOfFile);  // before allocating anything
    // Taken in slices, so that memory grows only with bytes that really arrive, even when the
    // stream holds less than the size it was announced with.
    constexpr std::size_t kSlice = 64 * 1024;
    std::string raw;
    raw.reserve(static_cast<std::size_t>(std::min<std::uint64_t>(bytes, kSlice)));
    for (std::uint64_t done = 0; done < bytes;) {
        const auto slice = static_cast<std::size_t>(std::min<std::uint64_t>(bytes - done, kSlice));
        raw.resize(raw.size() + slice);
        ReadBytes(raw.data() + done, slice);
        done += slice;
    }

    if (wide) {
        std::u16string units(length, u'\0');
        for (std::size_t i = 0; i < units.size(); ++i)
            units[i] = static_cast<char16_t>(static_cast<unsigned char>(raw[2 * i]) |
                                             (static_cast<unsigned char>(raw[2 * i + 1]) << 8));
        v = Utf16ToUtf8(units);
    } else {
        v = Cp1250ToUtf8(raw);
    }
    return *this;
}

// ---------------------------------------------------------------------------------------------
// Counts

void CArchive::WriteCount(std::uint32_t count)
{
    if (count < kHugeCount) {
        *this << static_cast<std::uint16_t>(count);
    } else {
        *this << kHugeCount << count;
    }
}

std::uint32_t CArchive::ReadCount(std::uint32_t minBytesPerElement)
{
    std::uint16_t word = 0;
    *this >> word;
    std::uint32_t count = word;
    if (word == kHugeCount) *this >> count;
    const std::uint64_t perElement = minBytesPerElement == 0 ? 1 : minBytesPerElement;
    if (count > Remaining() / perElement) Fail(ArchiveCause::EndOfFile);
    return count;
}

// ---------------------------------------------------------------------------------------------
// Object references: storing

std::uint32_t CArchive::TakeStoringIndex()
{
    if (m_impl->nextIndex > kMaxIndex) throw FileError(m_fileName, "příliš mnoho objektů pro uložení");
    return m_impl->nextIndex++;
}

void CArchive::WriteObject(const CObject* object)
{
    if (!m_storing) throw std::logic_error("CArchive: WriteObject on a loading archive");
    Impl& impl = *m_impl;
    if (!object) {
        *this << kNullTag;
        return;
    }

    if (const auto known = impl.writtenObjects.find(object); known != impl.writtenObjects.end()) {
        const std::uint32_t index = known->second;
        if (index < kBigTag)
            *this << static_cast<std::uint16_t>(index);
        else
            *this << kBigTag << index;
        return;
    }

    const CRuntimeClass& cls = object->GetRuntimeClass();
    if (const auto known = impl.writtenClasses.find(&cls); known != impl.writtenClasses.end()) {
        const std::uint32_t index = known->second;
        if (index < kBigTag)
            *this << static_cast<std::uint16_t>(kClassTagBit | index);
        else
            *this << kBigTag << (kBigClassBit | index);
    } else {
        if (cls.name.empty() || cls.name.size() > kMaxClassName)
            throw std::logic_error("CArchive: class name unfit for a file: \"" + std::string(cls.name) + "\"");
        *this << kNewClassTag << cls.StoredSchema() << static_cast<std::uint16_t>(cls.name.size());
        WriteBytes(cls.name.data(), cls.name.size());
        impl.writtenClasses.emplace(&cls, TakeStoringIndex());
    }

    // The object takes its index before its fields, so that references to it from inside
    // resolve to it.
    impl.writtenObjects.emplace(object, TakeStoringIndex());
    const_cast<CObject*>(object)->Serialize(*this);
}

// ---------------------------------------------------------------------------------------------
// Object references: loading

std::uint32_t CArchive::GetObjectSchema()
{
    if (m_storing) return kNoSchema;
    const std::uint32_t schema = m_impl->objectSchema;
    m_impl->objectSchema = kNoSchema;
    return schema;
}

const CRuntimeClass& CArchive::ReadClassDescription(std::uint32_t& schema)
{
    std::uint16_t storedSchema = 0, nameLength = 0;
    *this >> storedSchema >> nameLength;
    if (nameLength > kMaxClassName) Fail(ArchiveCause::BadClass);
    char name[kMaxClassName];
    BoundedReader& reader = *m_impl->reader;
    if (!reader.Read(name, nameLength)) {
        if (reader.StreamFailed()) throw FileError(m_fileName, "čtení se nezdařilo");
        Fail(ArchiveCause::BadClass);  // a cut-off class name is refused as a bad class
    }
    const CRuntimeClass* cls = m_impl->classes.Find(std::string_view(name, nameLength));
    if (!cls) Fail(ArchiveCause::BadClass);
    if (storedSchema != (cls->schema & ~VERSIONABLE_SCHEMA) && !(cls->schema & VERSIONABLE_SCHEMA))
        Fail(ArchiveCause::BadSchema);
    schema = storedSchema;
    return *cls;
}

std::uint32_t CArchive::LoadObject(const CRuntimeClass* required)
{
    if (m_storing) throw std::logic_error("CArchive: ReadObject on a storing archive");
    Impl& impl = *m_impl;

    std::uint16_t tag = 0;
    *this >> tag;
    std::uint32_t fullTag = 0;
    if (tag == kBigTag)
        *this >> fullTag;
    else
        fullTag = (static_cast<std::uint32_t>(tag & kClassTagBit) << 16) | (tag & ~kClassTagBit);

    if (!(fullTag & kBigClassBit)) {
        // A reference to an object read before.
        if (fullTag == 0) return 0;
        if (fullTag > impl.loaded.size()) Fail(ArchiveCause::BadIndex);
        const CObject* object = impl.loaded[fullTag - 1].object;
        if (!object) Fail(ArchiveCause::BadIndex);  // the index of a class, not of an object
        if (required && !object->IsKindOf(*required)) Fail(ArchiveCause::BadClass);
        return fullTag;
    }

    // A new object: first its class.
    const CRuntimeClass* cls = nullptr;
    std::uint32_t schema = 0;
    if (tag == kNewClassTag) {
        cls = &ReadClassDescription(schema);
        if (impl.loaded.size() >= kMaxIndex) Fail(ArchiveCause::BadIndex);
        impl.loaded.push_back(LoadedEntry{cls, schema, nullptr, nullptr, false});
    } else {
        const std::uint32_t classIndex = fullTag & ~kBigClassBit;
        if (classIndex == 0 || classIndex > impl.loaded.size()) Fail(ArchiveCause::BadIndex);
        const LoadedEntry& entry = impl.loaded[classIndex - 1];
        if (!entry.cls) Fail(ArchiveCause::BadIndex);  // the index of an object, not of a class
        cls = entry.cls;
        schema = entry.schema;
    }
    if (required && !cls->IsDerivedFrom(*required)) Fail(ArchiveCause::BadClass);
    if (!cls->create) Fail(ArchiveCause::BadClass);  // an abstract class has no instances
    if (impl.nesting >= kMaxNesting) Fail(ArchiveCause::TooDeep);

    std::unique_ptr<CObject> created = cls->create();
    if (!created) Fail(ArchiveCause::BadClass);
    CObject* object = created.get();
    if (impl.loaded.size() >= kMaxIndex) Fail(ArchiveCause::BadIndex);
    impl.loaded.push_back(LoadedEntry{nullptr, 0, object, std::move(created), true});
    const auto index = static_cast<std::uint32_t>(impl.loaded.size());

    // Serialize sees the stored schema through GetObjectSchema; the schema and the nesting of
    // the enclosing object come back however this one ends.
    struct Scope {
        Impl& impl;
        std::uint32_t savedSchema;
        ~Scope()
        {
            impl.objectSchema = savedSchema;
            --impl.nesting;
        }
    } scope{impl, impl.objectSchema};
    ++impl.nesting;
    impl.objectSchema = schema;
    object->Serialize(*this);

    impl.loaded[index - 1].loading = false;
    return index;
}

CObject* CArchive::ReadObject(const CRuntimeClass* required)
{
    const std::uint32_t index = LoadObject(required);
    return index == 0 ? nullptr : m_impl->loaded[index - 1].object;
}

std::unique_ptr<CObject> CArchive::ReadOwnedObject(const CRuntimeClass* required)
{
    const std::uint32_t index = LoadObject(required);
    if (index == 0) return nullptr;
    LoadedEntry& entry = m_impl->loaded[index - 1];
    if (!entry.owned || entry.loading) Fail(ArchiveCause::BadIndex);
    return std::move(entry.owned);
}

}  // namespace belvo
