#include "ExchangeRows.h"
#include "FixedTextMeasurer.h"
#include "TestFiles.h"
#include "config/LanguageCatalogue.h"
#include "exchange/LanguageTags.h"

#include <QDir>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

class tst_XliffExport : public QObject
{
    Q_OBJECT

private slots:
    void golden_data();
    void golden();
    void schemaStructure_data();
    void schemaStructure();
    void leftOut();
    void writtenSafely();
    void builtInTags();
    void otherCodes_data();
    void otherCodes();
};

namespace {

QByteArray exported(bool onlyOpen)
{
    const FixedTextMeasurer measurer;
    return exportXliff(exchangeInput(),
                       onlyOpen ? ExportChoice::OpenEntries : ExportChoice::AllEntries, &measurer)
        .bytes;
}

// What XLIFF 1.2 (transitional) allows of the elements the export writes:
// required and allowed attributes, and the values of the enumerations.
const QHash<QString, QSet<QString>> allowedAttributes {
    { u"xliff"_s, { u"version"_s, u"xml:lang"_s } },
    { u"file"_s,
      { u"original"_s, u"source-language"_s, u"datatype"_s, u"target-language"_s, u"tool-id"_s,
        u"tool"_s, u"date"_s, u"xml:space"_s, u"ts"_s, u"category"_s, u"product-name"_s,
        u"product-version"_s, u"build-num"_s } },
    { u"body"_s, {} },
    { u"trans-unit"_s,
      { u"id"_s, u"approved"_s, u"translate"_s, u"reformat"_s, u"resname"_s, u"datatype"_s,
        u"xml:space"_s, u"restype"_s, u"phase-name"_s, u"size-unit"_s, u"maxwidth"_s, u"minwidth"_s,
        u"maxbytes"_s, u"minbytes"_s } },
    { u"source"_s, { u"xml:lang"_s, u"ts"_s } },
    { u"target"_s,
      { u"state"_s, u"state-qualifier"_s, u"phase-name"_s, u"xml:lang"_s, u"resname"_s, u"ts"_s,
        u"equiv-trans"_s } },
    { u"note"_s, { u"xml:lang"_s, u"from"_s, u"priority"_s, u"annotates"_s } },
    { u"ph"_s, { u"id"_s, u"ctype"_s, u"crc"_s, u"assoc"_s, u"xid"_s } },
};
const QHash<QString, QStringList> requiredAttributes {
    { u"xliff"_s, { u"version"_s } },
    { u"file"_s, { u"original"_s, u"source-language"_s, u"datatype"_s } },
    { u"trans-unit"_s, { u"id"_s } },
    { u"ph"_s, { u"id"_s } },
};
const QHash<QString, QStringList> parents {
    { u"file"_s, { u"xliff"_s } },
    { u"body"_s, { u"file"_s } },
    { u"trans-unit"_s, { u"body"_s } },
    { u"source"_s, { u"trans-unit"_s } },
    { u"target"_s, { u"trans-unit"_s } },
    { u"note"_s, { u"trans-unit"_s } },
    { u"ph"_s, { u"source"_s, u"target"_s } },
};
const QSet<QString> states { u"final"_s,
                             u"needs-adaptation"_s,
                             u"needs-l10n"_s,
                             u"needs-review-adaptation"_s,
                             u"needs-review-l10n"_s,
                             u"needs-review-translation"_s,
                             u"needs-translation"_s,
                             u"new"_s,
                             u"signed-off"_s,
                             u"translated"_s };

QString qualified(const QXmlStreamAttribute &attribute)
{
    return attribute.prefix().isEmpty() ? attribute.name().toString()
                                        : attribute.qualifiedName().toString();
}

// Every way in which bytes break the structure of XLIFF 1.2 that the export
// uses, as sentences; none for a valid document.
QStringList structureProblems(const QByteArray &bytes)
{
    QStringList problems;
    QXmlStreamReader xml(bytes);
    QStringList open;
    QSet<QString> unitIds; // of the current <file>
    QString lastInUnit; // the unit's last child
    const auto problem = [&](const QString &text) {
        problems.append(u"line %1: %2"_s.arg(xml.lineNumber()).arg(text));
    };
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement) {
            open.removeLast();
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        const QString name = xml.name().toString();
        if (xml.namespaceUri() != u"urn:oasis:names:tc:xliff:document:1.2")
            problem(u"<%1> outside the XLIFF 1.2 namespace"_s.arg(name));
        if (open.isEmpty() ? name != u"xliff"_s : !parents.value(name).contains(open.last())) {
            problem(u"<%1> in <%2>"_s.arg(name, open.value(open.size() - 1)));
        }
        QSet<QString> given;
        for (const QXmlStreamAttribute &attribute : xml.attributes()) {
            given.insert(qualified(attribute));
            if (!allowedAttributes.value(name).contains(qualified(attribute)))
                problem(u"<%1 %2>"_s.arg(name, qualified(attribute)));
        }
        for (const QString &required : requiredAttributes.value(name)) {
            if (!given.contains(required))
                problem(u"<%1> without %2"_s.arg(name, required));
        }
        const QXmlStreamAttributes attributes = xml.attributes();
        if (name == u"xliff" && attributes.value(u"version"_s) != u"1.2")
            problem(u"version %1"_s.arg(attributes.value(u"version"_s)));
        if (name == u"file") {
            unitIds.clear();
            for (const QString &language : { u"source-language"_s, u"target-language"_s }) {
                if (!isLanguageTag(attributes.value(language).toString()))
                    problem(language + u" is no xsd:language"_s);
            }
            if (attributes.value(u"datatype"_s) != u"plaintext")
                problem(u"datatype"_s);
        }
        if (name == u"trans-unit") {
            const QString id = attributes.value(u"id"_s).toString();
            if (unitIds.contains(id))
                problem(u"id %1 twice in one <file>"_s.arg(id));
            unitIds.insert(id);
            lastInUnit.clear();
        }
        // source, then target at most once, then notes.
        if (!open.isEmpty() && open.last() == u"trans-unit") {
            const bool ordered = name == u"source" ? lastInUnit.isEmpty()
                : name == u"target"                ? lastInUnit == u"source"
                                                   : !lastInUnit.isEmpty();
            if (!ordered)
                problem(u"<%1> after <%2>"_s.arg(name, lastInUnit));
            lastInUnit = name;
        }
        if (name == u"target" && !states.contains(attributes.value(u"state"_s).toString()))
            problem(u"state %1"_s.arg(attributes.value(u"state"_s)));
        if (name == u"ph" && !attributes.value(u"ctype"_s).startsWith(u"x-"))
            problem(u"ctype of <ph>"_s);
        open.append(name);
    }
    if (xml.hasError())
        problem(xml.errorString());
    return problems;
}

} // namespace

