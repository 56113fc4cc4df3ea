#include "InstallationFindings.h"

#include "CheckedInstallation.h"
#include "IniKeyLines.h"
#include "WebLanguageRead.h"
#include "config/LanguageIndex.h"
#include "xml/XmlPathDocument.h"

#include <QDir>
#include <QHash>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QString IndexFile = u"language/"_s + LanguageIndex::FileName;

// The index's line of each code, by section.
class IndexLines
{
public:
    explicit IndexLines(const QString &path)
    {
        const std::optional<QByteArray> bytes = readPlainFile(path);
        if (!bytes)
            return;
        for (const QString &section :
             { LanguageIndex::LanguagesSection, LanguageIndex::WebLanguagesSection }) {
            QHash<QString, int> &lines = m_lines[section];
            for (const IniKeyLine &line : readKeyLines(*bytes, section)) {
                if (!lines.contains(line.key))
                    lines.insert(line.key, line.line);
            }
        }
    }

    int line(const QString &section, const QString &code) const
    {
        return m_lines.value(section).value(code);
    }

private:
    QHash<QString, QHash<QString, int>> m_lines;
};

Finding indexEntryFinding(const CheckedInstallation &installation, const IndexLines &lines,
                          const ReconcileAction &action)
{
    const QString entry = u"\"%1=%2\""_s.arg(action.code, action.value);
    const QString language = installation.catalogue().NameByCode(action.code);
    if (const int line = lines.line(action.section, action.code)) {
        return {
            language, IndexFile,          line,
            {},       FindingKind::Index, u"start-up would set [%1] %2"_s.arg(action.section, entry)
        };
    }
    const QString other = action.section == LanguageIndex::LanguagesSection
        ? LanguageIndex::WebLanguagesSection
        : LanguageIndex::LanguagesSection;
    return { language,
             IndexFile,
             std::max(1, lines.line(other, action.code)),
             {},
             FindingKind::Index,
             u"[%1] lacks %2; start-up would add %3"_s.arg(action.section, action.code, entry) };
}

Finding actionFinding(const CheckedInstallation &installation, const IndexLines &lines,
                      const ReconcileAction &action)
{
    const LanguageCatalogue &catalogue = installation.catalogue();
    switch (action.kind) {
    case ReconcileAction::Kind::CreateIndex:
        return { {}, IndexFile,          1,
                 {}, FindingKind::Index, u"the index is missing; start-up would create it"_s };
    case ReconcileAction::Kind::WriteIndexEntry:
        return indexEntryFinding(installation, lines, action);
    case ReconcileAction::Kind::CreateWebLanguage:
        return { catalogue.NameByCode(catalogue.CodeByKey(action.value)),
                 u"Web/LanguageInfo/"_s + action.value,
                 1,
                 {},
                 FindingKind::Index,
                 u"the web folder is missing; start-up would create it with every web file,"
                 " all items empty"_s };
    case ReconcileAction::Kind::CreateLanguageFile:
        break;
    }
    return { action.value,
             installation.languageFileName(action.value),
             1,
             {},
             FindingKind::Index,
             u"the language file is missing; start-up would create it with every reference key"
             " and empty values"_s };
}

void addEnglishWebFiles(const CheckedInstallation &installation, std::vector<Finding> &findings)
{
    const WebLanguageStore &web = installation.webStore();
    const QString english = u"en-us"_s;
    XmlPathDocument document;
    for (int file = 0; file < web.fileList().size(); ++file) {
        const WebFileRead read = readWebFile(
            document,
            QDir::cleanPath(web.webFolder() + u'/' + english + u'/' + web.fileList().at(file)));
        if (read.state == WebFileRead::State::Read)
            continue;
        findings.push_back({ {},
                             webFileName(web, english, file),
                             read.line,
                             {},
                             FindingKind::Web,
                             u"the English web file cannot be read: %1; no language has its"
                             " items"_s.arg(read.problem) });
    }
}

} // namespace

std::vector<Finding> installationFindings(const CheckedInstallation &installation)
{
    std::vector<Finding> findings;
    const ReconcilePlan &plan = installation.plan();
    const IndexLines lines(installation.folder() + u'/' + IndexFile);
    if (plan.index == ReconcilePlan::IndexState::Unreadable) {
        findings.push_back({ {},
                             IndexFile,
                             1,
                             {},
                             FindingKind::Index,
                             u"the index cannot be read; start-up would list no language"_s });
    }
    for (const ReconcileAction &action : plan.actions) {
        // An index that cannot be read lacks every entry: one finding says it.
        if (plan.index == ReconcilePlan::IndexState::Unreadable
            && action.kind == ReconcileAction::Kind::WriteIndexEntry)
            continue;
        findings.push_back(actionFinding(installation, lines, action));
    }
    if (installation.webLanguages())
        addEnglishWebFiles(installation, findings);
    return findings;
}
