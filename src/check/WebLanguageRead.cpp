#include "WebLanguageRead.h"

#include "config/LanguageCatalogue.h"
#include "store/WebItemIndex.h"
#include "store/WebLanguageStore.h"
#include "xml/XmlPathDocument.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

using namespace Qt::StringLiterals;
using namespace tinyxml2;

namespace {

QString problemOf(const XmlPathDocument &document)
{
    switch (document.ErrorID()) {
    case XML_SUCCESS:
    case XML_ERROR_EMPTY_DOCUMENT:
        return u"it is empty"_s;
    case XML_ERROR_FILE_NOT_FOUND:
    case XML_ERROR_FILE_COULD_NOT_BE_OPENED:
    case XML_ERROR_FILE_READ_ERROR:
        return u"it cannot be opened"_s;
    default:
        return u"it is not well-formed XML (%1)"_s.arg(QString::fromLatin1(document.ErrorName()));
    }
}

} // namespace

WebFileRead readWebFile(XmlPathDocument &document, const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    // Anything but a plain file (a pipe would never end) is not opened.
    if (!info.isFile())
        return { WebFileRead::State::Unreadable, u"it is not a file"_s, 1 };
    if (!document.Load(path.toStdString())) {
        const int line = std::max(1, document.ErrorLineNum());
        return { WebFileRead::State::Unreadable, problemOf(document), line };
    }
    XMLElement *items = document.FindElement("languageInfo/items");
    const XMLElement *anchor = items ? items : document.RootElement();
    return { WebFileRead::State::Read, {}, anchor ? std::max(1, anchor->GetLineNum()) : 1 };
}

WebLanguageRead readWebLanguage(const WebLanguageStore &store, const QString &keyName)
{
    WebLanguageRead read;
    read.items.resize(store.webItems().size());
    const QString folder = store.webFolder() + u'/' + keyName;
    read.folderExists = !store.webFolder().isEmpty() && LanguageCatalogue::isSafeFileName(keyName)
        && QFileInfo(folder).isDir();
    if (!read.folderExists)
        return read;

    read.files.resize(store.fileList().size());
    XmlPathDocument document;
    WebItemIndex index;
    int loadedFile = -1;
    size_t position = 0;
    for (const auto &[ordinal, item] : store.webItems()) {
        if (item.fileNumber != loadedFile) {
            loadedFile = item.fileNumber;
            const QString path = QDir::cleanPath(folder + u'/' + store.fileList().at(loadedFile));
            read.files[loadedFile] = readWebFile(document, path);
            const bool loaded = read.files[loadedFile].state == WebFileRead::State::Read;
            index = loaded ? WebItemIndex(document) : WebItemIndex();
        }
        if (const XMLElement *element = index.find(item.id))
            read.items[position]
                = { true, element->GetLineNum(), WebLanguageStore::ItemText(element) };
        ++position;
    }
    return read;
}

QString webFileName(const WebLanguageStore &store, const QString &keyName, int fileNumber)
{
    const QString relative = QDir::cleanPath(store.fileList().at(fileNumber));
    return u"Web/LanguageInfo/"_s + keyName + u'/' + relative;
}
