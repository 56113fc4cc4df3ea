// Leaving the editor: Save, Save as, Cancel and closing.

#include "CAmendLanguageMapDlg.h"

#include "config/ClientConfig.h"
#include "controls/CWaitingDlg.h"
#include "controls/FileDialogs.h"
#include "controls/MessageBoxes.h"
#include "store/LanguageStore.h"
#include "store/WebLanguageStore.h"

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
            const QString question = status == EntryStatus::Error
                ? u"Attribute: "_s + attribute
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
    const LanguageCatalogue &catalogue = m_context.config.catalogue;
    ValueMap written;
    ::Result<> saved; // not the dialog codes of the same name
    {
        WaitingPanel waiting(this, u"Checking data..."_s);
        const std::optional<ValueMap> entries = CollectEntries(false, waiting);
        if (!entries)
            return;
        written = *entries;
        waiting.setText(u"Saving data, please wait ..."_s);
        saved = m_context.languageStore.WriteValues(written, catalogue.NameAt(m_editedLanguage));
        // Web files are written only after the INI file took the values, so a
        // failed save leaves the language as it was.
        if (saved && m_context.config.needWebLanguage) {
            const QString keyName = catalogue.KeyAt(m_editedLanguage);
            if (!m_context.webLanguageStore.WriteWebValues(keyName, written)) {
                saved = ResultError(
                    u"The web language files of \"%1\" could not all be written."_s.arg(keyName));
            }
        }
    }
    if (!saved) {
        reportSaveFailure(saved.error());
        return;
    }
    finishSave(written);
}

void CAmendLanguageMapDlg::SaveAs()
{
    const QString name = m_context.config.catalogue.NameAt(m_editedLanguage);
    const QString path = FileDialogs::saveFileName(
        this, QDir(m_context.languageStore.languageFolder()).filePath(name), u"file (*.ini)"_s);
    if (path.isEmpty())
        return;
    ValueMap written;
    ::Result<> saved;
    {
        WaitingPanel waiting(this, u"Saving file..."_s);
        const std::optional<ValueMap> entries = CollectEntries(true, waiting);
        if (!entries)
            return;
        written = *entries;
        waiting.setText(u"Saving data, please wait ..."_s);
        saved = m_context.languageStore.SaveValuesAs(written, path);
    }
    if (!saved) {
        reportSaveFailure(saved.error());
        return;
    }
    finishSave(written);
}

// Nothing the translator typed is lost: the editor stays open with every row
// and status, and the main list takes nothing.
void CAmendLanguageMapDlg::reportSaveFailure(const QString &errorText)
{
    MessageBoxes::inform(this, u"The translation could not be saved.\n"_s + errorText);
}

void CAmendLanguageMapDlg::finishSave(const ValueMap &written)
{
    if (m_context.updateListValues)
        m_context.updateListValues(written);
    done(Written);
}

void CAmendLanguageMapDlg::reject()
{
    for (int row = 0; row < m_rows.rowCount(); ++row) {
        if (m_rows.GetItemStatus(row) != EntryStatus::None) {
            if (!MessageBoxes::ask(
                    this, u" Are you sure you want to exit without saving any changes?"_s))
                return;
            break;
        }
    }
    done(Left);
}
