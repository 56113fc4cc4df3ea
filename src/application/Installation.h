#pragma once

#include "config/ReconcileIndex.h"
#include "platform/Result.h"
#include "store/EntryRow.h"
#include "store/LanguageStore.h"
#include "store/WebLanguageStore.h"

#include <QList>
#include <QString>

class ClientConfig;
class LanguageCatalogue;
class TextMeasurer;

// The installation the program works on: the configuration, both stores and
// the languages present. It holds the rules of start-up, of loading a
// language, of the "_adjust" copy, of adding a language and of saving, and
// the order of their store calls; the windows show what it returns and ask
// what it needs. Languages are catalogue rows.
class Installation
{
public:
    explicit Installation(const ClientConfig &config);

    Installation(const Installation &) = delete;
    Installation &operator=(const Installation &) = delete;

    struct Opening
    {
        Result<> opened; // a failure carries the message that ends the program
        QString notice; // what start-up tells and goes on after; empty if nothing
    };
    // Opens the installation in folder and brings the index, the language
    // files and the web folders into step, creating what is missing.
    Opening open(const QString &folder);

    const ClientConfig &config() const { return m_config; }
    const LanguageCatalogue &catalogue() const;
    QString folder() const { return m_folder; }
    LanguageStore &languageStore() { return m_languageStore; }
    const LanguageStore &languageStore() const { return m_languageStore; }
    WebLanguageStore &webLanguageStore() { return m_webLanguageStore; }
    const WebLanguageStore &webLanguageStore() const { return m_webLanguageStore; }
    PresentLanguages &presentLanguages() { return m_presentLanguages; }
    const PresentLanguages &presentLanguages() const { return m_presentLanguages; }

    // Every attribute a language has: the reference keys, then, with web
    // languages, the web items.
    AttributeMap attributes() const;

    // A language's INI and web values; files that cannot be read give none.
    // With extraKeys, the keys of its file that the reference lacks.
    ValueMap values(int language, KeySet *extraKeys = nullptr) const;

    struct LanguageEntries
    {
        QList<EntryRow> rows; // one per attribute, in ordinal order
        KeySet extraKeys;
    };
    LanguageEntries loadLanguage(int language) const;

    // Writes "<name>_adjust.ini": the reference keys in reference order with
    // the language's values. The message to show, or the failure's.
    Result<QString> writeAdjustedCopy(int language, const KeySet &extraKeys);

    // Creates the INI file and the web files of a language the installation
    // lacks. Failures are not reported: the editor opens all the same, and
    // its save tells what cannot be written.
    void createLanguage(int language);

    struct SaveOutcome
    {
        Result<> saved; // a failure carries the message to show
        // What the main list must show for the entries: all of them after a
        // save, the part the files took after a failed one.
        ValueMap listValues;
        QString notice; // a save that went through but left something to tell
    };
    // Saves an editor's entries: into the language's own files (its INI file,
    // then its web files) or, with a path, into that INI file alone. After a
    // save the keys the reference lacks (redundantKeys) leave the language's
    // file. A failure of the INI file changes nothing.
    SaveOutcome save(int language, const ValueMap &entries, const QString &path,
                     const KeySet &redundantKeys);

    // Writes a language to path as an XLIFF 1.2 file for translation tools,
    // against the reference the editor would choose, every entry or only the
    // blank and failing ones. The message to show, or the failure's.
    Result<QString> exportForTranslation(int language, bool onlyOpenEntries, const QString &path,
                                         const TextMeasurer &measurer) const;

private:
    ValueMap entriesOnDisk(int language, const ValueMap &written) const;

    const ClientConfig &m_config;
    QString m_folder;
    LanguageStore m_languageStore;
    WebLanguageStore m_webLanguageStore;
    PresentLanguages m_presentLanguages;
};
