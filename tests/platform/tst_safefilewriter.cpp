#include "FailDevice.h"
#include "TestFiles.h"
#include "WriteFault.h"
#include "platform/SafeFileWriter.h"
#include "platform/SyncBatch.h"

#include <QBuffer>
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
    void writeAllGoesOnAfterShortWrites_data();
    void writeAllGoesOnAfterShortWrites();
    void batchSyncsAtItsEnd();
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
    for (const WriteFault::Kind kind : { WriteFault::FullDisk, WriteFault::FileSizeLimit,
                                         WriteFault::FullDevice, WriteFault::ShortWrites }) {
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

void tst_SafeFileWriter::writeAllGoesOnAfterShortWrites_data()
{
    QTest::addColumn<qint64>("capacity");
    QTest::addColumn<qint64>("chunk");
    QTest::addColumn<QByteArray>("taken"); // what reaches the device; null: the write succeeds

    const qint64 all = FailDevice::Unlimited;
    QTest::newRow("one byte at a time") << all << qint64(1) << QByteArray();
    QTest::newRow("room for exactly the bytes") << qint64(10) << qint64(3) << QByteArray();
    QTest::newRow("full from the start") << qint64(0) << all << ""_ba;
    QTest::newRow("full after short writes") << qint64(4) << qint64(3) << "0123"_ba;
}

void tst_SafeFileWriter::writeAllGoesOnAfterShortWrites()
{
    QFETCH(qint64, capacity);
    QFETCH(qint64, chunk);
    QFETCH(QByteArray, taken);

    const QByteArray bytes = "0123456789"_ba;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    FailDevice device(buffer, capacity, chunk);
    const Result<> written = writeAll(device, bytes);
    QCOMPARE(bool(written), taken.isNull());
    QCOMPARE(buffer.data(), taken.isNull() ? bytes : taken);
    if (!written)
        QCOMPARE(written.error(), u"No space left on device"_s);
}

// A batch syncs what was written in it at its end, once for a file written
// twice, and only the outermost batch syncs; a folder that vanished by then
// is reported.
void tst_SafeFileWriter::batchSyncsAtItsEnd()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(u"file.ini"_s);
    const QString created = dir.filePath(u"sub/created.ini"_s);
    {
        SyncBatch batch;
        QVERIFY(writeFileSafely(file, "old"_ba));
        QVERIFY(writeFileSafely(file, "new"_ba));
        QCOMPARE(batch.deferredCount(), 2); // the file and its folder
        {
            SyncBatch inner;
            QCOMPARE(SyncBatch::current(), &batch);
            QVERIFY(makeFolders(dir.filePath(u"sub"_s)));
            QVERIFY(writeFileSafely(created, "new"_ba));
            QVERIFY(inner.finish());
        }
        QCOMPARE(batch.deferredCount(), 4);
        QVERIFY(QDir(dir.filePath(u"sub"_s)).removeRecursively());
        const Result<> finished = batch.finish();
        QVERIFY(!finished);
        QVERIFY2(finished.error().contains(u"sub"_s), qPrintable(finished.error()));
        QCOMPARE(SyncBatch::current(), nullptr);
    }
    QCOMPARE(TestFiles::read(file), "new"_ba);
}

QTEST_GUILESS_MAIN(tst_SafeFileWriter)
#include "tst_safefilewriter.moc"
