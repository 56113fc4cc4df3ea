#include "EntryOrdinal.h"

namespace {
EntryOrdinal s_nextReferenceOrdinal = 0;
EntryOrdinal s_nextWebOrdinal = FirstWebOrdinal;
} // namespace

EntryOrdinal takeReferenceOrdinal()
{
    return s_nextReferenceOrdinal++;
}

EntryOrdinal takeWebOrdinal()
{
    return s_nextWebOrdinal++;
}
