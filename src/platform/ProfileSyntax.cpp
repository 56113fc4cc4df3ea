#include "ProfileSyntax.h"

#include <algorithm>

namespace ProfileSyntax {

namespace {

bool isBlank(char16_t unit)
{
    return unit == u' ' || unit == u'\t';
}

qsizetype firstNonBlank(const ProfileCodec &codec, QByteArrayView text)
{
    const qsizetype count = codec.unitCount(text);
    qsizetype index = 0;
    while (index < count && isBlank(codec.unitAt(text, index)))
        ++index;
    return index;
}

} // namespace

LineKind classify(const ProfileCodec &codec, QByteArrayView line)
{
    const qsizetype index = firstNonBlank(codec, line);
    if (index == codec.unitCount(line))
        return LineKind::Blank;
    switch (codec.unitAt(line, index)) {
    case u';':
        return LineKind::Comment;
    case u'[':
        return LineKind::Header;
    default:
        return LineKind::Entry;
    }
}

bool hasLineBreak(const ProfileCodec &codec, QByteArrayView text)
{
    const qsizetype count = codec.unitCount(text);
    return codec.indexOf(text, '\r', 0) < count || codec.indexOf(text, '\n', 0) < count;
}

QByteArrayView trimmed(const ProfileCodec &codec, QByteArrayView text)
{
    const qsizetype begin = firstNonBlank(codec, text);
    qsizetype end = codec.unitCount(text);
    while (end > begin && isBlank(codec.unitAt(text, end - 1)))
        --end;
    return codec.units(text, begin, end);
}

QByteArrayView sectionName(const ProfileCodec &codec, QByteArrayView header)
{
    const qsizetype begin = firstNonBlank(codec, header) + 1;
    const qsizetype end = codec.indexOf(header, ']', begin);
    return trimmed(codec, codec.units(header, begin, end));
}

QByteArrayView entryKey(const ProfileCodec &codec, QByteArrayView entry)
{
    return trimmed(codec, codec.units(entry, 0, codec.indexOf(entry, '=', 0)));
}

} // namespace ProfileSyntax
