#include "IniText.h"

#include <QtEndian>

namespace {

bool isBlank(char16_t unit)
{
    return unit == u' ' || unit == u'\t';
}

std::u16string trimmed(const std::u16string &text)
{
    const auto begin = text.find_first_not_of(u" \t");
    if (begin == std::u16string::npos)
        return {};
    return text.substr(begin, text.find_last_not_of(u" \t") - begin + 1);
}

char16_t firstNonBlank(const std::u16string &text)
{
    for (const char16_t unit : text) {
        if (!isBlank(unit))
            return unit;
    }
    return 0;
}

} // namespace

bool IniText::Line::isBlank() const
{
    return trimmed(text).empty();
}

bool IniText::Line::isHeader() const
{
    return !isBlank() && firstNonBlank(text) == u'[';
}

bool IniText::Line::isEntry() const
{
    return !isBlank() && firstNonBlank(text) != u'[' && firstNonBlank(text) != u';';
}

IniText::IniText(QByteArrayView file)
{
    std::u16string &units = m_units;
    if (file.startsWith("\xFF\xFE")) {
        m_utf16 = true;
        m_mark = file.first(2).toByteArray();
        const QByteArrayView body = file.sliced(2);
        for (qsizetype at = 0; at + 1 < body.size(); at += 2)
            units += qFromLittleEndian<char16_t>(body.data() + at);
        if (body.size() % 2)
            m_trailer = body.last(1).toByteArray();
    } else {
        if (file.startsWith("\xEF\xBB\xBF"))
            m_mark = file.first(3).toByteArray();
        for (const char byte : file.sliced(m_mark.size()))
            units += char16_t(quint8(byte));
    }

    std::size_t start = 0;
    while (start < units.size()) {
        const std::size_t stop = std::min(units.find(u'\r', start), units.find(u'\n', start));
        Line line { units.substr(start, stop - start), {} };
        if (stop < units.size())
            line.end = units.compare(stop, 2, u"\r\n") == 0 ? u"\r\n" : units.substr(stop, 1);
        start = stop == std::u16string::npos ? units.size() : stop + line.end.size();
        m_lines.append(std::move(line));
    }
}

QByteArray IniText::narrow(const std::u16string &units)
{
    QByteArray bytes;
    for (const char16_t unit : units)
        bytes += char(unit);
    return bytes;
}

QString IniText::wide(const std::u16string &units)
{
    // Not QString::fromUtf16, which drops a leading U+FEFF.
    return QString(reinterpret_cast<const QChar *>(units.data()), qsizetype(units.size()));
}

std::u16string IniText::headerName(const std::u16string &header)
{
    const std::size_t open = header.find(u'[');
    return trimmed(header.substr(open + 1, header.find(u']', open + 1) - open - 1));
}
