#include "proposal/xml_zapis.h"

#include <stdexcept>

namespace belvo {

std::string XmlText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&apos;"; break;
        default: out += c; break;
        }
    }
    return out;
}

void CXmlZapis::Indent()
{
    m_text.append(static_cast<std::size_t>(kStep * m_depth), ' ');
}

void CXmlZapis::ZapisRadek(std::string_view line)
{
    m_text += line;
    m_text += '\n';
}

void CXmlZapis::OtevriTag(std::string_view tag)
{
    Indent();
    m_text += '<';
    m_text += tag;
    m_text += ">\n";
    ++m_depth;
}

void CXmlZapis::ZavriTag(std::string_view tag)
{
    // Closing more elements than were opened would write a document no reader accepts.
    if (m_depth == 0) throw std::logic_error("CXmlZapis::ZavriTag without an open element");
    --m_depth;
    Indent();
    m_text += "</";
    m_text += tag;
    m_text += ">\n";
}

void CXmlZapis::ZapisHodnotu(std::string_view tag, std::string_view value)
{
    Indent();
    m_text += '<';
    m_text += tag;
    m_text += '>';
    m_text += XmlText(value);
    m_text += "</";
    m_text += tag;
    m_text += ">\n";
}

}  // namespace belvo
