#include "Reports.h"

#include <QBuffer>
#include <QHash>
#include <QSet>
#include <QStringList>
#include <QXmlStreamWriter>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Reports {

namespace {

// The findings of one entry, or of one file as a whole.
struct TestCase
{
    QString name;
    QString file;
    int line = 1;
    std::vector<const Finding *> findings;
};

struct TestSuite
{
    QString name;
    const LanguageSummary *summary = nullptr;
    std::vector<TestCase> cases;
};

// One suite for the installation and for each other language with findings
// of its own, then one per language checked, in order.
std::vector<TestSuite> suitesOf(const CheckReport &report)
{
    std::vector<TestSuite> suites;
    QHash<QString, size_t> suiteOf;
    QSet<QString> checked;
    for (const LanguageSummary &summary : report.languages)
        checked.insert(summary.name);
    for (const Finding &finding : report.findings) {
        if (checked.contains(finding.language) || suiteOf.contains(finding.language))
            continue;
        suiteOf.insert(finding.language, suites.size());
        suites.push_back(
            { finding.language.isEmpty() ? u"installation"_s : finding.language, nullptr, {} });
    }
    for (const LanguageSummary &summary : report.languages) {
        suiteOf.insert(summary.name, suites.size());
        suites.push_back({ summary.name, &summary, {} });
    }

    std::vector<QHash<QString, size_t>> caseOf(suites.size());
    for (const Finding &finding : report.findings) {
        const size_t suite = suiteOf.value(finding.language);
        const QString name = finding.attribute.isEmpty() ? finding.file : finding.attribute;
        const QString key = finding.file + u'\n' + name;
        std::vector<TestCase> &cases = suites[suite].cases;
        auto known = caseOf[suite].constFind(key);
        if (known == caseOf[suite].cend()) {
            known = caseOf[suite].insert(key, cases.size());
            cases.push_back({ name, finding.file, finding.line, {} });
        }
        cases[*known].findings.push_back(&finding);
    }
    return suites;
}

bool fails(const TestCase &testCase, FailLevel level)
{
    return std::any_of(testCase.findings.cbegin(), testCase.findings.cend(),
                       [level](const Finding *finding) { return failsAt(finding->kind, level); });
}

void writeCase(QXmlStreamWriter &xml, const QString &suite, const TestCase &testCase,
               FailLevel level)
{
    xml.writeStartElement(u"testcase"_s);
    xml.writeAttribute(u"name"_s, testCase.name);
    xml.writeAttribute(u"classname"_s, suite);
    xml.writeAttribute(u"file"_s, testCase.file);
    xml.writeAttribute(u"line"_s, QString::number(testCase.line));
    QStringList lines;
    for (const Finding *finding : testCase.findings)
        lines.append(findingLine(*finding));
    const auto failing
        = std::find_if(testCase.findings.cbegin(), testCase.findings.cend(),
                       [level](const Finding *f) { return failsAt(f->kind, level); });
    if (failing != testCase.findings.cend()) {
        xml.writeStartElement(u"failure"_s);
        xml.writeAttribute(u"type"_s, kindName((*failing)->kind));
        xml.writeAttribute(u"message"_s, (*failing)->message);
        xml.writeCharacters(lines.join(u'\n'));
        xml.writeEndElement();
    } else {
        xml.writeTextElement(u"system-out"_s, lines.join(u'\n'));
    }
    xml.writeEndElement();
}

} // namespace

QByteArray junit(const CheckReport &report, FailLevel level)
{
    const std::vector<TestSuite> suites = suitesOf(report);
    int tests = 0;
    int failures = 0;
    for (const TestSuite &suite : suites) {
        tests += int(suite.cases.size());
        failures += int(std::count_if(suite.cases.cbegin(), suite.cases.cend(),
                                      [level](const TestCase &c) { return fails(c, level); }));
    }

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QXmlStreamWriter xml(&buffer);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(u"testsuites"_s);
    xml.writeAttribute(u"name"_s, u"lexivo-check"_s);
    xml.writeAttribute(u"tests"_s, QString::number(tests));
    xml.writeAttribute(u"failures"_s, QString::number(failures));
    for (const TestSuite &suite : suites) {
        xml.writeStartElement(u"testsuite"_s);
        xml.writeAttribute(u"name"_s, suite.name);
        xml.writeAttribute(u"tests"_s, QString::number(suite.cases.size()));
        xml.writeAttribute(
            u"failures"_s,
            QString::number(std::count_if(suite.cases.cbegin(), suite.cases.cend(),
                                          [level](const TestCase &c) { return fails(c, level); })));
        xml.writeAttribute(u"errors"_s, u"0"_s);
        xml.writeAttribute(u"skipped"_s, u"0"_s);
        if (suite.summary) {
            xml.writeStartElement(u"properties"_s);
            for (const auto &[name, value] :
                 { std::pair { u"file"_s, suite.summary->file },
                   std::pair { u"reference"_s, suite.summary->reference } }) {
                xml.writeStartElement(u"property"_s);
                xml.writeAttribute(u"name"_s, name);
                xml.writeAttribute(u"value"_s, value);
                xml.writeEndElement();
            }
            xml.writeEndElement();
        }
        for (const TestCase &testCase : suite.cases)
            writeCase(xml, suite.name, testCase, level);
        xml.writeEndElement();
    }
    xml.writeEndDocument();
    return bytes;
}

} // namespace Reports
