#include "OrdinalMap.h"

#include <algorithm>

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

OrdinalMap::iterator OrdinalMap::lower_bound(key_type ordinal)
{
    // Maps grow at the end: an ordinal past the last needs no search.
    if (m_entries.empty() || m_entries.back().first < ordinal)
        return m_entries.end();
    return std::lower_bound(m_entries.begin(), m_entries.end(), ordinal, ordinalBelow);
}

OrdinalMap::const_iterator OrdinalMap::lower_bound(key_type ordinal) const
{
    return std::lower_bound(m_entries.begin(), m_entries.end(), ordinal, ordinalBelow);
}

OrdinalMap::iterator OrdinalMap::find(key_type ordinal)
{
    const iterator at = lower_bound(ordinal);
    return at != end() && at->first == ordinal ? at : end();
}

OrdinalMap::const_iterator OrdinalMap::find(key_type ordinal) const
{
    const const_iterator at = lower_bound(ordinal);
    return at != end() && at->first == ordinal ? at : end();
}

const QString &OrdinalMap::at(key_type ordinal) const
{
    static const QString missing;
    const const_iterator entry = find(ordinal);
    return entry != end() ? entry->second : missing;
}

QString &OrdinalMap::operator[](key_type ordinal)
{
    return emplace(ordinal, QString()).first->second;
}

std::pair<OrdinalMap::iterator, bool> OrdinalMap::emplace(key_type ordinal, QString text)
{
    const iterator at = lower_bound(ordinal);
    if (at != end() && at->first == ordinal)
        return { at, false };
    return { m_entries.emplace(at, ordinal, std::move(text)), true };
}

std::pair<OrdinalMap::iterator, bool> OrdinalMap::insert_or_assign(key_type ordinal, QString text)
{
    auto [entry, added] = emplace(ordinal, QString());
    entry->second = std::move(text);
    return { entry, added };
}

OrdinalMap::size_type OrdinalMap::erase(key_type ordinal)
{
    const iterator entry = find(ordinal);
    if (entry == end())
        return 0;
    m_entries.erase(entry);
    return 1;
}
