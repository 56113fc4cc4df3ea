#include "XliffReader.h"

#include "XliffNames.h"

#include <QHash>
#include <QXmlStreamReader>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

// A target is read before its codes are known where a tool writes the
// <source> after it: a code held by reference is resolved at the unit's end.
struct Piece
{
    QString text;
    QString reference; // "x", "bx" or "ex" plus the id, for a code by reference
};

constexpr QLatin1StringView XmlNamespace("http://www.w3.org/XML/1998/namespace");

// Why a text of the XML reader is no sentence of ours: its first letter in
// lower case and no full stop.
QString clause(QString text)
{
    if (text.endsWith(u'.'))
        text.chop(1);
    if (!text.isEmpty())
        text[0] = text[0].toLower();
    return text;
}

bool isXmlSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

// Undoes the line breaks of pretty printing (see XliffReader.h).
QString withoutPrettyBreaks(const QString &text)
{
    QString result;
    result.reserve(text.size());
    qsizetype i = 0;
    while (i < text.size()) {
        if (!isXmlSpace(text[i])) {
            result += text[i++];
            continue;
        }
        const qsizetype start = i;
        bool lineBreak = false;
        while (i < text.size() && isXmlSpace(text[i])) {
            lineBreak = lineBreak || text[i] == u'\n' || text[i] == u'\r';
            ++i;
        }
        if (!lineBreak)
            result += QStringView(text).sliced(start, i - start);
        else if (start > 0 && i < text.size())
            result += u' ';
    }
    return result;
}

class Reader
{
public:
    explicit Reader(const QByteArray &bytes)
        : m_xml(bytes)
    {
    }

    Result<XliffDocument> run();

private:
    bool isXliff(QStringView name) const
    {
        return m_xml.namespaceUri() == m_namespace && m_xml.name() == name;
    }
    // The xml:space of the current element, or inherited.
    bool preserves(bool inherited) const;
    std::optional<QString> rootProblem() const;
    void readFile(bool preserve);
    void readBody(int file, bool preserve);
    void readUnit(int file, bool preserve);
    // The content of the current element up to its end tag. Codes collects
    // the codes of a source, by reference key.
    std::vector<Piece> readInline(QHash<QString, QString> *codes);

    QXmlStreamReader m_xml;
    QString m_namespace;
    XliffDocument m_document;
};

bool Reader::preserves(bool inherited) const
{
    const QStringView space = m_xml.attributes().value(XmlNamespace, QLatin1StringView("space"));
    if (space == u"preserve")
        return true;
    if (space == u"default")
        return false;
    return inherited;
}

std::optional<QString> Reader::rootProblem() const
{
    if (m_xml.name() != Xliff::Root)
        return u"The file is not an XLIFF file: its root element is <%1>."_s.arg(
            m_xml.qualifiedName());
    const QStringView version = m_xml.attributes().value(u"version"_s);
    const QStringView ns = m_xml.namespaceUri();
    const bool known = ns.isEmpty() || ns == Xliff::Namespace;
    if (known && (version == Xliff::Version || (version.isEmpty() && !ns.isEmpty())))
        return std::nullopt;
    QString named = version.isEmpty() ? ns.toString() : u"version "_s + version.toString();
    if (ns.startsWith(u"urn:oasis:names:tc:xliff:document:2."))
        named = u"version "_s + ns.sliced(34).toString();
    return u"The file is XLIFF %1; Lexivo reads XLIFF 1.2 (a translation tool can save a file"
           " as XLIFF 1.2)."_s.arg(named);
}

Result<XliffDocument> Reader::run()
{
    if (!m_xml.readNextStartElement()) {
        // A document without a root element is not well-formed: told below.
    } else if (const std::optional<QString> problem = rootProblem()) {
        return ResultError(*problem);
    } else {
        m_namespace = m_xml.namespaceUri().toString();
        const bool preserve = preserves(false);
        while (m_xml.readNextStartElement()) {
            if (isXliff(u"file"))
                readFile(preserve);
            else
                m_xml.skipCurrentElement();
        }
    }
    if (m_xml.hasError()) {
        return ResultError(u"The file is not well-formed XML at line %1, column %2: %3."_s.arg(
            QString::number(m_xml.lineNumber()), QString::number(m_xml.columnNumber()),
            clause(m_xml.errorString())));
    }
    return std::move(m_document);
}

