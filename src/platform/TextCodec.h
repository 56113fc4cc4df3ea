#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// Conversions between the program's wide strings and UTF-8 bytes.
// The strict decoder stands in for a conversion that fails on bytes that are
// not UTF-8: callers turn a failure into an empty string where that is the
// documented result.
std::optional<QString> decodeUtf8Strict(QByteArrayView bytes);

// Strict decoding with an empty string on failure.
QString decodeUtf8OrEmpty(QByteArrayView bytes);

// Decoding that replaces what is not UTF-8. Unlike QString::fromUtf8 it keeps
// a leading U+FEFF: inside a file, such as at the start of a line, it is text.
QString decodeUtf8(QByteArrayView bytes);

// decodeUtf8(bytes).trimmed(), with blanks that are ASCII dropped as bytes:
// only text that may begin or end with another blank, such as a no-break
// space, is trimmed after decoding. Wide mode trims every value; this spares
// a fifteenth of a language's loading.
QString decodeUtf8Trimmed(QByteArrayView bytes);
