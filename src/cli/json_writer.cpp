#include "cli/json_writer.h"

#include <cstdio>
#include <stdexcept>

#include "foundation/utf8.h"

namespace belvo {

std::string JsonQuote(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size() + 2);
    out += '"';
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        switch (c) {
        case '"': out += "\\\""; ++i; continue;
        case '\\': out += "\\\\"; ++i; continue;
        case '\b': out += "\\b"; ++i; continue;
        case '\f': out += "\\f"; ++i; continue;
        case '\n': out += "\\n"; ++i; continue;
        case '\r': out += "\\r"; ++i; continue;
        case '\t': out += "\\t"; ++i; continue;
        default: break;
        }
        if (c < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            out += escaped;
            ++i;
            continue;
        }
        const std::size_t length = Utf8SequenceLength(utf8, i);
        if (length == 0) {
            out += "\xEF\xBF\xBD";  // U+FFFD
            ++i;
        } else {
            out.append(utf8.substr(i, length));
            i += length;
        }
    }
    out += '"';
    return out;
}

std::string JsonDecimal(const CCislo& value)
{
    if (value.IsNull()) return "null";
    return JsonQuote(value.Format(Separators{}, CCislo::kPoint | CCislo::kNoWidth));
}

JsonWriter::JsonWriter(std::ostream& out) : m_out(out) {}

void JsonWriter::Raw(std::string_view text) { m_out.write(text.data(), static_cast<std::streamsize>(text.size())); }

void JsonWriter::NewLine()
{
    m_out.put('\n');
    for (std::size_t i = 0; i < m_levels.size(); ++i) Raw("  ");
}

void JsonWriter::BeforeValue()
{
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (m_levels.empty()) return;
    Level& level = m_levels.back();
    if (level.isObject) throw std::logic_error("JsonWriter: a value inside an object needs a key");
    if (!level.empty) m_out.put(',');
    level.empty = false;
    NewLine();
}

void JsonWriter::Key(std::string_view key)
{
    if (m_levels.empty() || !m_levels.back().isObject || m_afterKey)
        throw std::logic_error("JsonWriter: a key outside an object");
    Level& level = m_levels.back();
    if (!level.empty) m_out.put(',');
    level.empty = false;
    NewLine();
    Raw(JsonQuote(key));
    Raw(": ");
    m_afterKey = true;
}

void JsonWriter::BeginObject()
{
    BeforeValue();
    m_out.put('{');
    m_levels.push_back({true});
}

void JsonWriter::BeginArray()
{
    BeforeValue();
    m_out.put('[');
    m_levels.push_back({false});
}

void JsonWriter::EndObject()
{
    if (m_levels.empty() || !m_levels.back().isObject || m_afterKey)
        throw std::logic_error("JsonWriter: no object to end");
    const bool empty = m_levels.back().empty;
    m_levels.pop_back();
    if (!empty) NewLine();
    m_out.put('}');
}

void JsonWriter::EndArray()
{
    if (m_levels.empty() || m_levels.back().isObject) throw std::logic_error("JsonWriter: no array to end");
    const bool empty = m_levels.back().empty;
    m_levels.pop_back();
    if (!empty) NewLine();
    m_out.put(']');
}

void JsonWriter::String(std::string_view utf8)
{
    BeforeValue();
    Raw(JsonQuote(utf8));
}

void JsonWriter::Decimal(const CCislo& value)
{
    BeforeValue();
    Raw(JsonDecimal(value));
}

void JsonWriter::Integer(std::int64_t value)
{
    BeforeValue();
    Raw(std::to_string(value));
}

void JsonWriter::Bool(bool value)
{
    BeforeValue();
    Raw(value ? "true" : "false");
}

void JsonWriter::Null()
{
    BeforeValue();
    Raw("null");
}

void JsonWriter::Finish()
{
    if (!m_levels.empty() || m_afterKey) throw std::logic_error("JsonWriter: unfinished document");
    m_out.put('\n');
}

}  // namespace belvo
