#include "LanguageFolder.h"
#include "config/LanguageCatalogue.h"
#include "store/LanguageStore.h"
#include "store/PlainLanguageLoader.h"

#include <QDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Ordinals 0 TITLE, 1 KEY, 2 NAME, 3 KEY=A (the key ends at the last "="), 4 ÉTAT.
const QByteArray Reference
    = "[text]\nTITLE=Title\nKEY=Key\nNAME=Name\nKEY=A=ref\n\xC3\x89tat=State\n";

} // namespace

class tst_LanguageStoreLoad : public QObject
{
    Q_OBJECT

private slots:
    void referenceKeys_data();
    void referenceKeys();
    void openFailures_data();
    void openFailures();
    void openLeavesCurrentDirectory();
    void loadLanguage_data();
    void loadLanguage();
    void loadKeepsValuesAlreadyThere();
    void loadFailureLeavesFileUnchanged_data();
    void loadFailureLeavesFileUnchanged();
    void referenceLoadedAsLanguage();

private:
    void addBothModes(const char *name, const QByteArray &language, const RelativeValues &values,
                      const QStringList &extraKeys);

    const LanguageCatalogue m_catalogue = LanguageCatalogue::builtIn();
};

void tst_LanguageStoreLoad::referenceKeys_data()
{
    QTest::addColumn<QByteArray>("reference");
    QTest::addColumn<QStringList>("keys");

    QTest::newRow("file order, upper case, trimmed")
        << QByteArray("[text]\nzeta=1\n  Alpha =2\nmid=x=y\n")
        << QStringList { u"ZETA"_s, u"ALPHA"_s, u"MID=X"_s };
    QTest::newRow("a key twice gets two ordinals")
        << QByteArray("[text]\nA=1\nB=2\nA=3\n") << QStringList { u"A"_s, u"B"_s, u"A"_s };
    QTest::newRow("empty keys and lines without = skipped")
        << QByteArray("[text]\n=x\n \t=y\nno equals\nK=\n") << QStringList { u"K"_s };
    QTest::newRow("other sections ignored, CR LF")
        << QByteArray("[other]\r\nX=1\r\n[TEXT]\r\nA=1\r\n[more]\r\nY=2\r\n")
        << QStringList { u"A"_s };
    QTest::newRow("byte-order mark, key outside the BMP")
        << QByteArray("\xEF\xBB\xBF[text]\nA=1\nk\xF0\x9F\x98\x80=2\n")
        << QStringList { u"A"_s, u"K\U0001F600"_s };
    QTest::newRow("empty section") << QByteArray("[text]\n") << QStringList();
}

void tst_LanguageStoreLoad::referenceKeys()
{
    QFETCH(QByteArray, reference);
    QFETCH(QStringList, keys);

    const LanguageFolder folder(reference);
    LanguageStore store(m_catalogue);
    QVERIFY(store.Open(folder.folder()));

    QStringList tableKeys;
    EntryOrdinal expectedOrdinal = keys.isEmpty() ? 0 : firstOrdinal(store);
    for (const auto &[ordinal, key] : store.ReferenceKeyTable()) {
        QCOMPARE(ordinal, expectedOrdinal++);
        tableKeys.append(key);
    }
    QCOMPARE(tableKeys, keys);
}

void tst_LanguageStoreLoad::openFailures_data()
{
    QTest::addColumn<QString>("folder");

    QTest::newRow("missing folder") << u"nowhere"_s;
    QTest::newRow("folder without reference file") << u"empty"_s;
    QTest::newRow("reference in place of the folder") << u"language/English (United States).ini"_s;
}

void tst_LanguageStoreLoad::openFailures()
{
    QFETCH(QString, folder);

    const LanguageFolder language(Reference);
    QDir(language.folder()).mkpath(u"../empty"_s);
    LanguageStore store(m_catalogue);
    QVERIFY(!store.Open(language.folder() + u"/../"_s + folder));
    QVERIFY(store.ReferenceKeyTable().empty());
}

void tst_LanguageStoreLoad::openLeavesCurrentDirectory()
{
    const LanguageFolder folder(Reference);
    const QString start = QDir::currentPath();
    QVERIFY(QDir::setCurrent(folder.folder() + u"/.."_s));

    LanguageStore store(m_catalogue);
    const Result<> opened = store.Open(u"./language"_s);
    const QString current = QDir::currentPath();
    QDir::setCurrent(start);

    QVERIFY(opened);
    QCOMPARE(current, QDir(folder.folder() + u"/.."_s).absolutePath());
    QCOMPARE(store.languageFolder(), QDir(folder.folder()).absolutePath());
    QCOMPARE(store.ReferenceKeyTable().size(), size_t(5));
}

