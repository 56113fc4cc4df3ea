#include "LanguageStore.h"
#include "config/LanguageCatalogue.h"
#include "config/LanguageIndex.h"
#include "platform/ProfileFile.h"
#include "platform/SafeFileWriter.h"
#include "platform/SyncBatch.h"

#include <QDir>

using namespace Qt::StringLiterals;

// Every operation applies its key writes to one ProfileFile and saves it once;
// the bytes are those that writing the keys one by one would give.

Result<> LanguageStore::CreateLanguageFile(const QString &displayName)
{
    const Result<QString> path = languageFilePath(displayName);
    if (!path)
        return ResultError(path.error());
    SyncBatch batch; // the file and the index line
    Result<> created = m_utf8Mode ? recreateWithReferenceKeys(*path, "\xEF\xBB\xBF", QString())
                                  : recreateWithReferenceKeys(*path, {}, u" "_s);
    if (!created)
        return created;

    // A name outside the catalogue has no code to enter into the index.
    const QString code = m_catalogue.CodeByName(displayName);
    if (code.isEmpty())
        return batch.finish();
    ProfileFile index(m_languageFolder + u'/' + LanguageIndex::FileName);
    index.writeKey(LanguageIndex::LanguagesSection, code, displayName);
    Result<> indexed = index.save();
    indexed.keepFirstFailure(batch.finish());
    return indexed;
}

Result<> LanguageStore::ResetLanguageFile(const QString &fileName)
{
    const Result<QString> path = languageFilePath(fileName);
    if (!path)
        return ResultError(path.error());
    return recreateWithReferenceKeys(*path, {}, QString());
}

Result<> LanguageStore::WriteValues(const ValueMap &values, const QString &fileName)
{
    const Result<QString> path = languageFilePath(fileName);
    if (!path)
        return ResultError(path.error());
    return writeValuesTo(*path, values, SharedKey::LastValueWins);
}

Result<> LanguageStore::SaveValuesAs(const ValueMap &values, const QString &path)
{
    if (path.isEmpty())
        return ResultError(u"No file name was given."_s);
    return writeValuesTo(QDir(m_languageFolder).filePath(path), values, SharedKey::FirstValueWins);
}

Result<> LanguageStore::RemoveKeys(const QString &displayName, const KeySet &keys)
{
    const Result<QString> path = languageFilePath(displayName);
    if (!path)
        return ResultError(path.error());
    ProfileFile file(*path);
    for (const QString &key : keys)
        file.deleteKey(TextSection, key);
    return file.save();
}

Result<> LanguageStore::recreateWithReferenceKeys(const QString &path,
                                                  const QByteArray &initialBytes,
                                                  const QString &value) const
{
    // Built from an empty document (an empty path names no file) and written
    // once: the same bytes as writing every key into a file holding just
    // initialBytes, and a failure leaves the old file whole.
    // The document is UTF-8, which takes every key as the bytes it was read as.
    ProfileFile document { QString() };
    const QByteArray section = TextSection.toUtf8();
    const QByteArray valueBytes = value.toUtf8();
    const ReferenceKeys &keys = m_referenceKeys;
    for (EntryOrdinal ordinal = keys.first(); ordinal != keys.end(); ++ordinal)
        document.writeKeyNarrow(section, keys.key(ordinal).toByteArray(), valueBytes);
    return writeFileSafely(path, initialBytes + document.contents());
}

Result<> LanguageStore::writeValuesTo(const QString &path, const ValueMap &values,
                                      SharedKey sharedKey) const
{
    ProfileFile file(path);
    KeySet written;
    // Web ordinals sort after every reference ordinal; their values belong to the web files.
    const auto webValues = values.lower_bound(FirstWebOrdinal);
    const QByteArray narrowSection = TextSection.toUtf8();
    for (auto it = values.begin(); it != webValues; ++it) {
        if (!m_referenceKeys.contains(it->first))
            continue;
        const QByteArrayView key = m_referenceKeys.key(it->first);
        if (sharedKey == SharedKey::FirstValueWins
            && !written.insert(QString::fromUtf8(key)).second)
            continue;
        // UTF-8 mode writes bytes, wide mode text; a UTF-8 file takes either
        // as the very same bytes.
        if (m_utf8Mode || file.holdsUtf8())
            file.writeKeyNarrow(narrowSection, key.toByteArray(), it->second.toUtf8());
        else
            file.writeKey(TextSection, QString::fromUtf8(key), it->second);
    }
    return file.save();
}
