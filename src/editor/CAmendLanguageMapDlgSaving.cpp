// Leaving the editor: Save, Save as, Cancel and closing.

#include "CAmendLanguageMapDlg.h"

#include "config/ClientConfig.h"
#include "controls/CWaitingDlg.h"
#include "controls/FileDialogs.h"
#include "controls/MessageBoxes.h"
#include "store/LanguageStore.h"
#include "store/WebLanguageStore.h"

#include <QDir>

#include <tuple>

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
    bool iniWritten = false;
    {
        WaitingPanel waiting(this, u"Checking data..."_s);
        const std::optional<ValueMap> entries = CollectEntries(false, waiting);
        if (!entries)
            return;
        written = *entries;
        waiting.setText(u"Saving data, please wait ..."_s);
        saved = m_context.languageStore.WriteValues(written, catalogue.NameAt(m_editedLanguage));
        iniWritten = bool(saved);
        // Web files are written only after the INI file took the values: when
        // the INI file cannot be written, nothing changes.
        if (saved && m_context.config.needWebLanguage)
            saved = m_context.webLanguageStore.WriteWebValues(catalogue.KeyAt(m_editedLanguage),
                                                              written);
    }
    if (!saved) {
        // The INI file has the values even so: the main list shows what the
        // files hold, and a second Save writes the rest.
        if (iniWritten && m_context.updateListValues)
            m_context.updateListValues(entriesOnDisk(written));
        reportSaveFailure(saved.error());
        return;
    }
    finishSave(written);
}

// The entries a save meant to write as the files hold them after it: the INI
// entries, and the web entries as far as their files took them.
ValueMap CAmendLanguageMapDlg::entriesOnDisk(const ValueMap &written) const
{
    ValueMap web;
    // A web file that cannot be read has none of the values.
    std::ignore = m_context.webLanguageStore.LoadWebValues(
        m_context.config.catalogue.KeyAt(m_editedLanguage), web);
    ValueMap onDisk;
    for (const auto &[ordinal, value] : written) {
        if (!isWebOrdinal(ordinal))
            onDisk.emplace(ordinal, value);
        else if (web.contains(ordinal))
            onDisk.emplace(ordinal, web.at(ordinal));
    }
    return onDisk;
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
// and status.
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
