#include "ExchangeSource.h"

#include "config/LanguageCatalogue.h"
#include "store/LanguageStore.h"
#include "store/WebLanguageStore.h"

#include <tuple>

using namespace Qt::StringLiterals;

ExchangeLayout ExchangeLayout::of(const QString &displayName, const WebLanguageStore *webStore)
{
    ExchangeLayout layout;
    layout.iniFile = displayName + u".ini"_s;
    if (!webStore)
        return layout;
    for (const QString &path : webStore->fileList())
        layout.webFiles.append(path.startsWith(u"./"_s) ? path.sliced(2) : path);
    for (const auto &[ordinal, item] : webStore->webItems())
        layout.webFileOfItem.insert(ordinal, item.fileNumber);
    return layout;
}

namespace {

ValueMap readValues(const LanguageStore &store, const WebLanguageStore *webStore,
                    const LanguageCatalogue &catalogue, int language)
{
    ValueMap values;
    if (language < 0)
        return values;
    // Unreadable files read as empty values, as the editor shows them.
    KeySet ignoredExtraKeys;
    std::ignore = store.LoadLanguage(catalogue.NameAt(language), values, ignoredExtraKeys);
    if (webStore)
        std::ignore = webStore->LoadWebValues(catalogue.KeyAt(language), values);
    return values;
}

} // namespace

QList<EditorRow> readLanguageRows(const LanguageStore &store, const WebLanguageStore *webStore,
                                  const LanguageCatalogue &catalogue, int language, int reference)
{
    const ValueMap values = readValues(store, webStore, catalogue, language);
    const ValueMap references = readValues(store, webStore, catalogue, reference);
    AttributeMap attributes = store.ReferenceKeyTable();
    if (webStore)
        webStore->AddWebKeys(attributes);

    QList<EditorRow> rows;
    rows.reserve(qsizetype(attributes.size()));
    for (const auto &[ordinal, attribute] : attributes)
        rows.append({ ordinal, attribute, values.at(ordinal), references.at(ordinal) });
    return rows;
}
