#pragma once

#include "exchange/XliffImport.h"

#include <QDialog>

#include <functional>

class QTreeWidget;

// What an import did, unit by unit: imported (with the status each value
// got), unchanged, untranslated, unknown ids, duplicates and rejected
// targets, under a summary. Choosing an entry (double click or Enter) shows
// its row in the editor. Modeless, so that the translator can go through
// the entries while editing.
class CImportReportDlg : public QDialog
{
    Q_OBJECT

public:
    struct Entry
    {
        ImportUnit unit;
        EntryStatus status = EntryStatus::None; // the status an imported value got
    };

    CImportReportDlg(const QString &file, const ImportPlan &plan, QList<Entry> entries,
                     std::function<void(EntryOrdinal)> show, QWidget *parent);

    // One line per count, as the summary shows it.
    static QString summary(const ImportPlan &plan, const QList<Entry> &entries);

private:
    QTreeWidget *m_entries = nullptr;
};
