#include "ReferenceKeys.h"

#include "platform/TextCodec.h"

#include <QHashFunctions>
#include <QVarLengthArray>

#include <algorithm>
#include <bit>

namespace {

constexpr char upperAscii(char c)
{
    return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
}

// Keys are short and almost always ASCII: such a key is upper-cased on the
// stack, where toUpper() would allocate for every line.
using KeyBuffer = QVarLengthArray<char, 128>;

template<typename Unit>
QByteArrayView upperAsciiView(const Unit *begin, const Unit *end, KeyBuffer &buffer)
{
    buffer.resize(end - begin);
    std::transform(begin, end, buffer.begin(), [](Unit c) { return upperAscii(char(c)); });
    return QByteArrayView(buffer.constData(), buffer.size());
}

quint32 hashOf(QByteArrayView upperKey)
{
    return quint32(qHash(upperKey));
}

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
        if (slot.position == Free) // a repeated key keeps its lowest ordinal
            slot = { hash, position };
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

std::optional<EntryOrdinal> ReferenceKeys::find(QStringView key) const
{
    if (!QtPrivate::isAscii(key))
        return findUpper(key.toString().toUpper().toUtf8());
    KeyBuffer buffer;
    return findUpper(upperAsciiView(key.utf16(), key.utf16() + key.size(), buffer));
}

std::optional<EntryOrdinal> ReferenceKeys::find(QByteArrayView key) const
{
    if (!QtPrivate::isAscii(QLatin1StringView(key)))
        return find(QStringView(decodeUtf8(key)));
    KeyBuffer buffer;
    return findUpper(upperAsciiView(key.data(), key.data() + key.size(), buffer));
}

size_t ReferenceKeys::slotOf(QByteArrayView upperKey, quint32 hash) const
{
    const size_t mask = m_slots.size() - 1;
    for (size_t index = hash & mask;; index = (index + 1) & mask) {
        const Slot &slot = m_slots[index];
        if (slot.position == Free || (slot.hash == hash && keyAt(slot.position) == upperKey))
            return index;
    }
}

std::optional<EntryOrdinal> ReferenceKeys::findUpper(QByteArrayView upperKey) const
{
    if (m_slots.empty())
        return std::nullopt;
    const Slot &slot = m_slots[slotOf(upperKey, hashOf(upperKey))];
    if (slot.position == Free)
        return std::nullopt;
    return m_first + slot.position;
}
