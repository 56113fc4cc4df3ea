#pragma once

#include "ProfileCodec.h"

#include <QByteArrayView>

#include <functional>

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

// Gives add every line of text, split on CR LF, LF and CR, in order. A final
// line end does not start another line.
void splitLines(const ProfileCodec &codec, QByteArrayView text,
                const std::function<void(const ProfileLine &)> &add);

LineKind classify(const ProfileCodec &codec, QByteArrayView line);
bool hasLineBreak(const ProfileCodec &codec, QByteArrayView text);

// Without leading and trailing blanks (spaces and tabs).
QByteArrayView trimmed(const ProfileCodec &codec, QByteArrayView text);

// A header's name: the text after "[" up to the first "]", trimmed.
QByteArrayView sectionName(const ProfileCodec &codec, QByteArrayView header);

// An entry's key: the text before the first "=" (all of it without one), trimmed.
QByteArrayView entryKey(const ProfileCodec &codec, QByteArrayView entry);

} // namespace ProfileSyntax
