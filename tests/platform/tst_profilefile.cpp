#include "TestFiles.h"
#include "platform/ProfileFile.h"

#include <QDir>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// One call of the single-call interface, replayed on a ProfileFile as well.
struct Op
{
    enum Kind { Write, WriteNarrow, Delete } kind;
    QByteArray section, key, value;
};

Op write(const QByteArray &section, const QByteArray &key, const QByteArray &value)
{
    return { Op::Write, section, key, value };
}

Op writeNarrow(const QByteArray &section, const QByteArray &key, const QByteArray &value)
{
    return { Op::WriteNarrow, section, key, value };
}

Op remove(const QByteArray &section, const QByteArray &key)
{
    return { Op::Delete, section, key, {} };
}

Result<> applyOnce(const QString &path, const Op &op)
{
    const QString section = QString::fromUtf8(op.section);
    const QString key = QString::fromUtf8(op.key);
    switch (op.kind) {
    case Op::Write:
        return Profile::writeString(path, section, key, QString::fromUtf8(op.value));
    case Op::WriteNarrow:
        return Profile::writeStringNarrow(path, op.section, op.key, op.value);
    case Op::Delete:
        return Profile::deleteKey(path, section, key);
    }
    return ResultError(u"unknown operation"_s);
}

void apply(ProfileFile &file, const Op &op)
{
    const QString section = QString::fromUtf8(op.section);
    const QString key = QString::fromUtf8(op.key);
    switch (op.kind) {
    case Op::Write:
        return file.writeKey(section, key, QString::fromUtf8(op.value));
    case Op::WriteNarrow:
        return file.writeKeyNarrow(op.section, op.key, op.value);
    case Op::Delete:
        return file.deleteKey(section, key);
    }
}

} // namespace

enum class Blocker { ReadOnlyFile, ReadOnlyFolder, FolderInPlace, MissingFolder };

Q_DECLARE_METATYPE(Op)
Q_DECLARE_METATYPE(Blocker)

class tst_ProfileFile : public QObject
{
    Q_OBJECT

private slots:
    void rewrite_data();
    void rewrite();
    void readSection_data();
    void readSection();
    void narrowReadPassesBytes();
    void readSeesPendingWrites();
    void missingFile();
    void longLine();
    void cannotWrite_data();
    void cannotWrite();

private:
    QTemporaryDir m_dir;
};

