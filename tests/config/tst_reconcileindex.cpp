#include "TestFiles.h"
#include "config/LanguageIndex.h"
#include "config/ReconcileIndex.h"
#include "platform/ProfileFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

using FileMap = QMap<QString, QByteArray>; // path below the installation -> bytes

class tst_ReconcileIndex : public QObject
{
    Q_OBJECT

private slots:
    void reconcile_data();
    void reconcile();
    void unusableIndex_data();
    void unusableIndex();
    void manyUnrelatedFiles();
};

namespace {

const QString English = u"language/English (United States).ini"_s;
const QString Index = u"language/LanguageIndex.ini"_s;

struct Installation
{
    QTemporaryDir dir;
    LanguageCatalogue catalogue = LanguageCatalogue::builtIn();
    QStringList createdFiles;
    QStringList createdFolders;

    QString path(const QString &relative) const { return dir.filePath(relative); }

    ReconcileInput input(bool needWebLanguage)
    {
        ReconcileInput input;
        input.languageFolder = path(u"language"_s);
        input.webFolder = path(u"Web/LanguageInfo"_s);
        input.needWebLanguage = needWebLanguage;
        input.catalogue = &catalogue;
        // Like the stores: the creators write their own index lines.
        input.createLanguageFile = [this](const QString &name) {
            createdFiles.append(name);
            TestFiles::write(path(u"language/"_s + name + u".ini"_s), "[text]\n");
            return Profile::writeString(path(Index), LanguageIndex::LanguagesSection,
                                        catalogue.CodeByName(name), name);
        };
        input.createWebLanguage = [this](const QString &key) {
            createdFolders.append(key);
            QDir().mkpath(path(u"Web/LanguageInfo/"_s + key));
            return Profile::writeString(path(Index), LanguageIndex::WebLanguagesSection,
                                        catalogue.CodeByKey(key), key);
        };
        return input;
    }
};

} // namespace

void tst_ReconcileIndex::reconcile_data()
{
    QTest::addColumn<FileMap>("files"); // a path ending in "/" is a folder
    QTest::addColumn<bool>("needWebLanguage");
    QTest::addColumn<QByteArray>("index");
    QTest::addColumn<QStringList>("createdFiles");
    QTest::addColumn<QStringList>("createdFolders");
    QTest::addColumn<QList<int>>("present");

    const FileMap english { { English, "[text]\nA=1\n" }, { u"Web/LanguageInfo/en-us/"_s, {} } };

    QTest::newRow("English alone, no index")
        << english << true
        << QByteArray("[languages]\n0x0409=English (United States)\n"
                      "[xmllanguages]\n0x0409=en-us\n")
        << QStringList() << QStringList() << QList<int> { 1 };

    FileMap german = english;
    german.insert(u"language/German (Germany).ini"_s, "[text]\n");
    QTest::newRow("file only: index entries and web folder")
        << german << true
        << QByteArray("[languages]\n0x0409=English (United States)\n0x0407=German (Germany)\n"
                      "[xmllanguages]\n0x0409=en-us\n0x0407=German_Germany\n")
        << QStringList() << QStringList { u"German_Germany"_s } << QList<int> { 1, 55 };

    FileMap indexOnly = english;
    indexOnly.insert(Index, "[languages]\n0x040c=French (France)\n");
    QTest::newRow("index only: web entry, file and web folder")
        << indexOnly << true
        << QByteArray("[languages]\n0x040c=French (France)\n0x0409=English (United States)\n"
                      "[xmllanguages]\n0x040c=French_France\n0x0409=en-us\n")
        << QStringList { u"French (France)"_s } << QStringList { u"French_France"_s }
        << QList<int> { 1, 50 };

    FileMap webOnly = english;
    webOnly.insert(u"Web/LanguageInfo/zh-cn/"_s, {});
    QTest::newRow("web folder only: index entries and file")
        << webOnly << true
        << QByteArray("[languages]\n0x0409=English (United States)\n0x0804=Chinese (PRC)\n"
                      "[xmllanguages]\n0x0409=en-us\n0x0804=zh-cn\n")
        << QStringList { u"Chinese (PRC)"_s } << QStringList() << QList<int> { 0, 1 };

    FileMap webSectionOnly = english;
    webSectionOnly.insert(Index, "[xmllanguages]\n0x0407=German_Germany\n");
    QTest::newRow("web index entry only")
        << webSectionOnly << true
        << QByteArray("[xmllanguages]\n0x0407=German_Germany\n0x0409=en-us\n"
                      "[languages]\n0x0407=German (Germany)\n0x0409=English (United States)\n")
        << QStringList { u"German (Germany)"_s } << QStringList { u"German_Germany"_s }
        << QList<int> { 1, 55 };

    FileMap ignored = english;
    ignored.insert(u"Web/LanguageInfo/ja-jp/"_s, {});
    ignored.insert(u"Web/LanguageInfo/Japanese_Japan.bak/"_s, {});
    ignored.insert(u"Web/LanguageInfo/German_Germany"_s, "a file, not a folder");
    ignored.insert(u"language/german (germany).ini"_s, "[text]\n");
    ignored.insert(u"language/German (Germany)_adjust.ini"_s, "[text]\n");
    ignored.insert(u"language/notes.txt"_s, "x");
    QTest::newRow("unknown, dotted, wrong-case names and files as folders are ignored")
        << ignored << true
        << QByteArray("[languages]\n0x0409=English (United States)\n"
                      "[xmllanguages]\n0x0409=en-us\n")
        << QStringList() << QStringList() << QList<int> { 1 };

    FileMap unknownCodes = english;
    unknownCodes.insert(Index,
                        "[languages]\nxyz=Klingon\nno equals sign\n"
                        "0x0409=English (United States)\n"
                        "[xmllanguages]\n0x0409=en-us\n");
    QTest::newRow("codes outside the catalogue stay and are ignored")
        << unknownCodes << true
        << QByteArray("[languages]\nxyz=Klingon\nno equals sign\n0x0409=English (United States)\n"
                      "[xmllanguages]\n0x0409=en-us\n")
        << QStringList() << QStringList() << QList<int> { 1 };

    FileMap noWeb { { English, "[text]\n" }, { u"language/German (Germany).ini"_s, "[text]\n" } };
    noWeb.insert(Index, "[xmllanguages]\n0x040c=French_France\n");
    QTest::newRow("without web languages the web section is not read")
        << noWeb << false
        << QByteArray("[xmllanguages]\n0x040c=French_France\n0x0409=en-us\n"
                      "0x0407=German_Germany\n[languages]\n0x0409=English (United States)\n"
                      "0x0407=German (Germany)\n")
        << QStringList() << QStringList() << QList<int> { 1, 55 };
}

