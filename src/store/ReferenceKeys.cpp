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

// Keys are short and almost always ASCII: such a key is looked up in its
// upper-case form as bytes, built on the stack, where toUpper() would
// allocate for every line and UTF-16 would double the bytes to hash.
using KeyBuffer = QVarLengthArray<char, 128>;

template<typename Unit>
QLatin1StringView upperAsciiView(const Unit *begin, const Unit *end, KeyBuffer &buffer)
{
    buffer.resize(end - begin);
    std::transform(begin, end, buffer.begin(), [](Unit c) { return upperAscii(char(c)); });
    return QLatin1StringView(buffer.constData(), buffer.size());
}

quint32 hashOfAscii(QLatin1StringView upperKey)
{
    return quint32(qHash(QByteArrayView(upperKey.data(), upperKey.size())));
}

} // namespace

ReferenceKeys::ReferenceKeys(EntryOrdinal first, const QStringList &upperKeys)
    : m_first(first)
    , m_keys(upperKeys.join(QString()))
    , m_slots(std::bit_ceil(2 * size_t(upperKeys.size()) + 1))
{
    m_ends.reserve(upperKeys.size());
    quint32 end = 0;
    for (const QString &key : upperKeys)
        m_ends.push_back(end += quint32(key.size()));
    for (quint32 position = 0; position < m_ends.size(); ++position) {
        const QStringView key = keyAt(position);
        const quint32 hash = hashOf(key);
        Slot &slot = m_slots[slotOf(key, hash)];
        if (slot.position == Free) // a repeated key keeps its lowest ordinal
            slot = { hash, position };
    }
}

QStringView ReferenceKeys::key(EntryOrdinal ordinal) const
{
    Q_ASSERT(contains(ordinal));
    return keyAt(ordinal - m_first);
}

AttributeMap ReferenceKeys::table() const
{
    AttributeMap table;
    table.reserve(m_ends.size());
    for (EntryOrdinal ordinal = m_first; ordinal != end(); ++ordinal)
        table.emplace(ordinal, key(ordinal).toString());
    return table;
}

std::optional<EntryOrdinal> ReferenceKeys::find(QStringView key) const
{
    if (!QtPrivate::isAscii(key))
        return findUpper(key.toString().toUpper());
    KeyBuffer buffer;
    const QLatin1StringView upperKey
        = upperAsciiView(key.utf16(), key.utf16() + key.size(), buffer);
    return findUpper(upperKey, hashOfAscii(upperKey));
}

std::optional<EntryOrdinal> ReferenceKeys::find(QByteArrayView key) const
{
    if (!QtPrivate::isAscii(QLatin1StringView(key)))
        return find(QStringView(decodeUtf8(key)));
    KeyBuffer buffer;
    const QLatin1StringView upperKey = upperAsciiView(key.data(), key.data() + key.size(), buffer);
    return findUpper(upperKey, hashOfAscii(upperKey));
}

// An ASCII key is hashed as its bytes, any other as its UTF-16 units.
quint32 ReferenceKeys::hashOf(QStringView upperKey)
{
    if (!QtPrivate::isAscii(upperKey))
        return quint32(qHash(upperKey));
    KeyBuffer buffer;
    return hashOfAscii(
        upperAsciiView(upperKey.utf16(), upperKey.utf16() + upperKey.size(), buffer));
}

std::optional<EntryOrdinal> ReferenceKeys::findUpper(QStringView upperKey) const
{
    return findUpper(upperKey, hashOf(upperKey));
}

template<typename View> size_t ReferenceKeys::slotOf(View upperKey, quint32 hash) const
{
    const size_t mask = m_slots.size() - 1;
    for (size_t index = hash & mask;; index = (index + 1) & mask) {
        const Slot &slot = m_slots[index];
        if (slot.position == Free || (slot.hash == hash && keyAt(slot.position) == upperKey))
            return index;
    }
}

template<typename View>
std::optional<EntryOrdinal> ReferenceKeys::findUpper(View upperKey, quint32 hash) const
{
    if (m_slots.empty())
        return std::nullopt;
    const Slot &slot = m_slots[slotOf(upperKey, hash)];
    if (slot.position == Free)
        return std::nullopt;
    return m_first + slot.position;
}
