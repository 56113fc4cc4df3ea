#include "CheckFixture.h"
#include "FixedTextMeasurer.h"
#include "TestFiles.h"
#include "check/CheckCommand.h"
#include "check/ExchangeCommand.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_ExchangeCommand : public QObject
{
    Q_OBJECT

private slots:
    void exportAndReport();
    void commands_data();
    void commands();
};

namespace {

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// The command with its options, the fixture's tool folder and installation.
Run run(const CheckFixture &fixture, const QStringList &arguments)
{
    Run result;
    QBuffer out(&result.out);
    QBuffer err(&result.err);
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    const QStringList all = QStringList { u"lexivo-check"_s } + arguments
        + QStringList { u"--tool-files"_s, fixture.tools(), fixture.installation() };
    result.exitCode = isExchangeCommand(all)
        ? runExchangeCommand(all, out, err, [] { return std::make_unique<FixedTextMeasurer>(); })
        : runCheckCommand(all, out, err, false);
    return result;
}

const QString German = u"--language=German (Germany)"_s;

} // namespace

void tst_ExchangeCommand::exportAndReport()
{
    const CheckFixture fixture;
    QTemporaryDir folder;
    const QString xliff = folder.filePath(u"de.xlf"_s);
    const QMap<QString, QByteArray> before = TestFiles::snapshot(fixture.installation());

    const Run exported = run(fixture, { u"export-xliff"_s, German, u"--output"_s, xliff });
    QCOMPARE(exported.exitCode, 0);
    QVERIFY2(exported.err.isEmpty(), exported.err.constData());
    const QByteArray bytes = TestFiles::read(xliff);
    QVERIFY(bytes.contains("<file original=\"German (Germany).ini\" source-language=\"en-US\""
                           " target-language=\"de-DE\""));
    QVERIFY(bytes.contains("<trans-unit id=\"web.count\""));
    QCOMPARE(run(fixture, { u"export-xliff"_s, German }).out, bytes);

    // Read back unchanged: nothing to import; the blank entries are named as
    // still to be translated.
    const Run report = run(fixture, { u"import-report"_s, German, xliff });
    QCOMPARE(report.exitCode, 0);
    QVERIFY2(report.out.contains("\n8 units: 0 imported (0 of them failing a check), 5 unchanged,"
                                 " 3 untranslated,"),
             report.out.constData());
    QVERIFY(TestFiles::changedFiles(before, fixture.installation()).isEmpty());
}

void tst_ExchangeCommand::commands_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("xliff"); // written to de.xlf, named by "FILE" in the arguments
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("out");
    QTest::addColumn<QString>("err");

    const QStringList report { u"import-report"_s, German, u"FILE"_s };
    const QByteArray head
        = "<xliff version=\"1.2\" xmlns=\"urn:oasis:names:tc:xliff:document:1.2\">"
          "<file original=\"German (Germany).ini\" source-language=\"en-US\" "
          "datatype=\"plaintext\"";
    QTest::newRow("the checker's help names the commands")
        << QStringList { u"--help"_s } << QByteArray() << 0 << QStringList { u"export-xliff"_s }
        << QString();
    QTest::newRow("the command's help")
        << QStringList { u"export-xliff"_s, u"--help"_s } << QByteArray() << 0
        << QStringList { u"export-xliff [options]"_s, u"--only-open"_s } << QString();
    QTest::newRow("only open entries")
        << QStringList { u"export-xliff"_s, German, u"--only-open"_s } << QByteArray() << 0
        << QStringList { u"id=\"IDS_SAVE\""_s, u"id=\"IDS_COUNT\""_s, u"id=\"IDS_NAME\""_s,
                         u"id=\"web.count\""_s }
        << QString();
    QTest::newRow("no language") << QStringList { u"export-xliff"_s } << QByteArray() << 2
                                 << QStringList() << u"Name the language with --language."_s;
    QTest::newRow("an unknown language")
        << QStringList { u"export-xliff"_s, u"--language=Klingon"_s } << QByteArray() << 2
        << QStringList() << u"\"Klingon\" is not a language of this installation."_s;
    QTest::newRow("the language as its own reference")
        << QStringList { u"export-xliff"_s, German, u"--reference=German (Germany)"_s }
        << QByteArray() << 2 << QStringList() << u"is not another language"_s;
    QTest::newRow("an output that cannot be written")
        << QStringList { u"export-xliff"_s, German, u"-o"_s, u"/no/such/folder/de.xlf"_s }
        << QByteArray() << 2 << QStringList() << u"de.xlf"_s;
    QTest::newRow("no file to report on")
        << report << QByteArray() << 2 << QStringList() << u"de.xlf\" could not be read"_s;
    QTest::newRow("not XLIFF") << report << QByteArray("[text]\n") << 2 << QStringList()
                               << u"not well-formed XML"_s;
    QTest::newRow("a clean import")
        << report
        << head
            + " target-language=\"de-DE\"><body><trans-unit id=\"IDS_CLOSE\"><source/>"
              "<target>Schlie\xC3\x9F"
              "en</target></trans-unit></body></file></xliff>"
        << 0
        << QStringList { u"FILE:1: imported: IDS_CLOSE: \"\" becomes \"Schlie\u00dfen\""_s,
                         u"1 units: 1 imported (0 of them failing a check)"_s }
        << QString();
    QTest::newRow("another language, an unknown id, a failing value")
        << report
        << head
            + " target-language=\"fr-FR\"><body>\n<trans-unit id=\"IDS_GONE\"><source/>"
              "<target>x</target></trans-unit>\n<trans-unit id=\"IDS_COUNT\"><source/>"
              "<target>Akten</target></trans-unit></body></file></xliff>"
        << 1
        << QStringList { u"FILE: warning: The file is a translation into French (France)"_s,
                         u"FILE:2: unknown-id: \"IDS_GONE\": no entry of the reference"_s,
                         u"FILE:3: error: IDS_COUNT: \"Akten\" would be ERROR: the format symbols"
                         " differ from the reference \"%d files\": lacks %d"_s }
        << QString();
}

void tst_ExchangeCommand::commands()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, xliff);
    QFETCH(int, exitCode);
    QFETCH(QStringList, out);
    QFETCH(QString, err);
    const CheckFixture fixture;
    QTemporaryDir folder;
    const QString file = folder.filePath(u"de.xlf"_s);
    if (!xliff.isEmpty())
        TestFiles::write(file, xliff);
    arguments.replaceInStrings(u"FILE"_s, file);

    const Run result = run(fixture, arguments);
    QCOMPARE(result.exitCode, exitCode);
    const QString output = QString::fromUtf8(result.out);
    for (QString expected : out) {
        expected.replace(u"FILE"_s, file);
        QVERIFY2(output.contains(expected), qPrintable(output));
    }
    QVERIFY2(QString::fromUtf8(result.err).contains(err), result.err.constData());
}

QTEST_MAIN(tst_ExchangeCommand)
#include "tst_exchangecommand.moc"