void tst_ReconcileIndex::reconcile()
{
    QFETCH(FileMap, files);
    QFETCH(bool, needWebLanguage);
    QFETCH(QByteArray, index);
    QFETCH(QStringList, createdFiles);
    QFETCH(QStringList, createdFolders);
    QFETCH(QList<int>, present);

    Installation installation;
    QDir().mkpath(installation.path(u"language"_s));
    QDir().mkpath(installation.path(u"Web/LanguageInfo"_s));
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        if (it.key().endsWith(u'/'))
            QDir().mkpath(installation.path(it.key()));
        else
            TestFiles::write(installation.path(it.key()), it.value());
    }

    // The plan only reads, and names the creations the reconciliation then makes.
    const QMap<QString, QByteArray> before = TestFiles::snapshot(installation.dir.path());
    const ReconcilePlan plan = PlanReconciliation(installation.input(needWebLanguage));
    QCOMPARE(TestFiles::changedFiles(before, installation.dir.path()), QStringList());
    QVERIFY(installation.createdFiles.isEmpty() && installation.createdFolders.isEmpty());
    QStringList plannedFiles;
    QStringList plannedFolders;
    for (const ReconcileAction &action : plan.actions) {
        if (action.kind == ReconcileAction::Kind::CreateLanguageFile)
            plannedFiles.append(action.value);
        else if (action.kind == ReconcileAction::Kind::CreateWebLanguage)
            plannedFolders.append(action.value);
    }
    QCOMPARE(plannedFiles, createdFiles);
    QCOMPARE(plannedFolders, createdFolders);

    const ReconcileResult result = ReconcileIndex(installation.input(needWebLanguage));

    QCOMPARE(plan.presentLanguages, result.presentLanguages);
    QVERIFY(result.indexUsable);
    QCOMPARE(TestFiles::read(installation.path(Index)), index);
    QCOMPARE(installation.createdFiles, createdFiles);
    QCOMPARE(installation.createdFolders, createdFolders);
    QCOMPARE(QList<int>(result.presentLanguages.cbegin(), result.presentLanguages.cend()), present);
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        if (!it.key().endsWith(u'/') && it.key() != Index)
            QCOMPARE(TestFiles::read(installation.path(it.key())), it.value());
    }
}

void tst_ReconcileIndex::unusableIndex_data()
{
    QTest::addColumn<QString>("readOnly");
    QTest::newRow("read-only index") << Index;
    QTest::newRow("read-only folder, no index") << u"language"_s;
    QTest::newRow("folder in the index's place") << QString();
}

void tst_ReconcileIndex::unusableIndex()
{
    QFETCH(QString, readOnly);

    Installation installation;
    TestFiles::write(installation.path(English), "[text]\n");
    TestFiles::write(installation.path(u"language/German (Germany).ini"_s), "[text]\n");
    if (readOnly == Index) {
        TestFiles::write(installation.path(Index), "[languages]\n0x040c=French (France)\n");
    } else if (readOnly.isEmpty()) {
        QDir().mkpath(installation.path(Index));
    }
    const QByteArray indexBefore = TestFiles::read(installation.path(Index));
    if (!readOnly.isEmpty())
        TestFiles::makeReadOnly(installation.path(readOnly));

    const ReconcileResult result = ReconcileIndex(installation.input(true));
    if (!readOnly.isEmpty())
        TestFiles::makeWritable(installation.path(readOnly));

    QVERIFY(!result.indexUsable);
    QVERIFY(result.presentLanguages.empty());
    QVERIFY(installation.createdFiles.isEmpty());
    QVERIFY(installation.createdFolders.isEmpty());
    QCOMPARE(TestFiles::read(installation.path(Index)), indexBefore);
    QVERIFY(!indexUnusableMessage().isEmpty());
}

void tst_ReconcileIndex::manyUnrelatedFiles()
{
    Installation installation;
    TestFiles::write(installation.path(English), "[text]\n");
    QDir().mkpath(installation.path(u"Web/LanguageInfo/en-us"_s));
    for (int i = 0; i < 500; ++i)
        TestFiles::write(installation.path(u"language/unrelated %1.ini"_s.arg(i)), "[text]\n");

    const ReconcileResult result = ReconcileIndex(installation.input(true));
    QCOMPARE(QList<int>(result.presentLanguages.cbegin(), result.presentLanguages.cend()),
             QList<int> { 1 });
    QCOMPARE(QDir(installation.path(u"language"_s)).entryList(QDir::Files).size(), 502);
}

QTEST_GUILESS_MAIN(tst_ReconcileIndex)
#include "tst_reconcileindex.moc"
