#pragma once

#include <QString>

#include <vector>

class WebLanguageStore;
class XmlPathDocument;

// One language's web files as the checker sees them: each file's state and
// each English item's value and line. Values are read as
// WebLanguageStore::LoadWebValues reads them; only reading, never writing.
struct WebFileRead
{
    enum class State { Read, Missing, Unreadable };

    State state = State::Missing;
    QString problem; // why an unreadable file could not be read
    // Unreadable: the line of the parse error; Read: the line of the items
    // element, where a missing item would go.
    int line = 1;
};

struct WebItemRead
{
    bool found = false;
    int line = 1;
    QString value;
};

struct WebLanguageRead
{
    bool folderExists = false;
    std::vector<WebFileRead> files; // by file number
    std::vector<WebItemRead> items; // in the order of the store's webItems()
};

// Files that hold no English item are not read: they cannot lose a value.
WebLanguageRead readWebLanguage(const WebLanguageStore &store, const QString &keyName);

// Loads one web file into document.
WebFileRead readWebFile(XmlPathDocument &document, const QString &path);

// The path of a language's web file below the web folder's parent's parent,
// the installation: "Web/LanguageInfo/<key name>/sub/b.xml".
QString webFileName(const WebLanguageStore &store, const QString &keyName, int fileNumber);
