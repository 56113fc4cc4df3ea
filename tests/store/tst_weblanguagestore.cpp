#include "TestFiles.h"
#include "config/LanguageCatalogue.h"
#include "store/WebLanguageStore.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

using Files = QMap<QString, QByteArray>; // path under a folder -> bytes, null: no file
using IndexValues = QMap<int, QString>; // index among the web items -> value

const QByteArray Bom = "\xEF\xBB\xBF";
const QByteArray Declaration = R"(<?xml version="1.0" encoding="UTF-8"?>)"
                               "\n";

// A web file holding the items given as XML.
QByteArray webFile(const QByteArray &items)
{
    return "<languageInfo>\n\t<items>\n" + items + "\t</items>\n</languageInfo>\n";
}

QByteArray item(const QByteArray &id, const QByteArray &content)
{
    return "\t\t<item id=\"" + id + "\">" + content + "</item>\n";
}

// The English set most cases use: a.xml with X, Y and a second X, sub/b.xml with Z.
const Files EnglishSet = {
    { u"a.xml"_s, webFile(item("X", "x") + item("Y", "y") + item("X", "again")) },
    { u"sub/b.xml"_s, webFile(item("Z", "z")) },
};
const QByteArray LanguageA = webFile(item("X", "x1") + item("Y", "y1"));
const QByteArray LanguageB = webFile(item("Z", "z1"));

} // namespace

class tst_WebLanguageStore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void numbering_data();
    void numbering();
    void openFailsWithoutFolders_data();
    void openFailsWithoutFolders();
    void openTakesRelativeFoldersAndKeepsCurrentDirectory();
    void scanSurvivesFolderLinkLoop();
    void addWebKeysKeepsPresentAttributes();
    void loadWebValues_data();
    void loadWebValues();
    void writeWebValues_data();
    void writeWebValues();
    void writeWebValuesLeavesUnusableFiles_data();
    void writeWebValuesLeavesUnusableFiles();
    void createWebLanguage();
    void createWebLanguageReportsFailures_data();
    void createWebLanguageReportsFailures();
    void createWebLanguageWithoutCatalogueCode();
    void refusesUnsafeKeyNames_data();
    void refusesUnsafeKeyNames();
    void writtenValuesLoadBack();

private:
    QString web() const { return m_dir->path() + u"/Web/LanguageInfo"_s; }
    QString language() const { return m_dir->path() + u"/language"_s; }
    void writeFiles(const QString &folder, const Files &files);
    // Opens m_store on the English set; ordinals become indices from 0.
    void open(const Files &english);
    EntryOrdinal ordinal(int index) const { return m_store->webItems().begin()->first + index; }

    const LanguageCatalogue m_catalogue = LanguageCatalogue::builtIn();
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<WebLanguageStore> m_store;
};

void tst_WebLanguageStore::writeFiles(const QString &folder, const Files &files)
{
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        if (!it.value().isNull())
            TestFiles::write(folder + u'/' + it.key(), it.value());
    }
}

void tst_WebLanguageStore::open(const Files &english)
{
    QDir().mkpath(language());
    writeFiles(web() + u"/en-us"_s, english);
    QVERIFY(m_store->Open(web(), language()));
}

void tst_WebLanguageStore::initTestCase()
{
    init();
    open(EnglishSet);
    const QList<EntryOrdinal> expected
        = { FirstWebOrdinal, FirstWebOrdinal + 1, FirstWebOrdinal + 2, FirstWebOrdinal + 3 };
    QList<EntryOrdinal> ordinals;
    for (const auto &entry : m_store->webItems())
        ordinals.append(entry.first);
    QCOMPARE(ordinals, expected);
}

void tst_WebLanguageStore::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_store = std::make_unique<WebLanguageStore>(m_catalogue);
}

