#include "LanguageFolder.h"
#include "config/LanguageCatalogue.h"
#include "config/LanguageIndex.h"
#include "store/LanguageStore.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QByteArray Reference = "[text]\nA=1\nB=2\nC=3\n";
const QString German = u"German (Germany)"_s;
const QByteArray GermanIndexLine = "0x0407=German (Germany)\n";
const QByteArray Mark = "\xEF\xBB\xBF";

QByteArray marked(const QByteArray &text)
{
    return Mark + text;
}

// Relative offset of a web ordinal: first ordinal + offset is at least FirstWebOrdinal.
constexpr int WebOffset = int(FirstWebOrdinal);

} // namespace

class tst_LanguageStoreWrite : public QObject
{
    Q_OBJECT

private slots:
    void createLanguageFile_data();
    void createLanguageFile();
    void createOutsideCatalogueLeavesIndex();
    void resetLanguageFile();
    void writeValues_data();
    void writeValues();
    void sharedKey_data();
    void sharedKey();
    void saveValuesAs_data();
    void saveValuesAs();
    void removeKeys_data();
    void removeKeys();
    void adjustGivesReferenceOrder();

private:
    const LanguageCatalogue m_catalogue = LanguageCatalogue::builtIn();
};

static void addModeColumn()
{
    QTest::addColumn<bool>("utf8Mode");
}

void tst_LanguageStoreWrite::createLanguageFile_data()
{
    addModeColumn();
    QTest::addColumn<QByteArray>("existing");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray utf8File = marked("[text]\nA=\nB=\nC=\n");
    const QByteArray wideFile = "[text]\nA= \nB= \nC= \n";
    QTest::newRow("new file, UTF-8") << true << QByteArray() << utf8File;
    QTest::newRow("new file, wide") << false << QByteArray() << wideFile;
    const QByteArray old = "\xFF\xFE[\0t\0"_ba;
    QTest::newRow("file replaced, UTF-8") << true << old << utf8File;
    QTest::newRow("file replaced, wide") << false << old << wideFile;
}

void tst_LanguageStoreWrite::createLanguageFile()
{
    QFETCH(bool, utf8Mode);
    QFETCH(QByteArray, existing);
    QFETCH(QByteArray, expected);

    const LanguageFolder folder(Reference);
    folder.writeLanguage(German, existing);
    const QString indexPath = folder.filePath(LanguageIndex::FileName);
    TestFiles::write(indexPath, "[languages]\n0x0409=English (United States)\n");
    LanguageStore store(m_catalogue);
    QVERIFY(folder.open(store, utf8Mode));

    QVERIFY(store.CreateLanguageFile(German));
    QCOMPARE(TestFiles::read(folder.iniPath(German)), expected);
    QCOMPARE(TestFiles::read(indexPath),
             QByteArray("[languages]\n0x0409=English (United States)\n" + GermanIndexLine));

    LanguageFile file;
    QVERIFY(store.LoadLanguage(German, file.values, file.extraKeys));
    QCOMPARE(relativeValues(store, file.values),
             (RelativeValues { { 0, {} }, { 1, {} }, { 2, {} } }));
    QVERIFY(file.extraKeys.empty());
}

void tst_LanguageStoreWrite::createOutsideCatalogueLeavesIndex()
{
    const LanguageFolder folder(Reference);
    LanguageStore store(m_catalogue);
    QVERIFY(folder.open(store, true));

    QVERIFY(store.CreateLanguageFile(u"Klingon"_s));
    QCOMPARE(TestFiles::read(folder.iniPath(u"Klingon"_s)), marked("[text]\nA=\nB=\nC=\n"));
    QVERIFY(!QFileInfo::exists(folder.filePath(LanguageIndex::FileName)));
}

void tst_LanguageStoreWrite::resetLanguageFile()
{
    const LanguageFolder folder(Reference);
    for (const bool utf8Mode : { true, false }) {
        TestFiles::write(folder.iniPath(u"x_adjust"_s), marked("[text]\nC=c\nX=x\n"));
        LanguageStore store(m_catalogue);
        QVERIFY(folder.open(store, utf8Mode));
        QVERIFY(store.ResetLanguageFile(u"x_adjust"_s));
        QCOMPARE(TestFiles::read(folder.iniPath(u"x_adjust"_s)), "[text]\nA=\nB=\nC=\n"_ba);
        QVERIFY(!QFileInfo::exists(folder.filePath(LanguageIndex::FileName)));
    }
}

