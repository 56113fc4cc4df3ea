#include "LanguageStore.h"

#include "LanguageLineReader.h"
#include "config/LanguageCatalogue.h"
#include "config/LanguageIndex.h"
#include "platform/ProfileFile.h"

#include <QDir>

#include <optional>
#include <vector>

using namespace Qt::StringLiterals;

const QString LanguageStore::ReferenceName = u"English (United States)"_s;
const QString LanguageStore::TextSection = u"text"_s;

LanguageStore::LanguageStore(const LanguageCatalogue &catalogue)
    : m_catalogue(catalogue)
{
}

Result<> LanguageStore::Open(const QString &folder)
{
    const QDir dir(folder);
    if (folder.isEmpty() || !dir.exists()) {
        return ResultError(
            u"The language folder \"%1\" does not exist."_s.arg(QDir::toNativeSeparators(folder)));
    }
    m_languageFolder = dir.absolutePath();
    return LoadReferenceKeys();
}

Result<> LanguageStore::LoadReferenceKeys()
{
    const Result<QString> path = languageFilePath(ReferenceName);
    if (!path)
        return ResultError(path.error());
    const ProfileFile file(*path);
    if (Result<> read = file.wasRead(); !read)
        return read;

    QStringList keys;
    // The reference keys are ASCII, so the wide read serves both modes.
    for (const QString &line : file.sectionLines(TextSection)) {
        QString key = LanguageIndex::entryKey(line).toUpper();
        if (!key.isEmpty())
            keys.append(std::move(key));
    }
    m_referenceKeys = ReferenceKeys(takeReferenceOrdinals(EntryOrdinal(keys.size())), keys);
    return ResultOk;
}

namespace {

// The values of one load, held by position in the reference table and moved
// into the caller's map in ordinal order at the end, in one pass.
class LoadedValues
{
public:
    explicit LoadedValues(const ReferenceKeys &referenceKeys)
        : m_first(referenceKeys.first())
        , m_values(referenceKeys.size())
    {
    }

    bool contains(EntryOrdinal ordinal) const { return m_values[ordinal - m_first].has_value(); }
    void insert(EntryOrdinal ordinal, QString value)
    {
        m_values[ordinal - m_first] = std::move(value);
        ++m_count;
    }

    // A value already in values stays.
    void moveInto(ValueMap &values)
    {
        ValueMap::Entries entries;
        entries.reserve(m_count);
        for (size_t i = 0; i < m_values.size(); ++i) {
            if (m_values[i])
                entries.emplace_back(m_first + EntryOrdinal(i), std::move(*m_values[i]));
        }
        values.insertSorted(std::move(entries));
    }

private:
    EntryOrdinal m_first;
    std::vector<std::optional<QString>> m_values;
    size_t m_count = 0;
};

} // namespace

Result<> LanguageStore::LoadLanguage(const QString &displayName, ValueMap &values,
                                     KeySet &extraKeys) const
{
    const Result<QString> path = languageFilePath(displayName);
    if (!path)
        return ResultError(path.error());
    const ProfileFile file(*path);
    if (Result<> read = file.wasRead(); !read)
        return read;

    // The first line of a key wins; a line that is not valid text counts as
    // empty, so its key is no extra key either.
    LoadedValues loaded(m_referenceKeys);
    LanguageLineReader(file, m_utf8Mode).read([&](const LineKey &key, LineValue &value) {
        const std::optional<EntryOrdinal> ordinal
            = key.isAscii() ? m_referenceKeys.find(key.ascii) : m_referenceKeys.find(key.text);
        if (ordinal && loaded.contains(*ordinal))
            return;
        QString extraKey = ordinal ? QString() : key.toString(); // before the line is taken
        std::optional<QString> text = value.take();
        if (!text)
            return;
        if (ordinal)
            loaded.insert(*ordinal, std::move(*text));
        else
            extraKeys.insert(std::move(extraKey));
    });
    loaded.moveInto(values);
    return ResultOk;
}

Result<QString> LanguageStore::languageFilePath(const QString &name) const
{
    if (m_languageFolder.isEmpty())
        return ResultError(u"The language folder has not been opened."_s);
    if (name.isEmpty() || !LanguageCatalogue::isSafeFileName(name))
        return ResultError(u"\"%1\" is not a valid language file name."_s.arg(name));
    return QString(m_languageFolder + u'/' + name + u".ini"_s);
}
