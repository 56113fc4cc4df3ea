#pragma once

#include "store/EntryOrdinal.h"

#include <QString>

// One entry of a checked language, where the editor would list it, with the
// place its findings point at.
struct CheckedRow
{
    EntryOrdinal ordinal = 0;
    QString attribute;
    QString value; // empty when missing
    bool present = false; // the language's file holds the entry
    QString file; // relative to the installation
    int line = 1;
    int fileOrder = 0; // 0 for the INI file, 1 + file number for a web file
};
