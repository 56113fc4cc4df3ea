#include "SafeFileWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// Root may write anything, so the owner's write bit is what marks a file or
// folder read-only for Lexivo, as the read-only attribute does on Windows.
bool hasWriteAccess(const QFileInfo &info)
{
    return info.isWritable() && info.permissions().testFlag(QFileDevice::WriteOwner);
}

ResultError describeFailure(const QString &path, const QString &reason)
{
    return ResultError(QStringLiteral("\"%1\" could not be written: %2")
                           .arg(QDir::toNativeSeparators(path), reason));
}

} // namespace

// The new content is renamed over the target, so the folder must be writable
// even when the target already exists.
bool isFileWritable(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo target(path);
    if (target.exists() && (target.isDir() || !hasWriteAccess(target)))
        return false;
    const QFileInfo folder(target.absolutePath());
    return folder.isDir() && hasWriteAccess(folder);
}

Result<> writeFileSafely(const QString &path, const QByteArray &contents)
{
    auto fail = [&](const QString &reason) { return describeFailure(path, reason); };

    const QFileInfo target(path);
    if (path.isEmpty())
        return fail(QStringLiteral("no file name was given."));
    if (target.isDir())
        return fail(QStringLiteral("a folder of that name is in the way."));
    const QFileInfo folder(target.absolutePath());
    if (!folder.isDir())
        return fail(QStringLiteral("its folder does not exist."));
    if (target.exists() && !hasWriteAccess(target))
        return fail(QStringLiteral("the file is read-only."));
    if (!hasWriteAccess(folder))
        return fail(QStringLiteral("its folder is read-only."));

    // Unbuffered: commit() flushes a buffer without reporting a failure, which
    // put an empty or cut file in the target's place on a full disk.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(file.errorString());
    // A short write says nothing about the cause; the next write fails with it.
    for (qint64 written = 0; written < contents.size();) {
        const qint64 count = file.write(contents.constData() + written, contents.size() - written);
        if (count <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return fail(reason);
        }
        written += count;
    }
    if (!file.commit())
        return fail(file.errorString());
    return ResultOk;
}
