#pragma once

#include <QString>
#include <QStringList>

class LanguageCatalogue;

// The reference load of the benchmarks: a client installation with
// referenceKeys keys in English, languageCount languages (the first rows of
// the catalogue, English among them) with translated files, an index listing
// them all, and webItems web items in webFiles files for every language.
namespace SyntheticInstallation {

struct Size
{
    int referenceKeys = 10000;
    int languageCount = 60;
    int webItems = 3000;
    int webFiles = 40;
};

// Writes the installation into folder (language/ and Web/LanguageInfo/).
// False when a file cannot be written.
bool write(const QString &folder, const LanguageCatalogue &catalogue, const Size &size = {});

// A CheckLength.ini with a sample for every reference key, and for the first
// webItems web items: its English text.
QByteArray lengthLimits(int referenceKeys, int webItems = 0);

// Every file of one language below folder: its INI file and its web files.
QStringList languageFiles(const QString &folder, const QString &displayName,
                          const QString &keyName);

} // namespace SyntheticInstallation
