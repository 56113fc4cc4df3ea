#include "CheckFixture.h"
#include "FixedTextMeasurer.h"
#include "TestFiles.h"
#include "config/ClientConfig.h"
#include "config/ReconcileIndex.h"
#include "editor/ClientFonts.h"
#include "editor/EditorRowModel.h"
#include "editor/ReferenceChoice.h"
#include "store/LanguageStore.h"
#include "store/WebLanguageStore.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QTest>

#include <tuple>

using namespace Qt::StringLiterals;

class tst_CheckEngine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void faults_data();
    void faults();
    void unreadable_data();
    void unreadable();
    void fileProblems_data();
    void fileProblems();
    void summariesAsChecked();
    void cancel_data();
    void cancel();
    void references();
    void neverWrites();
    void agreesWithEditor_data();
    void agreesWithEditor();
    void threadsAgree();
};

namespace {

using Edit = std::function<void(const CheckFixture &)>;
using Measurers = std::function<std::unique_ptr<TextMeasurer>()>;

const QString German = u"language/German (Germany).ini"_s;
const QString GermanWeb = u"Web/LanguageInfo/German_Germany/a.xml"_s;

QString demoTools()
{
    return QStringLiteral(LEXIVO_DEMO_DIR);
}

// Every file and folder below root with its bytes and modification time.
QMap<QString, std::pair<QByteArray, QDateTime>> state(const QString &root)
{
    QMap<QString, std::pair<QByteArray, QDateTime>> entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info(path);
        entries.insert(
            QDir(root).relativeFilePath(path),
            { info.isFile() ? TestFiles::read(path) : QByteArray(), info.lastModified() });
    }
    return entries;
}

// "ATTRIBUTE: ERROR" or "ATTRIBUTE: TOO LONG" for every row the editor marks
// on opening the language, after start-up has run on the installation.
QStringList editorMarks(const QString &installation, const ClientConfig &config,
                        const PresentLanguages &present, int language, const TextMeasurer &measurer)
{
    LanguageStore store(config.catalogue);
    store.setUtf8Mode(config.newTool);
    WebLanguageStore web(config.catalogue);
    // The checker opened the same installation: these succeed.
    std::ignore = store.Open(installation + u"/language"_s);
    std::ignore = web.Open(installation + u"/Web/LanguageInfo"_s, installation + u"/language"_s);
    const auto valuesOf = [&](int row) {
        ValueMap values;
        KeySet extraKeys;
        // A file that cannot be read gives empty values, in the editor too.
        std::ignore = store.LoadLanguage(config.catalogue.NameAt(row), values, extraKeys);
        if (config.needWebLanguage)
            std::ignore = web.LoadWebValues(config.catalogue.KeyAt(row), values);
        return values;
    };
    AttributeMap attributes = store.ReferenceKeyTable();
    if (config.needWebLanguage)
        web.AddWebKeys(attributes);
    EditorRowModel model;
    model.setEntries(entryRows(attributes, valuesOf(language)));
    const int reference = defaultReferenceLanguage(config.catalogue, present, language);
    model.applyReference(reference >= 0 ? valuesOf(reference) : ValueMap(),
                         LoadLengthLimits(demoTools() + u"/CheckLength.ini"_s), measurer);
    QStringList marks;
    for (int row = 0; row < model.rowCount(); ++row) {
        if (model.row(row).status != EntryStatus::None)
            marks.append(model.row(row).attribute + u": "_s + statusText(model.row(row).status));
    }
    marks.sort();
    return marks;
}

} // namespace

void tst_CheckEngine::initTestCase()
{
    substituteClientFonts();
}

