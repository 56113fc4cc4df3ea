#include "CollatedOrder.h"

#include <QCollator>

#include <algorithm>
#include <numeric>
#include <vector>

QList<int> collatedOrder(const QList<QString> &texts, Qt::SortOrder order)
{
    QCollator collator; // the default locale, like localeAwareCompare
    collator.setCaseSensitivity(Qt::CaseSensitive);
    std::vector<QCollatorSortKey> keys;
    keys.reserve(texts.size());
    for (const QString &text : texts)
        keys.push_back(collator.sortKey(text));

    QList<int> positions(texts.size());
    std::iota(positions.begin(), positions.end(), 0);
    if (order == Qt::AscendingOrder) {
        std::stable_sort(positions.begin(), positions.end(),
                         [&](int a, int b) { return keys[a].compare(keys[b]) < 0; });
    } else {
        std::stable_sort(positions.begin(), positions.end(),
                         [&](int a, int b) { return keys[b].compare(keys[a]) < 0; });
    }
    return positions;
}
