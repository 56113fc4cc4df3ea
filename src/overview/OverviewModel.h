#pragma once

#include "check/CheckReport.h"

#include <QAbstractTableModel>
#include <QSet>

#include <vector>

// The overview's table: one row per language with the checker's counts,
// sortable by every column (the figures as numbers, the names as the
// user's locale orders them, equal figures by name). Rows stay sorted as
// languages are added or checked again.
class OverviewModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        LanguageColumn,
        EntriesColumn,
        TranslatedColumn,
        BlankColumn,
        ErrorColumn,
        TooLongColumn,
        MissingColumn,
        ExtraColumn,
        ColumnCount
    };
    // The translated column's share in tenths of a percent, for its bar.
    static constexpr int PerMilleRole = Qt::UserRole;

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // Replaces the row of the summary's language, or adds one.
    void setSummary(const LanguageSummary &summary);
    // Removes the rows of every other language.
    void keepOnly(const QSet<QString> &names);
    void clear();

    const LanguageSummary &summary(int row) const { return m_rows.at(size_t(row)); }
    // The row of the language of that name, or -1.
    int rowOf(const QString &name) const;

private:
    bool before(const LanguageSummary &a, const LanguageSummary &b) const;
    void keepSorted();

    std::vector<LanguageSummary> m_rows;
    int m_sortColumn = -1; // unsorted: in the order added
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};
