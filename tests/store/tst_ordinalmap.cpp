#include "store/OrdinalMap.h"

#include <QRandomGenerator>
#include <QTest>

#include <map>

using namespace Qt::StringLiterals;

namespace {

using Oracle = std::map<OrdinalMap::key_type, QString>;

bool sameEntries(const OrdinalMap &map, const Oracle &oracle)
{
    return std::equal(
        map.begin(), map.end(), oracle.begin(), oracle.end(),
        [](const auto &a, const auto &b) { return a.first == b.first && a.second == b.second; });
}

} // namespace

class tst_OrdinalMap : public QObject
{
    Q_OBJECT

private slots:
    void behavesLikeAnOrderedMap();
    void fromUnordered();
    void insertSorted_data();
    void insertSorted();
};

// Random inserts and look-ups, in and out of order, against std::map.
void tst_OrdinalMap::behavesLikeAnOrderedMap()
{
    QRandomGenerator random(42);
    OrdinalMap map;
    Oracle oracle;
    for (int step = 0; step < 20000; ++step) {
        // Mostly ascending, as maps are built, with ordinals out of order and repeated.
        const quint32 ordinal = random.bounded(4) == 0 ? random.bounded(step + 1) : quint32(step);
        const QString text = QString::number(step);
        if (random.bounded(2) == 0) {
            const auto [entry, added] = map.emplace(ordinal, text);
            const auto [expected, expectedAdded] = oracle.emplace(ordinal, text);
            QCOMPARE(added, expectedAdded);
            QCOMPARE(entry->second, expected->second);
        } else {
            const auto expected = oracle.lower_bound(ordinal);
            const auto found = map.lower_bound(ordinal);
            QCOMPARE(found == map.end(), expected == oracle.end());
            if (found != map.end())
                QCOMPARE(found->first, expected->first);
            QCOMPARE(map.contains(ordinal), oracle.contains(ordinal));
            QCOMPARE(map.at(ordinal), oracle.contains(ordinal) ? oracle.at(ordinal) : QString());
        }
    }
    QVERIFY(sameEntries(map, oracle));
}

void tst_OrdinalMap::fromUnordered()
{
    const OrdinalMap map = OrdinalMap::fromUnordered(
        { { 7, u"seven"_s }, { 2, u"two"_s }, { 7, u"seven again"_s }, { 0, u"zero"_s } });
    QVERIFY(sameEntries(map, { { 0, u"zero"_s }, { 2, u"two"_s }, { 7, u"seven again"_s } }));
    QCOMPARE(OrdinalMap({ { 3, u"first"_s }, { 1, u"one"_s }, { 3, u"second"_s } }),
             OrdinalMap::fromUnordered({ { 1, u"one"_s }, { 3, u"first"_s } }));
}

void tst_OrdinalMap::insertSorted_data()
{
    QTest::addColumn<OrdinalMap>("map");
    QTest::addColumn<OrdinalMap>("inserted");
    QTest::addColumn<OrdinalMap>("result");

    const OrdinalMap loaded = { { 1, u"one"_s }, { 4, u"four"_s }, { 9, u"nine"_s } };
    QTest::newRow("into an empty map") << OrdinalMap() << loaded << loaded;
    QTest::newRow("nothing") << loaded << OrdinalMap() << loaded;
    QTest::newRow("after every entry")
        << OrdinalMap { { 0, u"zero"_s } } << loaded
        << OrdinalMap { { 0, u"zero"_s }, { 1, u"one"_s }, { 4, u"four"_s }, { 9, u"nine"_s } };
    QTest::newRow("between, and texts already there stay")
        << OrdinalMap { { 4, u"kept"_s }, { 5, u"five"_s }, { 134217728, u"web"_s } } << loaded
        << OrdinalMap { { 1, u"one"_s },
                        { 4, u"kept"_s },
                        { 5, u"five"_s },
                        { 9, u"nine"_s },
                        { 134217728, u"web"_s } };
}

void tst_OrdinalMap::insertSorted()
{
    QFETCH(OrdinalMap, map);
    QFETCH(OrdinalMap, inserted);
    QFETCH(OrdinalMap, result);
    map.insertSorted({ inserted.begin(), inserted.end() });
    QVERIFY(map == result);
}

QTEST_GUILESS_MAIN(tst_OrdinalMap)
#include "tst_ordinalmap.moc"