void tst_CheckEngine::faults_data()
{
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<QStringList>("expected"); // lines that must be among the findings

    QTest::newRow("one of each kind")
        << Edit([](const CheckFixture &) {})
        << QStringList {
               German
                   + u":3: error: IDS_COUNT: ERROR: the format symbols differ from the reference"
                     " \"%d files\": lacks %d; has %s too many"_s,
               German
                   + u":4: error: IDS_NAME: TOO LONG: 90 px wide, the sample \"Name\" is 40 px"_s,
               German + u":5: warning: IDS_SAVE: the value is blank"_s,
               German + u":1: warning: IDS_CLOSE: the file has no line for this attribute"_s,
               German
                   + u":6: warning: IDS_OLD: the reference has no such attribute; Save removes this"
                     " line"_s,
               German + u":7: warning: IDS_OK: the key is set again; only line 2 is read"_s,
               GermanWeb
                   + u":3: warning: web.count: the file has no item with this id; it reads as"
                     " empty"_s,
               German
                   + u":4: warning: IDS_NAME: the reference \"Name\" is translated \"Benennung\""
                     " here but \"Bezeichnung\" at web.name ("
                   + GermanWeb + u":5)"_s
           };

    QTest::newRow("line numbers of a UTF-16 file with CR LF")
        << Edit([](const CheckFixture &fixture) {
               fixture.write(
                   German,
                   TestFiles::utf16File(u"; comment\r\n[TEXT]\r\n\r\nids_count = %s\r\n"_s));
           })
        << QStringList { German
                             + u":4: error: IDS_COUNT: ERROR: the format symbols differ from the"
                               " reference \"%d files\": lacks %d; has %s too many"_s,
                         German
                             + u":2: warning: IDS_OK: the file has no line for this attribute"_s };

    QTest::newRow("a line that is not UTF-8 in UTF-8 mode")
        << Edit([](const CheckFixture &fixture) {
               fixture.write(German, "[text]\nIDS_OK=\xFF\xFE\nIDS_OK=Gut\nIDS_NAME=\xC3\n");
           })
        << QStringList { German
                         + u":4: warning: IDS_NAME: the line is not valid UTF-8, so the"
                           " value reads as empty"_s };

    QTest::newRow("the reference lists a key twice")
        << Edit([](const CheckFixture &fixture) {
               fixture.write(u"language/English (United States).ini"_s,
                             "[text]\nIDS_OK=OK\nIDS_OK=OK\n");
           })
        << QStringList { German
                         + u":2: warning: IDS_OK: the reference file lists this attribute"
                           " again; this line fills only the first"_s };

    QTest::newRow("a web file that is not well-formed")
        << Edit([](const CheckFixture &fixture) {
               fixture.write(GermanWeb, "<languageInfo>\n<items>\n<item id=\"web.title\">x</it>");
           })
        << QStringList { GermanWeb
                         + u":3: warning: the web file cannot be read: it is not"
                           " well-formed XML (XML_ERROR_MISMATCHED_ELEMENT); its 3 items"
                           " read as empty"_s };

    QTest::newRow("a missing web file, an English one that cannot be read")
        << Edit([](const CheckFixture &fixture) {
               fixture.remove(GermanWeb);
               fixture.write(u"Web/LanguageInfo/en-us/b.xml"_s, "");
           })
        << QStringList { GermanWeb
                             + u":1: warning: the web file is missing; its 3 items read as"
                               " empty"_s,
                         u"Web/LanguageInfo/en-us/b.xml:1: warning: the English web file cannot be"
                         " read: it is empty; no language has its items"_s };

    QTest::newRow("what start-up would create")
        << Edit([](const CheckFixture &fixture) {
               fixture.remove(u"language/LanguageIndex.ini"_s);
               fixture.remove(u"Web/LanguageInfo/zh-cn"_s);
           })
        << QStringList {
               u"language/LanguageIndex.ini:1: warning: the index is missing; start-up would"
               " create it"_s,
               u"language/LanguageIndex.ini:1: warning: [languages] lacks 0x0804; start-up would"
               " add \"0x0804=Chinese (PRC)\""_s,
               u"Web/LanguageInfo/zh-cn:1: warning: the web folder is missing; start-up would"
               " create it with every web file, all items empty"_s
           };

    QTest::newRow("an index entry in one section only")
        << Edit([](const CheckFixture &) {})
        << QStringList {
               u"language/LanguageIndex.ini:5: warning: [xmllanguages] lacks 0x040c; start-up"
               " would add \"0x040c=French_France\""_s,
               u"language/French (France).ini:1: warning: the language file is missing; start-up"
               " would create it with every reference key and empty values"_s
           };

    QTest::newRow("a value of a megabyte")
        << Edit([](const CheckFixture &fixture) {
               fixture.write(German, "[text]\nIDS_NAME=" + QByteArray(1 << 20, 'x') + '\n');
           })
        << QStringList { German
                         + u":2: error: IDS_NAME: TOO LONG: 10485760 px wide, the sample"
                           " \"Name\" is 40 px"_s };

    QTest::newRow("wide mode trims values, without web languages")
        << Edit([](const CheckFixture &fixture) {
               fixture.setConfiguration(false, false);
               fixture.write(German, "[text]\nIDS_COUNT=  %d  \nIDS_SAVE= \n");
           })
        << QStringList { German + u":3: warning: IDS_SAVE: the value is blank"_s };
}

