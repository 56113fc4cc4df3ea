#include "TestFiles.h"
#include "config/ClientConfig.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_ClientConfig : public QObject
{
    Q_OBJECT

private slots:
    void noticeTexts();
    void settings_data();
    void settings();
    void unknownExecutableFolder();
    void catalogueSource_data();
    void catalogueSource();
};

namespace {

QByteArray configFile(const QByteArray &content)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<clientConfig>\n\t<content>\n" + content
        + "\n\t</content>\n</clientConfig>\n";
}

} // namespace

void tst_ClientConfig::noticeTexts()
{
    QCOMPARE(ClientConfig::NoticeForNewTool.size(), 117);
    QCOMPARE(ClientConfig::NoticeForClassicTool.size(), 96);
    QVERIFY(ClientConfig::NoticeForNewTool.endsWith("'%1'   %1 / %2 must be kept"));
    QVERIFY(ClientConfig::NoticeForClassicTool.contains("%% , \\n and {digital number}"));
}

void tst_ClientConfig::settings_data()
{
    QTest::addColumn<QByteArray>("contents"); // null: no file
    QTest::addColumn<bool>("needWebLanguage");
    QTest::addColumn<bool>("newTool");
    QTest::addColumn<QByteArray>("title");

    QTest::newRow("no file") << QByteArray() << true << false << QByteArray("Lexivo");
    QTest::newRow("empty file") << QByteArray("") << true << false << QByteArray("Lexivo");
    QTest::newRow("byte-order mark only")
        << QByteArray("\xEF\xBB\xBF") << true << false << QByteArray("Lexivo");
    QTest::newRow("not XML") << QByteArray("needWebLanguage=false") << true << false
                             << QByteArray("Lexivo");
    QTest::newRow("truncated") << configFile("<needWebLanguage>false</needWebLanguage>").left(70)
                               << true << false << QByteArray("Lexivo");
    QTest::newRow("false and new") << configFile("<needWebLanguage>false</needWebLanguage>"
                                                 "<toolType>new</toolType>")
                                   << false << true << QByteArray("Lexivo");
    QTest::newRow("capitalised False") << configFile("<needWebLanguage>False</needWebLanguage>")
                                       << true << false << QByteArray("Lexivo");
    QTest::newRow("leading blank") << configFile("<needWebLanguage> false</needWebLanguage>")
                                   << true << false << QByteArray("Lexivo");
    QTest::newRow("upper-case NEW")
        << configFile("<toolType>NEW</toolType>") << true << false << QByteArray("Lexivo");
    QTest::newRow("new with trailing blank")
        << configFile("<toolType>new </toolType>") << true << false << QByteArray("Lexivo");
    QTest::newRow("empty title element")
        << configFile("<toolType>new</toolType><title/>") << true << true << QByteArray();
    QTest::newRow("UTF-8 title") << configFile("<title>客户端 Übersetzung</title>") << true << false
                                 << QByteArray("客户端 Übersetzung");
    QTest::newRow("title with an element first")
        << configFile("<title><b/>text</title>") << true << false << QByteArray();
}

void tst_ClientConfig::settings()
{
    QFETCH(QByteArray, contents);
    QFETCH(bool, needWebLanguage);
    QFETCH(bool, newTool);
    QFETCH(QByteArray, title);

    QTemporaryDir dir;
    if (!contents.isNull())
        TestFiles::write(dir.filePath(u"ConfigParameter.xml"_s), contents);
    const ClientConfig config = ClientConfig::load(dir.path());

    QCOMPARE(config.needWebLanguage, needWebLanguage);
    QCOMPARE(config.newTool, newTool);
    QCOMPARE(config.title, title);
    QCOMPARE(config.notice,
             newTool ? ClientConfig::NoticeForNewTool : ClientConfig::NoticeForClassicTool);
}

void tst_ClientConfig::unknownExecutableFolder()
{
    const ClientConfig config = ClientConfig::load(QString());
    QVERIFY(config.needWebLanguage);
    QVERIFY(!config.newTool);
    QVERIFY(config.title.isEmpty());
    QCOMPARE(config.notice, ClientConfig::NoticeForClassicTool);
    QCOMPARE(config.catalogue.count(), 112);
}

void tst_ClientConfig::catalogueSource_data()
{
    QTest::addColumn<QByteArray>("needWebLanguage");
    QTest::addColumn<int>("count");

    QTest::newRow("built in") << QByteArray("true") << 112;
    QTest::newRow("supported-languages file") << QByteArray("false") << 2;
}

void tst_ClientConfig::catalogueSource()
{
    QFETCH(QByteArray, needWebLanguage);
    QFETCH(int, count);

    QTemporaryDir dir;
    TestFiles::write(dir.filePath(u"ConfigParameter.xml"_s),
                     configFile("<needWebLanguage>" + needWebLanguage + "</needWebLanguage>"));
    TestFiles::write(dir.filePath(u"OR_supportLanguageInfo.xml"_s),
                     "<LanguageInfo><item id=\"0x0409\" filePath=\"English (United States)\"/>"
                     "<item id=\"0x0407\" filePath=\"German (Germany)\"/></LanguageInfo>");
    const ClientConfig config = ClientConfig::load(dir.path());
    QCOMPARE(config.catalogue.count(), count);
    QCOMPARE(config.catalogue.CodeByName(u"German (Germany)"_s), u"0x0407"_s);
}

QTEST_GUILESS_MAIN(tst_ClientConfig)
#include "tst_clientconfig.moc"
