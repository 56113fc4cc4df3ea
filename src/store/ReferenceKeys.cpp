#include "ReferenceKeys.h"

#include "platform/TextCodec.h"

#include <QVarLengthArray>
#include <QtEndian>

#include <algorithm>
#include <bit>
#include <cstring>

namespace {

constexpr quint64 HighBits = 0x8080808080808080u;
constexpr quint64 Multiplier = 0x9E3779B97F4A7C15u;

// The bytes of key from at, at most eight, as one little-endian word.
quint64 wordAt(QByteArrayView key, qsizetype at)
{
    const qsizetype rest = key.size() - at;
    if (rest >= 8)
        return qFromLittleEndian<quint64>(key.data() + at);
    quint64 word = 0;
    std::memcpy(&word, key.data() + at, size_t(rest));
    return qFromLittleEndian(word);
}

quint64 mix(quint64 hash, quint64 word)
{
    return (hash ^ word) * Multiplier;
}

// The hash of key's bytes, eight at a time; every bit set in any byte is set
// in bytesOr, which tells whether key is ASCII.
quint32 hashOf(QByteArrayView key, quint64 &bytesOr)
{
    quint64 hash = quint64(key.size());
    for (qsizetype at = 0; at < key.size(); at += 8) {
        const quint64 word = wordAt(key, at);
        bytesOr |= word;
        hash = mix(hash, word);
    }
    // A product's bits depend only on the bits below them: mixing the high
    // half down lets every byte reach the low bits that pick a slot.
    return quint32(mix(hash, hash >> 32) >> 32);
}

quint32 hashOf(QByteArrayView key)
{
    quint64 bytesOr = 0;
    return hashOf(key, bytesOr);
}

bool isLowerAscii(char c)
{
    return c >= 'a' && c <= 'z';
}

using KeyBuffer = QVarLengthArray<char, 128>;

} // namespace

ReferenceKeys::ReferenceKeys(EntryOrdinal first, const QStringList &upperKeys)
    : m_first(first)
    , m_slots(std::bit_ceil(2 * size_t(upperKeys.size()) + 1))
{
    m_ends.reserve(upperKeys.size());
    for (const QString &key : upperKeys) {
        m_keys += key.toUtf8();
        m_ends.push_back(quint32(m_keys.size()));
    }
    for (quint32 position = 0; position < m_ends.size(); ++position) {
        const QByteArrayView key = keyAt(position);
        const quint32 hash = hashOf(key);
        Slot &slot = m_slots[slotOf(key, hash)];
        if (slot.position == Free) { // a repeated key keeps its lowest ordinal
            slot
                = { hash, position, quint32(key.data() - m_keys.constData()), quint32(key.size()) };
        }
    }
}

QByteArrayView ReferenceKeys::key(EntryOrdinal ordinal) const
{
    Q_ASSERT(contains(ordinal));
    return keyAt(ordinal - m_first);
}

AttributeMap ReferenceKeys::table() const
{
    AttributeMap table;
    table.reserve(m_ends.size());
    for (EntryOrdinal ordinal = m_first; ordinal != end(); ++ordinal)
        table.emplace(ordinal, QString::fromUtf8(key(ordinal)));
    return table;
}

std::optional<EntryOrdinal> ReferenceKeys::find(QByteArrayView key) const
{
    quint64 bytesOr = 0;
    const quint32 hash = hashOf(key, bytesOr);
    if (bytesOr & HighBits)
        return findUpperCased(decodeUtf8(key));
    if (const std::optional<EntryOrdinal> ordinal = findExact(key, hash))
        return ordinal;
    if (std::none_of(key.begin(), key.end(), isLowerAscii))
        return std::nullopt;
    KeyBuffer upper(key.size());
    std::transform(key.begin(), key.end(), upper.begin(),
                   [](char c) { return isLowerAscii(c) ? char(c - 'a' + 'A') : c; });
    const QByteArrayView upperKey(upper.constData(), upper.size());
    return findExact(upperKey, hashOf(upperKey));
}

std::optional<EntryOrdinal> ReferenceKeys::find(QStringView key) const
{
    if (!QtPrivate::isAscii(key))
        return findUpperCased(key);
    KeyBuffer narrow(key.size());
    std::copy(key.utf16(), key.utf16() + key.size(), narrow.begin());
    return find(QByteArrayView(narrow.constData(), narrow.size()));
}

std::optional<EntryOrdinal> ReferenceKeys::findUpperCased(QStringView key) const
{
    const QByteArray upperKey = key.toString().toUpper().toUtf8();
    return findExact(upperKey, hashOf(upperKey));
}

size_t ReferenceKeys::slotOf(QByteArrayView key, quint32 hash) const
{
    const size_t mask = m_slots.size() - 1;
    for (size_t index = hash & mask;; index = (index + 1) & mask) {
        const Slot &slot = m_slots[index];
        if (slot.position == Free
            || (slot.hash == hash && slot.size == size_t(key.size())
                && std::memcmp(m_keys.constData() + slot.begin, key.data(), slot.size) == 0))
            return index;
    }
}

std::optional<EntryOrdinal> ReferenceKeys::findExact(QByteArrayView key, quint32 hash) const
{
    if (m_slots.empty())
        return std::nullopt;
    const Slot &slot = m_slots[slotOf(key, hash)];
    if (slot.position == Free)
        return std::nullopt;
    return m_first + slot.position;
}
