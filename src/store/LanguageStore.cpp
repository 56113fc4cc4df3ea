#include "LanguageStore.h"

#include "config/LanguageCatalogue.h"
#include "config/LanguageIndex.h"
#include "platform/ProfileCodec.h"
#include "platform/ProfileFile.h"
#include "platform/TextCodec.h"

#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <vector>

using namespace Qt::StringLiterals;

const QString LanguageStore::ReferenceName = u"English (United States)"_s;
const QString LanguageStore::TextSection = u"text"_s;
const QByteArray LanguageStore::NarrowTextSection = TextSection.toUtf8();

LanguageStore::LanguageStore(const LanguageCatalogue &catalogue)
    : m_catalogue(catalogue)
{
}

Result<> LanguageStore::Open(const QString &folder)
{
    const QDir dir(folder);
    if (folder.isEmpty() || !dir.exists()) {
        return ResultError(u"The language folder \"%1\" does not exist."_s.arg(
            QDir::toNativeSeparators(folder)));
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

    AttributeMap referenceKeys;
    QHash<QString, EntryOrdinal> ordinalByKey;
    // The reference keys are ASCII, so the wide read serves both modes.
    for (const QString &line : file.sectionLines(TextSection)) {
        const QString key = LanguageIndex::entryKey(line).toUpper();
        if (key.isEmpty())
            continue;
        const EntryOrdinal ordinal = takeReferenceOrdinal();
        referenceKeys.emplace(ordinal, key);
        if (!ordinalByKey.contains(key)) // the lowest ordinal of a repeated key matches
            ordinalByKey.insert(key, ordinal);
    }
    m_referenceKeys = std::move(referenceKeys);
    m_ordinalByKey = std::move(ordinalByKey);
    m_referenceKeysUtf8.clear();
    m_asciiKeys.clear();
    for (const auto &[ordinal, key] : m_referenceKeys) {
        m_referenceKeysUtf8.push_back(key.toUtf8());
        if (QtPrivate::isAscii(key))
            m_asciiKeys.insert(m_referenceKeysUtf8.back(), ordinal);
    }
    return ResultOk;
}

namespace {

qsizetype indexOf(QByteArrayView text, char c, qsizetype from)
{
    return findByte(text, c, from);
}

qsizetype indexOf(QStringView text, char16_t c, qsizetype from)
{
    return text.indexOf(c, from);
}

// The last c in text, given the first at first. Values seldom hold a second
// "=", so searching forward from the first beats scanning the line backwards.
template<typename View, typename Char>
qsizetype lastOf(View text, Char c, qsizetype first)
{
    for (qsizetype next = indexOf(text, c, first + 1); next >= 0;
         next = indexOf(text, c, first + 1))
        first = next;
    return first;
}

// The values of one load, held by position in the reference table and moved
// into the caller's map in ordinal order at the end, in one pass.
class LoadedValues
{
public:
    explicit LoadedValues(const AttributeMap &referenceKeys)
        : m_first(referenceKeys.empty() ? 0 : referenceKeys.begin()->first)
        , m_values(referenceKeys.empty() ? 0 : referenceKeys.rbegin()->first - m_first + 1)
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

// Decodes the key parts of UTF-8 lines into one reused buffer, so that
// looking a key up allocates nothing.
class KeyDecoder
{
public:
    // A strict decoder fails on bytes that are not UTF-8, a lenient one
    // replaces them.
    explicit KeyDecoder(bool strict)
        : m_strict(strict)
    {
    }

    // The text of bytes, valid until the next call; nothing when strict and
    // the bytes are not valid UTF-8.
    std::optional<QStringView> decode(QByteArrayView bytes)
    {
        m_decoder.resetState();
        m_buffer.resize(std::max(m_buffer.size(), m_decoder.requiredSpace(bytes.size())));
        const QChar *end = m_decoder.appendToBuffer(m_buffer.data(), bytes);
        if (m_strict && m_decoder.hasError())
            return std::nullopt;
        return QStringView(m_buffer.constData(), end);
    }

private:
    bool m_strict;
    QStringDecoder m_decoder { QStringDecoder::Utf8,
                               QStringDecoder::Flag::Stateless
                                   | QStringDecoder::Flag::ConvertInitialBom };
    QString m_buffer;
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

    LoadedValues loaded(m_referenceKeys);
    // valueOfLine() gives nothing for a line that is not valid text, which
    // then counts as empty. The first line of a key wins.
    // ordinal is the key's reference ordinal, or nothing for a key the
    // reference lacks; keyText gives the key as written.
    const auto addEntryOf = [&](std::optional<EntryOrdinal> ordinal, const auto &keyText,
                                const auto &valueOfLine) {
        if (ordinal && loaded.contains(*ordinal))
            return;
        // Taken first: the value may be made from the line's own buffer.
        QString extraKey = ordinal ? QString() : keyText();
        std::optional<QString> value = valueOfLine();
        if (!value)
            return;
        if (ordinal)
            loaded.insert(*ordinal, std::move(*value));
        else
            extraKeys.insert(std::move(extraKey));
    };
    const auto addEntry = [&](QStringView key, const auto &valueOfLine) {
        if (!key.isEmpty())
            addEntryOf(ordinalOfKey(key), [key] { return key.toString(); }, valueOfLine);
    };

    // The key is the text before the last "=". In UTF-8 mode the value is the
    // text after the first one, blanks kept, so a value may itself hold "=",
    // and a line that is not UTF-8 is skipped; in wide mode it is the text
    // after the last one, trimmed, and bytes that are not UTF-8 are replaced.
    // As "=" is a single byte that no UTF-8 sequence holds, a UTF-8 line is
    // taken apart as bytes, and only the value, and a key that is not ASCII,
    // are decoded.
    if (m_utf8Mode || file.holdsUtf8()) {
        KeyDecoder keyDecoder(m_utf8Mode);
        file.visitSectionLinesNarrow(NarrowTextSection, [&](QByteArrayView line) {
            const qsizetype firstEquals = findByte(line, '=', 0);
            if (firstEquals < 0)
                return;
            const qsizetype lastEquals = lastOf(line, '=', firstEquals);
            const auto valueOfLine = [&] {
                if (m_utf8Mode)
                    return decodeUtf8Strict(line.sliced(firstEquals + 1));
                return std::optional(decodeUtf8Trimmed(line.sliced(lastEquals + 1)));
            };
            // An ASCII key trimmed as bytes is trimmed as text.
            const QByteArrayView keyBytes = line.first(lastEquals).trimmed();
            if (const auto found = m_asciiKeys.find(keyBytes); found.ascii) {
                if (!keyBytes.isEmpty())
                    addEntryOf(found.ordinal, [keyBytes] { return QString::fromLatin1(keyBytes); },
                               valueOfLine);
            } else if (const auto keyPart = keyDecoder.decode(line.first(lastEquals)))
                addEntry(keyPart->trimmed(), valueOfLine);
        });
    } else { // a UTF-16 file in wide mode: lines are read as they are
        file.visitSectionLines(TextSection, [&](QString &&line) {
            const qsizetype firstEquals = line.indexOf(u'=');
            if (firstEquals < 0)
                return;
            const qsizetype lastEquals = lastOf(QStringView(line), u'=', firstEquals);
            addEntry(QStringView(line).first(lastEquals).trimmed(), [&] {
                // The line's own buffer becomes the value.
                QString value = std::move(line);
                value.remove(0, lastEquals + 1);
                return std::optional(std::move(value).trimmed());
            });
        });
    }
    loaded.moveInto(values);
    return ResultOk;
}

std::optional<EntryOrdinal> LanguageStore::ordinalOfKey(QStringView key) const
{
    if (const auto found = m_asciiKeys.find(key); found.ascii)
        return found.ordinal;
    // Keys are upper case in practice: those are found as they are, through
    // raw data, sparing a copy and the Unicode case mapping per line.
    const QString rawKey = QString::fromRawData(key.data(), key.size());
    auto it = m_ordinalByKey.constFind(rawKey);
    if (it == m_ordinalByKey.constEnd()) {
        const QString upper = rawKey.toUpper();
        if (upper == rawKey)
            return std::nullopt;
        it = m_ordinalByKey.constFind(upper);
        if (it == m_ordinalByKey.constEnd())
            return std::nullopt;
    }
    return *it;
}

Result<QString> LanguageStore::languageFilePath(const QString &name) const
{
    if (m_languageFolder.isEmpty())
        return ResultError(u"The language folder has not been opened."_s);
    if (name.isEmpty() || !LanguageCatalogue::isSafeFileName(name))
        return ResultError(u"\"%1\" is not a valid language file name."_s.arg(name));
    return QString(m_languageFolder + u'/' + name + u".ini"_s);
}
