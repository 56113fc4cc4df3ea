#pragma once

#include "editor/EditorRow.h"
#include "store/EntryOrdinal.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

class LanguageCatalogue;
class LanguageStore;
class WebLanguageStore;

// How a language's entries are laid out in an exchange file: one <file> for
// the INI entries, named by the language's INI file, and one per web file,
// named by its path below the language's web folder.
struct ExchangeLayout
{
    QString iniFile; // "German (Germany).ini"
    QStringList webFiles; // "common.xml", "sub/b.xml", by file number
    QHash<EntryOrdinal, int> webFileOfItem;

    // Without web languages the web store is nullptr.
    static ExchangeLayout of(const QString &displayName, const WebLanguageStore *webStore);

    // The <file> of an entry: -1 for the INI file, else the web file number;
    // -1 for a web ordinal the layout does not know.
    int fileOf(EntryOrdinal ordinal) const { return webFileOfItem.value(ordinal, -1); }
};

// A language's entries as the editor lists them: the reference keys, then
// (with a web store) the web items, each beside the reference language's
// text. A file that cannot be read gives empty texts, as in the editor.
// reference: a catalogue row, or -1 for none.
QList<EditorRow> readLanguageRows(const LanguageStore &store, const WebLanguageStore *webStore,
                                  const LanguageCatalogue &catalogue, int language, int reference);
