#include "store/AsciiKeyTable.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(AsciiKeyTable::Lookup)

namespace {

constexpr EntryOrdinal Missing = EntryOrdinal(-1);

AsciiKeyTable tableOf(const QList<QByteArray> &keys)
{
    AsciiKeyTable table;
    EntryOrdinal ordinal = 0;
    for (const QByteArray &key : keys)
        table.insert(key, ordinal++);
    return table;
}

} // namespace

class tst_AsciiKeyTable : public QObject
{
    Q_OBJECT

private slots:
    void find_data();
    void find();
    void manyKeys();
};

void tst_AsciiKeyTable::find_data()
{
    QTest::addColumn<QList<QByteArray>>("keys");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("ascii");
    QTest::addColumn<EntryOrdinal>("ordinal"); // Missing when no key matches

    const QList<QByteArray> keys = { "TITLE", "IDS_CAMERA_00001", "IDS_CAMERA_00002", "A",
                                     "TITLE", "IDS_A_VERY_LONG_KEY_OF_THIRTY_ONE" };
    QTest::newRow("exact") << keys << u"IDS_CAMERA_00002"_s << true << EntryOrdinal(2);
    QTest::newRow("lower case") << keys << u"ids_camera_00001"_s << true << EntryOrdinal(1);
    QTest::newRow("mixed case, long") << keys << u"ids_a_Very_long_key_of_thirty_one"_s << true
                                      << EntryOrdinal(5);
    QTest::newRow("one character") << keys << u"a"_s << true << EntryOrdinal(3);
    QTest::newRow("a repeated key keeps its first ordinal")
        << keys << u"title"_s << true << EntryOrdinal(0);
    QTest::newRow("prefix of a key") << keys << u"IDS_CAMERA_0000"_s << true << Missing;
    QTest::newRow("key and more") << keys << u"IDS_CAMERA_000011"_s << true << Missing;
    QTest::newRow("last byte differs") << keys << u"IDS_CAMERA_00003"_s << true << Missing;
    QTest::newRow("NUL in place of the end") << keys << u"TITL\0"_s << true << Missing;
    QTest::newRow("empty") << keys << QString() << true << Missing;
    QTest::newRow("not ASCII") << keys << u"TITL\u00C9"_s << false << Missing;
    QTest::newRow("not ASCII, long") << keys << u"IDS_CAMERA_0000\u00B9"_s << false << Missing;
    QTest::newRow("empty table") << QList<QByteArray>() << u"TITLE"_s << true << Missing;
}

void tst_AsciiKeyTable::find()
{
    QFETCH(QList<QByteArray>, keys);
    QFETCH(QString, key);
    QFETCH(bool, ascii);
    QFETCH(EntryOrdinal, ordinal);

    const AsciiKeyTable table = tableOf(keys);
    const std::optional<EntryOrdinal> expected
        = ordinal == Missing ? std::nullopt : std::optional(ordinal);
    // Text and bytes are looked up alike.
    for (const AsciiKeyTable::Lookup found : { table.find(QStringView(key)),
                                               table.find(QByteArrayView(key.toUtf8())) }) {
        QCOMPARE(found.ascii, ascii);
        QCOMPARE(found.ordinal, expected);
    }
}

void tst_AsciiKeyTable::manyKeys()
{
    // Keys that differ only in their last bytes, enough to make the table grow.
    QList<QByteArray> keys;
    for (int i = 0; i < 20000; ++i)
        keys.append("IDS_KEY_" + QByteArray::number(i).rightJustified(8, '0'));
    const AsciiKeyTable table = tableOf(keys);
    for (int i = 0; i < keys.size(); ++i)
        QCOMPARE(table.find(QByteArrayView(keys[i])).ordinal, std::optional(EntryOrdinal(i)));
    QCOMPARE(table.find("IDS_KEY_00020000"_ba).ordinal, std::nullopt);
}

QTEST_APPLESS_MAIN(tst_AsciiKeyTable)
#include "tst_asciikeytable.moc"