void tst_ProfileFile::rewrite_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QList<Op>>("ops");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("value replaced in place, key spelled as in the file")
        << "[S]\r\n  Key = old ; x\r\nb=2\r\n"_ba << QList { write("s", "KEY", "new") }
        << "[S]\r\nKey=new\r\nb=2\r\n"_ba;
    QTest::newRow("line without = gets a value")
        << "[s]\nflag\n"_ba << QList { write("s", "FLAG", "1") } << "[s]\nflag=1\n"_ba;
    QTest::newRow("new keys after the last key, before closing comments")
        << "[s]\na=1\n; end\n\n[t]\nx=1\n"_ba
        << QList { write("s", "b", "2"), write("s", "c", "3") }
        << "[s]\na=1\nb=2\nc=3\n; end\n\n[t]\nx=1\n"_ba;
    QTest::newRow("new key in a section without keys")
        << "[s]\n; only a comment\n"_ba << QList { write("s", "a", "1") }
        << "[s]\na=1\n; only a comment\n"_ba;
    QTest::newRow("new key after a last line without line end")
        << "[s]\na=1"_ba << QList { write("s", "b", "2") } << "[s]\na=1\nb=2\n"_ba;
    QTest::newRow("new section after a final line end")
        << "[s]\na=1\n\n"_ba << QList { write("t", "k", "v") } << "[s]\na=1\n\n[t]\nk=v\n"_ba;
    QTest::newRow("new section, line end added first")
        << "; head"_ba << QList { write("t", "k", "v") } << "; head\n[t]\nk=v\n"_ba;
    QTest::newRow("empty file") << ""_ba << QList { write("s", "a", "1"), write("s", "b", "") }
                                << "[s]\na=1\nb=\n"_ba;
    QTest::newRow("names trimmed, value exact")
        << "[s]\n"_ba << QList { write(" s\t", " k ", "  v ; \"x\" ") }
        << "[s]\nk=  v ; \"x\" \n"_ba;
    QTest::newRow("first of duplicate sections and keys")
        << "[s]\na=1\na=2\n[S]\na=3\n"_ba << QList { write("s", "A", "9"), remove("s", "a") }
        << "[s]\na=2\n[S]\na=3\n"_ba;
    QTest::newRow("delete keeps the header and the other lines")
        << "x=0\n[s]\n; c\na=1\n[t]\n"_ba << QList { remove("s", "a") }
        << "x=0\n[s]\n; c\n[t]\n"_ba;
    QTest::newRow("delete of the last key, then a new key")
        << "[s]\na=1\n; c\nb=2"_ba << QList { remove("s", "b"), write("s", "c", "3") }
        << "[s]\na=1\nc=3\n; c\n"_ba;
    QTest::newRow("delete in the middle, then writes")
        << "[s]\na=1\nb=2\nc=3\n"_ba
        << QList { remove("s", "a"), write("s", "c", "9"), write("s", "d", "4") }
        << "[s]\nb=2\nc=9\nd=4\n"_ba;
    QTest::newRow("delete of nothing")
        << "[s]\n;a=1\n"_ba << QList { remove("s", ";a"), remove("t", "a") } << "[s]\n;a=1\n"_ba;
    QTest::newRow("text before the first section stays unreadable")
        << "a=1\n"_ba << QList { write("", "a", "2") } << "a=1\n[]\na=2\n"_ba;
    QTest::newRow("UTF-8 mark kept, not part of the first line")
        << "\xEF\xBB\xBF[s]\r\na=1\r\n"_ba << QList { write("s", "b", "ü"), write("t", "c", "3") }
        << "\xEF\xBB\xBF[s]\r\na=1\r\nb=ü\r\n[t]\r\nc=3\r\n"_ba;
    QTest::newRow("CR line ends") << "[s]\ra=1\r"_ba
                                  << QList { write("s", "b", "2"), write("t", "c", "3") }
                                  << "[s]\ra=1\rb=2\r[t]\rc=3\r"_ba;
    QTest::newRow("mixed line ends: the first one is used")
        << "; x\r\n[s]\na=1\r"_ba << QList { write("s", "a", "2"), write("s", "b", "3") }
        << "; x\r\n[s]\na=2\rb=3\r\n"_ba;
    QTest::newRow("delete puts CR before an empty LF line: they join")
        << "[s]\r\na=1\rb=2\n\n"_ba << QList { remove("s", "b"), write("s", "c", "3") }
        << "[s]\r\na=1\r\nc=3\r\n"_ba;
    QTest::newRow("new CR line before an empty LF line: they join")
        << "[s]\ra=1\r\n\n"_ba << QList { write("s", "b", "2"), write("s", "c", "3") }
        << "[s]\ra=1\r\nb=2\r\nc=3\r"_ba;
    QTest::newRow("invalid UTF-8 and NUL bytes untouched")
        << "\xFF\n[s]\n\xFE=1\na\0b=2\n"_ba
        << QList { write("s", "c", "3"), writeNarrow("s", "\xFE", "\xFD"), write("s", "a", "x") }
        << "\xFF\n[s]\n\xFE=\xFD\na\0b=2\nc=3\na=x\n"_ba;
    QTest::newRow("key that reads back as a comment")
        << "[s]\na=1\n"_ba << QList { write("s", ";x", "1"), write("s", "y", "2") }
        << "[s]\na=1\ny=2\n;x=1\n"_ba;
    QTest::newRow("value with line breaks starts a section")
        << "[s]\n"_ba << QList { write("s", "a", "1\r\n[t]\nb=2"), write("t", "B", "3") }
        << "[s]\na=1\r\n[t]\nb=3\n"_ba;
    QTest::newRow("UTF-16LE round trip")
        << TestFiles::utf16File(u"; \u00e9\r\n[Text]\r\na=\xD800\r\n")
        << QList { write("text", "b", "\u4e2d") }
        << TestFiles::utf16File(u"; \u00e9\r\n[Text]\r\na=\xD800\r\nb=\u4e2d\r\n");
    QTest::newRow("UTF-16LE empty key and value")
        << TestFiles::utf16File(u"[s]\r\n")
        << QList { write("s", "k", {}), write("s", {}, {}), remove("s", "k") }
        << TestFiles::utf16File(u"[s]\r\n=\r\n");
    QTest::newRow("UTF-16LE narrow write keeps a leading U+FEFF")
        << TestFiles::utf16File(u"[s]\n")
        << QList { writeNarrow("s", "\xEF\xBB\xBFk", "\xEF\xBB\xBFv") }
        << TestFiles::utf16File(u"[s]\n\uFEFFk=\uFEFFv\n");
    QTest::newRow("UTF-16LE narrow writes, odd last byte kept")
        << TestFiles::utf16File(u"[s]\na=1").append('\x01')
        << QList { writeNarrow("s", "A", "\xC3\xA9"), writeNarrow("t", "b", "2") }
        << TestFiles::utf16File(u"[s]\na=\u00e9\n[t]\nb=2\n").append('\x01');
}