void tst_LanguageStoreLoad::addBothModes(const char *name, const QByteArray &language,
                                         const RelativeValues &values, const QStringList &extraKeys)
{
    QTest::addRow("%s, UTF-8", name) << true << language << values << extraKeys;
    QTest::addRow("%s, wide", name) << false << language << values << extraKeys;
}

void tst_LanguageStoreLoad::loadLanguage_data()
{
    QTest::addColumn<bool>("utf8Mode");
    QTest::addColumn<QByteArray>("language");
    QTest::addColumn<RelativeValues>("values");
    QTest::addColumn<QStringList>("extraKeys");

    // Values keep their blanks only in UTF-8 mode.
    QTest::newRow("blanks around =, UTF-8")
        << true << QByteArray("[text]\nTITLE= Hello \n") << RelativeValues { { 0, u" Hello "_s } }
        << QStringList();
    QTest::newRow("blanks around =, wide") << false << QByteArray("[text]\nTITLE= Hello \n")
                                           << RelativeValues { { 0, u"Hello"_s } } << QStringList();
    // The key ends at the last "=", the UTF-8 value starts after the first.
    QTest::newRow("several =, UTF-8") << true << QByteArray("[text]\nkey=a=b\n")
                                      << RelativeValues { { 3, u"a=b"_s } } << QStringList();
    QTest::newRow("several =, wide") << false << QByteArray("[text]\nkey=a=b\n")
                                     << RelativeValues { { 3, u"b"_s } } << QStringList();
    // A line that is not UTF-8 counts as empty in UTF-8 mode, wherever the bad
    // byte is; the wide read replaces the bytes.
    const QByteArray invalid = "[text]\nTITLE=\xFF\xFE\ntitle=t\nNAME=n\nX\xFF=1\nEXTRA=\xC3\n";
    QTest::newRow("invalid UTF-8 lines, UTF-8")
        << true << invalid << RelativeValues { { 0, u"t"_s }, { 2, u"n"_s } } << QStringList();
    QTest::newRow("invalid UTF-8 lines, wide")
        << false << invalid << RelativeValues { { 0, u"\uFFFD\uFFFD"_s }, { 2, u"n"_s } }
        << QStringList { u"EXTRA"_s, u"X\uFFFD"_s };

    addBothModes("lower-case key with a blank before =", "[text]\nkey =x\n", { { 1, u"x"_s } }, {});
    addBothModes("non-ASCII key in lower case", "[text]\n\xC3\xA9tat=x\n", { { 4, u"x"_s } }, {});
    addBothModes("first line of a key wins", "[text]\nTITLE=one\ntitle=two\n", { { 0, u"one"_s } },
                 {});
    addBothModes("extra keys sorted, trimmed, as written, value dropped",
                 "[text]\n  zeta = 1\nAlpha=2\nbeta=3\nNAME=n\nKEY=A=B=C\n", { { 2, u"n"_s } },
                 { u"Alpha"_s, u"KEY=A=B"_s, u"beta"_s, u"zeta"_s });
    addBothModes("lines without key ignored", "[text]\nno equals\n=value\n \t=x\nNAME=\n",
                 { { 2, QString() } }, {});
    addBothModes("missing section", "[other]\nTITLE=x\n", {}, {});
    addBothModes("empty file", "", {}, {});
    addBothModes("other sections and comments ignored, CR LF",
                 "; note\r\n[other]\r\nNAME=o\r\n[TEXT]\r\n;TITLE=c\r\nTITLE=t\r\n[x]\r\nKEY=k\r\n",
                 { { 0, u"t"_s } }, {});
    addBothModes("byte-order mark", "\xEF\xBB\xBF[text]\nTITLE=t\n", { { 0, u"t"_s } }, {});
    addBothModes("NUL byte kept in the value", "[text]\nTITLE=a\0b\n"_ba,
                 { { 0, u"a"_s + QChar(0) + u"b"_s } }, {});
    addBothModes("characters outside the BMP",
                 "[text]\nTITLE=\xF0\x9F\x98\x80 \xF0\x9D\x84\x9E\nk\xF0\x9F\x98\x80=v\n",
                 { { 0, u"\U0001F600 \U0001D11E"_s } }, { u"k\U0001F600"_s });
    // A UTF-16 file is read as text in wide mode and as UTF-8 bytes in UTF-8 mode.
    const QByteArray utf16 = TestFiles::utf16File(u"[text]\nTITLE= t \nkey =\u00E9\n");
    QTest::newRow("UTF-16 file, UTF-8")
        << true << utf16 << RelativeValues { { 0, u" t "_s }, { 1, u"\u00E9"_s } } << QStringList();
    QTest::newRow("UTF-16 file, wide")
        << false << utf16 << RelativeValues { { 0, u"t"_s }, { 1, u"\u00E9"_s } } << QStringList();
    // Both modes trim a key as text, so no-break spaces around it go too.
    addBothModes("no-break spaces around a key", "[text]\n\xC2\xA0NAME\xC2\xA0=n\n",
                 { { 2, u"n"_s } }, {});
    const QString longValue(1 << 20, u'x');
    addBothModes("1 MB value", "[text]\nTITLE=" + longValue.toUtf8() + "\nNAME=n\n",
                 { { 0, longValue }, { 2, u"n"_s } }, {});
}

