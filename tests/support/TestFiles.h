#pragma once

#include <QByteArray>
#include <QString>

// Small helpers for tests that build the files they need in a QTemporaryDir.
namespace TestFiles {

QByteArray read(const QString &path);

// Writes bytes exactly (creating missing folders); fails the running test on error.
void write(const QString &path, const QByteArray &bytes);

// Removes every write bit, so that Lexivo treats the file or folder as
// read-only even when the tests run as root.
void makeReadOnly(const QString &path);
void makeWritable(const QString &path);

// Copies a folder tree; fails the running test on error.
void copyTree(const QString &from, const QString &to);

// The bundled demo installation (language/ and Web/), read-only for tests.
QString demoInstallation();

} // namespace TestFiles
