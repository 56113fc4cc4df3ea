#include "WebLanguageStore.h"

#include "WebItemIndex.h"

#include "config/LanguageCatalogue.h"
#include "config/LanguageIndex.h"
#include "platform/ProfileFile.h"
#include "platform/TextCodec.h"
#include "xml/XmlPathDocument.h"

#include <QDir>
#include <QFileInfo>

using namespace tinyxml2;

namespace {

// Web values lose blanks (U+0020 only) at both ends, when read and when written.
QString trimBlanks(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == u' ')
        ++begin;
    while (end > begin && text.at(end - 1) == u' ')
        --end;
    return text.sliced(begin, end - begin);
}

// Sets the text of the item with that id, appending the item when the file
// lacks it. False when the file has no items element to take it.
bool storeValue(XmlPathDocument &document, WebItemIndex &index, const QByteArray &id,
                const QString &value)
{
    XMLElement *item = index.find(id);
    if (!item) {
        item = WebLanguageStore::CreateItem(document, id);
        if (!item)
            return false;
        index.add(id, item);
    }
    const QByteArray text = trimBlanks(value).toUtf8();
    XMLText *textNode = item->FirstChild() ? item->FirstChild()->ToText() : nullptr;
    if (textNode) {
        textNode->SetValue(text.constData());
        textNode->SetCData(false);
    } else {
        // An item starting with markup keeps it; the value goes in front,
        // where it is read back from.
        item->InsertFirstChild(document.NewText(text.constData()));
    }
    return true;
}

} // namespace

QString WebLanguageStore::ItemText(const XMLElement *item)
{
    return trimBlanks(decodeUtf8OrEmpty(XmlPathDocument::ElementText(item)));
}

bool WebLanguageStore::LoadWebValues(const QString &keyName, ValueMap &values) const
{
    const QString folder = languageFolder(keyName);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return false;

    XmlPathDocument document;
    WebItemIndex index;
    int loadedFile = -1;
    for (const auto &[ordinal, item] : m_webItems) {
        if (item.fileNumber != loadedFile) {
            loadedFile = item.fileNumber;
            const bool loaded = document.Load(filePath(folder, loadedFile));
            index = loaded ? WebItemIndex(document) : WebItemIndex();
        }
        values.emplace(ordinal, ItemText(index.find(item.id)));
    }
    return true;
}

bool WebLanguageStore::WriteWebValues(const QString &keyName, const ValueMap &values) const
{
    const QString folder = languageFolder(keyName);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return false;

    bool ok = true;
    XmlPathDocument document;
    WebItemIndex index;
    int loadedFile = -1;
    bool loaded = false;
    for (auto entry = values.lower_bound(FirstWebOrdinal); entry != values.end(); ++entry) {
        const auto item = m_webItems.find(entry->first);
        if (item == m_webItems.end())
            continue;
        if (item->second.fileNumber != loadedFile) {
            if (loaded)
                ok = document.Save() && ok;
            loadedFile = item->second.fileNumber;
            // A missing or damaged file stays as it is: saving what could be
            // built here would throw away the texts it holds.
            loaded = document.Load(filePath(folder, loadedFile));
            ok = loaded && ok;
            index = loaded ? WebItemIndex(document) : WebItemIndex();
        }
        if (loaded)
            ok = storeValue(document, index, item->second.id, entry->second) && ok;
    }
    if (loaded)
        ok = document.Save() && ok;
    return ok;
}

bool WebLanguageStore::CreateWebLanguage(const QString &keyName) const
{
    const QString folder = languageFolder(keyName);
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return false;

    bool ok = true;
    for (auto entry = m_webItems.cbegin(); entry != m_webItems.cend();) {
        const int fileNumber = entry->second.fileNumber;
        // What loading a file holding only a byte-order mark gives: no nodes,
        // the mark noted, so the file is written without a declaration.
        XmlPathDocument document;
        document.Clear();
        document.SetBOM(true);
        XMLElement *items = document.CreatePathUnderRoot("languageInfo/items", std::string());
        for (; entry != m_webItems.cend() && entry->second.fileNumber == fileNumber; ++entry) {
            XMLElement *item = document.CreatePath("item", std::string(), items);
            item->SetAttribute("id", entry->second.id.constData());
        }
        const std::string path = filePath(folder, fileNumber);
        const QString parent = QFileInfo(QString::fromStdString(path)).absolutePath();
        ok = QDir().mkpath(parent) && document.Save(path) && ok;
    }

    const QString code = m_catalogue.CodeByKey(keyName);
    if (!code.isEmpty()) {
        ok = Profile::writeString(m_indexPath, LanguageIndex::WebLanguagesSection, code, keyName)
             && ok;
    }
    return ok;
}