void tst_CheckEngine::faults()
{
    QFETCH(Edit, edit);
    QFETCH(QStringList, expected);
    const CheckFixture fixture;
    edit(fixture);
    const CheckOutcome outcome = fixture.check();
    QVERIFY2(outcome.error.isEmpty(), qPrintable(outcome.error));
    const QStringList lines = CheckFixture::lines(outcome);
    for (const QString &line : expected)
        QVERIFY2(lines.contains(line), qPrintable(line + u"\nnot among\n"_s + lines.join(u'\n')));
}

void tst_CheckEngine::unreadable_data()
{
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<QStringList>("languages");
    QTest::addColumn<QString>("reference");
    QTest::addColumn<QString>("error");

    const Edit none = [](const CheckFixture &) {};
    QTest::newRow("no reference file")
        << Edit([](const CheckFixture &f) { f.remove(u"language/English (United States).ini"_s); })
        << QStringList() << QString() << mainFileMissingMessage();
    QTest::newRow("no English web folder")
        << Edit([](const CheckFixture &f) { f.remove(u"Web/LanguageInfo/en-us"_s); })
        << QStringList() << QString() << mainFileMissingMessage();
    QTest::newRow("an unknown language")
        << none << QStringList { u"German (Germany)"_s, u"Klingon"_s } << QString()
        << u"\"Klingon\" is not a language of this installation."_s;
    QTest::newRow("an absent reference")
        << none << QStringList() << u"Japanese (Japan)"_s
        << u"The reference \"Japanese (Japan)\" is not a language of this installation."_s;
}

void tst_CheckEngine::unreadable()
{
    QFETCH(Edit, edit);
    QFETCH(QStringList, languages);
    QFETCH(QString, reference);
    QFETCH(QString, error);
    const CheckFixture fixture;
    edit(fixture);
    CheckOptions options;
    options.languages = languages;
    options.reference = reference;
    QCOMPARE(fixture.check(options).error, error);
}

void tst_CheckEngine::fileProblems_data()
{
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("problem");
    QTest::addColumn<int>("missing");

    QTest::newRow("read") << Edit([](const CheckFixture &) {}) << u"German (Germany)"_s << QString()
                          << 2;
    // French is in the index only: no INI file, no web folder.
    QTest::newRow("missing") << Edit([](const CheckFixture &) {}) << u"French (France)"_s
                             << u"the language file is missing"_s << 8;
    QTest::newRow("cannot be read") << Edit([](const CheckFixture &fixture) {
        fixture.remove(German);
        QDir().mkpath(fixture.path(German));
    }) << u"German (Germany)"_s << u"the language file cannot be read"_s
                                    << 6;
}

void tst_CheckEngine::fileProblems()
{
    QFETCH(Edit, edit);
    QFETCH(QString, language);
    QFETCH(QString, problem);
    QFETCH(int, missing);
    const CheckFixture fixture;
    edit(fixture);
    CheckOptions options;
    options.languages = { language };
    const CheckOutcome outcome = fixture.check(options);
    QCOMPARE(outcome.report.languages.size(), size_t(1));
    const LanguageSummary &summary = outcome.report.languages.front();
    QCOMPARE(summary.problem, problem);
    QCOMPARE(summary.missing, missing);
    QCOMPARE(summary.translated + summary.blank + summary.missing, summary.entries);
}

