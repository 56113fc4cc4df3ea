#pragma once

#include "TestFiles.h"
#include "store/LanguageStore.h"

#include <QMap>
#include <QTemporaryDir>

// A temporary "language" folder holding the reference file, and a store
// opened on it. Ordinals are counted relative to the store's first one,
// since the process-wide counter has moved on with every earlier store.
class LanguageFolder
{
public:
    explicit LanguageFolder(const QByteArray &reference)
    {
        TestFiles::write(filePath(LanguageStore::ReferenceName + QStringLiteral(".ini")),
                         reference);
    }

    QString folder() const { return m_dir.filePath(QStringLiteral("language")); }
    QString filePath(const QString &fileName) const { return folder() + u'/' + fileName; }
    QString iniPath(const QString &name) const { return filePath(name + QStringLiteral(".ini")); }

    // Writes the language file name + ".ini" when bytes is not null (null: no file).
    void writeLanguage(const QString &name, const QByteArray &bytes) const
    {
        if (!bytes.isNull())
            TestFiles::write(iniPath(name), bytes);
    }

    // Opens store on the folder; true when it holds at least one reference key.
    bool open(LanguageStore &store, bool utf8Mode) const
    {
        store.setUtf8Mode(utf8Mode);
        return store.Open(folder()) && !store.ReferenceKeyTable().empty();
    }

private:
    QTemporaryDir m_dir;
};

using RelativeValues = QMap<int, QString>; // ordinal - first ordinal -> value

inline EntryOrdinal firstOrdinal(const LanguageStore &store)
{
    return store.ReferenceKeyTable().begin()->first;
}

inline RelativeValues relativeValues(const LanguageStore &store, const ValueMap &values)
{
    RelativeValues relative;
    for (const auto &[ordinal, value] : values)
        relative.insert(int(ordinal - firstOrdinal(store)), value);
    return relative;
}

inline ValueMap absoluteValues(const LanguageStore &store, const RelativeValues &relative)
{
    ValueMap values;
    for (auto it = relative.cbegin(); it != relative.cend(); ++it)
        values.emplace(firstOrdinal(store) + EntryOrdinal(it.key()), it.value());
    return values;
}
