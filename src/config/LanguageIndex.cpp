#include "LanguageIndex.h"

#include "platform/ProfileFile.h"

namespace LanguageIndex {

QString entryKey(const QString &entry)
{
    const qsizetype equals = entry.lastIndexOf(u'=');
    return equals < 0 ? QString() : entry.left(equals).trimmed();
}

Result<QStringList> readKeys(const QString &indexPath, const QString &section)
{
    const Result<QStringList> entries = Profile::readSection(indexPath, section);
    if (!entries)
        return entries;
    QStringList keys;
    for (const QString &entry : *entries) {
        const QString key = entryKey(entry);
        if (!key.isEmpty())
            keys.append(key);
    }
    return keys;
}

} // namespace LanguageIndex
