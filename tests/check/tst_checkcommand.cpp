#include "CheckFixture.h"
#include "TestFiles.h"
#include "check/CheckCommand.h"
#include "config/ReconcileIndex.h"

#include <QBuffer>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_CheckCommand : public QObject
{
    Q_OBJECT

private slots:
    void exitCodes_data();
    void exitCodes();
    void output();
    void progressLine();
    void process_data();
    void process();
};

namespace {

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run run(const QStringList &arguments, bool showProgress = false)
{
    Run result;
    QBuffer out(&result.out);
    QBuffer err(&result.err);
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    result.exitCode
        = runCheckCommand(QStringList { u"lexivo-check"_s } + arguments, out, err, showProgress);
    return result;
}

} // namespace

void tst_CheckCommand::exitCodes_data()
{
    QTest::addColumn<QStringList>("arguments"); // before the tool folder and installation
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message"); // in the standard error

    const QString chinese = u"--language=Chinese (PRC)"_s;
    QTest::newRow("ERROR and TOO LONG fail") << QStringList() << 1 << QString();
    QTest::newRow("never") << QStringList { u"--fail-on=never"_s } << 0 << QString();
    QTest::newRow("a clean language") << QStringList { chinese } << 0 << QString();
    QTest::newRow("warnings fail at warning")
        << QStringList { chinese, u"--fail-on=warning"_s } << 1 << QString();
    QTest::newRow("index findings are no blank")
        << QStringList { chinese, u"--fail-on=blank"_s } << 0 << QString();
    QTest::newRow("blank entries fail at blank")
        << QStringList { u"--language=German (Germany)"_s, u"--fail-on=blank"_s,
                         u"--format=junit"_s }
        << 1 << QString();
    QTest::newRow("unknown option")
        << QStringList { u"--colour"_s } << 2 << u"Unknown option 'colour'."_s;
    QTest::newRow("unknown format")
        << QStringList { u"--format=xml"_s } << 2 << u"Unknown format \"xml\""_s;
    QTest::newRow("unknown level")
        << QStringList { u"--fail-on=info"_s } << 2 << u"Unknown level \"info\""_s;
    QTest::newRow("no threads") << QStringList { u"--jobs=0"_s } << 2 << u"--jobs"_s;
    QTest::newRow("two installations") << QStringList { u"/tmp"_s } << 2 << u"Only one"_s;
    QTest::newRow("an unknown language")
        << QStringList { u"--language=Klingon"_s } << 2 << u"\"Klingon\" is not a language"_s;
    QTest::newRow("a missing tool folder")
        << QStringList { u"--tool-files=/no/such/folder"_s } << 2 << u"is not a folder"_s;
}

void tst_CheckCommand::exitCodes()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    const CheckFixture fixture;
    const Run result = run(QStringList { u"--tool-files"_s, fixture.tools() } + arguments
                           + QStringList { fixture.installation() });
    QCOMPARE(result.exitCode, exitCode);
    QVERIFY2(QString::fromUtf8(result.err).contains(message), result.err.constData());
    QCOMPARE(result.out.isEmpty(), exitCode == 2);
}

void tst_CheckCommand::output()
{
    const CheckFixture fixture;
    QTemporaryDir folder;
    const QString report = folder.filePath(u"report.json"_s);
    const QStringList common { u"--format=json"_s, u"--tool-files"_s, fixture.tools(),
                               fixture.installation() };
    const Run written = run(QStringList { u"--output"_s, report } + common);
    QCOMPARE(written.exitCode, 1);
    QVERIFY(written.out.isEmpty());
    QCOMPARE(TestFiles::read(report), run(common).out);

    const Run refused
        = run(QStringList { u"-o"_s, folder.filePath(u"no/such/report.json"_s) } + common);
    QCOMPARE(refused.exitCode, 2);
    QVERIFY(refused.out.isEmpty());
}

void tst_CheckCommand::progressLine()
{
    const CheckFixture fixture;
    const QStringList arguments { u"--tool-files"_s, fixture.tools(), fixture.installation() };
    const Run shown = run(arguments, true);
    QVERIFY2(shown.err.contains("\rChecked 4/4: "), shown.err.constData());
    QVERIFY(shown.err.endsWith('\r'));
    QVERIFY(run(arguments, false).err.isEmpty());
}

void tst_CheckCommand::process_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("inFixture"); // else started in an empty folder
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("err");

    QTest::newRow("help") << QStringList { u"--help"_s } << false << 0 << QByteArray();
    QTest::newRow("no installation here")
        << QStringList() << false << 2
        << ("lexivo-check: " + mainFileMissingMessage().toUtf8() + '\n');
    QTest::newRow("json on the standard output, nothing else on the error")
        << QStringList { u"--format=json"_s } << true << 1 << QByteArray();
}

void tst_CheckCommand::process()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, inFixture);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, err);
    const CheckFixture fixture;
    QTemporaryDir empty;

    QProcess check;
    // No display and no platform chosen, as on a CI runner.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString &name : { u"QT_QPA_PLATFORM"_s, u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s })
        environment.remove(name);
    check.setProcessEnvironment(environment);
    check.setWorkingDirectory(inFixture ? fixture.installation() : empty.path());
    check.start(QStringLiteral(LEXIVO_CHECK),
                inFixture ? arguments + QStringList { u"--tool-files"_s, fixture.tools() }
                          : arguments);
    QVERIFY(check.waitForFinished(60000));
    QCOMPARE(check.exitStatus(), QProcess::NormalExit);
    QCOMPARE(check.exitCode(), exitCode);
    QCOMPARE(check.readAllStandardError(), err);
    const QByteArray out = check.readAllStandardOutput();
    if (arguments.contains(u"--help"_s))
        QVERIFY(out.contains("--fail-on <level>"));
    else if (exitCode == 1)
        QVERIFY(!QJsonDocument::fromJson(out).isNull());
}

QTEST_MAIN(tst_CheckCommand)
#include "tst_checkcommand.moc"
