#pragma once

#include "LanguageCatalogue.h"

#include <QByteArray>
#include <QString>

// The one settings record, read once at start from ConfigParameter.xml beside
// the executable and read-only afterwards. A changed file takes effect at the
// next start.
class ClientConfig
{
public:
    // The notice shown with the "new" file handling, and the one without it.
    static const QByteArray NoticeForNewTool;
    static const QByteArray NoticeForClassicTool;

    // Reads the configuration and the catalogue from the folder that holds
    // the executable. An empty folder stands for an executable path that
    // could not be obtained: nothing is read, defaults hold and the title
    // stays empty. A missing or malformed file leaves every default.
    static ClientConfig load(const QString &executableFolder);

    // Web language files are maintained beside the INI files.
    bool needWebLanguage = true;
    // UTF-8 language files, the configured title and the first notice.
    bool newTool = false;
    QByteArray notice; // UTF-8
    QByteArray title; // UTF-8, shown only with newTool
    LanguageCatalogue catalogue;
    // Where the files above were read from, and where CheckLength.ini is;
    // empty when the executable's folder is unknown.
    QString toolFolder;
};

// The executable's folder: the application's when it exists, else the one of
// /proc/self/exe; empty when neither can be had.
QString executableFolder();
