// Storing into and loading from bytes in memory, for tests of Serialize and of whole files.
#pragma once

#include <cstdint>
#include <functional>
#include <sstream>
#include <string>
#include <string_view>

#include "foundation/archive.h"

namespace belvo::test {

inline std::string StoreBytes(const ClassRegistry& classes, const std::function<void(CArchive&)>& write)
{
    std::ostringstream out;
    CArchive ar(out, "test.kar", classes);
    write(ar);
    ar.Flush();
    return out.str();
}

inline void LoadBytes(const std::string& bytes, const ClassRegistry& classes, SettingsStore* settings,
                      const std::function<void(CArchive&)>& read)
{
    std::istringstream in(bytes);
    CArchive ar(in, bytes.size(), "test.kar", classes);
    ar.SetSettings(settings);
    read(ar);
}

// The start of a new object of a class described here: tag 0xFFFF, the schema, the name. Lets
// a test write an object of an older schema field by field.
inline void WriteClassHeader(CArchive& ar, std::string_view name, std::uint16_t schema)
{
    ar << std::uint16_t{0xFFFF} << schema << static_cast<std::uint16_t>(name.size());
    for (const char c : name) ar << static_cast<std::uint8_t>(c);
}

}  // namespace belvo::test