void tst_WebLanguageStore::numbering_data()
{
    QTest::addColumn<Files>("english");
    QTest::addColumn<QStringList>("fileList");
    QTest::addColumn<QStringList>("items"); // "file number:id" in ordinal order

    QTest::newRow("nested folders, recursion where met")
        << Files { { u"m.xml"_s, webFile(item("M", "")) },
                   { u"sub/b.xml"_s, webFile(item("Z", "")) },
                   { u"a.xml"_s, webFile(item("X", "") + item("Y", "")) },
                   { u"sub/deep/c.xml"_s, webFile(item("C", "")) } }
        << QStringList { u"./a.xml"_s, u"./m.xml"_s, u"./sub/b.xml"_s, u"./sub/deep/c.xml"_s }
        << QStringList { u"0:X"_s, u"0:Y"_s, u"1:M"_s, u"2:Z"_s, u"3:C"_s };
    QTest::newRow("case-insensitive listing, upper case compared")
        << Files { { u"b.xml"_s, webFile(item("B", "")) },
                   { u"Ab.xml"_s, webFile(item("AB", "")) },
                   { u"a_c.xml"_s, webFile(item("AC", "")) },
                   { u"C/c.xml"_s, webFile(item("C", "")) } }
        << QStringList { u"./Ab.xml"_s, u"./a_c.xml"_s, u"./b.xml"_s, u"./C/c.xml"_s }
        << QStringList { u"0:AB"_s, u"1:AC"_s, u"2:B"_s, u"3:C"_s };
    QTest::newRow("extension exact, dotted folders skipped")
        << Files { { u"A.XML"_s, webFile(item("U", "")) },
                   { u"x.xml.bak"_s, webFile(item("K", "")) },
                   { u"v1.0/c.xml"_s, webFile(item("D", "")) },
                   { u"a.xml"_s, webFile(item("X", "")) } }
        << QStringList { u"./a.xml"_s } << QStringList { u"0:X"_s };
    QTest::newRow("items: first item on, any name with id")
        << Files { { u"a.xml"_s,
                     webFile("\t\t<entry id=\"before\"/>\n" + item("X", "")
                             + "\t\t<item>no id</item>\n\t\t<other id=\"O\"/>\n" + item("", "")
                             + item("X", "")) } }
        << QStringList { u"./a.xml"_s } << QStringList { u"0:X"_s, u"0:O"_s, u"0:"_s, u"0:X"_s };
    QTest::newRow("broken and item-less files give no items")
        << Files { { u"a.xml"_s, "<languageInfo><items><item id=\"X\">" },
                   { u"b.xml"_s, "<languageInfo/>" },
                   { u"c.xml"_s, webFile(item("C", "")) } }
        << QStringList { u"./a.xml"_s, u"./b.xml"_s, u"./c.xml"_s } << QStringList { u"2:C"_s };
}

void tst_WebLanguageStore::numbering()
{
    QFETCH(Files, english);
    QFETCH(QStringList, fileList);
    QFETCH(QStringList, items);

    open(english);
    QCOMPARE(m_store->fileList(), fileList);
    QStringList found;
    EntryOrdinal expected = ordinal(0);
    for (const auto &[ordinal, webItem] : m_store->webItems()) {
        QCOMPARE(ordinal, expected++);
        found.append(QString::number(webItem.fileNumber) + u':' + QString::fromUtf8(webItem.id));
    }
    QCOMPARE(found, items);
}

void tst_WebLanguageStore::openFailsWithoutFolders_data()
{
    QTest::addColumn<QString>("missing");
    QTest::newRow("language folder") << u"language"_s;
    QTest::newRow("web folder") << u"Web/LanguageInfo"_s;
    QTest::newRow("English folder") << u"Web/LanguageInfo/en-us"_s;
}

void tst_WebLanguageStore::openFailsWithoutFolders()
{
    QFETCH(QString, missing);
    QDir().mkpath(language());
    writeFiles(web() + u"/en-us"_s, EnglishSet);
    QVERIFY(QDir(m_dir->path() + u'/' + missing).removeRecursively());
    QVERIFY(!m_store->Open(web(), language()));
    QVERIFY(m_store->webItems().empty());
}

