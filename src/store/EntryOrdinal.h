#pragma once

#include "OrdinalMap.h"

#include <QString>
#include <QtGlobal>

#include <set>
#include <type_traits>

// The number that names an attribute for the whole run: 0, 1, 2, ... for the
// keys of the reference file, FirstWebOrdinal upward for web items. Every list
// row carries it and every value map is keyed by it, so maps list the INI
// attributes first, in reference order, then the web items.
using EntryOrdinal = quint32;

inline constexpr EntryOrdinal FirstWebOrdinal = 134217728; // 2^27

inline constexpr bool isWebOrdinal(EntryOrdinal ordinal)
{
    return ordinal >= FirstWebOrdinal;
}

// Process-wide counters, never reset: one for reference keys, one for web items.
// The reference counter hands out count consecutive ordinals at once and
// gives the first.
EntryOrdinal takeReferenceOrdinals(EntryOrdinal count);
EntryOrdinal takeWebOrdinal();

static_assert(std::is_same_v<OrdinalMap::key_type, EntryOrdinal>);
using ValueMap = OrdinalMap; // ordinal -> value
using AttributeMap = OrdinalMap; // ordinal -> attribute
using KeySet = std::set<QString>; // ordered by code unit

// One language as loaded: its values by ordinal, and the keys of its file
// that the reference lacks, as written in the file.
struct LanguageFile
{
    ValueMap values;
    KeySet extraKeys;
};
