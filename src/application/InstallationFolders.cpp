#include "InstallationFolders.h"

#include "config/ClientConfig.h"
#include "store/LanguageStore.h"
#include "store/WebLanguageStore.h"

#include <QDir>

using namespace Qt::StringLiterals;

InstallationFolders::InstallationFolders(const QString &installation)
    : language(QDir(installation).filePath(u"language"_s))
    , web(QDir(installation).filePath(u"Web/LanguageInfo"_s))
{
}

Result<> openStores(const InstallationFolders &folders, const ClientConfig &config,
                    LanguageStore &languages, WebLanguageStore &web)
{
    languages.setUtf8Mode(config.newTool);
    const bool webOpened = bool(web.Open(folders.web, folders.language));
    if ((!webOpened && config.needWebLanguage) || !languages.Open(folders.language))
        return ResultError(mainFileMissingMessage());
    return ResultOk;
}

ReconcileInput reconcileInput(const InstallationFolders &folders, const ClientConfig &config)
{
    ReconcileInput input;
    input.languageFolder = folders.language;
    input.webFolder = folders.web;
    input.needWebLanguage = config.needWebLanguage;
    input.catalogue = &config.catalogue;
    return input;
}
