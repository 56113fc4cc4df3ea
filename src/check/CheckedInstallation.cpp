#include "CheckedInstallation.h"

#include "application/InstallationFolders.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

CheckedInstallation::CheckedInstallation(const QString &folder, ClientConfig config)
    : m_folder(folder)
    , m_config(std::move(config))
    , m_languageStore(m_config.catalogue)
    , m_webStore(m_config.catalogue)
{
}

std::unique_ptr<CheckedInstallation>
CheckedInstallation::open(const QString &folder, const QString &toolFolder, QString *error)
{
    const QFileInfo installation(folder);
    if (!installation.isDir()) {
        *error = u"%1 is not a folder."_s.arg(QDir::toNativeSeparators(folder));
        return nullptr;
    }
    std::unique_ptr<CheckedInstallation> opened(new CheckedInstallation(
        QDir::cleanPath(installation.absoluteFilePath()), ClientConfig::load(toolFolder)));
    CheckedInstallation &self = *opened;

    const InstallationFolders folders(self.m_folder);
    if (const Result<> opened
        = openStores(folders, self.m_config, self.m_languageStore, self.m_webStore);
        !opened) {
        *error = opened.error();
        return nullptr;
    }
    self.m_limits = LoadLengthLimits(QDir(toolFolder).filePath(u"CheckLength.ini"_s));
    const ReconcileInput input = reconcileInput(folders, self.m_config);
    self.m_plan = PlanReconciliation(input);

    for (const auto &entry : self.m_languageStore.ReferenceKeyTable())
        self.m_entryOrdinals.push_back(entry.first);
    if (self.m_config.needWebLanguage) {
        for (const auto &entry : self.m_webStore.webItems())
            self.m_entryOrdinals.push_back(entry.first);
    }
    return opened;
}

int CheckedInstallation::presentLanguage(const QString &displayName) const
{
    for (const int row : presentLanguages()) {
        if (catalogue().NameAt(row) == displayName)
            return row;
    }
    return -1;
}

QString CheckedInstallation::relativePath(const QString &absolutePath) const
{
    return QDir(m_folder).relativeFilePath(absolutePath);
}

QString CheckedInstallation::languageFileName(const QString &displayName) const
{
    return u"language/"_s + displayName + u".ini"_s;
}
