#include "OverviewModel.h"

#include "check/Reports.h"

#include <QColor>

#include <algorithm>
#include <numeric>

using namespace Qt::StringLiterals;

namespace {

// The count each column shows; none for the name.
constexpr int LanguageSummary::*Counts[OverviewModel::ColumnCount] = {
    nullptr,
    &LanguageSummary::entries,
    &LanguageSummary::translated,
    &LanguageSummary::blank,
    &LanguageSummary::error,
    &LanguageSummary::tooLong,
    &LanguageSummary::missing,
    &LanguageSummary::extra,
};

// As the checker's table heads them.
constexpr QStringView Titles[OverviewModel::ColumnCount] = {
    u"Language", u"Entries", u"Translated", u"Blank", u"ERROR", u"TOO LONG", u"Missing", u"Extra",
};

constexpr QRgb ProblemText = 0xFFCC0000;

} // namespace

int OverviewModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int OverviewModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant OverviewModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const LanguageSummary &row = summary(index.row());
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        if (column == LanguageColumn)
            return row.name;
        if (column == TranslatedColumn)
            return Reports::translatedText(row);
        return row.*Counts[column];
    case PerMilleRole:
        return column == TranslatedColumn ? QVariant(row.translatedPerMille()) : QVariant();
    case Qt::TextAlignmentRole:
        return column == LanguageColumn ? QVariant() : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::ForegroundRole:
        return row.problem.isEmpty() ? QVariant() : QVariant(QColor::fromRgb(ProblemText));
    case Qt::ToolTipRole:
        return row.problem.isEmpty() ? QVariant() : QVariant(row.file + u": "_s + row.problem);
    default:
        return {};
    }
}

QVariant OverviewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section < 0 || section >= ColumnCount)
        return {};
    return Titles[section].toString();
}

bool OverviewModel::before(const LanguageSummary &a, const LanguageSummary &b) const
{
    int compared = 0;
    if (m_sortColumn == TranslatedColumn) {
        compared = a.translatedPerMille() - b.translatedPerMille();
        if (compared == 0)
            compared = a.translated - b.translated;
    } else if (m_sortColumn != LanguageColumn) {
        compared = a.*Counts[m_sortColumn] - b.*Counts[m_sortColumn];
    }
    if (compared == 0) {
        compared = QString::localeAwareCompare(a.name, b.name);
        // Equal figures are listed by name, whichever way they are sorted.
        if (m_sortColumn != LanguageColumn)
            return compared < 0;
    }
    return m_sortOrder == Qt::DescendingOrder ? compared > 0 : compared < 0;
}

void OverviewModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= ColumnCount)
        return;
    m_sortColumn = column;
    m_sortOrder = order;
    keepSorted();
}

void OverviewModel::keepSorted()
{
    if (m_sortColumn < 0)
        return;
    emit layoutAboutToBeChanged({}, VerticalSortHint);
    std::vector<int> order(m_rows.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [this](int a, int b) { return before(m_rows[a], m_rows[b]); });
    std::vector<int> newRowOf(order.size());
    std::vector<LanguageSummary> sorted;
    sorted.reserve(order.size());
    for (size_t position = 0; position < order.size(); ++position) {
        newRowOf[order[position]] = int(position);
        sorted.push_back(std::move(m_rows[order[position]]));
    }
    m_rows = std::move(sorted);
    const QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    to.reserve(from.size());
    for (const QModelIndex &index : from)
        to.append(this->index(newRowOf[index.row()], index.column()));
    changePersistentIndexList(from, to);
    emit layoutChanged({}, VerticalSortHint);
}

void OverviewModel::setSummary(const LanguageSummary &summary)
{
    if (const int row = rowOf(summary.name); row >= 0) {
        m_rows[row] = summary;
        emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
    } else {
        const int added = rowCount();
        beginInsertRows({}, added, added);
        m_rows.push_back(summary);
        endInsertRows();
    }
    keepSorted();
}

void OverviewModel::keepOnly(const QSet<QString> &names)
{
    for (int row = rowCount() - 1; row >= 0; --row) {
        if (names.contains(m_rows[row].name))
            continue;
        beginRemoveRows({}, row, row);
        m_rows.erase(m_rows.begin() + row);
        endRemoveRows();
    }
}

void OverviewModel::clear()
{
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

int OverviewModel::rowOf(const QString &name) const
{
    const auto found = std::find_if(m_rows.cbegin(), m_rows.cend(),
                                    [&](const LanguageSummary &row) { return row.name == name; });
    return found == m_rows.cend() ? -1 : int(found - m_rows.cbegin());
}
