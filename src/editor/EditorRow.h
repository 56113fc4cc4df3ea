#pragma once

#include "EntryStatus.h"
#include "store/EntryOrdinal.h"

#include <QString>

// One entry of the translation editor. Whether a row was changed is known
// only from its status, since the value before editing is not kept.
struct EditorRow
{
    EntryOrdinal ordinal = 0;
    QString attribute;
    QString value; // as currently edited
    QString reference; // the same entry in the reference language, or empty
    EntryStatus status = EntryStatus::None;
};
