#include "SyntheticWebTree.h"

#include "platform/SafeFileWriter.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace SyntheticWebTree {

namespace {

// File 0 at the top, file 1 one folder deep, file 2 two deep, and so on.
QString relativePath(int fileNumber)
{
    const QString name = u"page%1.xml"_s.arg(fileNumber, 2, 10, QLatin1Char('0'));
    switch (fileNumber % 3) {
    case 0:
        return name;
    case 1:
        return u"area%1/"_s.arg(fileNumber % 4) + name;
    default:
        return u"area%1/part%2/"_s.arg(fileNumber % 4).arg(fileNumber % 5) + name;
    }
}

QByteArray webFile(const QString &keyName, int firstItem, int endItem)
{
    QByteArray bytes = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<languageInfo>\n\t<items>\n";
    for (int index = firstItem; index < endItem; ++index) {
        bytes += "\t\t<item id=\"" + itemId(index) + "\">"
            + itemText(index, keyName).toUtf8().replace("&", "&amp;") + "</item>\n";
    }
    return bytes + "\t</items>\n</languageInfo>\n";
}

} // namespace

QString itemText(int index, const QString &keyName)
{
    return u"Text %1 of the web page in %2, \u4e2d\u6587 & more"_s.arg(index).arg(keyName);
}

QByteArray itemId(int index)
{
    return "webItem" + QByteArray::number(index);
}

bool write(const QString &webFolder, const QStringList &keyNames, int itemCount, int fileCount)
{
    QStringList languages = keyNames;
    languages.prepend(u"en-us"_s);
    for (const QString &keyName : std::as_const(languages)) {
        for (int fileNumber = 0; fileNumber < fileCount; ++fileNumber) {
            const QString path = webFolder + u'/' + keyName + u'/' + relativePath(fileNumber);
            const int first = itemCount * fileNumber / fileCount;
            const int end = itemCount * (fileNumber + 1) / fileCount;
            if (!QDir().mkpath(QFileInfo(path).absolutePath())
                || !writeFileSafely(path, webFile(keyName, first, end))) {
                return false;
            }
        }
    }
    return true;
}

} // namespace SyntheticWebTree
