#include "FileSync.h"

#include <QFile>
#include <QString>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace FileSync {

namespace {

Result<> failure(int error)
{
    return ResultError(QString::fromLocal8Bit(std::strerror(error)));
}

#ifndef Q_OS_WIN
// EINVAL and ENOTSUP: a file system that has no sync, such as a pipe's.
Result<> checked(int status)
{
    if (status == 0 || errno == EINVAL || errno == ENOTSUP)
        return ResultOk;
    return failure(errno);
}
#endif

} // namespace

Result<> syncFile(QFileDevice &file)
{
#ifdef Q_OS_WIN
    return _commit(file.handle()) == 0 ? ResultOk : failure(errno);
#elif defined(Q_OS_LINUX)
    // The size is synced with the data; the file's times need not be.
    return checked(::fdatasync(file.handle()));
#else
    return checked(::fsync(file.handle()));
#endif
}

Result<> writeOut(QFileDevice &file)
{
#ifdef Q_OS_LINUX
    return checked(::sync_file_range(file.handle(), 0, 0,
                                     SYNC_FILE_RANGE_WAIT_BEFORE | SYNC_FILE_RANGE_WRITE
                                         | SYNC_FILE_RANGE_WAIT_AFTER));
#else
    return syncFile(file);
#endif
}

Result<> syncPath(const QString &path)
{
    QFile file(path);
#ifdef Q_OS_WIN
    // Windows flushes only a file opened for writing.
    const QIODevice::OpenMode mode = QIODevice::ReadWrite | QIODevice::ExistingOnly;
#else
    const QIODevice::OpenMode mode = QIODevice::ReadOnly;
#endif
    if (!file.open(mode))
        return ResultError(file.errorString());
    return syncFile(file);
}

#ifndef Q_OS_WIN
namespace {

// What sync does with the open folder.
Result<> withFolder(const QString &folder, int (*sync)(int))
{
    const int descriptor
        = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return failure(errno);
    const Result<> synced = checked(sync(descriptor));
    ::close(descriptor);
    return synced;
}

} // namespace
#endif

Result<> syncFolder(const QString &folder)
{
#ifdef Q_OS_WIN
    Q_UNUSED(folder);
    return ResultOk;
#else
    return withFolder(folder, ::fsync);
#endif
}

Result<quint64> fileSystemOf(const QString &folder)
{
#ifdef Q_OS_WIN
    Q_UNUSED(folder);
    return ResultError(QStringLiteral("not supported"));
#else
    struct stat status = {};
    if (::stat(QFile::encodeName(folder).constData(), &status) != 0)
        return ResultError(failure(errno).error());
    return quint64(status.st_dev);
#endif
}

Result<> syncFileSystem(const QString &folder)
{
#ifdef Q_OS_LINUX
    return withFolder(folder, ::syncfs);
#else
    Q_UNUSED(folder);
    return ResultError(QStringLiteral("not supported"));
#endif
}

} // namespace FileSync
