#include "Reports.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace Reports {

namespace {

// Written by hand so that the members keep the documented order.
QString string(const QString &text)
{
    QString quoted = u"\""_s;
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'"':
            quoted += u"\\\""_s;
            break;
        case u'\\':
            quoted += u"\\\\"_s;
            break;
        case u'\n':
            quoted += u"\\n"_s;
            break;
        case u'\r':
            quoted += u"\\r"_s;
            break;
        case u'\t':
            quoted += u"\\t"_s;
            break;
        default:
            if (c.unicode() < 0x20)
                quoted += u"\\u%1"_s.arg(c.unicode(), 4, 16, QChar(u'0'));
            else
                quoted += c;
        }
    }
    return quoted + u'"';
}

using Member = std::pair<QString, QString>; // name, JSON text

QString object(const QList<Member> &members)
{
    QStringList parts;
    for (const auto &[name, value] : members)
        parts.append(string(name) + u": "_s + value);
    return u'{' + parts.join(u", "_s) + u'}';
}

QString number(int value)
{
    return QString::number(value);
}

QString language(const LanguageSummary &summary)
{
    return object({ { u"name"_s, string(summary.name) },
                    { u"file"_s, string(summary.file) },
                    { u"reference"_s, string(summary.reference) },
                    { u"entries"_s, number(summary.entries) },
                    { u"translated"_s, number(summary.translated) },
                    { u"blank"_s, number(summary.blank) },
                    { u"error"_s, number(summary.error) },
                    { u"tooLong"_s, number(summary.tooLong) },
                    { u"missing"_s, number(summary.missing) },
                    { u"extra"_s, number(summary.extra) },
                    { u"inconsistent"_s, number(summary.inconsistent) } });
}

QString finding(const Finding &finding)
{
    return object({ { u"language"_s, string(finding.language) },
                    { u"file"_s, string(finding.file) },
                    { u"line"_s, number(finding.line) },
                    { u"attribute"_s, string(finding.attribute) },
                    { u"kind"_s, string(kindName(finding.kind)) },
                    { u"severity"_s, string(severityName(finding.kind)) },
                    { u"message"_s, string(finding.message) } });
}

// One element a line, so that reports compare well line by line.
template<typename Items, typename Format> QString array(const Items &items, const Format &format)
{
    if (items.empty())
        return u"[]"_s;
    QStringList lines;
    for (const auto &item : items)
        lines.append(u"    "_s + format(item));
    return u"[\n"_s + lines.join(u",\n"_s) + u"\n  ]"_s;
}

} // namespace

QByteArray json(const CheckReport &report)
{
    const QString text = u"{\n  \"installation\": "_s + string(report.installation)
        + u",\n  \"reference\": "_s + string(report.reference) + u",\n  \"languages\": "_s
        + array(report.languages, language) + u",\n  \"findings\": "_s
        + array(report.findings, finding) + u"\n}\n"_s;
    return text.toUtf8();
}

} // namespace Reports