void tst_LanguageStoreLoad::loadLanguage()
{
    QFETCH(bool, utf8Mode);
    QFETCH(QByteArray, language);
    QFETCH(RelativeValues, values);
    QFETCH(QStringList, extraKeys);

    const LanguageFolder folder(Reference);
    TestFiles::write(folder.iniPath(u"German (Germany)"_s), language);
    LanguageStore store(m_catalogue);
    QVERIFY(folder.open(store, utf8Mode));

    LanguageFile file;
    QVERIFY(store.LoadLanguage(u"German (Germany)"_s, file.values, file.extraKeys));
    QCOMPARE(relativeValues(store, file.values), values);
    QCOMPARE(QStringList(file.extraKeys.begin(), file.extraKeys.end()), extraKeys);

    // The plain loader, the fuzz targets' oracle, agrees.
    LanguageFile plain;
    QVERIFY(PlainLanguageLoader::load(folder.iniPath(u"German (Germany)"_s),
                                      store.ReferenceKeyTable(), utf8Mode, plain.values,
                                      plain.extraKeys));
    QCOMPARE(plain.values, file.values);
    QCOMPARE(plain.extraKeys, file.extraKeys);
}

void tst_LanguageStoreLoad::loadKeepsValuesAlreadyThere()
{
    const LanguageFolder folder(Reference);
    TestFiles::write(folder.iniPath(u"German (Germany)"_s), "[text]\nTITLE=t\nNAME=n\nX=1\n");
    LanguageStore store(m_catalogue);
    QVERIFY(folder.open(store, true));

    LanguageFile file;
    file.values = absoluteValues(store, { { 0, u"kept"_s } });
    file.extraKeys = { u"Y"_s };
    QVERIFY(store.LoadLanguage(u"German (Germany)"_s, file.values, file.extraKeys));
    QCOMPARE(relativeValues(store, file.values),
             (RelativeValues { { 0, u"kept"_s }, { 2, u"n"_s } }));
    QCOMPARE(file.extraKeys, (KeySet { u"X"_s, u"Y"_s }));
}

void tst_LanguageStoreLoad::loadFailureLeavesFileUnchanged_data()
{
    QTest::addColumn<QString>("displayName");

    QTest::newRow("missing file") << u"French (France)"_s;
    QTest::newRow("folder in the file's place") << u"Folder"_s;
    QTest::newRow("parent folder") << u".."_s;
    QTest::newRow("path outside the folder") << u"../outside"_s;
    QTest::newRow("backslash") << u"..\\outside"_s;
}

void tst_LanguageStoreLoad::loadFailureLeavesFileUnchanged()
{
    QFETCH(QString, displayName);

    const LanguageFolder folder(Reference);
    QDir(folder.folder()).mkdir(u"Folder.ini"_s);
    TestFiles::write(folder.filePath(u"../outside.ini"_s), "[text]\nTITLE=outside\n");
    LanguageStore store(m_catalogue);
    QVERIFY(folder.open(store, true));

    LanguageFile file;
    file.values = absoluteValues(store, { { 1, u"k"_s } });
    const Result<> loaded = store.LoadLanguage(displayName, file.values, file.extraKeys);
    QVERIFY(!loaded);
    QVERIFY2(loaded.error().contains(displayName), qPrintable(loaded.error()));
    QCOMPARE(relativeValues(store, file.values), (RelativeValues { { 1, u"k"_s } }));
    QVERIFY(file.extraKeys.empty());
}

void tst_LanguageStoreLoad::referenceLoadedAsLanguage()
{
    const LanguageFolder folder("[text]\nA=1\nB=2\nA=3\nC=4\n");
    for (const bool utf8Mode : { true, false }) {
        LanguageStore store(m_catalogue);
        QVERIFY(folder.open(store, utf8Mode));
        LanguageFile file;
        QVERIFY(store.LoadLanguage(LanguageStore::ReferenceName, file.values, file.extraKeys));
        // The second A has no value of its own: its line fills the first ordinal.
        QCOMPARE(relativeValues(store, file.values),
                 (RelativeValues { { 0, u"1"_s }, { 1, u"2"_s }, { 3, u"4"_s } }));
        QVERIFY(file.extraKeys.empty());
    }
}

QTEST_GUILESS_MAIN(tst_LanguageStoreLoad)
#include "tst_languagestore_load.moc"
