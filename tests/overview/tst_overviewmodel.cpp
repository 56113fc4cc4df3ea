#include "overview/OverviewModel.h"

#include <QAbstractItemModelTester>
#include <QPersistentModelIndex>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_OverviewModel : public QObject
{
    Q_OBJECT

private slots:
    void sorting_data();
    void sorting();
    void staysSortedAsLanguagesArrive();
};

namespace {

LanguageSummary language(const QString &name, int entries, int translated, int blank, int error = 0)
{
    LanguageSummary summary;
    summary.name = name;
    summary.entries = entries;
    summary.translated = translated;
    summary.blank = blank;
    summary.missing = entries - translated - blank;
    summary.error = error;
    return summary;
}

// Figures that sort differently as text (9, 10, 100) and shares that differ
// from the counts (9 of 9 is more than 50 of 100).
const std::vector<LanguageSummary> Languages {
    language(u"Dutch"_s, 9, 9, 0, 2),
    language(u"Czech"_s, 100, 50, 10, 10),
    language(u"Arabic"_s, 10, 5, 0, 2),
    language(u"Basque"_s, 100, 100, 0, 0),
};

QStringList names(const OverviewModel &model)
{
    QStringList names;
    for (int row = 0; row < model.rowCount(); ++row)
        names.append(model.data(model.index(row, OverviewModel::LanguageColumn)).toString());
    return names;
}

} // namespace

void tst_OverviewModel::sorting_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<Qt::SortOrder>("order");
    QTest::addColumn<QStringList>("expected");

    using M = OverviewModel;
    QTest::newRow("names") << int(M::LanguageColumn) << Qt::AscendingOrder
                           << QStringList { u"Arabic"_s, u"Basque"_s, u"Czech"_s, u"Dutch"_s };
    QTest::newRow("names, descending")
        << int(M::LanguageColumn) << Qt::DescendingOrder
        << QStringList { u"Dutch"_s, u"Czech"_s, u"Basque"_s, u"Arabic"_s };
    QTest::newRow("entries as numbers, equal ones by name")
        << int(M::EntriesColumn) << Qt::AscendingOrder
        << QStringList { u"Dutch"_s, u"Arabic"_s, u"Basque"_s, u"Czech"_s };
    QTest::newRow("entries descending, equal ones still by name")
        << int(M::EntriesColumn) << Qt::DescendingOrder
        << QStringList { u"Basque"_s, u"Czech"_s, u"Arabic"_s, u"Dutch"_s };
    QTest::newRow("translated by share, then count")
        << int(M::TranslatedColumn) << Qt::AscendingOrder
        << QStringList { u"Arabic"_s, u"Czech"_s, u"Dutch"_s, u"Basque"_s };
    QTest::newRow("ERROR descending")
        << int(M::ErrorColumn) << Qt::DescendingOrder
        << QStringList { u"Czech"_s, u"Arabic"_s, u"Dutch"_s, u"Basque"_s };
    QTest::newRow("missing") << int(M::MissingColumn) << Qt::AscendingOrder
                             << QStringList { u"Basque"_s, u"Dutch"_s, u"Arabic"_s, u"Czech"_s };
}

void tst_OverviewModel::sorting()
{
    QFETCH(int, column);
    QFETCH(Qt::SortOrder, order);
    QFETCH(QStringList, expected);

    OverviewModel model;
    QAbstractItemModelTester tester(&model);
    for (const LanguageSummary &summary : Languages)
        model.setSummary(summary);
    model.sort(column, order);
    QCOMPARE(names(model), expected);
}

// A language checked again moves to its place; the row the user selected
// follows its language.
void tst_OverviewModel::staysSortedAsLanguagesArrive()
{
    OverviewModel model;
    QAbstractItemModelTester tester(&model);
    model.sort(OverviewModel::BlankColumn, Qt::DescendingOrder);
    for (const LanguageSummary &summary : Languages)
        model.setSummary(summary);
    QCOMPARE(names(model), (QStringList { u"Czech"_s, u"Arabic"_s, u"Basque"_s, u"Dutch"_s }));

    const QPersistentModelIndex selected = model.index(1, OverviewModel::ErrorColumn);
    model.setSummary(language(u"Basque"_s, 100, 70, 30));
    model.setSummary(language(u"Arabic"_s, 10, 10, 0, 1));
    QCOMPARE(names(model), (QStringList { u"Basque"_s, u"Czech"_s, u"Arabic"_s, u"Dutch"_s }));
    QCOMPARE(selected.row(), 2);
    QCOMPARE(selected.data().toInt(), 1);
    QCOMPARE(model.rowCount(), 4);

    model.keepOnly({ u"Dutch"_s, u"Czech"_s });
    QCOMPARE(names(model), (QStringList { u"Czech"_s, u"Dutch"_s }));
    QVERIFY(!selected.isValid());
}

QTEST_MAIN(tst_OverviewModel)
#include "tst_overviewmodel.moc"
