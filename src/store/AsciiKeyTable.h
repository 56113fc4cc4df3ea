#pragma once

#include "EntryOrdinal.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>

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

    std::optional<EntryOrdinal> ordinalOf(QByteArrayView key, quint32 hash) const;
    // The index of the slot of key, or of the free slot where it belongs.
    size_t indexOf(QByteArrayView key, quint32 hash) const;
    void grow();

    std::vector<Slot> m_slots; // a power of two in size, at most three quarters in use
    QByteArray m_keys;
    qsizetype m_count = 0;
};
