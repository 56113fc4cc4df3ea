#pragma once

#include <QByteArrayView>
#include <QtEndian>

// A hash for short byte strings such as keys and section names, read eight
// bytes at a time: the general string hash costs more than the rest of a
// look-up when a file's every key is looked up or indexed.
namespace WordHash {

inline constexpr quint64 Multiplier = 0x9E3779B97F4A7C15u;

// The eight bytes of text at at, as one word; fewer at the end, zero-filled.
// The end of a text of eight bytes or more is read as its last eight bytes,
// shifted: one load instead of a loop.
inline quint64 wordAt(QByteArrayView text, qsizetype at)
{
    const qsizetype rest = text.size() - at;
    if (rest >= 8)
        return qFromLittleEndian<quint64>(text.data() + at);
    if (text.size() >= 8)
        return qFromLittleEndian<quint64>(text.data() + text.size() - 8) >> (8 * (8 - rest));
    quint64 word = 0;
    for (qsizetype i = 0; i < rest; ++i)
        word |= quint64(quint8(text[at + i])) << (8 * i);
    return word;
}

inline quint64 mix(quint64 hash, quint64 word)
{
    return (hash ^ word) * Multiplier;
}

// A product's bits depend only on the bits below them: mixing the high half
// down and multiplying again lets every byte reach every bit.
inline quint32 finish(quint64 hash)
{
    return quint32(mix(hash, hash >> 32) >> 32);
}

inline quint32 of(QByteArrayView text, quint64 seed = 0)
{
    quint64 hash = seed ^ quint64(text.size());
    for (qsizetype at = 0; at < text.size(); at += 8)
        hash = mix(hash, wordAt(text, at));
    return finish(hash);
}

} // namespace WordHash
