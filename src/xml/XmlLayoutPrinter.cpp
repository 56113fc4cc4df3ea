#include "XmlLayoutPrinter.h"

#include <string>

using namespace tinyxml2;

namespace {

bool isWhiteSpaceAlone(const char *text)
{
    for (const char *c = text; *c; ++c) {
        if (!XMLUtil::IsWhiteSpace(*c))
            return false;
    }
    return *text != '\0';
}

} // namespace

bool XmlLayoutPrinter::VisitEnter(const XMLDocument &document)
{
    if (document.HasBOM())
        m_output += "\xEF\xBB\xBF";
    return true;
}

bool XmlLayoutPrinter::VisitEnter(const XMLElement &element, const XMLAttribute *firstAttribute)
{
    if (m_textDepth < 0 && m_nodeWritten)
        m_output += '\n';
    writeTabs(m_depth);
    m_output += '<';
    m_output += element.Name();
    for (const XMLAttribute *attribute = firstAttribute; attribute; attribute = attribute->Next()) {
        m_output += ' ';
        m_output += attribute->Name();
        m_output += "=\"";
        writeEscaped(attribute->Value(), Escape::Attribute);
        m_output += '"';
    }
    m_output += element.NoChildren() ? "/>" : ">";
    m_nodeWritten = true;
    ++m_depth;
    return true;
}

bool XmlLayoutPrinter::VisitExit(const XMLElement &element)
{
    --m_depth;
    if (!element.NoChildren()) {
        if (m_textDepth < 0) {
            m_output += '\n';
            writeTabs(m_depth);
        }
        m_output += "</";
        m_output += element.Name();
        m_output += '>';
    }
    if (m_textDepth == m_depth)
        m_textDepth = -1;
    if (m_depth == 0)
        m_output += '\n';
    return true;
}

bool XmlLayoutPrinter::Visit(const XMLDeclaration &declaration)
{
    writeMarkup("<?", declaration.Value(), "?>");
    return true;
}

bool XmlLayoutPrinter::Visit(const XMLText &text)
{
    // A text directly in the document has no holding element and sets nothing.
    m_textDepth = m_depth - 1;
    if (text.CData()) {
        m_output += "<![CDATA[";
        m_output += text.Value();
        m_output += "]]>";
    } else {
        // The parser drops a text of white space alone between tags; written
        // as references, its blanks, tabs and line breaks read back as text.
        writeEscaped(text.Value(),
                     isWhiteSpaceAlone(text.Value()) ? Escape::WhiteSpace : Escape::Text);
    }
    return true;
}

bool XmlLayoutPrinter::Visit(const XMLComment &comment)
{
    writeMarkup("<!--", comment.Value(), "-->");
    return true;
}

bool XmlLayoutPrinter::Visit(const XMLUnknown &unknown)
{
    writeMarkup("<!", unknown.Value(), ">");
    return true;
}

void XmlLayoutPrinter::writeMarkup(const char *open, const char *value, const char *close)
{
    if (m_textDepth < 0 && m_nodeWritten) {
        m_output += '\n';
        writeTabs(m_depth);
    }
    m_output += open;
    m_output += value;
    m_output += close;
    m_nodeWritten = true;
}

void XmlLayoutPrinter::writeTabs(int count)
{
    m_output.append(static_cast<std::size_t>(count), '\t');
}

void XmlLayoutPrinter::writeEscaped(const char *text, Escape escape)
{
    const bool inAttribute = escape == Escape::Attribute;
    for (const char *c = text; *c; ++c) {
        switch (*c) {
        case '\r':
            // The parser reads a raw CR as a LF.
            writeReference(*c);
            break;
        case ' ':
        case '\t':
        case '\n':
            if (escape == Escape::WhiteSpace)
                writeReference(*c);
            else
                m_output += *c;
            break;
        case '&':
            m_output += "&amp;";
            break;
        case '<':
            m_output += "&lt;";
            break;
        case '>':
            m_output += "&gt;";
            break;
        case '"':
            m_output += inAttribute ? "&quot;" : "\"";
            break;
        case '\'':
            m_output += inAttribute ? "&apos;" : "'";
            break;
        default:
            m_output += *c;
        }
    }
}

void XmlLayoutPrinter::writeReference(char c)
{
    m_output += "&#";
    m_output += std::to_string(int(c));
    m_output += ';';
}