void tst_WebLanguageStore::openTakesRelativeFoldersAndKeepsCurrentDirectory()
{
    QDir().mkpath(language());
    writeFiles(web() + u"/en-us"_s, EnglishSet);
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir->path() + u"/language"_s));
    const Result<> opened = m_store->Open(u"../Web/LanguageInfo"_s, u"."_s);
    const QString during = QDir::currentPath();
    QDir::setCurrent(previous);

    QVERIFY(opened);
    QCOMPARE(during, QDir(m_dir->path()).canonicalPath() + u"/language"_s);
    QCOMPARE(m_store->webFolder(), QDir(web()).canonicalPath());
    QCOMPARE(m_store->indexPath(), QDir(language()).canonicalPath() + u"/LanguageIndex.ini"_s);
    QCOMPARE(m_store->webItems().size(), 4u);
}

void tst_WebLanguageStore::scanSurvivesFolderLinkLoop()
{
    writeFiles(web() + u"/en-us"_s, EnglishSet);
    if (!QFile::link(web() + u"/en-us"_s, web() + u"/en-us/sub/loop"_s))
        QSKIP("folder links are not available here");
    open({});
    QCOMPARE(m_store->fileList(), (QStringList { u"./a.xml"_s, u"./sub/b.xml"_s }));
}

void tst_WebLanguageStore::addWebKeysKeepsPresentAttributes()
{
    open(EnglishSet);
    AttributeMap attributes { { ordinal(1), u"KEPT"_s } };
    m_store->AddWebKeys(attributes);
    const AttributeMap expected { { ordinal(0), u"X"_s },
                                  { ordinal(1), u"KEPT"_s },
                                  { ordinal(2), u"X"_s },
                                  { ordinal(3), u"Z"_s } };
    QCOMPARE(attributes, expected);
}

void tst_WebLanguageStore::loadWebValues_data()
{
    QTest::addColumn<QByteArray>("fileA"); // null: missing
    QTest::addColumn<QStringList>("values");

    QTest::newRow("blanks trimmed, tabs kept, first of two ids")
        << webFile(item("X", "  x  y ") + item("Y", "\ty "))
        << QStringList { u"x  y"_s, u"\ty"_s, u"x  y"_s, u"z1"_s };
    QTest::newRow("missing item") << webFile(item("X", "x1"))
                                  << QStringList { u"x1"_s, QString(), u"x1"_s, u"z1"_s };
    QTest::newRow("missing file") << QByteArray()
                                  << QStringList { QString(), QString(), QString(), u"z1"_s };
    QTest::newRow("truncated file") << QByteArray("<languageInfo><items><item id=\"X\">x")
                                    << QStringList { QString(), QString(), QString(), u"z1"_s };
    QTest::newRow("CDATA, entities, byte-order mark, beyond the BMP")
        << Bom + webFile(item("X", "<![CDATA[<b> ]]>") + item("Y", "a &amp; &lt;\xF0\x9F\x98\x80"))
        << QStringList { u"<b>"_s, u"a & <\U0001F600"_s, u"<b>"_s, u"z1"_s };
    QTest::newRow("element first, not UTF-8")
        << webFile(item("X", "<b>bold</b> tail") + item("Y", "caf\xE9"))
        << QStringList { QString(), QString(), QString(), u"z1"_s };
}

void tst_WebLanguageStore::loadWebValues()
{
    QFETCH(QByteArray, fileA);
    QFETCH(QStringList, values);

    open(EnglishSet);
    writeFiles(web() + u"/zh-cn"_s, { { u"a.xml"_s, fileA }, { u"sub/b.xml"_s, LanguageB } });
    ValueMap loaded { { 7, u"ini value"_s } };
    QVERIFY(m_store->LoadWebValues(u"zh-cn"_s, loaded));
    ValueMap expected { { 7, u"ini value"_s } };
    for (int i = 0; i < values.size(); ++i)
        expected.emplace(ordinal(i), values.at(i));
    QCOMPARE(loaded, expected);

    ValueMap present { { ordinal(3), u"kept"_s } };
    QVERIFY(m_store->LoadWebValues(u"zh-cn"_s, present));
    QCOMPARE(present.at(ordinal(3)), u"kept"_s);
    QVERIFY(!m_store->LoadWebValues(u"de-de"_s, present));
}

