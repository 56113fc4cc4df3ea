#pragma once

#include <QString>

// Copies the folder tree from into to (created when missing), hidden files
// included, each copy writable by its owner. False at the first entry that
// cannot be copied.
bool copyFolderTree(const QString &from, const QString &to);
