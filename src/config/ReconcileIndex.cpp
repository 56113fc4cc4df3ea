#include "ReconcileIndex.h"

#include "LanguageIndex.h"
#include "platform/ProfileFile.h"
#include "platform/SafeFileWriter.h"
#include "platform/SyncBatch.h"

#include <QDir>
#include <QFileInfo>

#include <tuple>

namespace {

using NameSet = std::set<QString>;

using Action = ReconcileAction;
using IndexState = ReconcilePlan::IndexState;

QString indexPathOf(const ReconcileInput &input)
{
    return QDir(input.languageFolder).filePath(LanguageIndex::FileName);
}

// A missing index is created empty; one that cannot be read and written stops
// the reconciliation.
IndexState indexState(const QString &indexPath)
{
    const QFileInfo index(indexPath);
    if (!index.exists())
        return IndexState::Missing;
    if (!index.isFile() || !index.isReadable())
        return IndexState::Unreadable;
    return isFileWritable(indexPath) ? IndexState::Usable : IndexState::ReadOnly;
}

// Works out every change from what the files say before any is made: the
// index is read before it is first written, and no creation changes what a
// later step lists.
class Reconciliation
{
public:
    explicit Reconciliation(const ReconcileInput &input)
        : m_input(input)
        , m_catalogue(*input.catalogue)
        , m_indexPath(indexPathOf(input))
    {
    }

    ReconcilePlan plan();

private:
    // The index was found readable; should a read fail after all, the section
    // counts as empty.
    QStringList readIndexKeys(const QString &section) const
    {
        return LanguageIndex::readKeys(m_indexPath, section).valueOr({});
    }

    void writeIndex(const QString &section, const QString &code, const QString &value)
    {
        m_actions.push_back({ Action::Kind::WriteIndexEntry, section, code, value });
    }

    void readIndexedLanguages();
    void addWebEntriesFromIndex();
    void matchLanguageFiles();
    void matchWebFolders();
    PresentLanguages presentLanguages() const;

