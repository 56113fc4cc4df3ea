#include "WebItemIndex.h"
#include "WebLanguageStore.h"
#include "config/LanguageCatalogue.h"
#include "config/LanguageIndex.h"
#include "platform/ProfileFile.h"
#include "platform/SafeFileWriter.h"
#include "platform/SyncBatch.h"
#include "platform/TextCodec.h"
#include "xml/XmlPathDocument.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;
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
// lacks it. A failure when the file has no items element to take it.
Result<> storeValue(XmlPathDocument &document, WebItemIndex &index, const QByteArray &id,
                    const QString &value)
{
    XMLElement *item = index.find(id);
    if (!item) {
        item = WebLanguageStore::CreateItem(document, id);
        if (!item) {
            return ResultError(u"\"%1\" has no items element to take the item \"%2\"."_s.arg(
                QDir::toNativeSeparators(QString::fromStdString(document.loadedPath())),
                QString::fromUtf8(id)));
        }
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
    return ResultOk;
}

} // namespace

QString WebLanguageStore::ItemText(const XMLElement *item)
{
    return trimBlanks(decodeUtf8OrEmpty(XmlPathDocument::ElementText(item)));
}

Result<> WebLanguageStore::LoadWebValues(const QString &keyName, ValueMap &values) const
{
    const Result<QString> folder = existingLanguageFolder(keyName);
    if (!folder)
        return ResultError(folder.error());

    XmlPathDocument document;
    WebItemIndex index;
    int loadedFile = -1;
    for (const auto &[ordinal, item] : m_webItems) {
        if (item.fileNumber != loadedFile) {
            loadedFile = item.fileNumber;
            // The items of a file that cannot be loaded read as empty.
            const bool loaded = bool(document.Load(filePath(*folder, loadedFile)));
            index = loaded ? WebItemIndex(document) : WebItemIndex();
        }
        values.emplace(ordinal, ItemText(index.find(item.id)));
    }
    return ResultOk;
}

Result<> WebLanguageStore::WriteWebValues(const QString &keyName, const ValueMap &values) const
{
    const Result<QString> folder = existingLanguageFolder(keyName);
    if (!folder)
        return ResultError(folder.error());

    SyncBatch batch; // the files' folders are synced once
    Result<> outcome;
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
                outcome.keepFirstFailure(document.Save());
            loadedFile = item->second.fileNumber;
            // A missing or damaged file stays as it is: saving what could be
            // built here would throw away the texts it holds.
            Result<> load = document.Load(filePath(*folder, loadedFile));
            loaded = bool(load);
            outcome.keepFirstFailure(std::move(load));
            index = loaded ? WebItemIndex(document) : WebItemIndex();
        }
        if (loaded)
            outcome.keepFirstFailure(storeValue(document, index, item->second.id, entry->second));
    }
    if (loaded)
        outcome.keepFirstFailure(document.Save());
    outcome.keepFirstFailure(batch.finish());
    return outcome;
}

Result<> WebLanguageStore::CreateWebLanguage(const QString &keyName) const
{
    const Result<QString> folder = languageFolder(keyName);
    if (!folder)
        return ResultError(folder.error());
    SyncBatch batch; // every file is new: all are synced once, at the end
    if (Result<> made = makeFolders(*folder); !made)
        return made;

    Result<> outcome;
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
        const std::string path = filePath(*folder, fileNumber);
        const QString parent = QFileInfo(QString::fromStdString(path)).absolutePath();
        if (Result<> made = makeFolders(parent); !made)
            outcome.keepFirstFailure(std::move(made));
        else
            outcome.keepFirstFailure(document.Save(path));
    }

    const QString code = m_catalogue.CodeByKey(keyName);
    if (!code.isEmpty()) {
        outcome.keepFirstFailure(
            Profile::writeString(m_indexPath, LanguageIndex::WebLanguagesSection, code, keyName));
    }
    outcome.keepFirstFailure(batch.finish());
    return outcome;
}
