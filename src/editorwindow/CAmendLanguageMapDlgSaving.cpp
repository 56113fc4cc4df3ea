// Leaving the editor: Save, Save as, Cancel and closing.

#include "CAmendLanguageMapDlg.h"
#include "application/Installation.h"
#include "controls/CWaitingDlg.h"
#include "controls/DialogResults.h"
#include "controls/FileDialogs.h"
#include "controls/MessageBoxes.h"

#include <QDir>

using namespace Qt::StringLiterals;

// The rows to write, in row order: every row, or the rows with a status. The
// first row marked "ERROR" or "TOO LONG" asks once whether to go on; No
// selects it and writes nothing.
std::optional<ValueMap> CAmendLanguageMapDlg::CollectEntries(bool everyRow, WaitingPanel &waiting)
{
    ValueMap::Entries written; // in row order, which sorting may have changed
    bool ask = true;
    for (int row = 0; row < m_rows.rowCount(); ++row) {
        const EntryStatus status = m_rows.GetItemStatus(row);
        const QString &attribute = m_rows.row(row).attribute;
        if (ask && (status == EntryStatus::Error || status == EntryStatus::TooLong)) {
            const QString question = status == EntryStatus::Error ? u"Attribute: "_s + attribute
                    + u" .Translate format error! Do you want to continue to save?"_s
                                                                  : u"Attribute: "_s + attribute
                    + u" .Translate too long! Do you want to continue to save?"_s;
            waiting.suspend();
            if (!MessageBoxes::ask(this, question)) {
                SelectRow(row);
                return std::nullopt;
            }
            waiting.resume();
            ask = false;
        }
        if (everyRow || status != EntryStatus::None)
            written.emplace_back(m_rows.row(row).ordinal, m_rows.row(row).value);
    }
    return ValueMap::fromUnordered(std::move(written));
}

void CAmendLanguageMapDlg::Save()
{
    saveTo(QString(), u"Checking data..."_s, false);
}

void CAmendLanguageMapDlg::SaveAs()
{
    const QString name = m_context.installation.catalogue().NameAt(m_editedLanguage);
    const QString path = FileDialogs::saveFileName(
        this, QDir(m_context.installation.languageStore().languageFolder()).filePath(name),
        u"file (*.ini)"_s);
    if (!path.isEmpty())
        saveTo(path, u"Saving file..."_s, true);
}

// Save writes the rows with a status into the language's own files, Save as
// every row into the file at path. Whatever the files took, the main list
// shows; when they did not take everything, the editor stays open with every
// row and status, so that nothing the translator typed is lost.
void CAmendLanguageMapDlg::saveTo(const QString &path, const QString &collectingText, bool everyRow)
{
    Installation::SaveOutcome outcome;
    {
        WaitingPanel waiting(this, collectingText);
        const std::optional<ValueMap> entries = CollectEntries(everyRow, waiting);
        if (!entries)
            return;
        waiting.setText(u"Saving data, please wait ..."_s);
        outcome = m_context.installation.save(m_editedLanguage, *entries, path,
                                              m_context.redundantKeys);
    }
    if (m_context.updateListValues)
        m_context.updateListValues(outcome.listValues);
    if (!outcome.saved) {
        MessageBoxes::inform(this, outcome.saved.error());
        return;
    }
    if (!outcome.notice.isEmpty())
        MessageBoxes::inform(this, outcome.notice);
    done(DialogResult::Done);
}

void CAmendLanguageMapDlg::reject()
{
    for (int row = 0; row < m_rows.rowCount(); ++row) {
        if (m_rows.GetItemStatus(row) != EntryStatus::None) {
            if (!MessageBoxes::ask(this,
                                   u" Are you sure you want to exit without saving any changes?"_s))
                return;
            break;
        }
    }
    done(DialogResult::Left);
}
