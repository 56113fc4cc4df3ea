#include "store/ReferenceKeys.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

constexpr EntryOrdinal Missing = EntryOrdinal(-1);
constexpr EntryOrdinal First = 100; // keys need not start at ordinal 0

ReferenceKeys keysOf(const QStringList &keys)
{
    return ReferenceKeys(First, keys);
}

} // namespace

class tst_ReferenceKeys : public QObject
{
    Q_OBJECT

private slots:
    void find_data();
    void find();
    void manyKeys();
};

void tst_ReferenceKeys::find_data()
{
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("key");
    QTest::addColumn<EntryOrdinal>("ordinal"); // Missing when no key matches

    const QStringList keys = { u"TITLE"_s,
                               u"IDS_CAMERA_00001"_s,
                               u"IDS_CAMERA_00002"_s,
                               u"A"_s,
                               u"TITLE"_s,
                               u"IDS_A_VERY_LONG_KEY_OF_THIRTY_ONE"_s,
                               u"\u00C9TAT"_s,
                               u"ID"_s,
                               u"STRASSE"_s };
    QTest::newRow("exact") << keys << u"IDS_CAMERA_00002"_s << First + 2;
    QTest::newRow("lower case") << keys << u"ids_camera_00001"_s << First + 1;
    QTest::newRow("mixed case, long")
        << keys << u"ids_a_Very_long_key_of_thirty_one"_s << First + 5;
    QTest::newRow("one character") << keys << u"a"_s << First + 3;
    QTest::newRow("a repeated key gives its lowest ordinal") << keys << u"title"_s << First;
    QTest::newRow("prefix of a key") << keys << u"IDS_CAMERA_0000"_s << Missing;
    QTest::newRow("key and more") << keys << u"IDS_CAMERA_000011"_s << Missing;
    QTest::newRow("last character differs") << keys << u"IDS_CAMERA_00003"_s << Missing;
    QTest::newRow("NUL in place of the end") << keys << u"TITL\0"_s << Missing;
    QTest::newRow("empty") << keys << QString() << Missing;
    QTest::newRow("not ASCII, lower case") << keys << u"\u00E9tat"_s << First + 6;
    QTest::newRow("not ASCII, no such key") << keys << u"TITL\u00C9"_s << Missing;
    // Keys are equal when their upper-case forms are.
    QTest::newRow("dotless i, upper case ASCII") << keys << u"\u0131d"_s << First + 7;
    QTest::newRow("sharp s, upper case SS") << keys << u"stra\u00DFe"_s << First + 8;
    QTest::newRow("empty table") << QStringList() << u"TITLE"_s << Missing;
    QTest::newRow("no keys at all") << QStringList() << QString() << Missing;
}

void tst_ReferenceKeys::find()
{
    QFETCH(QStringList, keys);
    QFETCH(QString, key);
    QFETCH(EntryOrdinal, ordinal);

    const ReferenceKeys table = keysOf(keys);
    const std::optional<EntryOrdinal> expected
        = ordinal == Missing ? std::nullopt : std::optional(ordinal);
    // Text and UTF-8 bytes are looked up alike.
    QCOMPARE(table.find(QStringView(key)), expected);
    QCOMPARE(table.find(QByteArrayView(key.toUtf8())), expected);
}

void tst_ReferenceKeys::manyKeys()
{
    // Keys that differ only in their last characters.
    QStringList keys;
    for (int i = 0; i < 20000; ++i)
        keys.append(u"IDS_KEY_"_s + QString::number(i).rightJustified(8, u'0'));
    const ReferenceKeys table = keysOf(keys);
    for (int i = 0; i < keys.size(); ++i)
        QCOMPARE(table.find(QByteArrayView(keys[i].toLatin1())), std::optional(First + i));
    QCOMPARE(table.find(QStringView(u"IDS_KEY_00020000")), std::nullopt);
}

QTEST_APPLESS_MAIN(tst_ReferenceKeys)
#include "tst_referencekeys.moc"
