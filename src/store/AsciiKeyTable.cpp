#include "AsciiKeyTable.h"

#include <QVarLengthArray>

#include <algorithm>
#include <utility>

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
    quint64 bytesOr = 0;
    const quint32 hash = hashOf(upperKey, bytesOr);
    Q_ASSERT(!(bytesOr & HighBits));
    Slot &slot = m_slots[indexOf(upperKey, hash)];
    if (slot.size != 0)
        return;
    slot = { hash, ordinal, quint32(m_keys.size()), quint32(upperKey.size()) };
    m_keys.append(upperKey);
    ++m_count;
}

std::optional<EntryOrdinal> AsciiKeyTable::findUpperCased(QByteArrayView key) const
{
    const auto isLower = [](char c) { return c >= 'a' && c <= 'z'; };
    if (std::none_of(key.begin(), key.end(), isLower))
        return std::nullopt;
    QVarLengthArray<char, 128> upper(key.size());
    std::transform(key.begin(), key.end(), upper.begin(),
                   [&](char c) { return isLower(c) ? char(c - 'a' + 'A') : c; });
    const QByteArrayView upperKey(upper.constData(), upper.size());
    quint64 bytesOr = 0;
    const Slot *slot = slotOf(upperKey, hashOf(upperKey, bytesOr));
    return slot ? std::optional(slot->ordinal) : std::nullopt;
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
