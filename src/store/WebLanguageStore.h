#pragma once

#include "EntryOrdinal.h"
#include "WebItem.h"
#include "platform/Result.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <map>

namespace tinyxml2 {
class XMLElement;
}
class LanguageCatalogue;
class XmlPathDocument;

// The web interface's language files: an English set of XML files under
// <web folder>/en-us defines the web items, and every other language has a
// folder named by its key name holding the same file tree with its own texts.
//
// Open scans the English set once and numbers every item from
// FirstWebOrdinal upward, file by file in document order, so the items of one
// file have consecutive ordinals and each operation loads and saves a file
// once. Files are addressed by absolute paths; the working directory is never
// changed. Key names that could name a folder outside the web folder are
// refused.
class WebLanguageStore
{
public:
    using ItemMap = std::map<EntryOrdinal, WebItem>;

    // The catalogue gives the index codes of created languages; it must
    // outlive the store.
    explicit WebLanguageStore(const LanguageCatalogue &catalogue);

    // Takes both folders relative to the working directory (or absolute),
    // lists the English files and reads their items. A failure when the
    // language folder, the web folder or its "en-us" folder is missing.
    Result<> Open(const QString &webFolder, const QString &languageFolder);

    // Adds the ".xml" files (extension case-sensitive) under folder, a path
    // relative to the English folder such as ".", to fileList(). Entries are
    // taken in case-insensitive name order and subfolders where they are met;
    // folders with a "." in their name are skipped.
    void ScanFolder(const QString &folder);

    // Numbers the items of one English file. A file that cannot be loaded
    // contributes none.
    void ReadItems(int fileNumber);

    // Adds every item's id under its ordinal; present ordinals are kept.
    void AddWebKeys(AttributeMap &attributes) const;

    // Adds the language's text of every web item, blanks trimmed, empty for a
    // missing file or item; present ordinals are kept. A failure, values
    // unchanged, when the language has no web folder.
    Result<> LoadWebValues(const QString &keyName, ValueMap &values) const;

    // Stores the web values of values (ordinals from FirstWebOrdinal) in the
    // language's files, each touched file rewritten once; an item missing from
    // a file is appended to its items. A file that is missing or does not parse
    // is left alone. A failure when the folder is missing, or when any file
    // could not be loaded, any value not be stored or any file not be saved;
    // every other file is written all the same, and the first failure told.
    Result<> WriteWebValues(const QString &keyName, const ValueMap &values) const;

    // Makes the language's folder with a copy of the English file tree whose
    // items have empty texts, replacing files at those paths, and records the
    // language in the index when the catalogue knows its code. A failure when
    // the folder, a file or the index line cannot be written; the others are
    // written all the same, and the first failure told.
    Result<> CreateWebLanguage(const QString &keyName) const;

    // An item's value as loaded: its text, blanks trimmed; empty for nullptr,
    // an item without text or one that is not UTF-8.
    static QString ItemText(const tinyxml2::XMLElement *item);

    // A new item with that id and an empty text, appended to the document's
    // items element; nullptr when there is none.
    static tinyxml2::XMLElement *CreateItem(XmlPathDocument &document, const QByteArray &id);

    QString webFolder() const { return m_webFolder; }
    QString indexPath() const { return m_indexPath; }
    // Paths relative to a language folder, "./a.xml", "./sub/b.xml", by file number.
    const QStringList &fileList() const { return m_fileList; }
    const ItemMap &webItems() const { return m_webItems; }

private:
    // enclosing: canonical paths of the folders being scanned.
    void scanFolder(const QString &folder, QSet<QString> &enclosing);
    // The absolute folder of a language, or why the key name can have none.
    Result<QString> languageFolder(const QString &keyName) const;
    // The same folder when it exists.
    Result<QString> existingLanguageFolder(const QString &keyName) const;
    std::string filePath(const QString &folder, int fileNumber) const;

    const LanguageCatalogue &m_catalogue;
    QString m_webFolder;
    QString m_indexPath;
    QStringList m_fileList;
    ItemMap m_webItems;
};
