#pragma once

#include <QByteArray>
#include <QString>

// The files a fuzz target hands to the code under test live in a folder of
// the process's own, in memory (/dev/shm) where the system has it, so that
// parallel jobs never share files and runs do not wear the disk.
namespace FuzzScratch {

// The folder, created on first use and removed when the process ends normally.
QString folder();

// Writes bytes to the file called name in the folder (creating missing
// subfolders) and returns its path; aborts when that fails.
QString write(const QString &name, const QByteArray &bytes);

QByteArray read(const QString &path);

} // namespace FuzzScratch