void Reader::readFile(bool preserve)
{
    const QXmlStreamAttributes attributes = m_xml.attributes();
    m_document.files.push_back({ attributes.value(u"original"_s).toString(),
                                 attributes.value(u"source-language"_s).toString(),
                                 attributes.value(u"target-language"_s).toString() });
    const int file = int(m_document.files.size()) - 1;
    preserve = preserves(preserve);
    while (m_xml.readNextStartElement()) {
        if (isXliff(u"body"))
            readBody(file, preserves(preserve));
        else
            m_xml.skipCurrentElement();
    }
}

void Reader::readBody(int file, bool preserve)
{
    while (m_xml.readNextStartElement()) {
        if (isXliff(u"trans-unit"))
            readUnit(file, preserves(preserve));
        else if (isXliff(u"group"))
            readBody(file, preserves(preserve));
        else
            m_xml.skipCurrentElement();
    }
}

void Reader::readUnit(int file, bool preserve)
{
    XliffUnit unit;
    unit.file = file;
    unit.id = m_xml.attributes().value(u"id"_s).toString();
    unit.resname = m_xml.attributes().value(u"resname"_s).toString();
    unit.line = int(m_xml.lineNumber());
    QHash<QString, QString> codes;
    std::vector<Piece> target;
    bool targetPreserves = preserve;
    while (m_xml.readNextStartElement()) {
        if (isXliff(u"source")) {
            readInline(&codes);
        } else if (isXliff(u"target") && !unit.hasTarget) {
            unit.hasTarget = true;
            unit.state = m_xml.attributes().value(u"state"_s).toString();
            targetPreserves = preserves(preserve);
            target = readInline(nullptr);
        } else {
            m_xml.skipCurrentElement();
        }
    }
    for (const Piece &piece : target)
        unit.target += piece.reference.isEmpty() ? piece.text : codes.value(piece.reference);
    if (!targetPreserves)
        unit.target = withoutPrettyBreaks(unit.target);
    m_document.units.push_back(std::move(unit));
}

std::vector<Piece> Reader::readInline(QHash<QString, QString> *codes)
{
    std::vector<Piece> pieces;
    const auto addText = [&pieces](const QString &text) {
        if (pieces.empty() || !pieces.back().reference.isEmpty())
            pieces.push_back({});
        pieces.back().text += text;
    };
    // Elements that give their content nest without limit: counted, not
    // recursed into, so that no depth of nesting exhausts the stack.
    int depth = 0;
    while (!m_xml.atEnd()) {
        switch (m_xml.readNext()) {
        case QXmlStreamReader::Characters:
            addText(m_xml.text().toString());
            break;
        case QXmlStreamReader::EndElement:
            if (depth-- == 0)
                return pieces;
            break;
        case QXmlStreamReader::StartElement: {
            const QStringView name = m_xml.name();
            const QString id = m_xml.attributes().value(u"id"_s).toString();
            const bool ours = m_xml.namespaceUri() == m_namespace;
            if (ours && (name == u"ph" || name == u"it" || name == u"bpt" || name == u"ept")) {
                const QString key = (name == u"bpt"       ? u"bx"_s
                                         : name == u"ept" ? u"ex"_s
                                                          : u"x"_s)
                    + u' ' + id;
                const QString code = m_xml.readElementText(QXmlStreamReader::IncludeChildElements);
                if (codes && !codes->contains(key))
                    codes->insert(key, code);
                addText(code);
            } else if (ours && (name == u"x" || name == u"bx" || name == u"ex")) {
                pieces.push_back({ {}, name.toString() + u' ' + id });
                m_xml.skipCurrentElement();
            } else {
                ++depth;
            }
            break;
        }
        default:
            break;
        }
    }
    return pieces;
}

} // namespace

Result<XliffDocument> readXliff(const QByteArray &bytes)
{
    if (bytes.trimmed().isEmpty())
        return ResultError(u"The file is empty."_s);
    return Reader(bytes).run();
}
