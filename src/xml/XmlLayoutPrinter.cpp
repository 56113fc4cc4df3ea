#include "XmlLayoutPrinter.h"

using namespace tinyxml2;

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
        writeEscaped(attribute->Value(), true);
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
        writeEscaped(text.Value(), false);
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

void XmlLayoutPrinter::writeEscaped(const char *text, bool inAttribute)
{
    for (const char *c = text; *c; ++c) {
        switch (*c) {
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
