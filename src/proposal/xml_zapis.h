// CXmlZapis: the writer of the XML document for the ERP. It indents every element by two spaces
// per level and writes each value on the line of its element. The document is collected as
// UTF-8 text with line feeds; writing it to a file turns it into Windows-1250 with CR LF.
#pragma once

#include <string>
#include <string_view>

namespace belvo {

// A value for the document: "&", "<", ">", the quotation mark and the apostrophe become
// "&amp;", "&lt;", "&gt;", "&quot;" and "&apos;"; every other character stays as it is.
std::string XmlText(std::string_view text);

class CXmlZapis {
public:
    // A line written as it is (the declaration, a comment), followed by a line feed.
    void ZapisRadek(std::string_view line);
    // "<tag>" on a line of its own at the current depth; the depth grows by one.
    void OtevriTag(std::string_view tag);
    // The depth shrinks by one; "</tag>" on a line of its own at that depth.
    void ZavriTag(std::string_view tag);
    // "<tag>value</tag>" on one line at the current depth; an empty value gives "<tag></tag>".
    void ZapisHodnotu(std::string_view tag, std::string_view value);

    int Depth() const { return m_depth; }
    const std::string& Text() const { return m_text; }

private:
    void Indent();

    static constexpr int kStep = 2;
    std::string m_text;
    int m_depth = 0;
};

}  // namespace belvo
