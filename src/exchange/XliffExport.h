#pragma once

#include "ExchangeSource.h"
#include "editor/EditorRow.h"
#include "editor/LengthLimits.h"
#include "platform/Result.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class TextMeasurer;

// A language as an XLIFF 1.2 document for translation tools: one <file> for
// the INI entries and one per web file (a web file without units is left
// out), each with one <trans-unit> per entry: id and resname the attribute,
// <source> the reference's text, <target> the value, marked translated, or
// needs-translation when blank. An attribute with a sample in
// CheckLength.ini gets a <note> that names the sample.
//
// Format symbols are <ph> elements holding the symbol, never plain text:
// translation tools show a <ph> as a tag that cannot be edited, check that
// the target keeps the source's tags, and write it back with its text, so
// the symbols come back as they went out, where a note listing them only
// asks the translator to be careful. The symbols are those the editor's
// check counts (symbolSpans); symbols that overlap ("%%d") share one <ph>.
// A target's <ph> takes the id of the source's <ph> with the same symbol, so
// tools pair them even when the translation reorders them.
struct XliffExportInput
{
    QString sourceCode; // the reference language's catalogue code
    QString targetCode; // the exported language's catalogue code
    ExchangeLayout layout;
    QList<EditorRow> rows; // value and reference of each entry, in the editor's order
    LengthLimits limits;

    // A language as its files hold it (readLanguageRows), against reference
    // (a catalogue row). Without web languages the web store is nullptr.
    static XliffExportInput read(const LanguageStore &store, const WebLanguageStore *webStore,
                                 const LanguageCatalogue &catalogue, int language, int reference,
                                 LengthLimits limits);
};

enum class ExportChoice {
    AllEntries,
    OpenEntries, // blank ones, and those that fail a check against the reference
};

struct XliffExport
{
    QByteArray bytes;
    int units = 0;
    // Entries left out because their value or reference holds a character
    // that XML cannot carry (a control character, an unpaired surrogate),
    // one sentence each.
    QStringList leftOut;
};

// OpenEntries checks widths with measurer, which it needs then.
XliffExport exportXliff(const XliffExportInput &input,
                        ExportChoice choice = ExportChoice::AllEntries,
                        const TextMeasurer *measurer = nullptr);

// The same, written to path through the safe writer.
Result<XliffExport> writeXliff(const QString &path, const XliffExportInput &input,
                               ExportChoice choice = ExportChoice::AllEntries,
                               const TextMeasurer *measurer = nullptr);
