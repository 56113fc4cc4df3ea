#include "FuzzCheck.h"
#include "FuzzScratch.h"
#include "FuzzStores.h"
#include "store/LanguageStore.h"

#include <algorithm>

// Loads language files of arbitrary bytes against a small fixed reference,
// in UTF-8 mode and in wide mode. Every value lands on a reference ordinal,
// every extra key is one the reference lacks, and loading the same file
// again into the result changes nothing, since values already there stay.

namespace {

const QByteArray Reference = "\xEF\xBB\xBF[text]\r\n"
                             "IDS_OK=OK\r\n"
                             "IDS_CANCEL=Cancel\r\n"
                             "IDS_FILE_SAVED=%s saved\r\n"
                             "IDS_ITEMS=%d items\\n%ld bytes\r\n"
                             "ids_mixed=Case\r\n"
                             "IDS_OK=again\r\n"
                             "KEY WITH BLANKS = a = b\r\n"
                             "IDS_ÄÖ=Umlaut\r\n";

const QString LanguageName = QStringLiteral("Fuzz");

void checkLoad(const LanguageStore &store)
{
    ValueMap values;
    KeySet extraKeys;
    FUZZ_CHECK(store.LoadLanguage(LanguageName, values, extraKeys));

    const AttributeMap &reference = store.ReferenceKeyTable();
    for (const auto &[ordinal, value] : values) {
        FUZZ_CHECK(reference.contains(ordinal));
        FUZZ_CHECK(store.utf8Mode() || !value.contains(u'='));
    }
    for (const QString &key : extraKeys) {
        FUZZ_CHECK(!key.isEmpty());
        FUZZ_CHECK(std::none_of(reference.begin(), reference.end(),
                                [&](const auto &entry) { return entry.second == key.toUpper(); }));
    }

    ValueMap again = values;
    KeySet extraAgain = extraKeys;
    FUZZ_CHECK(store.LoadLanguage(LanguageName, again, extraAgain));
    FUZZ_CHECK(again == values && extraAgain == extraKeys);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const FuzzStores stores(Reference);
    FuzzScratch::write(QStringLiteral("language/") + LanguageName + QStringLiteral(".ini"),
                       QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    checkLoad(stores.wide);
    checkLoad(stores.utf8);
    return 0;
}
