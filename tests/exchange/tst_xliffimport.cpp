#include "ExchangeRows.h"
#include "FixedTextMeasurer.h"
#include "config/LanguageCatalogue.h"
#include "exchange/XliffImport.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_XliffImport : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void toolShapes_data();
    void toolShapes();
    void outcomes_data();
    void outcomes();
    void badFiles_data();
    void badFiles();
    void targetLanguage_data();
    void targetLanguage();
};

namespace {

const LanguageCatalogue catalogue = LanguageCatalogue::builtIn();

ImportTarget importTarget()
{
    const XliffExportInput input = exchangeInput();
    return { input.targetCode, u"German (Germany)"_s, input.layout, input.rows, &catalogue };
}

QByteArray document(const QByteArray &units, const QByteArray &original = "German (Germany).ini",
                    const QByteArray &fileAttributes = "target-language=\"de-DE\"")
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<xliff version=\"1.2\" xmlns=\"urn:oasis:names:tc:xliff:document:1.2\">\n"
           "<file original=\""
        + original + "\" source-language=\"en-US\" " + fileAttributes
        + " datatype=\"plaintext\"><body>\n" + units + "\n</body></file></xliff>\n";
}

// A unit of IDS_COUNT ("%d files of %ld") with that target.
QByteArray countUnit(const QByteArray &target, const QByteArray &attributes = {})
{
    return "<trans-unit id=\"IDS_COUNT\"" + attributes
        + "><source><ph id=\"1\">%d</ph> files of "
          "<ph id=\"2\">%ld</ph></source><target>"
        + target + "</target></trans-unit>";
}

} // namespace

void tst_XliffImport::roundTrip_data()
{
    QTest::addColumn<bool>("onlyOpen");
    QTest::newRow("every entry") << false;
    QTest::newRow("blank and failing entries") << true;
}

void tst_XliffImport::roundTrip()
{
    // Exported and read back untouched, every value is the row's to the code unit.
    QFETCH(bool, onlyOpen);
    const FixedTextMeasurer measurer;
    QTemporaryDir folder;
    const QString path = folder.filePath(u"de.xlf"_s);
    const Result<XliffExport> exported
        = writeXliff(path, exchangeInput(),
                     onlyOpen ? ExportChoice::OpenEntries : ExportChoice::AllEntries, &measurer);
    QVERIFY(exported);
    const Result<ImportPlan> plan = planImportFile(path, importTarget());
    QVERIFY2(plan, qPrintable(plan ? QString() : plan.error()));
    QCOMPARE(int(plan->units.size()), exported->units);
    // A blank value comes back as still to be translated.
    for (const ImportUnit &unit : plan->units) {
        const ImportOutcome expected = unit.previous.trimmed().isEmpty()
            ? ImportOutcome::Untranslated
            : ImportOutcome::Unchanged;
        QVERIFY2(unit.outcome == expected,
                 qPrintable(unit.id + u": "_s + unit.value + u" / "_s + unit.reason));
    }
    QVERIFY(plan->wrongLanguage.isEmpty());
    QVERIFY(plan->changes().empty());
}

