#include "XmlMarkup.h"

using namespace Qt::StringLiterals;

void XmlMarkup::declaration()
{
    m_text += u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>"_s;
}

void XmlMarkup::indent(int depth)
{
    m_text += u'\n';
    m_text += QString(depth, u'\t');
}

void XmlMarkup::start(QStringView name, Attributes attributes, bool empty)
{
    m_text += u'<';
    m_text += name;
    for (const auto &[attribute, value] : attributes) {
        m_text += u' ';
        m_text += attribute;
        m_text += u"=\""_s;
        escaped(value, true);
        m_text += u'"';
    }
    m_text += empty ? u"/>"_s : u">"_s;
}

void XmlMarkup::end(QStringView name)
{
    m_text += u"</"_s;
    m_text += name;
    m_text += u'>';
}

void XmlMarkup::text(QStringView text)
{
    escaped(text, false);
}

void XmlMarkup::escaped(QStringView text, bool attribute)
{
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'&':
            m_text += u"&amp;"_s;
            break;
        case u'<':
            m_text += u"&lt;"_s;
            break;
        case u'>':
            m_text += u"&gt;"_s;
            break;
        case u'\r':
            m_text += u"&#13;"_s;
            break;
        case u'"':
            m_text += attribute ? u"&quot;"_s : u"\""_s;
            break;
        // An attribute's value reads back with its blanks, tabs and line
        // breaks as spaces unless they are references.
        case u'\t':
            m_text += attribute ? u"&#9;"_s : u"\t"_s;
            break;
        case u'\n':
            m_text += attribute ? u"&#10;"_s : u"\n"_s;
            break;
        default:
            m_text += c;
        }
    }
}

bool XmlMarkup::canCarry(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
            continue;
        }
        const bool allowed = c == u'\t' || c == u'\n' || c == u'\r' || (c >= 0x20 && c < 0xD800)
            || (c >= 0xE000 && c <= 0xFFFD);
        if (!allowed)
            return false;
    }
    return true;
}
