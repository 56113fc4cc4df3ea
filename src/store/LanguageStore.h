#pragma once

#include "EntryOrdinal.h"
#include "ReferenceKeys.h"
#include "platform/Result.h"

#include <QString>

class LanguageCatalogue;

// The language folder: one INI file per language, section "text", whose keys
// are read against the keys of the reference file "English (United States).ini".
// Every reference key gets an entry ordinal when the store is opened; values
// are held by ordinal, so a language always follows the reference order.
//
// In UTF-8 mode language files are read and written as UTF-8 bytes, in wide
// mode through the wide profile operations. Files are addressed by absolute
// paths inside languageFolder(); the current directory is never changed.
//
// Every operation reports a failure with a sentence for the user; a writing
// operation that fails leaves the file as it was.
class LanguageStore
{
public:
    static const QString ReferenceName; // "English (United States)"
    static const QString TextSection; // "text"

    explicit LanguageStore(const LanguageCatalogue &catalogue);

    // Fixed for the run, before Open.
    void setUtf8Mode(bool utf8Mode) { m_utf8Mode = utf8Mode; }
    bool utf8Mode() const { return m_utf8Mode; }

    // Takes folder (relative to the current directory, or absolute) as the
    // language folder and loads the reference keys. A failure when the folder
    // or the reference file is missing.
    Result<> Open(const QString &folder);
    QString languageFolder() const { return m_languageFolder; }

    // Reads the reference file's keys into the table, each non-empty key with
    // a new ordinal in file order (a key written twice gets two). A failure,
    // and the table unchanged, when the reference file cannot be read.
    Result<> LoadReferenceKeys();

    // Ordinal -> upper-case reference key, in reference order.
    AttributeMap ReferenceKeyTable() const { return m_referenceKeys.table(); }

    // Adds the values of displayName's file to values (a value already there
    // stays; the first line of a key wins) and the keys the reference lacks,
    // as written, to extraKeys. A failure, both unchanged, when the file
    // cannot be read. A file without section or entries loads as nothing.
    Result<> LoadLanguage(const QString &displayName, ValueMap &values, KeySet &extraKeys) const;

    // Creates (or replaces) displayName's file with every reference key and an
    // empty value, and enters the language into the index. In UTF-8 mode the
    // file starts with a UTF-8 byte-order mark; in wide mode each value is one
    // blank. Nothing is written, not even the index line, when the file cannot
    // be created.
    Result<> CreateLanguageFile(const QString &displayName);

    // Creates (or empties) fileName + ".ini" and writes every reference key
    // with an empty value, in reference order. The index is not touched.
    Result<> ResetLanguageFile(const QString &fileName);

    // Writes the values of the reference ordinals into fileName + ".ini" in
    // ordinal order: a key in the file keeps its line, a new key is appended
    // to the section. Web ordinals are skipped. When two ordinals share a key
    // the higher one's value ends up in the file.
    Result<> WriteValues(const ValueMap &values, const QString &fileName);

    // Like WriteValues into the file at path (absolute, or relative to the
    // language folder; no extension added), except that a key shared by two
    // ordinals gets the lower one's value. Keys already in the file stay.
    Result<> SaveValuesAs(const ValueMap &values, const QString &path);

    // Deletes the lines of keys from displayName's file.
    Result<> RemoveKeys(const QString &displayName, const KeySet &keys);

private:
    enum class SharedKey { LastValueWins, FirstValueWins };

    // Absolute path of name + ".ini" in the language folder; a failure when
    // the store is not open or name could reach outside the folder.
    Result<QString> languageFilePath(const QString &name) const;
    Result<> recreateWithReferenceKeys(const QString &path, const QByteArray &initialBytes,
                                       const QString &value) const;
    Result<> writeValuesTo(const QString &path, const ValueMap &values, SharedKey sharedKey) const;

    const LanguageCatalogue &m_catalogue;
    bool m_utf8Mode = false;
    QString m_languageFolder;
    ReferenceKeys m_referenceKeys;
};
