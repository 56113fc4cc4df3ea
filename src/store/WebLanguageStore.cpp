#include "WebLanguageStore.h"

#include "WebItemWalk.h"
#include "config/LanguageCatalogue.h"
#include "config/LanguageIndex.h"
#include "xml/XmlPathDocument.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

using namespace Qt::StringLiterals;
using namespace tinyxml2;

namespace {

const auto EnglishFolder = u"en-us"_s;

// Folder entries in the order NTFS lists them: names compared in upper case
// code unit by code unit; names equal that way (possible on other file
// systems only) fall back to exact order so the numbering stays stable.
QFileInfoList sortedEntries(const QString &folder)
{
    QFileInfoList entries = QDir(folder).entryInfoList(
        QDir::Dirs | QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Unsorted);
    std::sort(entries.begin(), entries.end(), [](const QFileInfo &a, const QFileInfo &b) {
        const int order = a.fileName().toUpper().compare(b.fileName().toUpper());
        return order != 0 ? order < 0 : a.fileName() < b.fileName();
    });
    return entries;
}

} // namespace

WebLanguageStore::WebLanguageStore(const LanguageCatalogue &catalogue)
    : m_catalogue(catalogue)
{
}

Result<> WebLanguageStore::Open(const QString &webFolder, const QString &languageFolder)
{
    m_webFolder.clear();
    m_indexPath.clear();
    m_fileList.clear();
    m_webItems.clear();

    const auto missing = [](const QFileInfo &folder) {
        return ResultError(u"The folder \"%1\" does not exist."_s.arg(
            QDir::toNativeSeparators(folder.absoluteFilePath())));
    };
    const QFileInfo language(languageFolder);
    if (!language.isDir())
        return missing(language);
    m_indexPath = language.absoluteFilePath() + u'/' + LanguageIndex::FileName;

    const QFileInfo web(webFolder);
    if (!web.isDir())
        return missing(web);
    m_webFolder = web.absoluteFilePath();
    const QFileInfo english(m_webFolder + u'/' + EnglishFolder);
    if (!english.isDir())
        return missing(english);

    ScanFolder(u"."_s);
    for (int fileNumber = 0; fileNumber < m_fileList.size(); ++fileNumber)
        ReadItems(fileNumber);
    return ResultOk;
}

void WebLanguageStore::ScanFolder(const QString &folder)
{
    QSet<QString> enclosing;
    scanFolder(folder, enclosing);
}

void WebLanguageStore::scanFolder(const QString &folder, QSet<QString> &enclosing)
{
    const QString absolute = m_webFolder + u'/' + EnglishFolder + u'/' + folder;
    // A link back to an enclosing folder would otherwise be scanned forever.
    const QString canonical = QFileInfo(absolute).canonicalFilePath();
    if (canonical.isEmpty() || enclosing.contains(canonical))
        return;
    enclosing.insert(canonical);

    for (const QFileInfo &entry : sortedEntries(absolute)) {
        const QString name = entry.fileName();
        const QString path = folder + u'/' + name;
        if (entry.isDir()) {
            if (!name.contains(u'.'))
                scanFolder(path, enclosing);
        } else if (name.endsWith(u".xml")) {
            m_fileList.append(path);
        }
    }
    enclosing.remove(canonical);
}

void WebLanguageStore::ReadItems(int fileNumber)
{
    if (fileNumber < 0 || fileNumber >= m_fileList.size())
        return;
    XmlPathDocument document;
    if (!document.Load(filePath(m_webFolder + u'/' + EnglishFolder, fileNumber)))
        return;
    for (XMLElement *item = WebItemWalk::first(document); item; item = WebItemWalk::next(item))
        m_webItems.emplace(takeWebOrdinal(), WebItem { item->Attribute("id"), fileNumber });
}

void WebLanguageStore::AddWebKeys(AttributeMap &attributes) const
{
    for (const auto &[ordinal, item] : m_webItems)
        attributes.emplace(ordinal, QString::fromUtf8(item.id));
}

XMLElement *WebLanguageStore::CreateItem(XmlPathDocument &document, const QByteArray &id)
{
    XMLElement *items = document.FindElement("languageInfo/items");
    if (!items)
        return nullptr;
    XMLElement *item = document.CreatePath("item", std::string(), items);
    item->SetAttribute("id", id.constData());
    return item;
}

Result<QString> WebLanguageStore::languageFolder(const QString &keyName) const
{
    if (m_webFolder.isEmpty())
        return ResultError(u"The web folder has not been opened."_s);
    if (keyName.isEmpty() || !LanguageCatalogue::isSafeFileName(keyName))
        return ResultError(u"\"%1\" is not a valid web language folder name."_s.arg(keyName));
    return QString(m_webFolder + u'/' + keyName);
}

Result<QString> WebLanguageStore::existingLanguageFolder(const QString &keyName) const
{
    Result<QString> folder = languageFolder(keyName);
    if (folder && !QFileInfo(*folder).isDir()) {
        return ResultError(
            u"The folder \"%1\" does not exist."_s.arg(QDir::toNativeSeparators(*folder)));
    }
    return folder;
}

std::string WebLanguageStore::filePath(const QString &folder, int fileNumber) const
{
    return QDir::cleanPath(folder + u'/' + m_fileList.at(fileNumber)).toStdString();
}
