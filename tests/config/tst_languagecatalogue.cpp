#include "TestFiles.h"
#include "config/LanguageCatalogue.h"

#include <QTemporaryDir>
#include <QTest>

#include <set>

using namespace Qt::StringLiterals;

class tst_LanguageCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void builtInRows_data();
    void builtInRows();
    void builtInSearches_data();
    void builtInSearches();
    void builtInCodesAndKeysAreUnique();
    void supportFile_data();
    void supportFile();
    void supportFileKeepsAtMostCapacityRows();

private:
    QTemporaryDir m_dir;
};

void tst_LanguageCatalogue::builtInRows_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("key");

    QTest::newRow("first") << 0 << u"Chinese (PRC)"_s << u"0x0804"_s << u"zh-cn"_s;
    QTest::newRow("english") << 1 << u"English (United States)"_s << u"0x0409"_s << u"en-us"_s;
    QTest::newRow("key rule") << 2 << u"Afrikaans (South Africa)"_s << u"0x0436"_s
                              << u"Afrikaans_South_Africa"_s;
    QTest::newRow("full stops") << 18 << u"Arabic (U.A.E.)"_s << u"0x3801"_s << u"Arabic_UAE"_s;
    QTest::newRow("comma") << 27 << u"Chinese (Hong Kong SAR, PRC)"_s << u"0x0c04"_s
                           << u"Chinese_Hong_Kong_SAR_PRC"_s;
    QTest::newRow("german") << 55 << u"German (Germany)"_s << u"0x0407"_s << u"German_Germany"_s;
    QTest::newRow("traditional sort") << 102 << u"Spanish (Spain, Traditional Sort)"_s
                                      << u"0x040a"_s << u"Spanish_Spain_Traditional_Sort"_s;
    QTest::newRow("last, upper-case code")
        << 111 << u"Vietnamese (Vietnam)"_s << u"0x042A"_s << u"Vietnamese_Vietnam"_s;
    QTest::newRow("past the end") << 112 << QString() << QString() << QString();
    QTest::newRow("negative") << -1 << QString() << QString() << QString();
}

void tst_LanguageCatalogue::builtInRows()
{
    QFETCH(int, row);
    QFETCH(QString, name);
    QFETCH(QString, code);
    QFETCH(QString, key);

    const LanguageCatalogue catalogue = LanguageCatalogue::builtIn();
    QCOMPARE(catalogue.count(), 112);
    QCOMPARE(catalogue.NameAt(row), name);
    QCOMPARE(catalogue.CodeAt(row), code);
    QCOMPARE(catalogue.KeyAt(row), key);
}

void tst_LanguageCatalogue::builtInSearches_data()
{
    QTest::addColumn<QString>("search");
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("expected");

    QTest::newRow("code by name") << u"CodeByName"_s << u"English (United States)"_s << u"0x0409"_s;
    QTest::newRow("code by name, other case")
        << u"CodeByName"_s << u"german (germany)"_s << QString();
    QTest::newRow("key by code") << u"KeyByCode"_s << u"0x0409"_s << u"en-us"_s;
    QTest::newRow("key by upper-case code") << u"KeyByCode"_s << u"0x0C04"_s << QString();
    QTest::newRow("code by key") << u"CodeByKey"_s << u"Arabic_UAE"_s << u"0x3801"_s;
    QTest::newRow("name by code") << u"NameByCode"_s << u"0x042A"_s << u"Vietnamese (Vietnam)"_s;
    QTest::newRow("name by lower-case last code") << u"NameByCode"_s << u"0x042a"_s << QString();
    QTest::newRow("name by code with a blank") << u"NameByCode"_s << u"0x0409 "_s << QString();
    QTest::newRow("empty argument") << u"NameByCode"_s << QString() << QString();
}

void tst_LanguageCatalogue::builtInSearches()
{
    QFETCH(QString, search);
    QFETCH(QString, argument);
    QFETCH(QString, expected);

    const LanguageCatalogue catalogue = LanguageCatalogue::builtIn();
    QString result;
    if (search == u"CodeByName")
        result = catalogue.CodeByName(argument);
    else if (search == u"KeyByCode")
        result = catalogue.KeyByCode(argument);
    else if (search == u"CodeByKey")
        result = catalogue.CodeByKey(argument);
    else
        result = catalogue.NameByCode(argument);
    QCOMPARE(result, expected);
}