    const ReconcileInput &m_input;
    const LanguageCatalogue &m_catalogue;
    const QString m_indexPath;
    std::vector<Action> m_actions;
    NameSet m_knownCodes;
    NameSet m_namesWithoutFile;
    NameSet m_keysWithoutFolder;
};

void Reconciliation::readIndexedLanguages()
{
    const QStringList codes = readIndexKeys(LanguageIndex::LanguagesSection);
    m_knownCodes.insert(codes.cbegin(), codes.cend());
}

// Languages listed under only one of the two sections get the other entry.
void Reconciliation::addWebEntriesFromIndex()
{
    NameSet codesWithoutWebEntry = m_knownCodes;
    const QStringList webCodes = readIndexKeys(LanguageIndex::WebLanguagesSection);
    for (const QString &code : webCodes) {
        if (codesWithoutWebEntry.erase(code) > 0)
            continue;
        m_knownCodes.insert(code);
        const QString name = m_catalogue.NameByCode(code);
        if (!name.isEmpty())
            writeIndex(LanguageIndex::LanguagesSection, code, name);
    }
    for (const QString &code : codesWithoutWebEntry) {
        const QString key = m_catalogue.KeyByCode(code);
        if (!key.isEmpty())
            writeIndex(LanguageIndex::WebLanguagesSection, code, key);
    }
}

void Reconciliation::matchLanguageFiles()
{
    for (const QString &code : m_knownCodes) {
        const QString name = m_catalogue.NameByCode(code);
        if (!name.isEmpty())
            m_namesWithoutFile.insert(name);
    }
    const QStringList files
        = QDir(m_input.languageFolder)
              .entryList({ QStringLiteral("*.ini") }, QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString &file : files) {
        const QString baseName = file.left(file.lastIndexOf(u'.'));
        if (m_namesWithoutFile.erase(baseName) > 0)
            continue;
        const QString code = m_catalogue.CodeByName(baseName);
        if (code.isEmpty())
            continue;
        writeIndex(LanguageIndex::LanguagesSection, code, baseName);
        writeIndex(LanguageIndex::WebLanguagesSection, code, m_catalogue.KeyByCode(code));
        m_knownCodes.insert(code);
    }
}

void Reconciliation::matchWebFolders()
{
    for (const QString &code : m_knownCodes) {
        const QString key = m_catalogue.KeyByCode(code);
        if (!key.isEmpty())
            m_keysWithoutFolder.insert(key);
    }
    const QStringList folders
        = QDir(m_input.webFolder)
              .entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    for (const QString &folder : folders) {
        if (folder.contains(u'.') || m_keysWithoutFolder.erase(folder) > 0)
            continue;
        const QString code = m_catalogue.CodeByKey(folder);
        if (code.isEmpty())
            continue;
        const QString name = m_catalogue.NameByCode(code);
        writeIndex(LanguageIndex::WebLanguagesSection, code, folder);
        writeIndex(LanguageIndex::LanguagesSection, code, name);
        m_knownCodes.insert(code);
        m_namesWithoutFile.insert(name);
    }
    for (const QString &key : m_keysWithoutFolder)
        m_actions.push_back({ Action::Kind::CreateWebLanguage, {}, {}, key });
}

PresentLanguages Reconciliation::presentLanguages() const
{
    PresentLanguages present;
    for (const QString &code : m_knownCodes) {
        const int row = m_catalogue.rowOfCode(code);
        if (row >= 0)
            present.insert(row);
    }
    return present;
}

ReconcilePlan Reconciliation::plan()
{
    ReconcilePlan plan;
    plan.index = indexState(m_indexPath);
    if (plan.index == IndexState::Missing)
        m_actions.push_back({ Action::Kind::CreateIndex, {}, {}, {} });
    readIndexedLanguages();
    if (m_input.needWebLanguage)
        addWebEntriesFromIndex();
    matchLanguageFiles();
    if (m_input.needWebLanguage)
        matchWebFolders();
    // Web languages are created before INI files. A file that exists after
    // all (its name differs from the listing only in a way the scan missed)
    // is never replaced.
    const QDir languageFolder(m_input.languageFolder);
    for (const QString &name : m_namesWithoutFile) {
        if (!QFileInfo::exists(languageFolder.filePath(name + u".ini")))
            m_actions.push_back({ Action::Kind::CreateLanguageFile, {}, {}, name });
    }
    plan.actions = std::move(m_actions);
    plan.presentLanguages = presentLanguages();
    return plan;
}

} // namespace

ReconcilePlan PlanReconciliation(const ReconcileInput &input)
{
    return Reconciliation(input).plan();
}

ReconcileResult ReconcileIndex(const ReconcileInput &input)
{
    const ReconcilePlan plan = PlanReconciliation(input);
    if (plan.index == IndexState::Unreadable || plan.index == IndexState::ReadOnly)
        return {};
    const QString indexPath = indexPathOf(input);
    // Start-up may create many languages: their files and folders are synced
    // once, at the end. Like a failed creation, a failed sync goes unreported.
    SyncBatch batch;
    for (const Action &action : plan.actions) {
        switch (action.kind) {
        case Action::Kind::CreateIndex:
            if (!writeFileSafely(indexPath, QByteArray()))
                return {};
            break;
        case Action::Kind::WriteIndexEntry:
            // A line that cannot be written is not reported: the index was
            // found writable, and the next start tries again.
            std::ignore
                = Profile::writeString(indexPath, action.section, action.code, action.value);
            break;
        case Action::Kind::CreateWebLanguage:
            // A language whose files cannot be made is still listed, unreported.
            std::ignore = input.createWebLanguage(action.value);
            break;
        case Action::Kind::CreateLanguageFile:
            std::ignore = input.createLanguageFile(action.value);
            break;
        }
    }
    std::ignore = batch.finish();
    return { true, plan.presentLanguages };
}

QString indexUnusableMessage()
{
    return QStringLiteral(
        "LanguageIndex.ini\n Download data fails, make sure the file can read and write.");
}

QString mainFileMissingMessage()
{
    return QStringLiteral("The main file is missing, the software can not be running!");
}
