#include "ReferenceChoice.h"

#include "config/LanguageCatalogue.h"

using namespace Qt::StringLiterals;

int defaultReferenceLanguage(const LanguageCatalogue &catalogue, const PresentLanguages &present,
                             int editedLanguage)
{
    const QString preferred
        = editedLanguage == 1 ? u"Chinese (PRC)"_s : u"English (United States)"_s;
    int first = -1;
    for (const int row : present) {
        if (row == editedLanguage)
            continue;
        if (catalogue.NameAt(row).startsWith(preferred, Qt::CaseInsensitive))
            return row;
        if (first < 0)
            first = row;
    }
    return first;
}