void tst_XliffExport::golden_data()
{
    QTest::addColumn<bool>("onlyOpen");
    QTest::addColumn<QString>("golden");
    QTest::newRow("every entry") << false << u"all.xlf"_s;
    QTest::newRow("blank and failing entries") << true << u"open.xlf"_s;
}

void tst_XliffExport::golden()
{
    QFETCH(bool, onlyOpen);
    QFETCH(QString, golden);
    const QByteArray bytes = exported(onlyOpen);
    if (bytes != TestFiles::read(QStringLiteral(LEXIVO_EXCHANGE_DATA "/") + golden)) {
        const QString actual = QDir::temp().filePath(golden);
        TestFiles::write(actual, bytes);
        QFAIL(qPrintable(u"differs from the golden file; written to "_s + actual));
    }
}

void tst_XliffExport::schemaStructure_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("every entry") << exported(false);
    QTest::newRow("blank and failing entries") << exported(true);
    XliffExportInput nothing = exchangeInput();
    nothing.rows.clear();
    QTest::newRow("no entry") << exportXliff(nothing).bytes;
}

void tst_XliffExport::schemaStructure()
{
    QFETCH(QByteArray, bytes);
    const QStringList problems = structureProblems(bytes);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
}

void tst_XliffExport::leftOut()
{
    XliffExportInput input = exchangeInput();
    input.rows.append({ 20, u"IDS_BELL"_s, u"Ding\u0007"_s, u"Ding"_s });
    input.rows.append({ 21, u"IDS_HALF"_s, u"Halb"_s, QString(QChar(0xD800)) });
    const XliffExport result = exportXliff(input);
    QCOMPARE(result.leftOut.size(), 2);
    QVERIFY(result.leftOut[0].startsWith(u"IDS_BELL: "_s));
    QVERIFY(result.leftOut[1].startsWith(u"IDS_HALF: "_s));
    QCOMPARE(result.bytes, exportXliff(exchangeInput()).bytes);
    QCOMPARE(result.units, 15); // 16 rows, one of them a second IDS_OK of the INI file
}

void tst_XliffExport::writtenSafely()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"de.xlf"_s);
    const Result<XliffExport> written = writeXliff(path, exchangeInput());
    QVERIFY(written);
    QCOMPARE(TestFiles::read(path), written->bytes);
    const Result<XliffExport> refused
        = writeXliff(folder.filePath(u"no/such/de.xlf"_s), exchangeInput());
    QVERIFY(!refused);
    QVERIFY(refused.error().contains(u"de.xlf"_s));
}

void tst_XliffExport::builtInTags()
{
    // Each language of the catalogue has a tag of its own that names it again.
    const LanguageCatalogue catalogue = LanguageCatalogue::builtIn();
    QSet<QString> tags;
    for (int row = 0; row < catalogue.count(); ++row) {
        const QString tag = languageTag(catalogue.CodeAt(row));
        QVERIFY2(isLanguageTag(tag) && !tag.startsWith(u"x-"_s), qPrintable(tag));
        QVERIFY2(!tags.contains(tag.toLower()), qPrintable(tag));
        tags.insert(tag.toLower());
        QCOMPARE(rowOfTag(catalogue, tag.toUpper()), row);
    }
}

void tst_XliffExport::otherCodes_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("tag");
    QTest::newRow("upper-case hex digit") << u"0x042A"_s << u"vi-VN"_s;
    QTest::newRow("an identifier not built in") << u"0x0999"_s << u"x-lcid-0999"_s;
    QTest::newRow("a tag already") << u"de-DE"_s << u"de-DE"_s;
    QTest::newRow("neither") << u"German 1"_s << u"und"_s;
    QTest::newRow("no code") << QString() << u"und"_s;
}

void tst_XliffExport::otherCodes()
{
    QFETCH(QString, code);
    QFETCH(QString, tag);
    QCOMPARE(languageTag(code), tag);
    QVERIFY(tagMatchesCode(tag, code));
}

QTEST_GUILESS_MAIN(tst_XliffExport)
#include "tst_xliffexport.moc"
