#include "LanguageFolder.h"
#include "config/LanguageCatalogue.h"
#include "config/LanguageIndex.h"
#include "platform/ProfileFile.h"
#include "store/LanguageStore.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

using namespace Qt::StringLiterals;

// Writes that must match the key-by-key profile writes, must not cut long
// text, and must leave a file as it was when it cannot be written.
class tst_LanguageStoreWriteSafety : public QObject
{
    Q_OBJECT

private slots:
    void sameBytesAsKeyByKeyWrites_data();
    void sameBytesAsKeyByKeyWrites();
    void longTextWrittenWhole_data();
    void longTextWrittenWhole();
    void failedWriteLeavesFiles_data();
    void failedWriteLeavesFiles();
    void createReportsUnwritableIndex();
    void unsafeNamesRefused_data();
    void unsafeNamesRefused();

private:
    const LanguageCatalogue m_catalogue = LanguageCatalogue::builtIn();
};

namespace {

const QString German = u"German (Germany)"_s;

enum class Operation { Create, Reset, WriteValues, SaveValuesAs, RemoveKeys };

Result<> run(Operation operation, LanguageStore &store, const LanguageFolder &folder,
             const QString &name)
{
    const ValueMap values { { firstOrdinal(store), u"new"_s } };
    switch (operation) {
    case Operation::Create:
        return store.CreateLanguageFile(name);
    case Operation::Reset:
        return store.ResetLanguageFile(name);
    case Operation::WriteValues:
        return store.WriteValues(values, name);
    case Operation::SaveValuesAs:
        return store.SaveValuesAs(values, folder.iniPath(name));
    case Operation::RemoveKeys:
        return store.RemoveKeys(name, { u"K000"_s });
    }
    return ResultError(u"unknown operation"_s);
}

// K000 ... K<count - 1>.
QByteArray numberedKeys(int count, const char *valuePrefix)
{
    QByteArray file = "[text]\n";
    for (int i = 0; i < count; ++i)
        file += QString::asprintf("K%03d=%s%d\n", i, valuePrefix, i).toUtf8();
    return file;
}

} // namespace

Q_DECLARE_METATYPE(Operation)

void tst_LanguageStoreWriteSafety::sameBytesAsKeyByKeyWrites_data()
{
    QTest::addColumn<bool>("utf8Mode");
    QTest::addColumn<Operation>("operation");

    for (const bool utf8Mode : { true, false }) {
        const char *mode = utf8Mode ? "UTF-8" : "wide";
        QTest::addRow("CreateLanguageFile, %s", mode) << utf8Mode << Operation::Create;
        QTest::addRow("WriteValues, %s", mode) << utf8Mode << Operation::WriteValues;
        QTest::addRow("RemoveKeys, %s", mode) << utf8Mode << Operation::RemoveKeys;
    }
}

