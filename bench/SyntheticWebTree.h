#pragma once

#include <QString>
#include <QStringList>

// Builds a web language folder for benchmarks: an English set under "en-us"
// and a copy per language, itemCount items spread evenly over fileCount files
// that sit at the top, one and two folders deep.
namespace SyntheticWebTree {

// Writes the English set and every language of keyNames under webFolder.
// False when a file cannot be written.
bool write(const QString &webFolder, const QStringList &keyNames, int itemCount, int fileCount);

// The id of item number index, as the files hold it.
QByteArray itemId(int index);

// The text of item number index in the language's files.
QString itemText(int index, const QString &keyName);

} // namespace SyntheticWebTree
