#include "TestFiles.h"
#include "application/Installation.h"
#include "config/ClientConfig.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// Start-up, loading, the "_adjust" copy and saving, on a copy of the demo.
class tst_Installation : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void opening_data();
    void opening();
    void loadingALanguage();
    void adjustedCopy();
    void saving_data();
    void saving();

private:
    QString path(const QString &relative) const { return m_dir->filePath(relative); }
    int german() const { return m_config.catalogue.rowOfCode(u"0x0407"_s); }

    std::unique_ptr<QTemporaryDir> m_dir;
    ClientConfig m_config;
};

void tst_Installation::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    TestFiles::copyTree(TestFiles::demoInstallation(), m_dir->path());
    m_config = ClientConfig();
    m_config.newTool = true;
    m_config.catalogue = LanguageCatalogue::builtIn();
}

void tst_Installation::opening_data()
{
    QTest::addColumn<QString>("remove");
    QTest::addColumn<bool>("needWebLanguage");
    QTest::addColumn<bool>("opens");

    QTest::newRow("the demo") << QString() << true << true;
    QTest::newRow("no language folder") << u"language"_s << true << false;
    QTest::newRow("no reference file")
        << u"language/English (United States).ini"_s << true << false;
    QTest::newRow("no en-us with web languages") << u"Web/LanguageInfo/en-us"_s << true << false;
    QTest::newRow("no en-us without web languages") << u"Web/LanguageInfo/en-us"_s << false << true;
    QTest::newRow("no Web folder without web languages") << u"Web"_s << false << true;
}

// A missing main file ends the program before anything is written; otherwise
// the index's French gains its files.
void tst_Installation::opening()
{
    QFETCH(QString, remove);
    QFETCH(bool, needWebLanguage);
    QFETCH(bool, opens);

    if (!remove.isEmpty()) {
        QFileInfo(path(remove)).isDir() ? QDir(path(remove)).removeRecursively()
                                        : QFile::remove(path(remove));
    }
    m_config.needWebLanguage = needWebLanguage;
    Installation installation(m_config);
    const Installation::Opening opening = installation.open(m_dir->path());
    QCOMPARE(bool(opening.opened), opens);
    QCOMPARE(QFileInfo::exists(path(u"language/French (France).ini"_s)), opens);
    if (!opens) {
        QCOMPARE(opening.opened.error(), mainFileMissingMessage());
        return;
    }
    QVERIFY(opening.notice.isEmpty());
    QVERIFY(installation.presentLanguages().count(german()));
}

void tst_Installation::loadingALanguage()
{
    Installation installation(m_config);
    QVERIFY(installation.open(m_dir->path()).opened);
    const Installation::LanguageEntries entries = installation.loadLanguage(german());
    QCOMPARE(entries.rows.size(), qsizetype(installation.attributes().size()));
    const EntryOrdinal first = installation.languageStore().ReferenceKeyTable().begin()->first;
    QCOMPARE(entries.rows.first(), (EntryRow { first, u"IDS_OK"_s, u"OK"_s }));
    QVERIFY(isWebOrdinal(entries.rows.last().ordinal));
    QCOMPARE(entries.extraKeys, KeySet { u"IDS_OBSOLETE_HINT"_s });
}

void tst_Installation::adjustedCopy()
{
    Installation installation(m_config);
    QVERIFY(installation.open(m_dir->path()).opened);
    TestFiles::write(path(u"language/German (Germany).ini"_s),
                     "\xEF\xBB\xBF[text]\nIDS_CANCEL=Abbrechen\nIDS_OK=Gut\nIDS_OK=Zweites\n"
                     "IDS_OBSOLETE_HINT=alt\n");
    const Result<QString> written = installation.writeAdjustedCopy(german(), {});
    QVERIFY(written);
    QCOMPARE(*written,
             u"German (Germany).ini has been saved as German (Germany)_adjust.ini "
             "according to the item order of the english language."_s);
    const QString copy = path(u"language/German (Germany)_adjust.ini"_s);
    const QByteArray adjusted = TestFiles::read(copy);
    QVERIFY(adjusted.startsWith("[text]\nIDS_OK=Gut\nIDS_CANCEL=Abbrechen\nIDS_APPLY=\n"));
    QVERIFY(!adjusted.contains("IDS_OBSOLETE_HINT"));
    QCOMPARE(adjusted.count('\n'),
             qsizetype(installation.languageStore().ReferenceKeyTable().size() + 1));

    // A copy that cannot be written is reported and stays as it was.
    TestFiles::makeReadOnly(copy);
    const Result<QString> refused = installation.writeAdjustedCopy(german(), {});
    TestFiles::makeWritable(copy);
    QVERIFY(!refused);
    QVERIFY(refused.error().contains(u"German (Germany)_adjust.ini"_s));
    QCOMPARE(TestFiles::read(copy), adjusted);
}

