#include "TestFiles.h"
#include "config/LanguageIndex.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_LanguageIndex : public QObject
{
    Q_OBJECT

private slots:
    void readKeys_data();
    void readKeys();
};

void tst_LanguageIndex::readKeys_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QStringList>("keys");

    QTest::newRow("missing file") << QByteArray() << QStringList();
    QTest::newRow("both sections")
        << QByteArray("[languages]\n0x0409=English (United States)\n0x0407=German (Germany)\n"
                      "[xmllanguages]\n0x0409=en-us\n")
        << QStringList { u"0x0409"_s, u"0x0407"_s };
    QTest::newRow("blanks trimmed, last equals sign")
        << QByteArray("[languages]\n  0x0409 = English\n a=b = c\n")
        << QStringList { u"0x0409"_s, u"a=b"_s };
    QTest::newRow("entries without key skipped")
        << QByteArray("[languages]\nno equals sign\n=value\n  =x\n0x0804=Chinese (PRC)\n")
        << QStringList { u"0x0804"_s };
    QTest::newRow("section matched without regard to case, CR LF")
        << QByteArray("[LANGUAGES]\r\n0x0409=English (United States)\r\n")
        << QStringList { u"0x0409"_s };
    QTest::newRow("unknown codes kept")
        << QByteArray("[languages]\nxyz=Klingon\n") << QStringList { u"xyz"_s };
}

void tst_LanguageIndex::readKeys()
{
    QFETCH(QByteArray, contents);
    QFETCH(QStringList, keys);

    QTemporaryDir dir;
    const QString path = dir.filePath(LanguageIndex::FileName);
    if (!contents.isNull())
        TestFiles::write(path, contents);
    QCOMPARE(*LanguageIndex::readKeys(path, LanguageIndex::LanguagesSection), keys);
}

QTEST_GUILESS_MAIN(tst_LanguageIndex)
#include "tst_languageindex.moc"
