#include "TestFiles.h"
#include "platform/SafeFileWriter.h"

#include <QDir>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_SafeFileWriter : public QObject
{
    Q_OBJECT

private slots:
    void keepsPermissions();
    void writableOrUnchanged_data();
    void writableOrUnchanged();
};

void tst_SafeFileWriter::keepsPermissions()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"kept.ini"_s);
    TestFiles::write(path, "old"_ba);
    QVERIFY(QFile::setPermissions(
        path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup));
    const QFileDevice::Permissions before = QFile::permissions(path);

    QVERIFY(writeFileSafely(path, "new"_ba));
    QCOMPARE(TestFiles::read(path), "new"_ba);
    QCOMPARE(QFile::permissions(path), before);
}

void tst_SafeFileWriter::writableOrUnchanged_data()
{
    QTest::addColumn<QString>("existing"); // "file" or "folder" at the target, or nothing
    QTest::addColumn<QString>("readOnly"); // "file" or "folder" made read-only, or nothing
    QTest::addColumn<bool>("writable");

    QTest::newRow("file") << u"file"_s << QString() << true;
    QTest::newRow("new file") << QString() << QString() << true;
    QTest::newRow("read-only file") << u"file"_s << u"file"_s << false;
    QTest::newRow("read-only folder") << u"file"_s << u"folder"_s << false;
    QTest::newRow("new file in read-only folder") << QString() << u"folder"_s << false;
    QTest::newRow("folder in place") << u"folder"_s << QString() << false;
}

// isFileWritable predicts writeFileSafely, and a failed write changes nothing.
void tst_SafeFileWriter::writableOrUnchanged()
{
    QFETCH(QString, existing);
    QFETCH(QString, readOnly);
    QFETCH(bool, writable);

    QTemporaryDir dir;
    const QString folder = dir.filePath(u"folder"_s);
    const QString path = folder + u"/target.ini"_s;
    QVERIFY(QDir().mkpath(existing == u"folder"_s ? path : folder));
    if (existing == u"file"_s)
        TestFiles::write(path, "old"_ba);
    const QString locked = readOnly == u"file"_s ? path : folder;
    if (!readOnly.isEmpty())
        TestFiles::makeReadOnly(locked);
    const auto restore = qScopeGuard([&] { TestFiles::makeWritable(locked); });
    const QByteArray before = TestFiles::read(path);

    QCOMPARE(isFileWritable(path), writable);
    QString error;
    QCOMPARE(writeFileSafely(path, "new"_ba, &error), writable);
    QCOMPARE(error.isEmpty(), writable);
    QCOMPARE(TestFiles::read(path), writable ? "new"_ba : before);
    const QStringList expected { u"target.ini"_s };
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             existing.isEmpty() && !writable ? QStringList() : expected);
}

QTEST_GUILESS_MAIN(tst_SafeFileWriter)
#include "tst_safefilewriter.moc"