void tst_XliffImport::toolShapes_data()
{
    QTest::addColumn<QByteArray>("xliff");
    QTest::addColumn<QString>("value");

    QTest::newRow("g and mrk give their content")
        << document(countUnit("<g id=\"1\"><ph id=\"2\">%ld</ph> <mrk mtype=\"term\">von</mrk>"
                              "</g> <ph id=\"1\">%d</ph> Akten"))
        << u"%ld von %d Akten"_s;
    QTest::newRow("blanks alone between codes")
        << document(countUnit("<ph id=\"2\">%ld</ph> <ph id=\"1\">%d</ph>")) << u"%ld %d"_s;
    QTest::newRow("x stands for the source's code")
        << document(countUnit("<x id=\"2\"/> von <x id=\"1\"/> Akten")) << u"%ld von %d Akten"_s;
    QTest::newRow("x without a code gives nothing")
        << document(countUnit("Akten<x id=\"9\"/>")) << u"Akten"_s;
    QTest::newRow("bpt, ept and it give their code")
        << document(countUnit("<bpt id=\"1\">&lt;b&gt;</bpt>fett<ept id=\"1\">&lt;/b&gt;</ept>"
                              "<it id=\"3\" pos=\"open\">%d</it>"))
        << u"<b>fett</b>%d"_s;
    QTest::newRow("bx and ex stand for bpt and ept")
        << document("<trans-unit id=\"IDS_COUNT\"><source><bpt id=\"1\">[</bpt>x"
                    "<ept id=\"1\">]</ept></source><target><bx id=\"1\"/>y<ex id=\"1\"/>"
                    "</target></trans-unit>")
        << u"[y]"_s;
    QTest::newRow("entities and character references")
        << document(countUnit("&lt;&amp;&gt;&quot;&apos;&#x263A;&#65;&#x1F600;"))
        << u"<&>\"'\u263AA\U0001F600"_s;
    QTest::newRow("CDATA") << document(countUnit("<![CDATA[<b> & ]]>x")) << u"<b> & x"_s;
    QTest::newRow("segments") << document(
        "<trans-unit id=\"IDS_COUNT\"><source>One. Two.</source><seg-source>"
        "<mrk mtype=\"seg\" mid=\"1\">One. </mrk><mrk mtype=\"seg\" mid=\"2\">Two."
        "</mrk></seg-source><target><mrk mtype=\"seg\" mid=\"1\">Eins. </mrk>"
        "<mrk mtype=\"seg\" mid=\"2\">Zwei.</mrk></target></trans-unit>")
                              << u"Eins. Zwei."_s;
    QTest::newRow("pretty printing undone")
        << document(countUnit("\n        <ph id=\"2\">%ld</ph>  von\n        <ph id=\"1\">%d"
                              "</ph>\n      "))
        << u"%ld  von %d"_s;
    QTest::newRow("preserved blanks")
        << document(countUnit("  %d\t ", " xml:space=\"preserve\"")) << u"  %d\t "_s;
    QTest::newRow("preserved from the file down")
        << document(countUnit(" %d "), "German (Germany).ini",
                    "target-language=\"de-DE\" xml:space=\"preserve\"")
        << u" %d "_s;
    QTest::newRow("groups") << document("<group id=\"a\"><group>" + countUnit("%d Akten")
                                        + "</group></group>")
                            << u"%d Akten"_s;
    QTest::newRow("target before source")
        << document("<trans-unit id=\"IDS_COUNT\"><target><x id=\"1\"/> Akten</target>"
                    "<source><ph id=\"1\">%d</ph> files</source></trans-unit>")
        << u"%d Akten"_s;
    QTest::newRow("matched by resname")
        << document("<trans-unit id=\"17\" resname=\"IDS_COUNT\"><source/><target>%d Akten"
                    "</target></trans-unit>")
        << u"%d Akten"_s;
    QTest::newRow("alternatives and notes are not the target")
        << document("<trans-unit id=\"IDS_COUNT\"><source/><target>Neu</target><alt-trans>"
                    "<target>Alt</target></alt-trans><note>Notiz</note></trans-unit>")
        << u"Neu"_s;
    QTest::newRow("a prefixed namespace")
        << QByteArray("<x:xliff version=\"1.2\" xmlns:x=\"urn:oasis:names:tc:xliff:document:1.2\">"
                      "<x:file original=\"a\" source-language=\"en\" datatype=\"plaintext\">"
                      "<x:body><x:trans-unit id=\"IDS_COUNT\"><x:source/><x:target>%d Akten"
                      "</x:target></x:trans-unit></x:body></x:file></x:xliff>")
        << u"%d Akten"_s;
    const QString utf16
        = QString::fromUtf8(document(countUnit("%d \u00c4pfel"))).replace(u"UTF-8"_s, u"UTF-16"_s);
    QTest::newRow("UTF-16") << QByteArray("\xFF\xFE")
            + QByteArray(reinterpret_cast<const char *>(utf16.utf16()), utf16.size() * 2)
                            << u"%d \u00c4pfel"_s;
}

void tst_XliffImport::toolShapes()
{
    QFETCH(QByteArray, xliff);
    QFETCH(QString, value);
    const Result<ImportPlan> plan = planImport(xliff, importTarget());
    QVERIFY2(plan, qPrintable(plan ? QString() : plan.error()));
    QCOMPARE(plan->units.size(), size_t(1));
    QCOMPARE(plan->units[0].value, value);
    QCOMPARE(plan->units[0].outcome, ImportOutcome::Imported);
    QCOMPARE(plan->units[0].ordinal, EntryOrdinal(1));
    QCOMPARE(plan->changes(), (std::vector<std::pair<EntryOrdinal, QString>> { { 1, value } }));
}

