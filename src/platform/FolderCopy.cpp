#include "FolderCopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

bool copyFolderTree(const QString &from, const QString &to)
{
    if (!QDir().mkpath(to))
        return false;
    const QFileInfoList entries
        = QDir(from).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QFileInfo &entry : entries) {
        const QString target = QDir(to).filePath(entry.fileName());
        if (entry.isDir() ? !copyFolderTree(entry.filePath(), target)
                          : !QFile::copy(entry.filePath(), target))
            return false;
        QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner);
    }
    return true;
}
