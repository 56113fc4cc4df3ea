#include "Reports.h"

#include <QStringList>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Reports {

namespace {

QStringList rowOf(const LanguageSummary &language)
{
    return { language.name,
             QString::number(language.entries),
             translatedText(language),
             QString::number(language.blank),
             QString::number(language.error),
             QString::number(language.tooLong),
             QString::number(language.missing),
             QString::number(language.extra),
             QString::number(language.inconsistent) };
}

// The first column left-aligned, the figures right-aligned.
QString table(const QList<QStringList> &rows)
{
    QList<qsizetype> widths(rows.first().size());
    for (const QStringList &row : rows) {
        for (qsizetype column = 0; column < row.size(); ++column)
            widths[column] = std::max(widths[column], row.at(column).size());
    }
    QString text;
    for (const QStringList &row : rows) {
        QString line = row.first().leftJustified(widths.first());
        for (qsizetype column = 1; column < row.size(); ++column)
            line += u"  "_s + row.at(column).rightJustified(widths.at(column));
        text += line + u'\n';
    }
    return text;
}

QString closingLine(const CheckReport &report)
{
    const auto errors = std::count_if(report.findings.cbegin(), report.findings.cend(),
                                      [](const Finding &finding) { return isError(finding.kind); });
    const auto warnings = qsizetype(report.findings.size()) - errors;
    return u"%1 language(s) checked: %2 error(s), %3 warning(s)\n"_s.arg(
        QString::number(report.languages.size()), QString::number(errors),
        QString::number(warnings));
}

} // namespace

QString translatedText(const LanguageSummary &language)
{
    if (language.entries == 0)
        return QString::number(language.translated);
    return u"%1 (%2%)"_s.arg(QString::number(language.translated),
                             QString::number(language.translatedPerMille() / 10.0, 'f', 1));
}

QString findingLine(const Finding &finding)
{
    QString line = u"%1:%2: %3: "_s.arg(finding.file, QString::number(finding.line),
                                        severityName(finding.kind));
    if (!finding.attribute.isEmpty())
        line += finding.attribute + u": "_s;
    return line + finding.message;
}

QByteArray text(const CheckReport &report)
{
    QString text;
    for (const Finding &finding : report.findings)
        text += findingLine(finding) + u'\n';
    if (!report.findings.empty())
        text += u'\n';

    QList<QStringList> rows { { u"Language"_s, u"Entries"_s, u"Translated"_s, u"Blank"_s,
                                u"ERROR"_s, u"TOO LONG"_s, u"Missing"_s, u"Extra"_s,
                                u"Inconsistent"_s } };
    for (const LanguageSummary &language : report.languages)
        rows.append(rowOf(language));
    text += table(rows);
    if (!report.reference.isEmpty())
        text += u"Reference: %1\n"_s.arg(report.reference);
    for (const LanguageSummary &language : report.languages) {
        if (language.reference != report.reference) {
            text += language.reference.isEmpty()
                ? u"%1 was checked without a reference.\n"_s.arg(language.name)
                : u"%1 was checked against %2.\n"_s.arg(language.name, language.reference);
        }
    }
    text += closingLine(report);
    return text.toUtf8();
}

} // namespace Reports
