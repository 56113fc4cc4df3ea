#pragma once

#include "EntryOrdinal.h"
#include "platform/WordHash.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>
#include <QtEndian>

#include <optional>
#include <vector>

// The reference keys that are plain ASCII, found without regard to case and
// without allocating: loading a language looks up one key per line. The keys'
// bytes lie in one buffer and every slot keeps its key's hash, so a look-up
// mostly reads one slot and one key, where a hash of strings chases a pointer
// per probe.
class AsciiKeyTable
{
public:
    struct Lookup
    {
        bool ascii = false; // false: the key was not looked up
        std::optional<EntryOrdinal> ordinal; // nothing when no key matches
    };

    void clear();
    // upperKey is upper-case ASCII and not empty; a key inserted again keeps
    // its first ordinal.
    void insert(QByteArrayView upperKey, EntryOrdinal ordinal);

    // Inline, with the rare case out of line: the look-up is short, and
    // results that pass through memory cost more than the look-up itself.
    Lookup find(QByteArrayView key) const;
    Lookup find(QStringView key) const;

private:
    struct Slot
    {
        quint32 hash = 0;
        EntryOrdinal ordinal = 0;
        quint32 offset = 0; // of the key in m_keys
        quint32 size = 0; // 0 for a free slot
    };

    static constexpr quint64 HighBits = 0x8080808080808080u;

    // The hash of key; every bit set in any of its bytes is set in bytesOr,
    // which tells whether key is ASCII in the same pass.
    static quint32 hashOf(QByteArrayView key, quint64 &bytesOr);
    static bool sameBytes(const char *a, const char *b, size_t size);
    // The slot of key, or the free slot where it belongs.
    size_t indexOf(QByteArrayView key, quint32 hash) const;
    const Slot *slotOf(QByteArrayView key, quint32 hash) const;
    // The look-up of an ASCII key not found as it is: again upper-cased.
    std::optional<EntryOrdinal> findUpperCased(QByteArrayView key) const;
    void grow();

    std::vector<Slot> m_slots; // a power of two in size, at most three quarters in use
    QByteArray m_keys;
    qsizetype m_count = 0;
};

inline quint32 AsciiKeyTable::hashOf(QByteArrayView key, quint64 &bytesOr)
{
    quint64 hash = quint64(key.size());
    for (qsizetype at = 0; at < key.size(); at += 8) {
        const quint64 word = WordHash::wordAt(key, at);
        bytesOr |= word;
        hash = WordHash::mix(hash, word);
    }
    return WordHash::finish(hash);
}

// Whether the size bytes at a and b are the same, size > 0. Keys are short:
// a word compare or two beats a call to memcmp.
inline bool AsciiKeyTable::sameBytes(const char *a, const char *b, size_t size)
{
    const auto word = [](const char *at) { return qFromUnaligned<quint64>(at); };
    const auto half = [](const char *at) { return qFromUnaligned<quint32>(at); };
    if (size >= 8) {
        for (size_t at = 0; at + 8 < size; at += 8) {
            if (word(a + at) != word(b + at))
                return false;
        }
        return word(a + size - 8) == word(b + size - 8);
    }
    if (size >= 4)
        return half(a) == half(b) && half(a + size - 4) == half(b + size - 4);
    return a[0] == b[0] && a[size / 2] == b[size / 2] && a[size - 1] == b[size - 1];
}

inline size_t AsciiKeyTable::indexOf(QByteArrayView key, quint32 hash) const
{
    const size_t mask = m_slots.size() - 1;
    for (size_t index = hash & mask;; index = (index + 1) & mask) {
        const Slot &slot = m_slots[index];
        if (slot.size == 0
            || (slot.hash == hash && slot.size == key.size()
                && sameBytes(m_keys.constData() + slot.offset, key.data(), slot.size)))
            return index;
    }
}

inline const AsciiKeyTable::Slot *AsciiKeyTable::slotOf(QByteArrayView key, quint32 hash) const
{
    if (m_count == 0)
        return nullptr;
    const Slot &slot = m_slots[indexOf(key, hash)];
    return slot.size != 0 ? &slot : nullptr;
}

inline AsciiKeyTable::Lookup AsciiKeyTable::find(QByteArrayView key) const
{
    quint64 bytesOr = 0;
    const quint32 hash = hashOf(key, bytesOr);
    if (bytesOr & HighBits)
        return {};
    // Keys are written in upper case in practice, so the exact look-up comes first.
    if (const Slot *slot = slotOf(key, hash))
        return { true, slot->ordinal };
    return { true, findUpperCased(key) };
}