void tst_Installation::saving_data()
{
    QTest::addColumn<QString>("readOnly"); // a file the save cannot write
    QTest::addColumn<bool>("saveAs");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<bool>("iniWritten");
    QTest::addColumn<bool>("webWritten");

    const QString ini = u"language/German (Germany).ini"_s;
    const QString web = u"Web/LanguageInfo/German_Germany/pages/live.xml"_s;
    QTest::newRow("own files") << QString() << false << true << true << true;
    QTest::newRow("INI file fails") << ini << false << false << false << false;
    QTest::newRow("web file fails after the INI file") << web << false << false << true << false;
    QTest::newRow("save as") << QString() << true << true << false << false;
}

// Saving writes the INI file, then the web files, then removes the keys the
// reference lacks; what the main list is told to show is what the files hold.
void tst_Installation::saving()
{
    QFETCH(QString, readOnly);
    QFETCH(bool, saveAs);
    QFETCH(bool, saved);
    QFETCH(bool, iniWritten);
    QFETCH(bool, webWritten);

    Installation installation(m_config);
    QVERIFY(installation.open(m_dir->path()).opened);
    const AttributeMap attributes = installation.attributes();
    const auto web = std::find_if(attributes.begin(), attributes.end(), [](const auto &entry) {
        return entry.second == u"web.live.title";
    });
    QVERIFY(web != attributes.end());
    // Ordinals count on across the process: the first one is IDS_OK's.
    const EntryOrdinal ok = attributes.begin()->first;
    const ValueMap entries { { ok, u"Jawohl"_s }, { web->first, u"Live neu"_s } };
    const KeySet redundant { u"IDS_OBSOLETE_HINT"_s };
    const QString iniPath = path(u"language/German (Germany).ini"_s);
    const QString webPath = path(u"Web/LanguageInfo/German_Germany/pages/live.xml"_s);
    const QString copy = saveAs ? path(u"copy.ini"_s) : QString();

    if (!readOnly.isEmpty())
        TestFiles::makeReadOnly(path(readOnly));
    const Installation::SaveOutcome outcome = installation.save(german(), entries, copy, redundant);
    if (!readOnly.isEmpty())
        TestFiles::makeWritable(path(readOnly));

    QCOMPARE(bool(outcome.saved), saved);
    if (!saved)
        QVERIFY(outcome.saved.error().contains(QFileInfo(readOnly).fileName()));
    const QByteArray iniFile = TestFiles::read(iniPath);
    QCOMPARE(iniFile.contains("IDS_OK=Jawohl\n"), iniWritten);
    QCOMPARE(TestFiles::read(webPath).contains(">Live neu<"), webWritten);
    QCOMPARE(iniFile.contains("IDS_OBSOLETE_HINT="), !saved);
    if (saveAs)
        QVERIFY(TestFiles::read(copy).contains("IDS_OK=Jawohl\n"));

    // The main list: everything after a save, the INI part and the web value
    // on disk after a web failure, nothing after an INI failure.
    ValueMap listed;
    if (saved)
        listed = entries;
    else if (iniWritten)
        listed = { { ok, u"Jawohl"_s }, { web->first, u"Liveansicht"_s } };
    QCOMPARE(outcome.listValues, listed);
}

QTEST_GUILESS_MAIN(tst_Installation)
#include "tst_installation.moc"
