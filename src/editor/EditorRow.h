#pragma once

#include "store/EntryOrdinal.h"

#include <QString>

// One entry of the translation editor. The status is kept as the Status
// column's text (see EntryStatus.h): whether a row was changed is known only
// from it, since the value before editing is not kept.
struct EditorRow
{
    EntryOrdinal ordinal = 0;
    QString attribute;
    QString value; // as currently edited
    QString reference; // the same entry in the reference language, or empty
    QString status;
};
