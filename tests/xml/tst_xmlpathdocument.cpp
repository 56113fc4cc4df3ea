#include "TestFiles.h"
#include "xml/XmlPathDocument.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using tinyxml2::XMLElement;

namespace {

QByteArray declared(const char *rest)
{
    return QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>") + rest;
}

QByteArray serialized(const XmlPathDocument &document)
{
    return QByteArray::fromStdString(document.Serialize());
}

} // namespace

class tst_XmlPathDocument : public QObject
{
    Q_OBJECT

private slots:
    void layout_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("configuration")
            << declared("\r\n<clientConfig>\r\n    <content>\r\n        <needWebLanguage>1"
                        "</needWebLanguage>\r\n        <title>Lexivo</title>\r\n    </content>\r\n"
                        "</clientConfig>\r\n")
            << declared("\n<clientConfig>\n\t<content>\n\t\t<needWebLanguage>1</needWebLanguage>\n"
                        "\t\t<title>Lexivo</title>\n\t</content>\n</clientConfig>\n");
        QTest::newRow("comment first gets the declaration ahead")
            << QByteArray("<!--lead--><root><!--inner--><a>x</a><!--tail--></root>")
            << declared(
                   "\n<!--lead-->\n<root>\n\t<!--inner-->\n\t<a>x</a>\n\t<!--tail-->\n</root>\n");
        QTest::newRow("unknown node and node after the root")
            << QByteArray("<!DOCTYPE r><r/><!--end-->")
            << declared("\n<!DOCTYPE r>\n<r/>\n\n<!--end-->");
        QTest::newRow("entities and CDATA")
            << QByteArray(
                   "<r a=\"&amp;&lt;&gt;&quot;&apos;\"><t>1 &lt; 2 &amp;&amp; \"q\" 'a' &gt;</t>"
                   "<c><![CDATA[<b>&amp;</b>]]></c></r>")
            << declared(
                   "\n<r a=\"&amp;&lt;&gt;&quot;&apos;\">\n\t<t>1 &lt; 2 &amp;&amp; \"q\" 'a' &gt;"
                   "</t>\n\t<c><![CDATA[<b>&amp;</b>]]></c>\n</r>\n");
        QTest::newRow("byte-order mark")
            << QByteArray("\xEF\xBB\xBF<r><e/></r>")
            << declared("\n<r>\n\t<e/>\n</r>\n").prepend("\xEF\xBB\xBF");
        // One marker: the text of <b> replaces that of <a>, so </a> gets a line.
        QTest::newRow("text ahead of child elements")
            << QByteArray("<a>t<b>u</b><c/></a>") << declared("\n<a>t\t<b>u</b>\n\t<c/>\n</a>\n");
        // Markup that resolves no references may hold anything; blanks alone
        // and CRs stay references, or the next load would lose them.
        QTest::newRow("character references")
            << QByteArray("<r a=\"&#13;&#9;\"><!--&#;--><!x &#;><t>&#xD7FF;&#x10FFFF;&#13;</t>"
                          "<c><![CDATA[&#;]]></c><w>&#32;&#10;</w></r>")
            << declared("\n<r a=\"&#13;\t\">\n\t<!--&#;-->\n\t<!x &#;>\n"
                        "\t<t>\xED\x9F\xBF\xF4\x8F\xBF\xBF&#13;</t>\n"
                        "\t<c><![CDATA[&#;]]></c>\n\t<w>&#32;&#10;</w>\n</r>\n");
    }

    void layout()
    {
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, expected);

        XmlPathDocument document;
        const std::string path = fileWith(input);
        QVERIFY(document.Load(path));
        QVERIFY(document.Save());
        QCOMPARE(TestFiles::read(QString::fromStdString(path)), expected);
    }

    void emptyTextPutsFirstChildBehindStartTag()
    {
        XmlPathDocument document;
        XMLElement *items = document.CreatePathUnderRoot("languageInfo/items", "");
        document.CreatePath("item", "", items)->SetAttribute("id", "a");
        document.CreatePath("item", "B", items)->SetAttribute("id", "b");

        QCOMPARE(serialized(document),
                 declared("\n<languageInfo>\n\t<items>\t\t<item id=\"a\"></item>\n"
                          "\t\t<item id=\"b\">B</item>\n\t</items>\n</languageInfo>\n"));
    }

    void newDocumentIsDeclarationAlone()
    {
        XmlPathDocument document;
        QVERIFY(!document.Save());
        QVERIFY(!document.FindElement("clientConfig"));

        const QString path = m_dir.filePath(QStringLiteral("new.xml"));
        QVERIFY(document.Save(path.toStdString()));
        QCOMPARE(TestFiles::read(path), declared(""));
    }

    void bomOnlyFileGetsElementsWithoutDeclaration()
    {
        const std::string path = fileWith("\xEF\xBB\xBF");
        XmlPathDocument document;
        QVERIFY(!document.Load(path));
        QVERIFY(document.HasBOM());

        document.CreatePathUnderRoot("languageInfo/items", "");
        QVERIFY(document.Save());
        QCOMPARE(TestFiles::read(QString::fromStdString(path)),
                 QByteArray("\xEF\xBB\xBF<languageInfo>\n\t<items></items>\n</languageInfo>\n"));

        // The mark belongs to the file last loaded, not to the document.
        QVERIFY(!document.Load(fileWith(QByteArray())));
        QVERIFY(!document.HasBOM());
    }

    void roundTripKeepsBytes_data()
    {
        QTest::addColumn<QByteArray>("input");

        QTest::newRow("entities and CDATA")
            << QByteArray("\xEF\xBB\xBF<!--c--><r k=\"&quot;'\"><t> a &amp; b </t>"
                          "<c><![CDATA[<x>]]></c><e/></r>");
        QTest::newRow("white space alone")
            << QByteArray("<r><w>&#32;&#9;&#10;</w><v>&#32;\v</v><u>x<!a>&#32;</u></r>");
        QTest::newRow("carriage returns") << QByteArray("<r a=\"&#13;\"><t>a&#13;&#10;b</t></r>");
    }

    void roundTripKeepsBytes()
    {
        QFETCH(QByteArray, input);

        XmlPathDocument first;
        QVERIFY(first.Load(fileWith(input)));
        const QByteArray saved = serialized(first);

        XmlPathDocument second;
        QVERIFY(second.Load(fileWith(saved)));
        QCOMPARE(serialized(second), saved);
    }

    void largeTextNode()
    {
        const QByteArray text = QByteArray("a &amp; b ").repeated(1024 * 1024);
        const QByteArray bytes = declared("\n<r>\n\t<t>") + text + "</t>\n</r>\n";
        XmlPathDocument document;
        QVERIFY(document.Load(fileWith(bytes)));

        const QString target = m_dir.filePath(QStringLiteral("large.xml"));
        QVERIFY(document.Save(target.toStdString()));
        QVERIFY(TestFiles::read(target) == bytes);
    }

    void findElement_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QByteArray>("expectedId");

        QTest::newRow("root name alone") << QByteArray("clientConfig") << QByteArray("root");
        QTest::newRow("full path")
            << QByteArray("clientConfig/content/title") << QByteArray("title");
        QTest::newRow("root omitted") << QByteArray("content/title") << QByteArray("title");
        QTest::newRow("doubled slash")
            << QByteArray("clientConfig//content") << QByteArray("content");
        QTest::newRow("trailing slash") << QByteArray("content/title/") << QByteArray("title");
        QTest::newRow("leading slash") << QByteArray("/clientConfig/content") << QByteArray();
        QTest::newRow("missing middle") << QByteArray("clientConfig/other/title") << QByteArray();
        QTest::newRow("empty path") << QByteArray() << QByteArray();
        // A segment naming the current element keeps it: the inner <content> is out of reach.
        QTest::newRow("child named like parent")
            << QByteArray("content/content") << QByteArray("content");
    }

    void findElement()
    {
        QFETCH(QByteArray, path);
        QFETCH(QByteArray, expectedId);

        XmlPathDocument document;
        document.Parse("<!--c--><clientConfig id=\"root\"><content id=\"content\">"
                       "<title id=\"title\">T</title><title id=\"second\"/><content id=\"inner\"/>"
                       "</content></clientConfig>");
        const XMLElement *found = document.FindElement(path.toStdString());
        QCOMPARE(QByteArray::fromStdString(XmlPathDocument::AttributeText(found, "id")),
                 expectedId);
    }

    void createPathAlwaysMakesNewElements()
    {
        XmlPathDocument document;
        document.Parse("<r><old/></r>");
        XMLElement *root = document.RootElement();
        XMLElement *first = document.CreatePath("a/b/c", "x", root);
        XMLElement *second = document.CreatePath("a/b/c", "x", root);

        QVERIFY(first != second);
        QCOMPARE(second, root->LastChildElement()->FirstChildElement()->FirstChildElement());
        QCOMPARE(serialized(document),
                 QByteArray("<r>\n\t<old/>\n\t<a>\n\t\t<b>\n\t\t\t<c>x</c>\n\t\t</b>\n\t</a>\n"
                            "\t<a>\n\t\t<b>\n\t\t\t<c>x</c>\n\t\t</b>\n\t</a>\n</r>\n"));
        QVERIFY(!document.CreatePath("loose", "", nullptr)->Parent());
    }

    void elementText_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("text") << QByteArray("text") << QByteArray("hello");
        QTest::newRow("CDATA") << QByteArray("cdata") << QByteArray("<c>");
        QTest::newRow("element first, text later") << QByteArray("mixed") << QByteArray();
        QTest::newRow("no children") << QByteArray("empty") << QByteArray();
        QTest::newRow("no element") << QByteArray("missing") << QByteArray();
    }

    void elementText()
    {
        QFETCH(QByteArray, path);
        QFETCH(QByteArray, expected);

        XmlPathDocument document;
        document.Parse("<r><text>hello</text><cdata><![CDATA[<c>]]></cdata>"
                       "<mixed><x/>later</mixed><empty/></r>");
        const XMLElement *element = document.FindElement(path.toStdString());
        QCOMPARE(QByteArray::fromStdString(XmlPathDocument::ElementText(element)), expected);
    }

    void attributeText()
    {
        XmlPathDocument document;
        document.Parse("<r id=\"7\"/>");
        QCOMPARE(XmlPathDocument::AttributeText(document.RootElement(), "id"), std::string("7"));
        QCOMPARE(XmlPathDocument::AttributeText(document.RootElement(), "filePath"), std::string());
        QCOMPARE(XmlPathDocument::AttributeText(nullptr, "id"), std::string());
    }

    void loadFailure_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("isFolder");

        QTest::newRow("missing") << QByteArray() << false;
        QTest::newRow("empty") << QByteArray("") << false;
        QTest::newRow("white space") << QByteArray(" \r\n\t") << false;
        QTest::newRow("byte-order mark and white space") << QByteArray("\xEF\xBB\xBF \n") << false;
        QTest::newRow("truncated") << QByteArray("<?xml version=\"1.0\"?><a><b>x</b>") << false;
        QTest::newRow("not XML") << QByteArray("hello world") << false;
        QTest::newRow("binary") << QByteArray("\0\x01\x02", 3) << false;
        QTest::newRow("reference without digits") << QByteArray("<c>&#;2g></c>") << false;
        QTest::newRow("reference past Unicode beside an unknown node")
            << QByteArray("<r><t>x<!a> &#x4E2D0013;</t></r>") << false;
        QTest::newRow("reference to NUL in an attribute")
            << QByteArray("<r a=\"&#x0;\"/>") << false;
        QTest::newRow("reference to a surrogate") << QByteArray("<r>&#55296;</r>") << false;
        QTest::newRow("reference without semicolon") << QByteArray("<r>&#65 </r>") << false;
        QTest::newRow("folder") << QByteArray() << true;
    }

    void loadFailure()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, isFolder);

        const QString path = m_dir.filePath(QString::fromUtf8(QTest::currentDataTag()));
        if (isFolder)
            QVERIFY(QDir(m_dir.path()).mkdir(path));
        else if (!bytes.isNull())
            TestFiles::write(path, bytes);

        XmlPathDocument document;
        const Result<> loaded = document.Load(path.toStdString());
        QVERIFY(!loaded);
        QVERIFY2(loaded.error().contains(QDir::toNativeSeparators(path)),
                 qPrintable(loaded.error()));
        QCOMPARE(document.loadedPath(), path.toStdString());
        QVERIFY(document.NoChildren());
    }

    void saveFailure_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("readOnly");
        QTest::addColumn<QByteArray>("before");

        QTest::newRow("read-only file")
            << QStringLiteral("ro.xml") << QStringLiteral("ro.xml") << QByteArray("old");
        QTest::newRow("read-only folder")
            << QStringLiteral("locked/a.xml") << QStringLiteral("locked") << QByteArray("old");
        QTest::newRow("missing folder")
            << QStringLiteral("missing/a.xml") << QString() << QByteArray();
    }

    void saveFailure()
    {
        QFETCH(QString, target);
        QFETCH(QString, readOnly);
        QFETCH(QByteArray, before);

        const QString path = m_dir.filePath(target);
        if (!before.isEmpty())
            TestFiles::write(path, before);
        if (!readOnly.isEmpty())
            TestFiles::makeReadOnly(m_dir.filePath(readOnly));

        XmlPathDocument document;
        const Result<> saved = document.Save(path.toStdString());
        if (!readOnly.isEmpty())
            TestFiles::makeWritable(m_dir.filePath(readOnly));

        QVERIFY(!saved);
        QVERIFY2(saved.error().contains(QFileInfo(path).fileName()), qPrintable(saved.error()));
        QCOMPARE(QFileInfo::exists(path), !before.isEmpty());
        QCOMPARE(TestFiles::read(path), before);
    }

private:
    std::string fileWith(const QByteArray &bytes)
    {
        const QString path
            = m_dir.filePath(QString::number(++m_fileCount) + QStringLiteral(".xml"));
        TestFiles::write(path, bytes);
        return path.toStdString();
    }

    QTemporaryDir m_dir;
    int m_fileCount = 0;
};

QTEST_GUILESS_MAIN(tst_XmlPathDocument)

#include "tst_xmlpathdocument.moc"
