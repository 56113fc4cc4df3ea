#include "ProfileCodec.h"

#include "TextCodec.h"

#include <optional>

namespace {

constexpr QByteArrayView utf8Mark("\xEF\xBB\xBF", 3);
constexpr QByteArrayView utf16LeMark("\xFF\xFE", 2);

constexpr QByteArrayView utf8LineEnds[] = { { "", 0 }, { "\n", 1 }, { "\r", 1 }, { "\r\n", 2 } };
constexpr QByteArrayView utf16LeLineEnds[]
    = { { "", 0 }, { "\n\0", 2 }, { "\r\0", 2 }, { "\r\0\n\0", 4 } };

} // namespace

ProfileCodec ProfileCodec::detect(QByteArrayView file)
{
    ProfileCodec codec;
    if (file.startsWith(utf16LeMark)) {
        codec.m_encoding = Encoding::Utf16Le;
        codec.m_unitSize = 2;
        codec.m_mark = utf16LeMark.toByteArray();
    } else if (file.startsWith(utf8Mark)) {
        codec.m_mark = utf8Mark.toByteArray();
    }
    return codec;
}

qsizetype ProfileCodec::indexOfUtf16(QByteArrayView text, char c, qsizetype from) const
{
    // Searching bytes is much faster than walking units; a match counts only
    // as the low byte of a unit whose high byte is zero.
    for (qsizetype at = 2 * from;; ++at) {
        at = text.indexOf(c, at);
        if (at < 0)
            return unitCount(text);
        if (at % 2 == 0 && at + 1 < text.size() && text[at + 1] == '\0')
            return at / 2;
    }
}

QByteArrayView ProfileCodec::units(QByteArrayView text, qsizetype from, qsizetype to) const
{
    return text.sliced(from * m_unitSize, (to - from) * m_unitSize);
}

QByteArrayView ProfileCodec::lineEndBytes(LineEnd end) const
{
    const auto index = qsizetype(end);
    return m_encoding == Encoding::Utf8 ? utf8LineEnds[index] : utf16LeLineEnds[index];
}

QString ProfileCodec::toWide(QByteArrayView text) const
{
    if (m_encoding == Encoding::Utf8)
        return decodeUtf8(text);
    QString wide(unitCount(text), Qt::Uninitialized);
    if (!wide.isEmpty()) // empty text may have no data, which the copy must not be given
        qFromLittleEndian<char16_t>(text.data(), wide.size(), wide.data());
    return wide;
}

QByteArray ProfileCodec::toNarrow(QByteArrayView text) const
{
    if (m_encoding == Encoding::Utf8)
        return text.toByteArray();
    return toWide(text).toUtf8();
}

QByteArray ProfileCodec::fromWide(QStringView text) const
{
    if (m_encoding == Encoding::Utf8)
        return text.toUtf8();
    QByteArray bytes(2 * text.size(), Qt::Uninitialized);
    if (!text.isEmpty()) // as in toWide
        qToLittleEndian<char16_t>(text.data(), text.size(), bytes.data());
    return bytes;
}

QByteArray ProfileCodec::fromNarrow(QByteArrayView text) const
{
    if (m_encoding == Encoding::Utf8)
        return text.toByteArray();
    return fromWide(decodeUtf8(text));
}

QByteArrayView ProfileCodec::matchKey(QByteArrayView text, QByteArray &storage) const
{
    // A match key is the upper-case text in the file's own encoding.
    bool ascii = true;
    bool lowerCase = false;
    const qsizetype count = unitCount(text);
    for (qsizetype i = 0; i < count && ascii; ++i) {
        const char16_t unit = unitAt(text, i);
        ascii = unit < 0x80;
        lowerCase = lowerCase || (unit >= u'a' && unit <= u'z');
    }
    if (ascii && !lowerCase)
        return text;
    if (m_encoding == Encoding::Utf16Le) {
        storage = fromWide(toWide(text).toUpper());
    } else if (ascii) {
        storage = text.toByteArray();
        for (char &c : storage)
            c = c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
    } else if (const std::optional<QString> decoded = decodeUtf8Strict(text)) {
        storage = decoded->toUpper().toUtf8();
    } else {
        // The byte FF never occurs in UTF-8, so bytes that are not UTF-8
        // cannot be mistaken for any decoded name.
        storage = "\xFF" + text.toByteArray();
    }
    return storage;
}
