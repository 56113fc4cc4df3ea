#pragma once

#include "store/EntryRow.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>

// The main window's entry list: one row per attribute of the selected
// language, in ordinal order, with its value; each row carries its ordinal.
class EntryListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { AttributeColumn, ValueColumn, ColumnCount };
    static constexpr int OrdinalRole = Qt::UserRole;

    using QAbstractTableModel::QAbstractTableModel;

    void setEntries(QList<EntryRow> entries);
    void clear();

    // The saved values take their rows' Value column; ordinals without a row
    // are skipped.
    void updateValues(const ValueMap &values);

    const QList<EntryRow> &entries() const { return m_entries; }
    // The row of an ordinal, or -1.
    int rowOf(EntryOrdinal ordinal) const { return m_rowByOrdinal.value(ordinal, -1); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QList<EntryRow> m_entries;
    QHash<EntryOrdinal, int> m_rowByOrdinal;
};