void tst_LanguageStoreWriteSafety::sameBytesAsKeyByKeyWrites()
{
    QFETCH(bool, utf8Mode);
    QFETCH(Operation, operation);

    // A file in its own order, with comments, CR LF, a foreign key, a key in
    // lower case and a second section.
    const LanguageFolder folder(numberedKeys(60, "Value %d "));
    QByteArray existing = "\xEF\xBB\xBF; header\r\n[text]\r\n";
    for (int i = 50; i >= 10; i -= 3)
        existing
            += QString::asprintf(i % 2 ? "k%03d = old%d\r\n" : "K%03d=old%d\r\n", i, i).toUtf8();
    existing += "FOREIGN=f\r\n; closing\r\n\r\n[other]\r\nK001=o\r\n";
    const QString path = folder.iniPath(German);
    const QString expectedPath = folder.filePath(u"expected.ini"_s);
    TestFiles::write(path, existing);
    TestFiles::write(expectedPath, existing);
    LanguageStore store(m_catalogue);
    QVERIFY(folder.open(store, utf8Mode));

    const auto writeOne = [&](const QString &key, const QString &value) {
        QVERIFY(utf8Mode
                    ? Profile::writeStringNarrow(expectedPath, "text", key.toUtf8(), value.toUtf8())
                    : Profile::writeString(expectedPath, u"text"_s, key, value));
    };
    switch (operation) {
    case Operation::Create:
        QVERIFY(store.CreateLanguageFile(German));
        TestFiles::write(expectedPath, utf8Mode ? "\xEF\xBB\xBF" : "");
        for (const auto &[ordinal, key] : store.ReferenceKeyTable())
            writeOne(key, utf8Mode ? QString() : u" "_s);
        break;
    case Operation::WriteValues: {
        ValueMap values;
        for (const auto &[ordinal, key] : store.ReferenceKeyTable()) {
            if (ordinal % 4 != 1)
                values.emplace(ordinal, u"n\u00E9w "_s + key);
        }
        QVERIFY(store.WriteValues(values, German));
        for (const auto &[ordinal, value] : values)
            writeOne(store.ReferenceKeyTable().at(ordinal), value);
        break;
    }
    default: {
        const KeySet keys { u"FOREIGN"_s, u"K013"_s, u"k014"_s, u"K020"_s, u"K047"_s, u"none"_s };
        QVERIFY(store.RemoveKeys(German, keys));
        for (const QString &key : keys)
            QVERIFY(Profile::deleteKey(expectedPath, u"text"_s, key));
        break;
    }
    }
    QCOMPARE(TestFiles::read(path), TestFiles::read(expectedPath));
}

void tst_LanguageStoreWriteSafety::longTextWrittenWhole_data()
{
    QTest::addColumn<bool>("utf8Mode");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    const QString key300 = u"K"_s + QString(299, u'0');
    const QString key2000 = u"K"_s + QString(1999, u'x');
    for (const bool utf8Mode : { true, false }) {
        const char *mode = utf8Mode ? "UTF-8" : "wide";
        QTest::addRow("1023-byte value, %s", mode) << utf8Mode << u"A"_s << QString(1023, u'v');
        QTest::addRow("1024-byte value, %s", mode) << utf8Mode << u"A"_s << QString(1024, u'v');
        // A four-byte character straddling byte 1023.
        QTest::addRow("character across byte 1023, %s", mode)
            << utf8Mode << u"A"_s << QString(1021, u'v') + u"\U0001F600tail"_s;
        QTest::addRow("1 MB value, %s", mode) << utf8Mode << u"A"_s << QString(1 << 20, u'v');
        QTest::addRow("300-byte key, %s", mode) << utf8Mode << key300 << u"v"_s;
        QTest::addRow("2000-byte key, %s", mode) << utf8Mode << key2000 << u"v"_s;
    }
}

void tst_LanguageStoreWriteSafety::longTextWrittenWhole()
{
    QFETCH(bool, utf8Mode);
    QFETCH(QString, key);
    QFETCH(QString, value);

    const LanguageFolder folder("[text]\n" + key.toUtf8() + "=1\nLAST=2\n");
    LanguageStore store(m_catalogue);
    QVERIFY(folder.open(store, utf8Mode));
    QCOMPARE(store.ReferenceKeyTable().begin()->second, key.toUpper());

    QVERIFY(store.CreateLanguageFile(German));
    const ValueMap values { { firstOrdinal(store), value } };
    QVERIFY(store.WriteValues(values, German));
    QVERIFY(store.SaveValuesAs(values, folder.iniPath(u"copy"_s)));
    for (const QString &name : { German, u"copy"_s }) {
        LanguageFile file;
        QVERIFY(store.LoadLanguage(name, file.values, file.extraKeys));
        QCOMPARE(file.values.at(firstOrdinal(store)), value);
        QVERIFY(file.extraKeys.empty());
    }
}

void tst_LanguageStoreWriteSafety::failedWriteLeavesFiles_data()
{
    QTest::addColumn<bool>("utf8Mode");
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<bool>("folderReadOnly");

    const std::pair<const char *, Operation> operations[]
        = { { "CreateLanguageFile", Operation::Create },
            { "ResetLanguageFile", Operation::Reset },
            { "WriteValues", Operation::WriteValues },
            { "SaveValuesAs", Operation::SaveValuesAs },
            { "RemoveKeys", Operation::RemoveKeys } };
    for (const auto &[name, operation] : operations) {
        for (const bool utf8Mode : { true, false }) {
            const char *mode = utf8Mode ? "UTF-8" : "wide";
            QTest::addRow("%s, read-only file, %s", name, mode) << utf8Mode << operation << false;
            QTest::addRow("%s, read-only folder, %s", name, mode) << utf8Mode << operation << true;
        }
    }
}

