#include "CheckedInstallation.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

CheckedInstallation::CheckedInstallation(const QString &folder, ClientConfig config)
    : m_folder(folder)
    , m_config(std::move(config))
    , m_languageStore(m_config.catalogue)
    , m_webStore(m_config.catalogue)
{}

std::unique_ptr<CheckedInstallation> CheckedInstallation::open(const QString &folder,
                                                               const QString &toolFolder,
                                                               QString *error)
{
    const QFileInfo installation(folder);
    if (!installation.isDir()) {
        *error = u"%1 is not a folder."_s.arg(QDir::toNativeSeparators(folder));
        return nullptr;
    }
    std::unique_ptr<CheckedInstallation> opened(new CheckedInstallation(
        QDir::cleanPath(installation.absoluteFilePath()), ClientConfig::load(toolFolder)));
    CheckedInstallation &self = *opened;

    const QDir start(self.m_folder);
    const QString languageFolder = start.filePath(u"language"_s);
    const QString webFolder = start.filePath(u"Web/LanguageInfo"_s);
    self.m_languageStore.setUtf8Mode(self.m_config.newTool);
    const bool webOpened = bool(self.m_webStore.Open(webFolder, languageFolder));
    if ((!webOpened && self.m_config.needWebLanguage) || !self.m_languageStore.Open(languageFolder)) {
        *error = mainFileMissingMessage();
        return nullptr;
    }
    self.m_limits = LoadLengthLimits(QDir(toolFolder).filePath(u"CheckLength.ini"_s));

    ReconcileInput input;
    input.languageFolder = languageFolder;
    input.webFolder = webFolder;
    input.needWebLanguage = self.m_config.needWebLanguage;
    input.catalogue = &self.m_config.catalogue;
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