// Each summary reaches the progress callback as its language is checked; a
// check for the counts alone gives the same summaries and holds no finding.
void tst_CheckEngine::summariesAsChecked()
{
    const CheckFixture fixture;
    const CheckReport full = fixture.check().report;
    std::vector<LanguageSummary> reported;
    QStringList steps;
    CheckOptions options;
    options.keepFindings = false;
    options.progress = [&](int checked, int total, const LanguageSummary &language) {
        reported.push_back(language);
        steps.append(u"%1/%2"_s.arg(checked).arg(total));
    };
    const CheckOutcome counts = fixture.check(options);
    QVERIFY(counts.error.isEmpty());
    QCOMPARE(counts.report.languages, full.languages);
    QCOMPARE(reported, full.languages);
    QCOMPARE(steps, (QStringList { u"1/4"_s, u"2/4"_s, u"3/4"_s, u"4/4"_s }));
    QVERIFY(counts.report.findings.empty());
    QVERIFY(!full.findings.empty());
}

void tst_CheckEngine::cancel_data()
{
    QTest::addColumn<int>("cancelAfter"); // languages checked before the flag is set
    QTest::addColumn<int>("jobs");
    QTest::newRow("before the start") << 0 << 1;
    QTest::newRow("after the first language") << 1 << 1;
    QTest::newRow("after the first language, two threads") << 1 << 2;
}

void tst_CheckEngine::cancel()
{
    QFETCH(int, cancelAfter);
    QFETCH(int, jobs);
    const CheckFixture fixture;
    std::atomic<bool> cancelled = cancelAfter == 0;
    int reported = 0;
    CheckOptions options;
    options.jobs = jobs;
    options.cancel = &cancelled;
    options.progress = [&](int checked, int, const LanguageSummary &) {
        reported = checked;
        if (checked == cancelAfter)
            cancelled = true;
    };
    const CheckOutcome outcome = fixture.check(options);
    QCOMPARE(outcome.error, checkCancelledMessage());
    QVERIFY(outcome.report.languages.empty());
    // Only a language already under way on another thread is finished.
    QVERIFY2(reported >= cancelAfter && reported <= cancelAfter + jobs - 1,
             qPrintable(QString::number(reported)));
}

void tst_CheckEngine::references()
{
    const CheckFixture fixture;
    const auto referencesOf = [&](const QString &reference) {
        CheckOptions options;
        options.reference = reference;
        QStringList pairs;
        for (const LanguageSummary &language : fixture.check(options).report.languages)
            pairs.append(language.name + u" > "_s + language.reference);
        return pairs;
    };
    // As the editor: English, and Chinese for English itself.
    QCOMPARE(referencesOf({}),
             (QStringList { u"Chinese (PRC) > English (United States)"_s,
                            u"English (United States) > Chinese (PRC)"_s,
                            u"French (France) > English (United States)"_s,
                            u"German (Germany) > English (United States)"_s }));
    // The reference itself keeps the editor's choice.
    QCOMPARE(referencesOf(u"German (Germany)"_s),
             (QStringList { u"Chinese (PRC) > German (Germany)"_s,
                            u"English (United States) > German (Germany)"_s,
                            u"French (France) > German (Germany)"_s,
                            u"German (Germany) > English (United States)"_s }));
}

