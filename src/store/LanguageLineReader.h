#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <functional>
#include <optional>

class ProfileFile;

// A line's key, trimmed, as written: an ASCII key as the bytes of the line,
// any other key as text.
struct LineKey
{
    QByteArrayView ascii; // when the key is ASCII
    QStringView text; // otherwise

    bool isAscii() const { return text.isNull(); }
    QString toString() const { return isAscii() ? QString::fromLatin1(ascii) : text.toString(); }
};

// A line's value, decoded only when asked for: most lines of a file are
// wanted, but a repeated key's are not.
class LineValue
{
public:
    // The value; nothing when the line is not UTF-8 in UTF-8 mode, where such
    // a line counts as empty. May take the line's own buffer: take it once,
    // after anything else wanted of the line.
    std::optional<QString> take();

private:
    friend class LanguageLineReader;

    QByteArrayView m_bytes; // of a UTF-8 line
    QString *m_line = nullptr; // a wide line, whose buffer becomes the value
    qsizetype m_from = 0; // where the value starts
    bool m_utf8Mode = false;
};

// The entries of a language file's section "text", each taken apart by the
// loading rules of the store's mode. The key is the text before the last
// "=", trimmed, and a line without one, or with an empty key, is skipped.
// In UTF-8 mode the value is the text after the first "=", blanks kept, so a
// value may hold "=" itself; in wide mode it is the text after the last "=",
// trimmed, and bytes that are not UTF-8 are replaced.
class LanguageLineReader
{
public:
    using Visit = std::function<void(const LineKey &key, LineValue &value)>;

    LanguageLineReader(const ProfileFile &file, bool utf8Mode);

    void read(const Visit &visit) const;

private:
    void readUtf8(const Visit &visit) const;
    void readWide(const Visit &visit) const;

    const ProfileFile &m_file;
    bool m_utf8Mode;
};
