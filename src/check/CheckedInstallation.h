#pragma once

#include "config/ClientConfig.h"
#include "config/ReconcileIndex.h"
#include "editor/LengthLimits.h"
#include "store/LanguageStore.h"
#include "store/WebLanguageStore.h"

#include <QString>

#include <memory>
#include <vector>

// An installation opened as start-up opens it, but only for reading: the
// configuration and CheckLength.ini from the tool's folder, both stores, and
// the reconciliation's plan in place of its changes.
class CheckedInstallation
{
public:
    // Null, with the message for the user in error, when the installation
    // cannot be read: no such folder, or the main file is missing as start-up
    // would report it.
    static std::unique_ptr<CheckedInstallation> open(const QString &folder,
                                                     const QString &toolFolder, QString *error);

    QString folder() const { return m_folder; } // absolute
    const ClientConfig &config() const { return m_config; }
    const LanguageCatalogue &catalogue() const { return m_config.catalogue; }
    // With web languages the web store is open and used; without, unused.
    bool webLanguages() const { return m_config.needWebLanguage; }
    const LanguageStore &languageStore() const { return m_languageStore; }
    const WebLanguageStore &webStore() const { return m_webStore; }
    const LengthLimits &limits() const { return m_limits; }
    const ReconcilePlan &plan() const { return m_plan; }
    const PresentLanguages &presentLanguages() const { return m_plan.presentLanguages; }
    // Every entry the editor lists, in its order: the reference keys, then
    // (with web languages) the web items.
    const std::vector<EntryOrdinal> &entryOrdinals() const { return m_entryOrdinals; }

    // The present language of that display name, or -1.
    int presentLanguage(const QString &displayName) const;

    // A path below the installation as findings name it: "language/X.ini".
    QString relativePath(const QString &absolutePath) const;
    // The INI file of a language, relative to the installation.
    QString languageFileName(const QString &displayName) const;

private:
    CheckedInstallation(const QString &folder, ClientConfig config);

    const QString m_folder;
    const ClientConfig m_config;
    LanguageStore m_languageStore;
    WebLanguageStore m_webStore;
    LengthLimits m_limits;
    ReconcilePlan m_plan;
    std::vector<EntryOrdinal> m_entryOrdinals;
};
