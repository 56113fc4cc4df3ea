#pragma once

#include "config/ReconcileIndex.h"
#include "platform/Result.h"

#include <QString>

class ClientConfig;
class LanguageStore;
class WebLanguageStore;

// The client's folders below an installation folder.
struct InstallationFolders
{
    explicit InstallationFolders(const QString &installation);

    QString language;
    QString web;
};

// Opens both stores on an installation as start-up does, in the file mode of
// the configuration. A failure carries the message that ends the program:
// without web languages a missing web folder is no failure.
Result<> openStores(const InstallationFolders &folders, const ClientConfig &config,
                    LanguageStore &languages, WebLanguageStore &web);

// What the reconciliation of that installation reads; the creators are the
// caller's.
ReconcileInput reconcileInput(const InstallationFolders &folders, const ClientConfig &config);