// Every call on its own must give the expected bytes, and the same calls on
// one ProfileFile must give the same bytes after every step.
void tst_ProfileFile::rewrite()
{
    QFETCH(QByteArray, before);
    QFETCH(QList<Op>, ops);
    QFETCH(QByteArray, after);

    const QString path = m_dir.filePath(u"once.ini"_s);
    TestFiles::write(path, before);
    ProfileFile file(path);
    for (const Op &op : ops) {
        QVERIFY(applyOnce(path, op));
        apply(file, op);
        QCOMPARE(file.contents(), TestFiles::read(path));
    }
    QCOMPARE(TestFiles::read(path), after);

    TestFiles::write(path, before);
    QVERIFY(file.save());
    QCOMPARE(TestFiles::read(path), after);
}

void tst_ProfileFile::readSection_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("entry lines as they stand")
        << "[s]\n; c\n\n \t\n  a = 1 \nflag\n#x=2\nb=\"q\" ; no comment\n[t]\nz=1\n"_ba << u"s"_s
        << QStringList { u"  a = 1 "_s, u"flag"_s, u"#x=2"_s, u"b=\"q\" ; no comment"_s };
    QTest::newRow("section names trimmed, any case, text after ] ignored")
        << "x=0\n [ Text ] tail\na=1\n[\xC3\x84]\nb=2\n"_ba << u" TEXT "_s
        << QStringList { u"a=1"_s };
    QTest::newRow("non-ASCII section names in any case")
        << "[\xC3\x84]\nb=2\n"_ba << u"\u00e4"_s << QStringList { u"b=2"_s };
    QTest::newRow("first of duplicate sections")
        << "[s]\na=1\n[S]\nb=2\n"_ba << u"s"_s << QStringList { u"a=1"_s };
    QTest::newRow("header without ]") << "[s\na=1"_ba << u"s"_s << QStringList { u"a=1"_s };
    QTest::newRow("text before the first header") << "a=1\n[s]\n"_ba << u""_s << QStringList();
    QTest::newRow("empty section") << "[s]\n; c\n[t]\na=1"_ba << u"s"_s << QStringList();
    QTest::newRow("missing section") << "[s]\na=1\n"_ba << u"text"_s << QStringList();
    QTest::newRow("mixed line ends")
        << "[s]\ra=1\r\nb=2\n\rc=3"_ba << u"s"_s << QStringList { u"a=1"_s, u"b=2"_s, u"c=3"_s };
    QTest::newRow("NUL byte inside a line")
        << "[s]\na\0b=1\n"_ba << u"s"_s << QStringList { u"a\0b=1"_s };
    QTest::newRow("UTF-8 mark before the first header")
        << "\xEF\xBB\xBF[s]\na=1"_ba << u"s"_s << QStringList { u"a=1"_s };
    QTest::newRow("U+FEFF leading a line is text") << "[s]\n\xEF\xBB\xBF"
                                                      "a=1\n"_ba
                                                   << u"s"_s << QStringList { u"\uFEFFa=1"_s };
    QTest::newRow("UTF-16LE, units holding the bytes of CR and LF")
        << TestFiles::utf16File(u"[\u4e0a]\r\na=\u4e0d\u0d0a\r\n") << u"\u4e0a"_s
        << QStringList { u"a=\u4e0d\u0d0a"_s };
}

void tst_ProfileFile::readSection()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, section);
    QFETCH(QStringList, lines);

    const QString path = m_dir.filePath(u"read.ini"_s);
    TestFiles::write(path, file);
    QCOMPARE(*Profile::readSection(path, section), lines);
    QList<QByteArray> narrow;
    for (const QString &line : lines)
        narrow.append(line.toUtf8());
    QCOMPARE(*Profile::readSectionNarrow(path, section.toUtf8()), narrow);

    // A file being edited reads its lines from its document, a file only read
    // from one pass over its bytes: both see the same lines.
    ProfileFile edited(path);
    edited.deleteKey(u"no such section"_s, u"no such key"_s);
    QCOMPARE(edited.sectionLines(section), lines);
}

void tst_ProfileFile::narrowReadPassesBytes()
{
    const QString path = m_dir.filePath(u"invalid.ini"_s);
    TestFiles::write(path, "[s]\n\xFF=\xC3\n"_ba);
    QCOMPARE(*Profile::readSectionNarrow(path, "s"_ba), QList { "\xFF=\xC3"_ba });
    QCOMPARE(*Profile::readSection(path, u"s"_s), QStringList { u"\uFFFD=\uFFFD"_s });
}

