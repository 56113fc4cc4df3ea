#pragma once

#include "Result.h"

#include <QtGlobal>

class QFileDevice;
class QString;

// Bytes that reach the disk before the call returns, so that a power cut
// afterwards keeps them. A failure's text is the system's reason. A file
// system that cannot sync at all counts as synced: there is nothing more to
// be had from it.
namespace FileSync {

// The data of an open file.
Result<> syncFile(QFileDevice &file);

// Writes an open file's data out to the disk and waits for it, without the
// sync of its size and of the disk's cache that syncFile adds, which a batch
// does once at its end. Where the system cannot write data out alone, the
// same as syncFile.
Result<> writeOut(QFileDevice &file);

// The data of the file at path, opened for the purpose.
Result<> syncPath(const QString &path);

// The entries of a folder, such as a name just renamed into it. Windows
// cannot open a folder for this and keeps its entries safe by itself, so
// there it does nothing.
Result<> syncFolder(const QString &folder);

// Linux can sync a whole file system at once: every file and folder on it,
// with one flush of the disk's cache where a sync of each would flush it
// each time. Elsewhere syncFileSystem fails.
constexpr bool CanSyncFileSystem =
#ifdef Q_OS_LINUX
    true;
#else
    false;
#endif

// The file system that holds folder, as a number that tells file systems
// apart, and the sync of that file system.
Result<quint64> fileSystemOf(const QString &folder);
Result<> syncFileSystem(const QString &folder);

} // namespace FileSync
