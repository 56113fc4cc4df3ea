#pragma once

#include <QList>
#include <QString>
#include <Qt>

// The positions of texts in sorted order, as QString::localeAwareCompare
// (case-sensitive) ranks them: ascending, or descending with the comparison
// reversed. Stable, so equal texts keep their relative order either way.
// Each text gets one collation key, so a sort costs n keys and n log n
// cheap key comparisons instead of n log n collations.
QList<int> collatedOrder(const QList<QString> &texts, Qt::SortOrder order);