void tst_WebLanguageStore::writeWebValues_data()
{
    QTest::addColumn<QByteArray>("fileA");
    QTest::addColumn<IndexValues>("values");
    QTest::addColumn<QByteArray>("expectedA"); // null: not rewritten
    QTest::addColumn<QByteArray>("expectedB");

    const QByteArray newB = Declaration + webFile(item("Z", "zz"));
    QTest::newRow("one file touched, declaration added, blanks trimmed")
        << LanguageA << IndexValues { { 0, u" new  "_s } }
        << Declaration + webFile(item("X", "new") + item("Y", "y1")) << QByteArray();
    QTest::newRow("other file only")
        << LanguageA << IndexValues { { 3, u"zz"_s } } << QByteArray() << newB;
    QTest::newRow("missing item appended, both files")
        << webFile(item("X", "x1")) << IndexValues { { 1, u"why"_s }, { 3, u"zz"_s } }
        << Declaration + webFile(item("X", "x1") + item("Y", "why")) << newB;
    QTest::newRow("second item of one id sets the first")
        << LanguageA << IndexValues { { 2, u"again"_s } }
        << Declaration + webFile(item("X", "again") + item("Y", "y1")) << QByteArray();
    QTest::newRow("CDATA becomes text, markup escaped, mark kept")
        << Bom + Declaration + webFile(item("X", "<![CDATA[<b>]]>") + item("Y", "y1"))
        << IndexValues { { 0, u"<b> & \U0001F600"_s } }
        << Bom + Declaration
            + webFile(item("X", "&lt;b&gt; &amp; \xF0\x9F\x98\x80") + item("Y", "y1"))
        << QByteArray();
    QTest::newRow("element first child kept behind the text")
        << webFile(item("X", "<b>bold</b>") + item("Y", "y1")) << IndexValues { { 0, u"new"_s } }
        << Declaration + webFile(item("X", "new\t\t\t<b>bold</b>\n\t\t") + item("Y", "y1"))
        << QByteArray();
}

void tst_WebLanguageStore::writeWebValues()
{
    QFETCH(QByteArray, fileA);
    QFETCH(IndexValues, values);
    QFETCH(QByteArray, expectedA);
    QFETCH(QByteArray, expectedB);

    open(EnglishSet);
    writeFiles(web() + u"/zh-cn"_s, { { u"a.xml"_s, fileA }, { u"sub/b.xml"_s, LanguageB } });
    ValueMap written { { 0, u"ini values are not web values"_s } };
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        written.emplace(ordinal(it.key()), it.value());
    QVERIFY(m_store->WriteWebValues(u"zh-cn"_s, written));
    QCOMPARE(TestFiles::read(web() + u"/zh-cn/a.xml"_s), expectedA.isNull() ? fileA : expectedA);
    QCOMPARE(TestFiles::read(web() + u"/zh-cn/sub/b.xml"_s),
             expectedB.isNull() ? LanguageB : expectedB);
}

void tst_WebLanguageStore::writeWebValuesLeavesUnusableFiles_data()
{
    QTest::addColumn<QByteArray>("fileA"); // null: missing
    QTest::addColumn<QString>("readOnly");
    QTest::addColumn<QByteArray>("expectedA");

    QTest::newRow("missing") << QByteArray() << QString() << QByteArray();
    QTest::newRow("empty") << QByteArray("") << QString() << QByteArray("");
    QTest::newRow("byte-order mark only") << Bom << QString() << Bom;
    QTest::newRow("truncated") << QByteArray("<languageInfo><items>") << QString()
                               << QByteArray("<languageInfo><items>");
    QTest::newRow("read-only") << LanguageA << u"a.xml"_s << LanguageA;
    // The file is saved; the value it has no place for is reported.
    QTest::newRow("no items element")
        << QByteArray("<languageInfo/>") << QString() << Declaration + "<languageInfo/>\n";
}