void tst_LanguageStoreWriteSafety::failedWriteLeavesFiles()
{
    QFETCH(bool, utf8Mode);
    QFETCH(Operation, operation);
    QFETCH(bool, folderReadOnly);

    const LanguageFolder folder(numberedKeys(3, "v"));
    const QByteArray existing = "[text]\nK000=old\nX=x\n";
    const QByteArray index = "[languages]\n0x0409=English (United States)\n";
    const QString indexPath = folder.filePath(LanguageIndex::FileName);
    TestFiles::write(folder.iniPath(German), existing);
    TestFiles::write(indexPath, index);
    LanguageStore store(m_catalogue);
    QVERIFY(folder.open(store, utf8Mode));

    const QString readOnly = folderReadOnly ? folder.folder() : folder.iniPath(German);
    TestFiles::makeReadOnly(readOnly);
    const Result<> written = run(operation, store, folder, German);
    TestFiles::makeWritable(readOnly);

    QVERIFY(!written);
    QVERIFY(!written.error().isEmpty());
    QCOMPARE(TestFiles::read(folder.iniPath(German)), existing);
    QCOMPARE(TestFiles::read(indexPath), index);
    QCOMPARE(QDir(folder.folder()).entryList(QDir::Files).size(), 3);
}

void tst_LanguageStoreWriteSafety::createReportsUnwritableIndex()
{
    const LanguageFolder folder(numberedKeys(1, "v"));
    const QString indexPath = folder.filePath(LanguageIndex::FileName);
    TestFiles::write(indexPath, "[languages]\n");
    LanguageStore store(m_catalogue);
    QVERIFY(folder.open(store, true));

    TestFiles::makeReadOnly(indexPath);
    const Result<> created = store.CreateLanguageFile(German);
    TestFiles::makeWritable(indexPath);

    // The file itself is there; the language is just not in the index yet.
    QVERIFY(!created);
    QVERIFY(!created.error().isEmpty());
    QCOMPARE(TestFiles::read(folder.iniPath(German)), "\xEF\xBB\xBF[text]\nK000=\n"_ba);
    QCOMPARE(TestFiles::read(indexPath), "[languages]\n"_ba);
}

void tst_LanguageStoreWriteSafety::unsafeNamesRefused_data()
{
    QTest::addColumn<QString>("name");

    QTest::newRow("parent folder") << u".."_s;
    QTest::newRow("this folder") << u"."_s;
    QTest::newRow("slash") << u"../outside"_s;
    QTest::newRow("backslash") << u"..\\outside"_s;
    QTest::newRow("empty") << QString();
}

void tst_LanguageStoreWriteSafety::unsafeNamesRefused()
{
    QFETCH(QString, name);

    const LanguageFolder folder(numberedKeys(3, "v"));
    const QString outside = folder.filePath(u"../outside.ini"_s);
    TestFiles::write(outside, "[text]\nK000=old\n");
    LanguageStore store(m_catalogue);
    QVERIFY(folder.open(store, true));

    for (const Operation operation :
         { Operation::Create, Operation::Reset, Operation::WriteValues, Operation::RemoveKeys }) {
        const Result<> result = run(operation, store, folder, name);
        QVERIFY(!result);
        QVERIFY(!result.error().isEmpty());
    }
    QCOMPARE(TestFiles::read(outside), "[text]\nK000=old\n"_ba);
    QCOMPARE(QDir(folder.folder()).entryList(QDir::Files),
             QStringList { LanguageStore::ReferenceName + u".ini"_s });
}

QTEST_GUILESS_MAIN(tst_LanguageStoreWriteSafety)
#include "tst_languagestore_writesafety.moc"
