#pragma once

#include "EntryOrdinal.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <vector>

// The keys of the reference file in upper case, numbered by consecutive
// entry ordinals in file order, and the look-up of a key without regard to
// case: keys are equal when their upper-case forms are, and of equal keys
// the lowest ordinal is found. Loading a language looks up a key per line.
//
// The keys are held once, as UTF-8 one after the other in one array, which
// is also how the writers want them, and the index keeps a hash beside each
// key's position, so a look-up mostly reads one slot and compares one key's
// bytes in place. With a QHash of the keys, which compares a string of
// its own at every probe, a language took a quarter longer to load.
class ReferenceKeys
{
public:
    ReferenceKeys() = default;
    // upperKeys under first, first + 1, ...
    ReferenceKeys(EntryOrdinal first, const QStringList &upperKeys);

    qsizetype size() const { return qsizetype(m_ends.size()); }
    bool isEmpty() const { return m_ends.empty(); }
    EntryOrdinal first() const { return m_first; }
    // One past the last ordinal.
    EntryOrdinal end() const { return m_first + EntryOrdinal(m_ends.size()); }
    bool contains(EntryOrdinal ordinal) const { return ordinal >= m_first && ordinal < end(); }

    // The key of an ordinal the keys contain, in UTF-8.
    QByteArrayView key(EntryOrdinal ordinal) const;
    // Ordinal -> key, in ordinal order, as a map of its own.
    AttributeMap table() const;

    std::optional<EntryOrdinal> find(QStringView key) const;
    // A key of UTF-8 bytes; bytes that are not UTF-8 are taken as replaced.
    std::optional<EntryOrdinal> find(QByteArrayView key) const;

private:
    struct Slot
    {
        quint32 hash = 0;
        quint32 position = Free;
    };
    static constexpr quint32 Free = quint32(-1);

    QByteArrayView keyAt(quint32 position) const
    {
        const quint32 begin = position == 0 ? 0 : m_ends[position - 1];
        return QByteArrayView(m_keys).sliced(begin, m_ends[position] - begin);
    }
    // The slot holding upperKey (UTF-8), or the free slot where it belongs.
    size_t slotOf(QByteArrayView upperKey, quint32 hash) const;
    std::optional<EntryOrdinal> findUpper(QByteArrayView upperKey) const;

    EntryOrdinal m_first = 0;
    QByteArray m_keys; // every key, one after the other
    std::vector<quint32> m_ends; // where each key ends in m_keys, by position
    std::vector<Slot> m_slots; // a power of two in size, at most half in use
};