void tst_WebLanguageStore::writeWebValuesLeavesUnusableFiles()
{
    QFETCH(QByteArray, fileA);
    QFETCH(QString, readOnly);
    QFETCH(QByteArray, expectedA);

    open(EnglishSet);
    const QString folder = web() + u"/zh-cn"_s;
    writeFiles(folder, { { u"a.xml"_s, fileA }, { u"sub/b.xml"_s, LanguageB } });
    if (!readOnly.isEmpty())
        TestFiles::makeReadOnly(folder + u'/' + readOnly);
    const ValueMap values { { ordinal(0), u"new"_s }, { ordinal(3), u"zz"_s } };
    QVERIFY(!m_store->WriteWebValues(u"zh-cn"_s, values));
    QCOMPARE(QFile::exists(folder + u"/a.xml"_s), !expectedA.isNull());
    QCOMPARE(TestFiles::read(folder + u"/a.xml"_s), expectedA);
    QCOMPARE(TestFiles::read(folder + u"/sub/b.xml"_s), Declaration + webFile(item("Z", "zz")));
    QVERIFY(!m_store->WriteWebValues(u"de-de"_s, values));
}

void tst_WebLanguageStore::createWebLanguage()
{
    open({ { u"a.xml"_s, webFile(item("X", "x") + item("Y", "y")) },
           { u"deep/er/c.xml"_s, webFile(item("Z", "z")) },
           { u"empty.xml"_s, webFile({}) } });
    const QString folder = web() + u"/zh-cn"_s;
    writeFiles(folder, { { u"a.xml"_s, LanguageA }, { u"other.xml"_s, "kept" } });
    TestFiles::write(m_store->indexPath(), "[languages]\n0x0804=Chinese (PRC)\n");

    QVERIFY(m_store->CreateWebLanguage(u"zh-cn"_s));
    const Files expected = {
        { u"a.xml"_s,
          Bom
              + "<languageInfo>\n\t<items>\t\t<item id=\"X\"></item>\n"
                "\t\t<item id=\"Y\"></item>\n\t</items>\n</languageInfo>\n" },
        { u"deep/er/c.xml"_s,
          Bom
              + "<languageInfo>\n\t<items>\t\t<item "
                "id=\"Z\"></item>\n\t</items>\n</languageInfo>\n" },
        { u"other.xml"_s, "kept" },
    };
    QCOMPARE(TestFiles::snapshot(folder), expected);
    QCOMPARE(TestFiles::read(m_store->indexPath()),
             "[languages]\n0x0804=Chinese (PRC)\n[xmllanguages]\n0x0804=zh-cn\n");
}

void tst_WebLanguageStore::createWebLanguageReportsFailures_data()
{
    // Paths under the temporary folder.
    QTest::addColumn<QString>("folderAt");
    QTest::addColumn<QString>("fileAt");
    QTest::addColumn<QString>("readOnly");
    QTest::addColumn<QStringList>("created"); // written all the same

    const QString a = u"Web/LanguageInfo/zh-cn/a.xml"_s;
    QTest::newRow("folder in a file's place")
        << a << QString() << QString() << QStringList { u"sub/b.xml"_s };
    QTest::newRow("file in a folder's place")
        << QString() << u"Web/LanguageInfo/zh-cn/sub"_s << QString() << QStringList { u"a.xml"_s };
    QTest::newRow("file in the language folder's place")
        << QString() << u"Web/LanguageInfo/zh-cn"_s << QString() << QStringList();
    QTest::newRow("read-only file")
        << QString() << QString() << a << QStringList { u"sub/b.xml"_s };
    QTest::newRow("read-only language folder")
        << QString() << QString() << u"Web/LanguageInfo/zh-cn"_s << QStringList();
    QTest::newRow("read-only index") << QString() << QString() << u"language/LanguageIndex.ini"_s
                                     << QStringList { u"a.xml"_s, u"sub/b.xml"_s };
}

