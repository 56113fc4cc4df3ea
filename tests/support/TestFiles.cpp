#include "TestFiles.h"

#include <QDir>
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
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::WriteOwner
                                    | QFileDevice::WriteUser);
}

void copyTree(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    const QDir source(from);
    const QFileInfoList entries =
        source.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QFileInfo &entry : entries) {
        const QString target = QDir(to).filePath(entry.fileName());
        if (entry.isDir())
            copyTree(entry.filePath(), target);
        else
            QVERIFY2(QFile::copy(entry.filePath(), target), qPrintable(target));
        QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner);
    }
}

QString demoInstallation()
{
    return QStringLiteral(LEXIVO_DEMO_DIR "/installation");
}

} // namespace TestFiles
