#include "PlainLanguageLoader.h"

#include "LanguageStore.h"
#include "platform/ProfileFile.h"
#include "platform/TextCodec.h"

#include <map>
#include <optional>

namespace PlainLanguageLoader {

Result<> load(const QString &path, const AttributeMap &referenceKeys, bool utf8Mode,
              ValueMap &values, KeySet &extraKeys)
{
    const ProfileFile file(path);
    if (Result<> read = file.wasRead(); !read)
        return read;

    // Keys match when their upper-case forms are equal; the lowest ordinal wins.
    const auto ordinalOf = [&](const QString &key) -> std::optional<EntryOrdinal> {
        const QString upper = key.toUpper();
        for (const auto &[ordinal, referenceKey] : referenceKeys) {
            if (referenceKey == upper)
                return ordinal;
        }
        return std::nullopt;
    };
    std::map<EntryOrdinal, QString> loaded;
    // The key is the text before the last "=", trimmed.
    const auto add = [&](const QString &line, const QString &value) {
        const QString key = line.left(line.lastIndexOf(u'=')).trimmed();
        if (key.isEmpty())
            return;
        if (const std::optional<EntryOrdinal> ordinal = ordinalOf(key))
            loaded.try_emplace(*ordinal, value); // the first line of a key wins
        else
            extraKeys.insert(key);
    };

    if (utf8Mode) {
        const QByteArray section = LanguageStore::TextSection.toUtf8();
        for (const QByteArray &bytes : file.sectionLinesNarrow(section)) {
            // A line that is not UTF-8 counts as empty. The value is the text
            // after the first "=", as it is.
            const std::optional<QString> line = decodeUtf8Strict(bytes);
            if (line && line->contains(u'='))
                add(*line, decodeUtf8OrEmpty(bytes.sliced(bytes.indexOf('=') + 1)));
        }
    } else {
        // The value is the text after the last "=", trimmed.
        for (const QString &line : file.sectionLines(LanguageStore::TextSection)) {
            if (line.contains(u'='))
                add(line, line.sliced(line.lastIndexOf(u'=') + 1).trimmed());
        }
    }
    for (auto &[ordinal, value] : loaded)
        values.emplace(ordinal, std::move(value)); // a value already there stays
    return ResultOk;
}

} // namespace PlainLanguageLoader