void tst_XliffImport::outcomes_data()
{
    QTest::addColumn<QByteArray>("xliff");
    QTest::addColumn<int>("outcomeCode"); // of the last unit
    QTest::addColumn<QString>("reason");
    QTest::addColumn<int>("ordinal"); // -1: no row

    const auto unit = [](const QByteArray &id, const QByteArray &target) -> QByteArray {
        return "<trans-unit id=\"" + id + "\" xml:space=\"preserve\"><source/><target>" + target
            + "</target></trans-unit>";
    };
    const int web = int(FirstWebOrdinal);
    QTest::newRow("an attribute the reference lacks")
        << document(unit("IDS_NONE", "x")) << int(ImportOutcome::UnknownId) << u"no entry"_s << -1;
    QTest::newRow("a path as id") << document(unit("../../language/German (Germany).ini", "x"))
                                  << int(ImportOutcome::UnknownId) << u"no entry"_s << -1;
    QTest::newRow("no id") << document("<trans-unit><source/><target>x</target></trans-unit>")
                           << int(ImportOutcome::UnknownId) << u"no id"_s << -1;
    QTest::newRow("a second unit of one entry")
        << document(unit("IDS_OK", "Gut") + '\n' + unit("IDS_OK", "Prima"))
        << int(ImportOutcome::Duplicate) << u"line 4 gives this entry already"_s << 0;
    QTest::newRow("a line break in an INI entry")
        << document(unit("IDS_OK", "O\nK")) << int(ImportOutcome::Rejected) << u"line break"_s << 0;
    QTest::newRow("a line break in a web entry")
        << document(unit("web.lines", "eins\nzwei"), "common.xml") << int(ImportOutcome::Imported)
        << QString() << web + 1;
    QTest::newRow("a tab") << document(unit("IDS_OK", "O\tK")) << int(ImportOutcome::Imported)
                           << QString() << 0;
    QTest::newRow("a C1 control character")
        << document(unit("IDS_OK", "O&#x85;K")) << int(ImportOutcome::Rejected) << u"U+0085"_s << 0;
    QTest::newRow("a 1 MB target")
        << document(unit("IDS_OK", QByteArray(1024 * 1024, 'k'))) << int(ImportOutcome::Rejected)
        << u"1048576 characters long"_s << 0;
    QTest::newRow("no target") << document(unit("IDS_PATH", "x")
                                           + "<trans-unit id=\"IDS_OK\"><source/></trans-unit>")
                               << int(ImportOutcome::Untranslated) << u"no target"_s << 0;
    QTest::newRow("a blank target")
        << document(unit("IDS_OK", " ")) << int(ImportOutcome::Untranslated) << u"blank"_s << 0;
    QTest::newRow("marked untranslated")
        << document("<trans-unit id=\"IDS_OK\"><source/><target state=\"needs-translation\">"
                    "OK?</target></trans-unit>")
        << int(ImportOutcome::Untranslated) << u"needing translation"_s << 0;
    QTest::newRow("the same value")
        << document(unit("IDS_OK", "OK")) << int(ImportOutcome::Unchanged) << QString() << 0;
    QTest::newRow("an id of its web file before an INI entry's")
        << document(unit("IDS_OK", "Sehr gut"), "./sub/b.xml") << int(ImportOutcome::Imported)
        << QString() << web + 3;
    QTest::newRow("an id of another file")
        << document(unit("web.ok", "{0} gut"), "German (Germany).ini")
        << int(ImportOutcome::Imported) << QString() << web;
}

void tst_XliffImport::outcomes()
{
    QFETCH(QByteArray, xliff);
    QFETCH(int, outcomeCode);
    const auto outcome = ImportOutcome(outcomeCode);
    QFETCH(QString, reason);
    QFETCH(int, ordinal);
    const Result<ImportPlan> plan = planImport(xliff, importTarget());
    QVERIFY2(plan, qPrintable(plan ? QString() : plan.error()));
    const ImportUnit &unit = plan->units.back();
    QCOMPARE(unit.outcome, outcome);
    QVERIFY2(unit.reason.contains(reason), qPrintable(unit.reason));
    if (ordinal >= 0)
        QCOMPARE(unit.ordinal, EntryOrdinal(ordinal));
    // Only an imported unit is committed.
    const auto changes = plan->changes();
    QCOMPARE(!changes.empty() && changes.back() == std::pair(unit.ordinal, unit.value),
             outcome == ImportOutcome::Imported);
}

