#pragma once

#include "ExchangeSource.h"
#include "editor/EditorRow.h"
#include "platform/Result.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <utility>
#include <vector>

class LanguageCatalogue;

// What importing an XLIFF file into the editor's rows would do, unit by
// unit; nothing is changed. The dialog commits the values of Imported units
// as if typed and reports the rest.
//
// A unit is matched to a row by its id, then by its resname: among the
// entries of its <file> (the INI entries, or the web items of the web file
// it names), then among all entries. Ids are only looked up, never used as
// paths: an id that names no entry, such as "../x" or an attribute the
// reference lacks, is an unknown id.
struct ImportTarget
{
    QString languageCode; // the edited language's catalogue code
    QString languageName; // its display name, for messages
    ExchangeLayout layout;
    QList<EditorRow> rows; // the editor's rows with their current values
    // To name the language of a file made for another; may be nullptr.
    const LanguageCatalogue *catalogue = nullptr;
};

enum class ImportOutcome {
    Imported, // the target differs from the row's value
    Unchanged, // the target is the row's value
    Untranslated, // no target, a blank one, or one the file marks needs-translation
    UnknownId, // no row has the unit's id or resname
    Duplicate, // an earlier unit gave the same row; the first one counts
    Rejected, // the target cannot be a value (see reason)
};

struct ImportUnit
{
    ImportOutcome outcome = ImportOutcome::UnknownId;
    QString file; // the original of the unit's <file>
    QString id; // the unit's id
    int line = 0; // of the <trans-unit> in the XLIFF file
    // The matched row: every outcome but UnknownId.
    EntryOrdinal ordinal = 0;
    QString attribute;
    QString previous; // the row's value now
    QString value; // the target as it would be stored: Imported, Unchanged and Rejected
    QString reason; // why it is not imported: every outcome but Imported and Unchanged
};

struct ImportPlan
{
    QString targetLanguage; // the first target-language the file gives
    // Empty, or the sentence that says the file is for another language:
    // the dialog asks once whether to go on.
    QString wrongLanguage;
    std::vector<ImportUnit> units; // in file order

    int count(ImportOutcome outcome) const;
    // Ordinal and value of each Imported unit, in file order: what to commit.
    std::vector<std::pair<EntryOrdinal, QString>> changes() const;
};

// The longest target taken. No text of a user interface comes near it: a
// longer one is a damaged or wrong file.
inline constexpr qsizetype MaxImportedLength = 65536;

// A failure, with a sentence for the user, when the file is not XLIFF 1.2
// (XLIFFReader.h) or holds no <target> at all.
Result<ImportPlan> planImport(const QByteArray &xliff, const ImportTarget &target);

// The same for the file at path; a failure also when it cannot be read or
// is larger than any exchange file (256 MiB).
Result<ImportPlan> planImportFile(const QString &path, const ImportTarget &target);
