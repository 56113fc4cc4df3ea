#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <string>

// An INI file cut into lines by a reader of its own, independent of the code
// under test, so that targets can state what a file holds before and after a
// change. Lines are kept as code units: bytes for UTF-8, 16-bit units after
// an FF FE mark.
class IniText
{
public:
    struct Line
    {
        std::u16string text;
        std::u16string end; // "", "\n", "\r" or "\r\n"

        bool operator==(const Line &) const = default;
        bool isBlank() const;
        bool isHeader() const;
        bool isEntry() const;
    };

    explicit IniText(QByteArrayView file);

    bool isUtf16() const { return m_utf16; }
    const QByteArray &mark() const { return m_mark; }
    const QByteArray &trailer() const { return m_trailer; }
    const std::u16string &units() const { return m_units; }
    const QList<Line> &lines() const { return m_lines; }

    // Units as the narrow operations take them (UTF-8 files) and as the wide
    // ones take them (UTF-16 files).
    static QByteArray narrow(const std::u16string &units);
    static QString wide(const std::u16string &units);

    // A header's name: after "[" up to the first "]", without blanks around it.
    static std::u16string headerName(const std::u16string &header);

private:
    bool m_utf16 = false;
    QByteArray m_mark;
    QByteArray m_trailer; // a UTF-16 file's odd last byte
    std::u16string m_units; // after the mark
    QList<Line> m_lines;
};
