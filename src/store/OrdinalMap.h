#pragma once

#include <QString>
#include <QtGlobal>

#include <initializer_list>
#include <utility>
#include <vector>

// Entry ordinal -> text in ordinal order, held as one sorted array. Maps are
// built in ordinal order (a language's values, the attributes), so an insert
// is an append, and one allocation holds every entry where a tree allocates
// a node per entry. An insert out of order moves the entries after it: build
// a map from entries in any order with fromUnordered.
class OrdinalMap
{
public:
    using key_type = quint32; // an entry ordinal
    using value_type = std::pair<key_type, QString>;
    using Entries = std::vector<value_type>;
    using iterator = Entries::iterator;
    using const_iterator = Entries::const_iterator;
    using size_type = Entries::size_type;

    OrdinalMap() = default;
    // Of two entries with one ordinal the first is kept, as by emplace.
    OrdinalMap(std::initializer_list<value_type> entries);
    // Of two entries with one ordinal the last is kept.
    static OrdinalMap fromUnordered(Entries entries);

    iterator begin() { return m_entries.begin(); }
    iterator end() { return m_entries.end(); }
    const_iterator begin() const { return m_entries.begin(); }
    const_iterator end() const { return m_entries.end(); }
    const_iterator cbegin() const { return m_entries.cbegin(); }
    const_iterator cend() const { return m_entries.cend(); }
    Entries::const_reverse_iterator rbegin() const { return m_entries.rbegin(); }

    size_type size() const { return m_entries.size(); }
    bool empty() const { return m_entries.empty(); }
    void reserve(size_type size) { m_entries.reserve(size); }

    // The first entry whose ordinal is not below ordinal.
    iterator lower_bound(key_type ordinal) { return begin() + positionOf(ordinal); }
    const_iterator lower_bound(key_type ordinal) const { return begin() + positionOf(ordinal); }
    iterator find(key_type ordinal) { return begin() + exactPositionOf(ordinal); }
    const_iterator find(key_type ordinal) const { return begin() + exactPositionOf(ordinal); }
    bool contains(key_type ordinal) const { return find(ordinal) != end(); }
    // The text of ordinal; a null text when ordinal is not in the map.
    const QString &at(key_type ordinal) const;

    // Adds the entry unless ordinal is in the map; the entry of ordinal and
    // whether it was added.
    std::pair<iterator, bool> emplace(key_type ordinal, QString text);
    // Adds entries, in ascending order of ordinal, in one pass; an ordinal
    // already in the map keeps its text.
    void insertSorted(Entries entries);

    friend bool operator==(const OrdinalMap &, const OrdinalMap &) = default;

private:
    // The index of the first entry whose ordinal is not below ordinal.
    size_type positionOf(key_type ordinal) const;
    // The index of ordinal's entry; size() when it has none.
    size_type exactPositionOf(key_type ordinal) const;

    Entries m_entries;
};
