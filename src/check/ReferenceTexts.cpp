#include "ReferenceTexts.h"

#include "CheckedInstallation.h"

#include <tuple>

ReferenceTexts loadReferenceTexts(const CheckedInstallation &installation, int reference)
{
    // What the editor shows as the reference: the language's INI and web
    // values; a reference that cannot be read has empty texts, as there.
    ValueMap values;
    if (reference >= 0) {
        KeySet ignoredExtraKeys;
        const LanguageCatalogue &catalogue = installation.catalogue();
        std::ignore = installation.languageStore().LoadLanguage(catalogue.NameAt(reference), values,
                                                                ignoredExtraKeys);
        if (installation.webLanguages())
            std::ignore = installation.webStore().LoadWebValues(catalogue.KeyAt(reference), values);
    }
    ReferenceTexts texts;
    texts.texts.reserve(installation.entryOrdinals().size());
    texts.symbols.reserve(installation.entryOrdinals().size());
    for (const EntryOrdinal ordinal : installation.entryOrdinals()) {
        const QString &text = values.at(ordinal);
        texts.texts.push_back(text);
        texts.symbols.push_back(formatSymbols(ordinal, text));
    }
    return texts;
}
