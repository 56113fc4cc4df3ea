#include "TestFiles.h"

#include "platform/FolderCopy.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTest>

namespace TestFiles {

QByteArray read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QByteArray utf16File(QStringView text)
{
    QByteArray bytes = "\xFF\xFE";
    for (const QChar c : text)
        bytes.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
    return bytes;
}

void write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    QCOMPARE(file.write(bytes), bytes.size());
}

void makeReadOnly(const QString &path)
{
    constexpr auto writeBits = QFileDevice::WriteOwner | QFileDevice::WriteUser
        | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    QFile::setPermissions(path, QFile::permissions(path) & ~writeBits);
}

void makeWritable(const QString &path)
{
    QFile::setPermissions(
        path, QFile::permissions(path) | QFileDevice::WriteOwner | QFileDevice::WriteUser);
}

QMap<QString, QByteArray> snapshot(const QString &root)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(root).relativeFilePath(path), read(path));
    }
    return files;
}

QStringList changedFiles(const QMap<QString, QByteArray> &before, const QString &root)
{
    const QMap<QString, QByteArray> after = snapshot(root);
    QStringList changed;
    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        if (!before.contains(it.key()) || before.value(it.key()) != it.value())
            changed.append(it.key());
    }
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (!after.contains(it.key()))
            changed.append(it.key());
    }
    return changed;
}

void copyTree(const QString &from, const QString &to)
{
    QVERIFY2(copyFolderTree(from, to), qPrintable(to));
}

QString demoInstallation()
{
    return QStringLiteral(LEXIVO_DEMO_DIR "/installation");
}

} // namespace TestFiles
