#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <QtEndian>

// How a line ended in the file; the bytes depend on the file's encoding.
enum class LineEnd : quint8 { None, Lf, Cr, CrLf };

// The text encoding of one INI file. Lines are kept as raw bytes in this
// encoding; the codec reads them unit by unit (bytes for UTF-8, 16-bit code
// units for UTF-16LE) and converts between them and the callers' strings.
class ProfileCodec
{
public:
    enum class Encoding { Utf8, Utf16Le };

    // UTF-8 without byte-order mark: the form of a new file.
    ProfileCodec() = default;

    // Chooses the encoding from the byte-order mark at the start of file.
    static ProfileCodec detect(QByteArrayView file);

    Encoding encoding() const { return m_encoding; }

    // The byte-order mark found at the start of the file (empty when none).
    const QByteArray &mark() const { return m_mark; }

    qsizetype unitCount(QByteArrayView text) const { return text.size() / m_unitSize; }
    char16_t unitAt(QByteArrayView text, qsizetype index) const
    {
        if (m_unitSize == 1)
            return char16_t(quint8(text[index]));
        return qFromLittleEndian<char16_t>(text.data() + 2 * index);
    }
    // The first unit equal to the ASCII character c at or after from, or
    // unitCount(text) when there is none.
    qsizetype indexOf(QByteArrayView text, char c, qsizetype from) const
    {
        if (m_unitSize == 1) {
            const qsizetype at = text.indexOf(c, from);
            return at < 0 ? text.size() : at;
        }
        return indexOfUtf16(text, c, from);
    }
    // The bytes of the units [from, to) of text.
    QByteArrayView units(QByteArrayView text, qsizetype from, qsizetype to) const;
    QByteArrayView lineEndBytes(LineEnd end) const;

    // What callers get: undecodable input is replaced, lines stay untouched.
    QString toWide(QByteArrayView text) const;
    QByteArray toNarrow(QByteArrayView text) const;
    // What is written for the callers' strings.
    QByteArray fromWide(QStringView text) const;
    QByteArray fromNarrow(QByteArrayView text) const;

    // Section names and keys are equal when their match keys are equal:
    // compared without regard to case; text that is not valid UTF-8 only
    // matches the very same bytes. Text that is its own match key, as the
    // usual upper-case ASCII name is, comes back as it is; any other key is
    // built in storage.
    QByteArrayView matchKey(QByteArrayView text, QByteArray &storage) const;

private:
    qsizetype indexOfUtf16(QByteArrayView text, char c, qsizetype from) const;

    Encoding m_encoding = Encoding::Utf8;
    qsizetype m_unitSize = 1;
    QByteArray m_mark;
};
