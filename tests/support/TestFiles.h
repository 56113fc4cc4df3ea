#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

// Small helpers for tests that build the files they need in a QTemporaryDir.
namespace TestFiles {

QByteArray read(const QString &path);

// text as a UTF-16LE file, with its byte-order mark.
QByteArray utf16File(QStringView text);

// Writes bytes exactly (creating missing folders); fails the running test on error.
void write(const QString &path, const QByteArray &bytes);

// Removes every write bit, so that Lexivo treats the file or folder as
// read-only even when the tests run as root.
void makeReadOnly(const QString &path);
void makeWritable(const QString &path);

// Every file under root, hidden ones too, by path relative to root, with its
// bytes: comparing two shows that nothing was changed, added or left behind.
QMap<QString, QByteArray> snapshot(const QString &root);

// The files under root added, removed or changed since before was taken.
QStringList changedFiles(const QMap<QString, QByteArray> &before, const QString &root);

// Copies a folder tree; fails the running test on error.
void copyTree(const QString &from, const QString &to);

// The bundled demo installation (language/ and Web/), read-only for tests.
QString demoInstallation();

} // namespace TestFiles