void tst_LanguageStoreWrite::writeValues_data()
{
    addModeColumn();
    QTest::addColumn<QByteArray>("existing");
    QTest::addColumn<RelativeValues>("values");
    QTest::addColumn<QByteArray>("expected");

    for (const bool utf8Mode : { true, false }) {
        const char *mode = utf8Mode ? "UTF-8" : "wide";
        QTest::addRow("in place, new keys appended in ordinal order, %s", mode)
            << utf8Mode << marked("[text]\r\nC=c\r\nb=b\r\n; end\r\n[other]\r\nA=o\r\n")
            << RelativeValues { { 2, u"z"_s }, { 0, u"x"_s } }
            << marked("[text]\r\nC=z\r\nb=b\r\nA=x\r\n; end\r\n[other]\r\nA=o\r\n");
        QTest::addRow("missing file created without mark, %s", mode)
            << utf8Mode << QByteArray() << RelativeValues { { 1, u"y"_s } } << "[text]\nB=y\n"_ba;
        QTest::addRow("web and unknown ordinals skipped, %s", mode)
            << utf8Mode << QByteArray()
            << RelativeValues { { 0, u"x"_s }, { 7, u"unknown"_s }, { WebOffset, u"web"_s } }
            << "[text]\nA=x\n"_ba;
        QTest::addRow("values written as given, %s", mode)
            << utf8Mode << "[text]\nA=a\n"_ba
            << RelativeValues { { 0, u" a=b "_s }, { 1, u"\u00E9 \U0001F600"_s }, { 2, QString() } }
            << "[text]\nA= a=b \nB=\xC3\xA9 \xF0\x9F\x98\x80\nC=\n"_ba;
        QTest::addRow("no values, no file, %s", mode)
            << utf8Mode << QByteArray() << RelativeValues() << QByteArray();
    }
}

void tst_LanguageStoreWrite::writeValues()
{
    QFETCH(bool, utf8Mode);
    QFETCH(QByteArray, existing);
    QFETCH(RelativeValues, values);
    QFETCH(QByteArray, expected);

    const LanguageFolder folder(Reference);
    folder.writeLanguage(German, existing);
    LanguageStore store(m_catalogue);
    QVERIFY(folder.open(store, utf8Mode));
    const AttributeMap table = store.ReferenceKeyTable();

    QVERIFY(store.WriteValues(absoluteValues(store, values), German));
    QCOMPARE(TestFiles::read(folder.iniPath(German)), expected);
    QCOMPARE(QFileInfo::exists(folder.iniPath(German)), !expected.isNull());
    QCOMPARE(store.ReferenceKeyTable(), table);
}

void tst_LanguageStoreWrite::sharedKey_data()
{
    addModeColumn();
    QTest::addColumn<bool>("saveAs");
    QTest::addColumn<QByteArray>("expected");

    // WriteValues writes both ordinals in turn; SaveValuesAs only the first.
    QTest::newRow("WriteValues, UTF-8") << true << false << "[text]\nA=second\nB=b\n"_ba;
    QTest::newRow("WriteValues, wide") << false << false << "[text]\nA=second\nB=b\n"_ba;
    QTest::newRow("SaveValuesAs, UTF-8") << true << true << "[text]\nA=first\nB=b\n"_ba;
    QTest::newRow("SaveValuesAs, wide") << false << true << "[text]\nA=first\nB=b\n"_ba;
}

void tst_LanguageStoreWrite::sharedKey()
{
    QFETCH(bool, utf8Mode);
    QFETCH(bool, saveAs);
    QFETCH(QByteArray, expected);

    const LanguageFolder folder("[text]\nA=1\nB=2\na=3\n");
    LanguageStore store(m_catalogue);
    QVERIFY(folder.open(store, utf8Mode));

    const ValueMap values
        = absoluteValues(store, { { 0, u"first"_s }, { 1, u"b"_s }, { 2, u"second"_s } });
    const QString path = folder.iniPath(German);
    QVERIFY(saveAs ? store.SaveValuesAs(values, path) : store.WriteValues(values, German));
    QCOMPARE(TestFiles::read(path), expected);
}

