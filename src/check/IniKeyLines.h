#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>
#include <vector>

// The entry lines of one section of an INI file with their line numbers, for
// findings that point at a line. The section is found as the profile layer
// finds it (the first section of that name, without regard to case), so the
// lines are those a section read gives, in file order.
struct IniKeyLine
{
    QString key; // the text before the last "=", trimmed
    int line = 0; // from 1; a lone CR, LF or CR LF ends a line
    bool validUtf8 = true; // always true in a UTF-16 file
};

// The bytes of a plain file; nothing for anything else (a pipe would never
// end) or for a file that cannot be read.
std::optional<QByteArray> readPlainFile(const QString &path);

// Lines without "=" or with an empty key are left out.
std::vector<IniKeyLine> readKeyLines(QByteArrayView file, QStringView section);

// The number of the section's header line, or 0 when the file has no such section.
int sectionLine(QByteArrayView file, QStringView section);