// Every row must be reachable by its code and key name, or the index and the
// web folders could name two languages at once.
void tst_LanguageCatalogue::builtInCodesAndKeysAreUnique()
{
    const LanguageCatalogue catalogue = LanguageCatalogue::builtIn();
    std::set<QString> codes, keys;
    for (int row = 0; row < catalogue.count(); ++row) {
        QVERIFY(codes.insert(catalogue.CodeAt(row)).second);
        QVERIFY(keys.insert(catalogue.KeyAt(row)).second);
        QCOMPARE(catalogue.rowOfCode(catalogue.CodeAt(row)), row);
        QVERIFY(LanguageCatalogue::isSafeFileName(catalogue.NameAt(row)));
    }
}

void tst_LanguageCatalogue::supportFile_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QStringList>("names"); // expected rows as "name|code"

    const QByteArray head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<LanguageInfo>\n";
    QTest::newRow("missing") << QByteArray() << QStringList();
    QTest::newRow("empty") << QByteArray("") << QStringList();
    QTest::newRow("byte-order mark only") << QByteArray("\xEF\xBB\xBF") << QStringList();
    QTest::newRow("not XML") << QByteArray("[text]\nA=1\n") << QStringList();
    QTest::newRow("truncated") << head + "<item id=\"0x0409\" filePa" << QStringList();
    QTest::newRow("two items") << head
            + "<item id=\"0x0409\" filePath=\"English (United States)\"/>\n"
              "<item id=\"0x0407\" filePath=\"German (Germany)\"/></LanguageInfo>"
                               << QStringList { u"English (United States)|0x0409"_s,
                                                u"German (Germany)|0x0407"_s };
    QTest::newRow("other elements count, missing attributes are empty")
        << head + "<item id=\"0x0409\" filePath=\"English\"/><note/><x id=\"7\"/></LanguageInfo>"
        << QStringList { u"English|0x0409"_s, u"|"_s, u"|7"_s };
    QTest::newRow("UTF-8 names") << head + "<item id=\"1\" filePath=\"中文\"/></LanguageInfo>"
                                 << QStringList { u"中文|1"_s };
    QTest::newRow("unsafe names are left out") << head
            + "<item id=\"1\" filePath=\"..\"/><item id=\"2\" filePath=\"../evil\"/>"
              "<item id=\"3\" filePath=\"a\\b\"/><item id=\"4\" filePath=\".\"/>"
              "<item id=\"5\" filePath=\"ok\"/></LanguageInfo>"
                                               << QStringList { u"ok|5"_s };
}

void tst_LanguageCatalogue::supportFile()
{
    QFETCH(QByteArray, contents);
    QFETCH(QStringList, names);

    const QString path = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + u".xml");
    if (!contents.isNull())
        TestFiles::write(path, contents);
    const LanguageCatalogue catalogue = LanguageCatalogue::fromSupportFile(path);

    QStringList rows;
    for (int row = 0; row < catalogue.count(); ++row) {
        rows.append(catalogue.NameAt(row) + u'|' + catalogue.CodeAt(row));
        QVERIFY(catalogue.KeyAt(row).isEmpty());
    }
    QCOMPARE(rows, names);
}

void tst_LanguageCatalogue::supportFileKeepsAtMostCapacityRows()
{
    QByteArray contents = "<LanguageInfo>";
    for (int i = 0; i < 200; ++i)
        contents += "<item id=\"" + QByteArray::number(i) + "\" filePath=\"L"
            + QByteArray::number(i) + "\"/>";
    contents += "</LanguageInfo>";
    const QString path = m_dir.filePath(u"many.xml"_s);
    TestFiles::write(path, contents);

    const LanguageCatalogue catalogue = LanguageCatalogue::fromSupportFile(path);
    QCOMPARE(catalogue.count(), LanguageCatalogue::Capacity);
    QCOMPARE(catalogue.NameAt(129), u"L129"_s);
    QCOMPARE(catalogue.CodeByName(u"L130"_s), QString());
}

QTEST_GUILESS_MAIN(tst_LanguageCatalogue)
#include "tst_languagecatalogue.moc"
