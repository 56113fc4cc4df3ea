#include "CheckFixture.h"
#include "TestFiles.h"
#include "check/Reports.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

class tst_CheckReports : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void golden_data();
    void golden();
    void jsonIsJson();
    void junitFailures_data();
    void junitFailures();
    void translatedShare_data();
    void translatedShare();

private:
    CheckFixture m_fixture;
    CheckReport m_report;
};

namespace {

using Writer = std::function<QByteArray(const CheckReport &)>;

// The failures attribute of every testsuites and testsuite element.
QList<int> failureCounts(const QByteArray &junit)
{
    QList<int> counts;
    QXmlStreamReader xml(junit);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && (xml.name() == u"testsuites" || xml.name() == u"testsuite"))
            counts.append(xml.attributes().value(u"failures"_s).toInt());
    }
    return xml.hasError() ? QList<int> { -1 } : counts;
}

} // namespace

void tst_CheckReports::initTestCase()
{
    const CheckOutcome outcome = m_fixture.check();
    QVERIFY(outcome.error.isEmpty());
    m_report = outcome.report;
    // The same bytes wherever the fixture was built.
    m_report.installation = u"/checked/installation"_s;
}

void tst_CheckReports::golden_data()
{
    QTest::addColumn<Writer>("writer");
    QTest::addColumn<QString>("golden");
    QTest::newRow("text") << Writer(Reports::text) << u"report.txt"_s;
    QTest::newRow("json") << Writer(Reports::json) << u"report.json"_s;
    QTest::newRow("junit") << Writer([](const CheckReport &report) {
        return Reports::junit(report, FailLevel::Error);
    }) << u"report.junit.xml"_s;
}

void tst_CheckReports::golden()
{
    QFETCH(Writer, writer);
    QFETCH(QString, golden);
    const QByteArray written = writer(m_report);
    const QByteArray expected = TestFiles::read(QStringLiteral(LEXIVO_GOLDEN_DIR "/") + golden);
    if (written != expected) {
        const QString actual = QDir::temp().filePath(golden);
        TestFiles::write(actual, written);
        QFAIL(qPrintable(u"differs from the golden file; written to "_s + actual));
    }
}

void tst_CheckReports::jsonIsJson()
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(Reports::json(m_report), &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(document[u"languages"_s].toArray().size(), qsizetype(m_report.languages.size()));
    const QJsonArray findings = document[u"findings"_s].toArray();
    QCOMPARE(findings.size(), qsizetype(m_report.findings.size()));
    QCOMPARE(findings.last()[u"message"_s].toString(), m_report.findings.back().message);
}

void tst_CheckReports::junitFailures_data()
{
    QTest::addColumn<FailLevel>("level");
    QTest::addColumn<QList<int>>("failures"); // in all, then by suite

    // Suites: Chinese, English, French (with its index findings), German;
    // a test case per entry or file, failing on its gravest finding.
    QTest::newRow("error") << FailLevel::Error << QList<int> { 5, 0, 0, 2, 3 };
    QTest::newRow("blank") << FailLevel::Blank << QList<int> { 7, 0, 0, 2, 5 };
    QTest::newRow("warning") << FailLevel::Warning << QList<int> { 13, 0, 0, 5, 8 };
    QTest::newRow("never") << FailLevel::Never << QList<int> { 0, 0, 0, 0, 0 };
}

void tst_CheckReports::junitFailures()
{
    QFETCH(FailLevel, level);
    QFETCH(QList<int>, failures);
    QCOMPARE(failureCounts(Reports::junit(m_report, level)), failures);
}

void tst_CheckReports::translatedShare_data()
{
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("translated");
    QTest::addColumn<QString>("cell");
    QTest::newRow("complete") << 4 << 4 << u"4 (100.0%)"_s;
    // Rounded down, so that an incomplete language never reads 100.0%.
    QTest::newRow("one short of many") << 2000 << 1999 << u"1999 (99.9%)"_s;
    QTest::newRow("two thirds") << 3 << 2 << u"2 (66.6%)"_s;
    QTest::newRow("no entries") << 0 << 0 << u"  0\n"_s;
}

void tst_CheckReports::translatedShare()
{
    QFETCH(int, entries);
    QFETCH(int, translated);
    QFETCH(QString, cell);
    CheckReport report;
    LanguageSummary language;
    language.name = u"X"_s;
    language.entries = entries;
    language.translated = translated;
    report.languages.push_back(language);
    const QString table = QString::fromUtf8(Reports::text(report));
    QVERIFY2(table.contains(cell), qPrintable(table));
}

QTEST_MAIN(tst_CheckReports)
#include "tst_checkreports.moc"
