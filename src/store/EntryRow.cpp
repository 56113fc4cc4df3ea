#include "EntryRow.h"

QList<EntryRow> entryRows(const AttributeMap &attributes, const ValueMap &values)
{
    QList<EntryRow> rows;
    rows.reserve(qsizetype(attributes.size()));
    auto value = values.cbegin();
    for (const auto &[ordinal, attribute] : attributes) {
        // Both maps are ordered by ordinal, so one walk finds every value.
        while (value != values.cend() && value->first < ordinal)
            ++value;
        const bool found = value != values.cend() && value->first == ordinal;
        rows.append({ ordinal, attribute, found ? value->second : QString() });
    }
    return rows;
}
