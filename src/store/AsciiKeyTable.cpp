#include "AsciiKeyTable.h"

#include "platform/WordHash.h"

#include <QVarLengthArray>

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

constexpr quint64 HighBits = 0x8080808080808080u;

// The hash of an ASCII key, nothing for any other: one pass does both.
std::optional<quint32> asciiHash(QByteArrayView key)
{
    quint64 hash = quint64(key.size());
    quint64 bits = 0;
    for (qsizetype at = 0; at < key.size(); at += 8) {
        const quint64 word = WordHash::wordAt(key, at);
        bits |= word;
        hash = WordHash::mix(hash, word);
    }
    if (bits & HighBits)
        return std::nullopt;
    return WordHash::finish(hash);
}


} // namespace

void AsciiKeyTable::clear()
{
    m_slots.clear();
    m_keys.clear();
    m_count = 0;
}

void AsciiKeyTable::insert(QByteArrayView upperKey, EntryOrdinal ordinal)
{
    Q_ASSERT(!upperKey.isEmpty());
    if (4 * (m_count + 1) > 3 * qsizetype(m_slots.size()))
        grow();
    const quint32 hash = asciiHash(upperKey).value();
    Slot &slot = m_slots[indexOf(upperKey, hash)];
    if (slot.size != 0)
        return;
    slot = { hash, ordinal, quint32(m_keys.size()), quint32(upperKey.size()) };
    m_keys.append(upperKey);
    ++m_count;
}

AsciiKeyTable::Lookup AsciiKeyTable::find(QByteArrayView key) const
{
    const std::optional<quint32> hash = asciiHash(key);
    if (!hash)
        return {};
    // Keys are written in upper case in practice, so the exact look-up comes first.
    if (const auto ordinal = ordinalOf(key, *hash))
        return { true, ordinal };
    const auto isLower = [](char c) { return c >= 'a' && c <= 'z'; };
    if (std::none_of(key.begin(), key.end(), isLower))
        return { true, std::nullopt };
    QVarLengthArray<char, 128> upper(key.size());
    std::transform(key.begin(), key.end(), upper.begin(),
                   [&](char c) { return isLower(c) ? char(c - 'a' + 'A') : c; });
    const QByteArrayView upperKey(upper.constData(), upper.size());
    return { true, ordinalOf(upperKey, *asciiHash(upperKey)) };
}

AsciiKeyTable::Lookup AsciiKeyTable::find(QStringView key) const
{
    QVarLengthArray<char, 128> narrow(key.size());
    for (qsizetype i = 0; i < key.size(); ++i) {
        const char16_t unit = key.utf16()[i];
        if (unit >= 0x80)
            return {};
        narrow[i] = char(unit);
    }
    return find(QByteArrayView(narrow.constData(), narrow.size()));
}

std::optional<EntryOrdinal> AsciiKeyTable::ordinalOf(QByteArrayView key, quint32 hash) const
{
    if (m_count == 0)
        return std::nullopt;
    const Slot &slot = m_slots[indexOf(key, hash)];
    return slot.size != 0 ? std::optional(slot.ordinal) : std::nullopt;
}

size_t AsciiKeyTable::indexOf(QByteArrayView key, quint32 hash) const
{
    const size_t mask = m_slots.size() - 1;
    for (size_t index = hash & mask;; index = (index + 1) & mask) {
        const Slot &slot = m_slots[index];
        if (slot.size == 0
            || (slot.hash == hash && slot.size == key.size()
                && std::memcmp(m_keys.constData() + slot.offset, key.data(), slot.size) == 0))
            return index;
    }
}

void AsciiKeyTable::grow()
{
    const std::vector<Slot> old
        = std::exchange(m_slots, std::vector<Slot>(std::max<size_t>(16, 2 * m_slots.size())));
    const size_t mask = m_slots.size() - 1;
    for (const Slot &slot : old) {
        if (slot.size == 0)
            continue;
        size_t index = slot.hash & mask; // every key is new to the larger table
        while (m_slots[index].size != 0)
            index = (index + 1) & mask;
        m_slots[index] = slot;
    }
}