void tst_CheckEngine::neverWrites()
{
    // Every fault start-up would mend by writing, and input it must survive.
    const CheckFixture fixture;
    fixture.write(u"language/LanguageIndex.ini"_s,
                  "[languages]\n0x0409=English (United States)\n0x0408=Greek (Greece)\n"
                  "[xmllanguages]\n0x040c=French_France\n0x0407=German_Germany\n");
    fixture.remove(u"Web/LanguageInfo/zh-cn"_s);
    fixture.write(u"language/Polish (Poland).ini"_s, "[text]\nIDS_OK=\xFF\n");
    fixture.write(u"Web/LanguageInfo/Swedish_Sweden/a.xml"_s, "<languageInfo><items>");
    fixture.write(u"language/Italian (Italy).ini"_s, QByteArray("\xEF\xBB\xBF[te"));
    fixture.write(u"language/Danish (Denmark).ini"_s, "[text]\n" + QByteArray(3 << 20, '='));
    QDir().mkpath(fixture.path(u"language/Greek (Greece).ini"_s));
    TestFiles::makeReadOnly(fixture.path(u"language"_s));
    const auto before = state(fixture.installation());

    const CheckOutcome outcome = fixture.check();
    TestFiles::makeWritable(fixture.path(u"language"_s));
    QVERIFY(outcome.error.isEmpty());
    QCOMPARE(outcome.report.languages.size(), size_t(9));
    QCOMPARE(state(fixture.installation()), before);
}

void tst_CheckEngine::agreesWithEditor_data()
{
    QTest::addColumn<Measurers>("measurers");
    QTest::newRow("fixed widths") << Measurers(
        [] { return std::make_unique<FixedTextMeasurer>(); });
    QTest::newRow("the measuring font") << Measurers(editorMeasurer);
}

void tst_CheckEngine::agreesWithEditor()
{
    QFETCH(Measurers, measurers);
    QTemporaryDir checked;
    QTemporaryDir started;
    TestFiles::copyTree(TestFiles::demoInstallation(), checked.path());
    TestFiles::copyTree(TestFiles::demoInstallation(), started.path());

    CheckOptions options;
    options.installation = checked.path();
    options.toolFolder = demoTools();
    options.measurer = measurers;
    const CheckOutcome outcome = runCheck(options);
    QVERIFY(outcome.error.isEmpty());

    // Start-up on the other copy creates what the checker only reported.
    const ClientConfig config = ClientConfig::load(demoTools());
    LanguageStore store(config.catalogue);
    store.setUtf8Mode(config.newTool);
    WebLanguageStore web(config.catalogue);
    QVERIFY(store.Open(started.filePath(u"language"_s)));
    QVERIFY(web.Open(started.filePath(u"Web/LanguageInfo"_s), started.filePath(u"language"_s)));
    ReconcileInput input { started.filePath(u"language"_s),
                           started.filePath(u"Web/LanguageInfo"_s),
                           config.needWebLanguage,
                           &config.catalogue,
                           [&](const QString &name) { return store.CreateLanguageFile(name); },
                           [&](const QString &key) { return web.CreateWebLanguage(key); } };
    const PresentLanguages present = ReconcileIndex(input).presentLanguages;

    const std::unique_ptr<TextMeasurer> measurer = measurers();
    QCOMPARE(outcome.report.languages.size(), present.size());
    qsizetype compared = 0;
    for (const int language : present) {
        const QString name = config.catalogue.NameAt(language);
        QStringList marks;
        for (const Finding &finding : outcome.report.findings) {
            if (finding.language == name && isError(finding.kind))
                marks.append(finding.attribute + u": "_s + finding.message.section(u':', 0, 0));
        }
        marks.sort();
        QCOMPARE(marks, editorMarks(started.path(), config, present, language, *measurer));
        compared += marks.size();
    }
    QVERIFY(compared > 0);
}

void tst_CheckEngine::threadsAgree()
{
    QTemporaryDir copy;
    TestFiles::copyTree(TestFiles::demoInstallation(), copy.path());
    CheckOptions options;
    options.installation = copy.path();
    options.toolFolder = demoTools();
    options.jobs = 1;
    const CheckReport alone = runCheck(options).report;
    options.jobs = 3;
    const CheckReport together = runCheck(options).report;
    QCOMPARE(together.languages, alone.languages);
    QCOMPARE(together.findings, alone.findings);
    QVERIFY(!alone.findings.empty());
}

QTEST_MAIN(tst_CheckEngine)
#include "tst_checkengine.moc"