void tst_ProfileFile::readSeesPendingWrites()
{
    const QString path = m_dir.filePath(u"pending.ini"_s);
    const QByteArray before = "[s]\na=1\n"_ba;
    TestFiles::write(path, before);

    ProfileFile file(path);
    file.writeKey(u"s"_s, u"b"_s, u"2"_s);
    file.deleteKey(u"s"_s, u"a"_s);
    QCOMPARE(file.sectionLines(u"s"_s), QStringList { u"b=2"_s });
    QVERIFY(file.isModified());
    QCOMPARE(TestFiles::read(path), before);

    QVERIFY(file.save());
    QVERIFY(!file.isModified());
    QCOMPARE(TestFiles::read(path), "[s]\nb=2\n"_ba);
}

void tst_ProfileFile::missingFile()
{
    const QString path = m_dir.filePath(u"missing.ini"_s);
    QCOMPARE(ProfileFile(path).state(), ProfileFile::State::Missing);
    QVERIFY(Profile::readSection(path, u"s"_s)->isEmpty());
    QVERIFY(Profile::deleteKey(path, u"s"_s, u"a"_s));
    QVERIFY(!QFile::exists(path));

    QVERIFY(Profile::writeString(path, u"s"_s, u"a"_s, u"\u00e9"_s));
    QCOMPARE(TestFiles::read(path), "[s]\na=\xC3\xA9\n"_ba);
}

void tst_ProfileFile::longLine()
{
    const QString path = m_dir.filePath(u"long.ini"_s);
    const QByteArray value(1 << 20, 'x');
    TestFiles::write(path, "[s]\ra=" + value + "\rb=2");

    QCOMPARE(*Profile::readSection(path, u"s"_s),
             QStringList({ u"a="_s + QString::fromLatin1(value), u"b=2"_s }));
    QVERIFY(Profile::writeString(path, u"s"_s, u"c"_s, u"3"_s));
    QCOMPARE(TestFiles::read(path), "[s]\ra=" + value + "\rb=2\rc=3\r");
}

void tst_ProfileFile::cannotWrite_data()
{
    QTest::addColumn<Blocker>("blocker");

    QTest::newRow("read-only file") << Blocker::ReadOnlyFile;
    QTest::newRow("read-only folder") << Blocker::ReadOnlyFolder;
    QTest::newRow("folder in place") << Blocker::FolderInPlace;
    QTest::newRow("missing folder") << Blocker::MissingFolder;
}

void tst_ProfileFile::cannotWrite()
{
    QFETCH(Blocker, blocker);

    QTemporaryDir dir;
    const QString folder = dir.filePath(u"folder"_s);
    const QString path = folder + u"/file.ini"_s;
    if (blocker == Blocker::FolderInPlace)
        QVERIFY(QDir().mkpath(path));
    else if (blocker != Blocker::MissingFolder)
        TestFiles::write(path, "[s]\na=1\n"_ba);
    const QString locked = blocker == Blocker::ReadOnlyFile ? path : folder;
    const bool lock = blocker == Blocker::ReadOnlyFile || blocker == Blocker::ReadOnlyFolder;
    if (lock)
        TestFiles::makeReadOnly(locked);
    const auto restore = qScopeGuard([&] {
        if (lock)
            TestFiles::makeWritable(locked);
    });
    const QByteArray bytes = TestFiles::read(path);
    const auto listing
        = [&] { return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot); };
    const QStringList entries = listing();

    QVERIFY(!Profile::writeString(path, u"s"_s, u"a"_s, u"2"_s));
    QVERIFY(!Profile::writeStringNarrow(path, "t"_ba, "b"_ba, "3"_ba));
    // Deleting from a missing file has nothing to do.
    QCOMPARE(bool(Profile::deleteKey(path, u"s"_s, u"a"_s)), blocker == Blocker::MissingFolder);
    ProfileFile file(path);
    file.writeKey(u"s"_s, u"b"_s, u"2"_s);
    const Result<> saved = file.save();
    QVERIFY(!saved);
    QVERIFY(saved.error().contains(QDir::toNativeSeparators(path)));

    QCOMPARE(TestFiles::read(path), bytes);
    QCOMPARE(listing(), entries); // nothing created, no temporary file left behind
    QCOMPARE(QFileInfo(path).isDir(), blocker == Blocker::FolderInPlace);
    QCOMPARE(QFileInfo::exists(path), blocker != Blocker::MissingFolder);
}

QTEST_GUILESS_MAIN(tst_ProfileFile)
#include "tst_profilefile.moc"
