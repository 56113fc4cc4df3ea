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

void splitLines(const ProfileCodec &codec, QByteArrayView text,
                const std::function<void(const ProfileLine &)> &add)
{
    const qsizetype count = codec.unitCount(text);
    // The next CR and the next LF are remembered, so that a file using only
    // one of them is still searched once.
    qsizetype nextCr = -1;
    qsizetype nextLf = -1;
    qsizetype start = 0;
    while (start < count) {
        if (nextCr < start)
            nextCr = codec.indexOf(text, '\r', start);
        if (nextLf < start)
            nextLf = codec.indexOf(text, '\n', start);
        const qsizetype index = std::min(nextCr, nextLf);
        LineEnd end = LineEnd::Cr;
        if (index == count)
            end = LineEnd::None;
        else if (index == nextLf)
            end = LineEnd::Lf;
        else if (nextLf == index + 1 && nextLf < count)
            end = LineEnd::CrLf;
        const QByteArrayView line = codec.units(text, start, index);
        add({ line, end, classify(codec, line) });
        start = index + (end == LineEnd::CrLf ? 2 : 1);
    }
}

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
