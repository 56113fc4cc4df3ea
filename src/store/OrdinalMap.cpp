#include "OrdinalMap.h"

#include <algorithm>
#include <iterator>

namespace {

bool ordinalBelow(const OrdinalMap::value_type &entry, OrdinalMap::key_type ordinal)
{
    return entry.first < ordinal;
}

} // namespace

OrdinalMap::OrdinalMap(std::initializer_list<value_type> entries)
{
    for (const value_type &entry : entries)
        emplace(entry.first, entry.second);
}

OrdinalMap OrdinalMap::fromUnordered(Entries entries)
{
    std::stable_sort(entries.begin(), entries.end(),
                     [](const value_type &a, const value_type &b) { return a.first < b.first; });
    OrdinalMap map;
    map.reserve(entries.size());
    for (value_type &entry : entries) {
        if (!map.empty() && map.m_entries.back().first == entry.first)
            map.m_entries.back().second = std::move(entry.second);
        else
            map.m_entries.push_back(std::move(entry));
    }
    return map;
}

OrdinalMap::size_type OrdinalMap::positionOf(key_type ordinal) const
{
    // Maps grow at the end: an ordinal past the last needs no search.
    if (m_entries.empty() || m_entries.back().first < ordinal)
        return m_entries.size();
    return size_type(std::lower_bound(m_entries.begin(), m_entries.end(), ordinal, ordinalBelow)
                     - m_entries.begin());
}

OrdinalMap::size_type OrdinalMap::exactPositionOf(key_type ordinal) const
{
    const size_type at = positionOf(ordinal);
    return at < m_entries.size() && m_entries[at].first == ordinal ? at : m_entries.size();
}

const QString &OrdinalMap::at(key_type ordinal) const
{
    static const QString missing;
    const const_iterator entry = find(ordinal);
    return entry != end() ? entry->second : missing;
}

std::pair<OrdinalMap::iterator, bool> OrdinalMap::emplace(key_type ordinal, QString text)
{
    const iterator at = lower_bound(ordinal);
    if (at != end() && at->first == ordinal)
        return { at, false };
    return { m_entries.emplace(at, ordinal, std::move(text)), true };
}

void OrdinalMap::insertSorted(Entries entries)
{
    if (m_entries.empty()) {
        m_entries = std::move(entries);
        return;
    }
    Entries merged;
    merged.reserve(m_entries.size() + entries.size());
    auto kept = m_entries.begin();
    for (value_type &entry : entries) {
        while (kept != m_entries.end() && kept->first < entry.first)
            merged.push_back(std::move(*kept++));
        if (kept == m_entries.end() || kept->first != entry.first)
            merged.push_back(std::move(entry));
    }
    std::move(kept, m_entries.end(), std::back_inserter(merged));
    m_entries = std::move(merged);
}