void tst_WebLanguageStore::createWebLanguageReportsFailures()
{
    QFETCH(QString, folderAt);
    QFETCH(QString, fileAt);
    QFETCH(QString, readOnly);
    QFETCH(QStringList, created);

    open(EnglishSet);
    const QString root = m_dir->path() + u'/';
    writeFiles(root,
               { { u"Web/LanguageInfo/zh-cn/a.xml"_s, LanguageA },
                 { u"language/LanguageIndex.ini"_s, "[languages]\n" } });
    if (!fileAt.isEmpty()) {
        QDir(root + fileAt).removeRecursively();
        TestFiles::write(root + fileAt, "in the way");
    }
    if (!folderAt.isEmpty()) {
        QFile::remove(root + folderAt);
        QDir().mkpath(root + folderAt);
    }
    if (!readOnly.isEmpty())
        TestFiles::makeReadOnly(root + readOnly);
    const Result<> result = m_store->CreateWebLanguage(u"zh-cn"_s);
    if (!readOnly.isEmpty())
        TestFiles::makeWritable(root + readOnly);

    QVERIFY(!result);
    const QString folder = web() + u"/zh-cn/"_s;
    for (const QString &file : created)
        QVERIFY(TestFiles::read(folder + file).startsWith(QByteArray(Bom + "<languageInfo>")));
    if (readOnly == u"Web/LanguageInfo/zh-cn/a.xml")
        QCOMPARE(TestFiles::read(folder + u"a.xml"_s), LanguageA);
}

void tst_WebLanguageStore::createWebLanguageWithoutCatalogueCode()
{
    open(EnglishSet);
    QVERIFY(m_store->CreateWebLanguage(u"Klingon"_s));
    QCOMPARE(TestFiles::snapshot(web() + u"/Klingon"_s).keys(),
             (QStringList { u"a.xml"_s, u"sub/b.xml"_s }));
    QVERIFY(!QFile::exists(m_store->indexPath()));
}

void tst_WebLanguageStore::refusesUnsafeKeyNames_data()
{
    QTest::addColumn<QString>("keyName");
    QTest::newRow("empty") << QString();
    QTest::newRow("dot") << u"."_s;
    QTest::newRow("parent") << u".."_s;
    QTest::newRow("path") << u"../zh-cn"_s;
    QTest::newRow("backslash") << u"a\\b"_s;
}

void tst_WebLanguageStore::refusesUnsafeKeyNames()
{
    QFETCH(QString, keyName);
    open(EnglishSet);
    writeFiles(web() + u"/zh-cn"_s, { { u"a.xml"_s, LanguageA } });
    const Files before = TestFiles::snapshot(m_dir->path());
    ValueMap values { { ordinal(0), u"new"_s } };
    QVERIFY(!m_store->CreateWebLanguage(keyName));
    QVERIFY(!m_store->WriteWebValues(keyName, values));
    QVERIFY(!m_store->LoadWebValues(keyName, values));
    QCOMPARE(values.size(), 1u);
    QCOMPARE(TestFiles::snapshot(m_dir->path()), before);
}

void tst_WebLanguageStore::writtenValuesLoadBack()
{
    open(EnglishSet);
    QVERIFY(m_store->CreateWebLanguage(u"zh-cn"_s));
    const ValueMap written { { ordinal(0), u" \"quoted\" & 'single' <tag> "_s },
                             { ordinal(1), u"\U0001F600 ü"_s },
                             { ordinal(3), QString() } };
    QVERIFY(m_store->WriteWebValues(u"zh-cn"_s, written));
    ValueMap loaded;
    QVERIFY(m_store->LoadWebValues(u"zh-cn"_s, loaded));
    const ValueMap expected { { ordinal(0), u"\"quoted\" & 'single' <tag>"_s },
                              { ordinal(1), u"\U0001F600 ü"_s },
                              { ordinal(2), u"\"quoted\" & 'single' <tag>"_s },
                              { ordinal(3), QString() } };
    QCOMPARE(loaded, expected);
}

QTEST_GUILESS_MAIN(tst_WebLanguageStore)

#include "tst_weblanguagestore.moc"
