#include "EntryListModel.h"

void EntryListModel::setEntries(QList<EntryRow> entries)
{
    beginResetModel();
    m_entries = std::move(entries);
    m_rowByOrdinal.clear();
    m_rowByOrdinal.reserve(m_entries.size());
    for (int row = 0; row < m_entries.size(); ++row)
        m_rowByOrdinal.insert(m_entries.at(row).ordinal, row);
    endResetModel();
}

void EntryListModel::clear()
{
    beginResetModel();
    m_entries.clear();
    m_rowByOrdinal.clear();
    endResetModel();
}

void EntryListModel::updateValues(const ValueMap &values)
{
    for (const auto &[ordinal, value] : values) {
        const int row = rowOf(ordinal);
        if (row < 0)
            continue;
        m_entries[row].value = value;
        const QModelIndex changed = index(row, ValueColumn);
        emit dataChanged(changed, changed, { Qt::DisplayRole });
    }
}

int EntryListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

int EntryListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant EntryListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const EntryRow &entry = m_entries.at(index.row());
    if (role == OrdinalRole)
        return QVariant::fromValue(entry.ordinal);
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return index.column() == AttributeColumn ? entry.attribute : entry.value;
    return {};
}

QVariant EntryListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return section == AttributeColumn ? QStringLiteral("Attribute") : QStringLiteral("Value");
}
