#pragma once

#include "CheckedRow.h"

#include <vector>

// Entries whose reference text is another entry's too while their
// translations differ. Only entries the file holds with a value, and whose
// reference is not blank, take part.
struct Inconsistency
{
    size_t row;
    size_t other; // an entry with the same reference text and another value
};

// In the order of rows; referenceTexts holds each row's reference text.
std::vector<Inconsistency> findInconsistencies(const std::vector<CheckedRow> &rows,
                                               const std::vector<QString> &referenceTexts);
