#pragma once

#include "platform/Result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

class ProfileFile;

// One write or delete of a fuzz input, applied either to a ProfileFile in
// memory or through the single-call operations on a file.
struct ProfileOp
{
    enum Kind : char {
        Write = 'w', // fields in UTF-8
        WriteUtf16 = 'u', // fields in UTF-16LE, so lone surrogates reach the file
        WriteNarrow = 'n',
        Delete = 'd',
    };

    Kind kind = Write;
    QByteArray section, key, value;

    // A field as the wide operations take it; for narrow writes, the text
    // the bytes stand for.
    QString wide(const QByteArray &field) const;

    void applyTo(ProfileFile &file) const;
    Result<> applyOnce(const QString &path) const;
};

// A fuzz input: the file's bytes, optionally followed by GS (0x1D) and the
// operations, separated by RS (0x1E), each a kind letter followed by its
// fields, each field led by US (0x1F): "w\x1Fsection\x1Fkey\x1Fvalue".
struct ProfileScript
{
    static constexpr qsizetype MaxOps = 16;

    explicit ProfileScript(QByteArrayView input);

    QByteArray file;
    QList<ProfileOp> ops;
};
