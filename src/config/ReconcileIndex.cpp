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

// An index that is missing is created empty; one that cannot be read and
// written (or created) stops the reconciliation.
bool prepareIndex(const QString &indexPath)
{
    const QFileInfo index(indexPath);
    if (!index.exists())
        return bool(writeFileSafely(indexPath, QByteArray()));
    return index.isFile() && index.isReadable() && isFileWritable(indexPath);
}

class Reconciliation
{
public:
    explicit Reconciliation(const ReconcileInput &input)
        : m_input(input)
        , m_catalogue(*input.catalogue)
        , m_indexPath(QDir(input.languageFolder).filePath(LanguageIndex::FileName))
    {}

    ReconcileResult run();

private:
    // A line that cannot be written is not reported: the index was found
    // writable, and the next start tries again.
    void writeIndex(const QString &section, const QString &code, const QString &value) const
    {
        std::ignore = Profile::writeString(m_indexPath, section, code, value);
    }

    // The index was found readable; should a read fail after all, the section
    // counts as empty.
    QStringList readIndexKeys(const QString &section) const
    {
        return LanguageIndex::readKeys(m_indexPath, section).valueOr({});
    }

    void readIndexedLanguages();
    void addWebEntriesFromIndex();
    void matchLanguageFiles();
    void matchWebFolders();
    PresentLanguages presentLanguages() const;

    const ReconcileInput &m_input;
    const LanguageCatalogue &m_catalogue;
    const QString m_indexPath;
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
    const QStringList files = QDir(m_input.languageFolder)
                                  .entryList({QStringLiteral("*.ini")}, QDir::Files | QDir::Hidden,
                                             QDir::Name);
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
    const QStringList folders =
        QDir(m_input.webFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                                          QDir::Name);
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
    // A language whose web files cannot be made is still listed, unreported.
    for (const QString &key : m_keysWithoutFolder)
        std::ignore = m_input.createWebLanguage(key);
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

ReconcileResult Reconciliation::run()
{
    if (!prepareIndex(m_indexPath))
        return {};
    readIndexedLanguages();
    if (m_input.needWebLanguage)
        addWebEntriesFromIndex();
    matchLanguageFiles();
    if (m_input.needWebLanguage)
        matchWebFolders();
    // Web languages are created before INI files. A file that exists after
    // all (its name differs from the listing only in a way the scan missed)
    // is never replaced; one that cannot be made goes unreported.
    const QDir languageFolder(m_input.languageFolder);
    for (const QString &name : m_namesWithoutFile) {
        if (!QFileInfo::exists(languageFolder.filePath(name + u".ini")))
            std::ignore = m_input.createLanguageFile(name);
    }
    return {true, presentLanguages()};
}

} // namespace

ReconcileResult ReconcileIndex(const ReconcileInput &input)
{
    // Start-up may create many languages: their files and folders are synced
    // once, at the end. Like a failed creation, a failed sync goes unreported.
    SyncBatch batch;
    ReconcileResult result = Reconciliation(input).run();
    std::ignore = batch.finish();
    return result;
}

QString indexUnusableMessage()
{
    return QStringLiteral("LanguageIndex.ini\n Download data fails, make sure the file can read and write.");
}
