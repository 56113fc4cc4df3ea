#include "EntryOrdinal.h"

namespace {
EntryOrdinal s_nextReferenceOrdinal = 0;
EntryOrdinal s_nextWebOrdinal = FirstWebOrdinal;
} // namespace

EntryOrdinal takeReferenceOrdinals(EntryOrdinal count)
{
    const EntryOrdinal first = s_nextReferenceOrdinal;
    s_nextReferenceOrdinal += count;
    return first;
}

EntryOrdinal takeWebOrdinal()
{
    return s_nextWebOrdinal++;
}
