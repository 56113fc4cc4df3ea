#include "TestFiles.h"
#include "WriteFault.h"
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
    void noRoomLeavesTarget_data();
    void noRoomLeavesTarget();
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
    const Result<> written = writeFileSafely(path, "new"_ba);
    QCOMPARE(bool(written), writable);
    if (!written)
        QVERIFY2(written.error().contains(u"target.ini"_s), qPrintable(written.error()));
    QCOMPARE(TestFiles::read(path), writable ? "new"_ba : before);
    const QStringList expected { u"target.ini"_s };
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             existing.isEmpty() && !writable ? QStringList() : expected);
}

void tst_SafeFileWriter::noRoomLeavesTarget_data()
{
    QTest::addColumn<WriteFault::Kind>("kind");
    QTest::addColumn<QByteArray>("before"); // null: no file
    QTest::addColumn<qsizetype>("size");

    // Qt buffers writes up to 16 KiB and writes larger blocks at once.
    for (const WriteFault::Kind kind : { WriteFault::FullDisk, WriteFault::FileSizeLimit }) {
        for (const qsizetype size : { 10, 100 * 1024 }) {
            QTest::addRow("%s, %lld bytes over a file", WriteFault::name(kind), qlonglong(size))
                << kind << "old"_ba << size;
            QTest::addRow("%s, %lld bytes, new file", WriteFault::name(kind), qlonglong(size))
                << kind << QByteArray() << size;
        }
    }
}

// Neither an empty nor a cut file takes the target's place, and the reason
// reaches the user.
void tst_SafeFileWriter::noRoomLeavesTarget()
{
    QFETCH(WriteFault::Kind, kind);
    QFETCH(QByteArray, before);
    QFETCH(qsizetype, size);

    QTemporaryDir dir;
    const QString folder = dir.filePath(u"folder"_s);
    const QString path = folder + u"/target.ini"_s;
    QVERIFY(QDir().mkpath(folder));
    if (!before.isNull())
        TestFiles::write(path, before);
    const WriteFault fault(kind, path);
    if (!fault.unavailable().isEmpty())
        QSKIP(qPrintable(fault.unavailable()));
    const auto files = TestFiles::snapshot(folder);

    const Result<> written
        = fault.during([&] { return writeFileSafely(path, QByteArray(size, 'n')); });
    QVERIFY(!written);
    QCOMPARE(TestFiles::changedFiles(files, folder), QStringList());
    QVERIFY2(!written.error().contains(u"Unknown error"_s), qPrintable(written.error()));
}

QTEST_GUILESS_MAIN(tst_SafeFileWriter)
#include "tst_safefilewriter.moc"