void tst_XliffImport::badFiles_data()
{
    QTest::addColumn<QByteArray>("xliff");
    QTest::addColumn<QString>("message");

    const QByteArray unit = "<trans-unit id=\"IDS_OK\"><source/><target>%1</target></trans-unit>";
    const auto withTarget = [&](const QByteArray &target) {
        return document(QByteArray(unit).replace("%1", target));
    };
    QTest::newRow("empty") << QByteArray(" \n") << u"The file is empty."_s;
    QTest::newRow("not XML") << QByteArray("[text]\nIDS_OK=OK\n") << u"not well-formed XML"_s;
    QTest::newRow("cut short") << document(unit).left(200) << u"not well-formed XML"_s;
    QTest::newRow("XLIFF 2.0") << QByteArray(
        "<xliff version=\"2.0\" xmlns=\"urn:oasis:names:tc:xliff:document:2.0\""
        " srcLang=\"en\"><file id=\"f\"><unit id=\"u\"><segment><source>a</source>"
        "<target>b</target></segment></unit></file></xliff>")
                               << u"The file is XLIFF version 2.0; Lexivo reads XLIFF 1.2"_s;
    QTest::newRow("XLIFF 1.1")
        << QByteArray(document(unit)).replace("version=\"1.2\"", "version=\"1.1\"")
        << u"XLIFF version 1.1"_s;
    QTest::newRow("another root") << QByteArray("<resources><string/></resources>")
                                  << u"its root element is <resources>"_s;
    QTest::newRow("no units") << document({}) << u"no translation units"_s;
    QTest::newRow("no targets") << document(
        "<trans-unit id=\"IDS_OK\"><source>OK</source></trans-unit>")
                                << u"none of its 1 units has a target"_s;
    QTest::newRow("a control character")
        << withTarget("O&#7;K") << u"invalid character reference"_s;
    QTest::newRow("a raw control character") << withTarget("O\x07K") << u"line 4"_s;
    QTest::newRow("an unpaired surrogate")
        << withTarget("&#xD800;") << u"invalid character reference"_s;
    QTest::newRow("a surrogate pair as references")
        << withTarget("&#xD83D;&#xDE00;") << u"invalid character reference"_s;
    QTest::newRow("not UTF-8") << withTarget("\xFF") << u"incorrectly encoded"_s;
    QTest::newRow("an undeclared entity")
        << withTarget("&nbsp;") << u"entity 'nbsp' not declared"_s;
}

void tst_XliffImport::badFiles()
{
    QFETCH(QByteArray, xliff);
    QFETCH(QString, message);
    const Result<ImportPlan> plan = planImport(xliff, importTarget());
    QVERIFY(!plan);
    QVERIFY2(plan.error().contains(message), qPrintable(plan.error()));
}

void tst_XliffImport::targetLanguage_data()
{
    QTest::addColumn<QByteArray>("attributes");
    QTest::addColumn<QString>("wrongLanguage");
    QTest::newRow("its tag") << QByteArray("target-language=\"de-DE\"") << QString();
    QTest::newRow("in another case") << QByteArray("target-language=\"DE-de\"") << QString();
    QTest::newRow("the catalogue's code") << QByteArray("target-language=\"0x0407\"") << QString();
    QTest::newRow("none given") << QByteArray() << QString();
    QTest::newRow("another catalogue language")
        << QByteArray("target-language=\"fr-FR\"")
        << u"The file is a translation into French (France) (fr-FR), not into German (Germany)"
           " (de-DE)."_s;
    QTest::newRow("a language the catalogue lacks")
        << QByteArray("target-language=\"tlh\"")
        << u"The file is a translation into tlh, not into German (Germany) (de-DE)."_s;
}

void tst_XliffImport::targetLanguage()
{
    QFETCH(QByteArray, attributes);
    QFETCH(QString, wrongLanguage);
    const Result<ImportPlan> plan = planImport(
        document(countUnit("%d Akten"), "German (Germany).ini", attributes), importTarget());
    QVERIFY(plan);
    QCOMPARE(plan->wrongLanguage, wrongLanguage);
    // The units are planned all the same: the dialog asks whether to go on.
    QCOMPARE(plan->count(ImportOutcome::Imported), 1);
}

QTEST_GUILESS_MAIN(tst_XliffImport)
#include "tst_xliffimport.moc"
