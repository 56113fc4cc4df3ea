#include "CImportReportDlg.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int OrdinalRole = Qt::UserRole;

QString outcomeText(const CImportReportDlg::Entry &entry)
{
    switch (entry.unit.outcome) {
    case ImportOutcome::Imported:
        return entry.status == EntryStatus::Error || entry.status == EntryStatus::TooLong
            ? u"imported, "_s + statusText(entry.status)
            : u"imported"_s;
    case ImportOutcome::Unchanged:
        return u"unchanged"_s;
    case ImportOutcome::Untranslated:
        return u"untranslated"_s;
    case ImportOutcome::UnknownId:
        return u"unknown id"_s;
    case ImportOutcome::Duplicate:
        return u"duplicate"_s;
    case ImportOutcome::Rejected:
        return u"rejected"_s;
    }
    return {};
}

bool failedACheck(const CImportReportDlg::Entry &entry)
{
    return entry.unit.outcome == ImportOutcome::Imported
        && (entry.status == EntryStatus::Error || entry.status == EntryStatus::TooLong);
}

} // namespace

QString CImportReportDlg::summary(const ImportPlan &plan, const QList<Entry> &entries)
{
    const qsizetype failed = std::count_if(entries.cbegin(), entries.cend(), failedACheck);
    QStringList lines {
        u"%1 imported, %2 of them failing a check"_s.arg(plan.count(ImportOutcome::Imported))
            .arg(failed),
        u"%1 unchanged, %2 untranslated"_s.arg(plan.count(ImportOutcome::Unchanged))
            .arg(plan.count(ImportOutcome::Untranslated)),
        u"%1 unknown ids, %2 duplicates, %3 rejected"_s.arg(plan.count(ImportOutcome::UnknownId))
            .arg(plan.count(ImportOutcome::Duplicate))
            .arg(plan.count(ImportOutcome::Rejected)),
    };
    if (!plan.wrongLanguage.isEmpty())
        lines.append(plan.wrongLanguage);
    return lines.join(u'\n');
}

CImportReportDlg::CImportReportDlg(const QString &file, const ImportPlan &plan,
                                   QList<Entry> entries, std::function<void(EntryOrdinal)> show,
                                   QWidget *parent)
    : QDialog(parent, Qt::Window | Qt::WindowCloseButtonHint)
{
    setWindowTitle(u"Import of %1"_s.arg(QDir::toNativeSeparators(file)));
    setAttribute(Qt::WA_DeleteOnClose);
    auto *layout = new QVBoxLayout(this);
    auto *counts = new QLabel(summary(plan, entries), this);
    counts->setObjectName(u"summary"_s);
    layout->addWidget(counts);

    m_entries = new QTreeWidget(this);
    m_entries->setObjectName(u"entries"_s);
    m_entries->setRootIsDecorated(false);
    m_entries->setHeaderLabels({ u"What"_s, u"Entry"_s, u"Line"_s, u"Detail"_s });
    for (const Entry &entry : std::as_const(entries)) {
        const ImportUnit &unit = entry.unit;
        const QString detail = unit.reason.isEmpty() ? unit.value : unit.reason;
        auto *item = new QTreeWidgetItem(m_entries,
                                         { outcomeText(entry),
                                           unit.attribute.isEmpty() ? unit.id : unit.attribute,
                                           QString::number(unit.line), detail });
        if (unit.outcome != ImportOutcome::UnknownId)
            item->setData(0, OrdinalRole, QVariant::fromValue(unit.ordinal));
    }
    m_entries->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(m_entries);
    const auto choose = [show](QTreeWidgetItem *item) {
        const QVariant ordinal = item ? item->data(0, OrdinalRole) : QVariant();
        if (ordinal.isValid())
            show(ordinal.value<EntryOrdinal>());
    };
    connect(m_entries, &QTreeWidget::itemActivated, this,
            [choose](QTreeWidgetItem *item) { choose(item); });

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    // Enter chooses an entry; it must not close the report.
    buttons->button(QDialogButtonBox::Close)->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    layout->addWidget(buttons);
    resize(760, 420);
}
