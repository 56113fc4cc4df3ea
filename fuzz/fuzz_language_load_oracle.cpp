#include "FuzzCheck.h"
#include "FuzzScratch.h"
#include "FuzzStores.h"
#include "config/LanguageIndex.h"
#include "store/LanguageStore.h"
#include "store/PlainLanguageLoader.h"
#include "store/ReferenceKeys.h"

#include <QStringList>

#include <optional>

// The tuned loading path against the plain one written from the loading
// rules: on every input, in UTF-8 mode and in wide mode, LoadLanguage and
// PlainLanguageLoader give the same values and extra keys, also into a map
// that holds a value already. The input's keys, taken as reference keys of
// their own, are found by ReferenceKeys exactly as a search through them all
// finds them, as text and as bytes.

namespace {

// Keys that are repeated, differ only in case or in their last character,
// hold "=" or blanks, or are not ASCII, among them keys whose upper case is
// ASCII (dotless i, sharp s) or longer than themselves.
QByteArray reference()
{
    QByteArray file = "\xEF\xBB\xBF[text]\r\n"
                      "IDS_OK=OK\r\n"
                      "IDS_CANCEL=Cancel\r\n"
                      "ids_mixed=Case\r\n"
                      "IDS_OK=again\r\n"
                      "KEY WITH BLANKS = a = b\r\n"
                      "IDS_\xC3\x84\xC3\x96=Umlaut\r\n"
                      "ID=plain\r\n"
                      "STRASSE=street\r\n"
                      "\xEF\xAC\x80=ligature\r\n"
                      "\xE2\x80\xAF"
                      "NB\xC2\xA0=no-break spaces\r\n"
                      "K\xF0\x9F\x98\x80=outside the BMP\r\n";
    for (int i = 0; i < 40; ++i)
        file += "IDS_KEY_" + QByteArray::number(i).rightJustified(3, '0') + "=v\r\n";
    return file;
}

const QString LanguageName = QStringLiteral("Fuzz");

void checkLoad(const LanguageStore &store, const QString &path)
{
    const AttributeMap reference = store.ReferenceKeyTable();
    // A value already in the map stays in both.
    const ValueMap start { { std::next(reference.begin(), 2)->first, QStringLiteral("kept") } };
    LanguageFile fast { start, {} };
    LanguageFile plain { start, {} };
    FUZZ_CHECK(store.LoadLanguage(LanguageName, fast.values, fast.extraKeys));
    FUZZ_CHECK(PlainLanguageLoader::load(path, reference, store.utf8Mode(), plain.values,
                                         plain.extraKeys));
    FUZZ_CHECK(fast.values == plain.values);
    FUZZ_CHECK(fast.extraKeys == plain.extraKeys);
}

// Each line's key, as the reference file's keys are read, is looked up among
// the input's own keys.
void checkReferenceKeys(const QByteArray &input)
{
    QStringList keys;
    QStringList lineKeys;
    for (const QByteArray &line : input.split('\n')) {
        const QString key = LanguageIndex::entryKey(QString::fromUtf8(line));
        lineKeys.append(key);
        if (!key.isEmpty() && keys.size() < 64)
            keys.append(key.toUpper());
    }
    constexpr EntryOrdinal First = 1000;
    const ReferenceKeys table(First, keys);
    for (const QString &key : lineKeys) {
        const QString upper = key.toUpper();
        const qsizetype index = keys.indexOf(upper);
        const std::optional<EntryOrdinal> expected
            = index < 0 ? std::nullopt : std::optional(First + EntryOrdinal(index));
        FUZZ_CHECK(table.find(QStringView(key)) == expected);
        FUZZ_CHECK(table.find(QByteArrayView(key.toUtf8())) == expected);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const FuzzStores stores(reference());
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString path = FuzzScratch::write(
        QStringLiteral("language/") + LanguageName + QStringLiteral(".ini"), input);
    checkLoad(stores.wide, path);
    checkLoad(stores.utf8, path);
    checkReferenceKeys(input);
    return 0;
}
