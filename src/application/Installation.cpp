#include "Installation.h"

#include "InstallationFolders.h"
#include "config/ClientConfig.h"
#include "editor/LengthLimits.h"
#include "editor/ReferenceChoice.h"
#include "exchange/XliffExport.h"

#include <QDir>

#include <tuple>

using namespace Qt::StringLiterals;

Installation::Installation(const ClientConfig &config)
    : m_config(config)
    , m_languageStore(config.catalogue)
    , m_webLanguageStore(config.catalogue)
{
}

const LanguageCatalogue &Installation::catalogue() const
{
    return m_config.catalogue;
}

Installation::Opening Installation::open(const QString &folder)
{
    m_folder = QDir(folder).absolutePath();
    const InstallationFolders folders(m_folder);
    if (Result<> opened = openStores(folders, m_config, m_languageStore, m_webLanguageStore);
        !opened)
        return { std::move(opened), {} };

    ReconcileInput input = reconcileInput(folders, m_config);
    input.createLanguageFile
        = [this](const QString &name) { return m_languageStore.CreateLanguageFile(name); };
    input.createWebLanguage
        = [this](const QString &key) { return m_webLanguageStore.CreateWebLanguage(key); };
    const ReconcileResult reconciled = ReconcileIndex(input);
    m_presentLanguages = reconciled.presentLanguages;
    return { ResultOk, reconciled.indexUsable ? QString() : indexUnusableMessage() };
}

AttributeMap Installation::attributes() const
{
    AttributeMap attributes = m_languageStore.ReferenceKeyTable();
    if (m_config.needWebLanguage)
        m_webLanguageStore.AddWebKeys(attributes);
    return attributes;
}

ValueMap Installation::values(int language, KeySet *extraKeys) const
{
    ValueMap values;
    KeySet ignoredExtraKeys;
    // A language whose files cannot be read shows empty values.
    std::ignore = m_languageStore.LoadLanguage(catalogue().NameAt(language), values,
                                               extraKeys ? *extraKeys : ignoredExtraKeys);
    if (m_config.needWebLanguage)
        std::ignore = m_webLanguageStore.LoadWebValues(catalogue().KeyAt(language), values);
    return values;
}

Installation::LanguageEntries Installation::loadLanguage(int language) const
{
    LanguageEntries entries;
    entries.rows = entryRows(attributes(), values(language, &entries.extraKeys));
    return entries;
}

Result<QString> Installation::writeAdjustedCopy(int language, const KeySet &extraKeys)
{
    const QString name = catalogue().NameAt(language);
    const QString adjusted = name + u"_adjust"_s;
    Result<> reset = m_languageStore.ResetLanguageFile(adjusted);
    ValueMap values;
    KeySet keys = extraKeys;
    // A source that cannot be read gives a copy with empty values.
    std::ignore = m_languageStore.LoadLanguage(name, values, keys);
    Result<> written = m_languageStore.WriteValues(values, adjusted);
    written.keepFirstFailure(std::move(reset));
    if (!written)
        return ResultError(written.error());
    return u"%1.ini has been saved as %2.ini according to the item order of the english "
           "language."_s.arg(name, adjusted);
}

void Installation::createLanguage(int language)
{
    std::ignore = m_languageStore.CreateLanguageFile(catalogue().NameAt(language));
    if (m_config.needWebLanguage)
        std::ignore = m_webLanguageStore.CreateWebLanguage(catalogue().KeyAt(language));
}

Installation::SaveOutcome Installation::save(int language, const ValueMap &entries,
                                             const QString &path, const KeySet &redundantKeys)
{
    const auto failed = [](const QString &error) {
        return ResultError(u"The translation could not be saved.\n"_s + error);
    };
    SaveOutcome outcome;
    if (!path.isEmpty()) {
        if (Result<> saved = m_languageStore.SaveValuesAs(entries, path); !saved) {
            outcome.saved = failed(saved.error());
            return outcome;
        }
    } else {
        // Web files are written only after the INI file took the values.
        if (Result<> saved = m_languageStore.WriteValues(entries, catalogue().NameAt(language));
            !saved) {
            outcome.saved = failed(saved.error());
            return outcome;
        }
        if (m_config.needWebLanguage) {
            if (Result<> saved
                = m_webLanguageStore.WriteWebValues(catalogue().KeyAt(language), entries);
                !saved) {
                // The INI file has the values even so: the main list shows
                // what the files hold, and a second save writes the rest.
                outcome.saved = failed(saved.error());
                outcome.listValues = entriesOnDisk(language, entries);
                return outcome;
            }
        }
    }
    outcome.listValues = entries;
    if (!redundantKeys.empty()) {
        if (Result<> removed
            = m_languageStore.RemoveKeys(catalogue().NameAt(language), redundantKeys);
            !removed)
            outcome.notice = removed.error();
    }
    return outcome;
}

Result<QString> Installation::exportForTranslation(int language, bool onlyOpenEntries,
                                                   const QString &path,
                                                   const TextMeasurer &measurer) const
{
    const int reference = defaultReferenceLanguage(catalogue(), m_presentLanguages, language);
    const WebLanguageStore *web = m_config.needWebLanguage ? &m_webLanguageStore : nullptr;
    const XliffExportInput input
        = XliffExportInput::read(m_languageStore, web, catalogue(), language, reference,
                                 LoadLengthLimits(lengthLimitsPath(m_config.toolFolder)));
    const Result<XliffExport> written = writeXliff(
        path, input, onlyOpenEntries ? ExportChoice::OpenEntries : ExportChoice::AllEntries,
        &measurer);
    if (!written)
        return ResultError(written.error());
    QStringList message { u"%1 entries of %2 have been exported to %3."_s.arg(written->units)
                              .arg(catalogue().NameAt(language), QDir::toNativeSeparators(path)) };
    message.append(written->leftOut);
    return message.join(u'\n');
}

// The entries a save meant to write as the files hold them after it: the INI
// entries, and the web entries as far as their files took them.
ValueMap Installation::entriesOnDisk(int language, const ValueMap &written) const
{
    ValueMap web;
    // A web file that cannot be read has none of the values.
    std::ignore = m_webLanguageStore.LoadWebValues(catalogue().KeyAt(language), web);
    ValueMap onDisk;
    for (const auto &[ordinal, value] : written) {
        if (!isWebOrdinal(ordinal))
            onDisk.emplace(ordinal, value);
        else if (web.contains(ordinal))
            onDisk.emplace(ordinal, web.at(ordinal));
    }
    return onDisk;
}
