#pragma once

#include "EntryOrdinal.h"

#include <QList>
#include <QString>

// One entry of a language as the main list shows it and the editor starts
// from: its ordinal, its attribute and its value.
struct EntryRow
{
    EntryOrdinal ordinal = 0;
    QString attribute;
    QString value;

    friend bool operator==(const EntryRow &, const EntryRow &) = default;
};

// One row per attribute, in ordinal order, with its value (empty when the
// language lacks it).
QList<EntryRow> entryRows(const AttributeMap &attributes, const ValueMap &values);
