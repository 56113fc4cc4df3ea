// Importing a translation from an XLIFF file: every value that differs is
// committed as if typed, one undoable step each, and nothing reaches the
// language's files before Save.

#include "CAmendLanguageMapDlg.h"
#include "CImportReportDlg.h"
#include "application/Installation.h"
#include "config/ClientConfig.h"
#include "controls/FileDialogs.h"
#include "controls/MessageBoxes.h"
#include "exchange/XliffImport.h"

using namespace Qt::StringLiterals;

void CAmendLanguageMapDlg::importTranslation()
{
    const QString path = FileDialogs::openFileName(this, u"XLIFF (*.xlf *.xliff *.xml)"_s);
    if (path.isEmpty())
        return;
    const Installation &installation = m_context.installation;
    const LanguageCatalogue &catalogue = installation.catalogue();
    const QString name = catalogue.NameAt(m_editedLanguage);
    const WebLanguageStore *web
        = installation.config().needWebLanguage ? &installation.webLanguageStore() : nullptr;
    const ImportTarget target { catalogue.CodeAt(m_editedLanguage), name,
                                ExchangeLayout::of(name, web), m_rows.rows(), &catalogue };
    const Result<ImportPlan> plan = planImportFile(path, target);
    if (!plan) {
        MessageBoxes::inform(this, plan.error());
        return;
    }
    if (!plan->wrongLanguage.isEmpty()
        && !MessageBoxes::ask(this, plan->wrongLanguage + u"\nImport it all the same?"_s))
        return;

    QList<CImportReportDlg::Entry> entries;
    entries.reserve(qsizetype(plan->units.size()));
    for (const ImportUnit &unit : plan->units) {
        CImportReportDlg::Entry entry { unit, EntryStatus::None };
        const int row
            = unit.outcome == ImportOutcome::Imported ? m_rows.rowOfOrdinal(unit.ordinal) : -1;
        if (row >= 0) {
            const RowState before { m_rows.row(row).value, m_rows.row(row).status };
            entry.status = m_rows.commitValue(row, unit.value, m_limits, *m_measurer);
            recordCommit(row, before);
        }
        entries.append(entry);
    }
    // The shown row may have taken a value: the fields show it.
    if (currentRow() >= 0)
        showRow(currentRow(), false);

    auto *report = new CImportReportDlg(
        path, *plan, std::move(entries),
        [this](EntryOrdinal ordinal) { SelectRow(m_rows.rowOfOrdinal(ordinal)); }, this);
    report->show();
}