void tst_LanguageStoreWrite::saveValuesAs_data()
{
    addModeColumn();
    QTest::addColumn<QString>("target"); // relative to the temporary folder
    QTest::addColumn<QByteArray>("existing");
    QTest::addColumn<QByteArray>("expected");

    for (const bool utf8Mode : { true, false }) {
        const char *mode = utf8Mode ? "UTF-8" : "wide";
        QTest::addRow("foreign keys kept, no extension added, %s", mode)
            << utf8Mode << u"elsewhere/copy.txt"_s << "[text]\nFOREIGN=f\nB=old\n"_ba
            << "[text]\nFOREIGN=f\nB=b\nA=a\n"_ba;
        QTest::addRow("relative path in the language folder, %s", mode)
            << utf8Mode << u"language/copy"_s << QByteArray() << "[text]\nA=a\nB=b\n"_ba;
    }
}

void tst_LanguageStoreWrite::saveValuesAs()
{
    QFETCH(bool, utf8Mode);
    QFETCH(QString, target);
    QFETCH(QByteArray, existing);
    QFETCH(QByteArray, expected);

    const LanguageFolder folder(Reference);
    const QString path = folder.filePath(u"../"_s + target);
    if (!existing.isNull())
        TestFiles::write(path, existing);
    else
        QDir().mkpath(QFileInfo(path).absolutePath());
    LanguageStore store(m_catalogue);
    QVERIFY(folder.open(store, utf8Mode));

    const ValueMap values
        = absoluteValues(store, { { 1, u"b"_s }, { 0, u"a"_s }, { WebOffset, u"web"_s } });
    const QString argument = target.startsWith(u"language/"_s) ? target.mid(9) : path;
    QVERIFY(store.SaveValuesAs(values, argument));
    QCOMPARE(TestFiles::read(path), expected);
}

void tst_LanguageStoreWrite::removeKeys_data()
{
    addModeColumn();
    QTest::addColumn<QByteArray>("existing");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray file = marked("[text]\nKEY=a=b\nX=1\nA=a\nY=2\n");
    for (const bool utf8Mode : { true, false }) {
        const char *mode = utf8Mode ? "UTF-8" : "wide";
        // KEY=a, the extra key a load derives from KEY=a=b, matches no line.
        QTest::addRow("listed keys removed, %s", mode)
            << utf8Mode << file << QStringList { u"KEY=a"_s, u"x"_s, u"Y"_s, u"Z"_s }
            << marked("[text]\nKEY=a=b\nA=a\n");
        QTest::addRow("no keys, %s", mode) << utf8Mode << file << QStringList() << file;
        QTest::addRow("missing file stays missing, %s", mode)
            << utf8Mode << QByteArray() << QStringList { u"X"_s } << QByteArray();
    }
}

void tst_LanguageStoreWrite::removeKeys()
{
    QFETCH(bool, utf8Mode);
    QFETCH(QByteArray, existing);
    QFETCH(QStringList, keys);
    QFETCH(QByteArray, expected);

    const LanguageFolder folder(Reference);
    folder.writeLanguage(German, existing);
    LanguageStore store(m_catalogue);
    QVERIFY(folder.open(store, utf8Mode));

    QVERIFY(store.RemoveKeys(German, KeySet(keys.begin(), keys.end())));
    QCOMPARE(TestFiles::read(folder.iniPath(German)), expected);
    QCOMPARE(QFileInfo::exists(folder.iniPath(German)), !expected.isNull());
}

void tst_LanguageStoreWrite::adjustGivesReferenceOrder()
{
    const LanguageFolder folder("[text]\nA=1\nB=2\nC=3\nD=4\n");
    TestFiles::write(folder.iniPath(German), "[text]\nd=d\nFOREIGN=f\nC= c \nA=a\n");
    for (const bool utf8Mode : { true, false }) {
        LanguageStore store(m_catalogue);
        QVERIFY(folder.open(store, utf8Mode));
        LanguageFile file;
        const QString adjusted = German + u"_adjust"_s;
        QVERIFY(store.ResetLanguageFile(adjusted));
        QVERIFY(store.LoadLanguage(German, file.values, file.extraKeys));
        QVERIFY(store.WriteValues(file.values, adjusted));
        const QByteArray c = utf8Mode ? " c " : "c";
        QCOMPARE(TestFiles::read(folder.iniPath(adjusted)),
                 QByteArray("[text]\nA=a\nB=\nC=" + c + "\nD=d\n"));
    }
}

QTEST_GUILESS_MAIN(tst_LanguageStoreWrite)
#include "tst_languagestore_write.moc"
