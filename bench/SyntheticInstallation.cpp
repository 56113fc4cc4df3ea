#include "SyntheticInstallation.h"

#include "SyntheticLanguageFiles.h"
#include "SyntheticWebTree.h"
#include "config/LanguageCatalogue.h"
#include "config/LanguageIndex.h"
#include "platform/SafeFileWriter.h"

#include <QDir>
#include <QDirIterator>

using namespace Qt::StringLiterals;

namespace SyntheticInstallation {

bool write(const QString &folder, const LanguageCatalogue &catalogue, const Size &size)
{
    const QString languageFolder = folder + u"/language"_s;
    if (!QDir().mkpath(languageFolder))
        return false;
    QByteArray languages = "[languages]\n";
    QByteArray webLanguages = "[xmllanguages]\n";
    QStringList keyNames;
    for (int row = 0; row < size.languageCount && row < catalogue.count(); ++row) {
        const QString name = catalogue.NameAt(row);
        const QByteArray bytes = row == 1
            ? SyntheticLanguageFiles::referenceFile(size.referenceKeys)
            : SyntheticLanguageFiles::languageFile(size.referenceKeys, row);
        if (!writeFileSafely(languageFolder + u'/' + name + u".ini"_s, bytes))
            return false;
        languages += catalogue.CodeAt(row).toUtf8() + '=' + name.toUtf8() + '\n';
        webLanguages += catalogue.CodeAt(row).toUtf8() + '=' + catalogue.KeyAt(row).toUtf8() + '\n';
        if (row != 1)
            keyNames.append(catalogue.KeyAt(row));
    }
    return writeFileSafely(languageFolder + u'/' + LanguageIndex::FileName,
                           languages + webLanguages)
        && SyntheticWebTree::write(folder + u"/Web/LanguageInfo"_s, keyNames, size.webItems,
                                   size.webFiles);
}

QByteArray lengthLimits(int referenceKeys, int webItems)
{
    QByteArray bytes = "[text]\n";
    for (int index = 0; index < referenceKeys; ++index) {
        bytes += SyntheticLanguageFiles::key(index).toUtf8() + '='
            + SyntheticLanguageFiles::referenceValue(index).toUtf8().replace('=', '-') + '\n';
    }
    for (int index = 0; index < webItems; ++index) {
        bytes += SyntheticWebTree::itemId(index) + '='
            + SyntheticWebTree::itemText(index, u"en-us"_s).toUtf8().replace('=', '-') + '\n';
    }
    return bytes;
}

QStringList languageFiles(const QString &folder, const QString &displayName, const QString &keyName)
{
    QStringList files { folder + u"/language/"_s + displayName + u".ini"_s };
    QDirIterator web(folder + u"/Web/LanguageInfo/"_s + keyName, { u"*.xml"_s }, QDir::Files,
                     QDirIterator::Subdirectories);
    while (web.hasNext())
        files.append(web.next());
    return files;
}

} // namespace SyntheticInstallation
