#pragma once

#include "ProfileCodec.h"

#include <QByteArrayView>

#include <algorithm>

// What a line of an INI file is, judged by its first non-blank character.
enum class LineKind : quint8 {
    Blank, // nothing but blanks
    Comment, // ";"
    Header, // "[": a section header
    Entry, // anything else, with or without "="
};

// One line: its raw bytes without the line end, and the line end itself.
struct ProfileLine
{
    QByteArrayView text;
    LineEnd end = LineEnd::None;
    LineKind kind = LineKind::Blank;
};

// The line grammar shared by reading and writing, so that a line written in
// memory is understood exactly as it will be when the file is read again.
// Every view returned points into the text passed in.
namespace ProfileSyntax {

LineKind classify(const ProfileCodec &codec, QByteArrayView line);

// Gives add every line of text, split on CR LF, LF and CR, in order. A final
// line end does not start another line. A template, as it runs once per line
// of every file read.
template<typename Add> void splitLines(const ProfileCodec &codec, QByteArrayView text, Add &&add)
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
        add(ProfileLine { line, end, classify(codec, line) });
        start = index + (end == LineEnd::CrLf ? 2 : 1);
    }
}
bool hasLineBreak(const ProfileCodec &codec, QByteArrayView text);

// Without leading and trailing blanks (spaces and tabs).
QByteArrayView trimmed(const ProfileCodec &codec, QByteArrayView text);

// A header's name: the text after "[" up to the first "]", trimmed.
QByteArrayView sectionName(const ProfileCodec &codec, QByteArrayView header);

// An entry's key: the text before the first "=" (all of it without one), trimmed.
QByteArrayView entryKey(const ProfileCodec &codec, QByteArrayView entry);

} // namespace ProfileSyntax
