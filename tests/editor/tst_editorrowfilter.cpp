#include "FixedTextMeasurer.h"
#include "editor/CommitCommand.h"
#include "editor/EditorRowFilter.h"
#include "editor/EditorRowModel.h"
#include "editor/EditorSearch.h"

#include <QAbstractItemModelTester>
#include <QTest>
#include <QUndoStack>

using namespace Qt::StringLiterals;

namespace {

// a0 blank, a1 ERROR, a2 equal to its reference, a3 TOO LONG, a4 MODIFIED,
// a5 blank with the reference that a2 and a4 share.
void fill(EditorRowModel &model)
{
    model.setEntries({ { 10, u"a0"_s, QString() },
                       { 11, u"a1"_s, u"x"_s },
                       { 12, u"a2"_s, u"Same"_s },
                       { 13, u"a3"_s, u"long"_s },
                       { 14, u"a4"_s, u"Gleich"_s },
                       { 15, u"a5"_s, u" "_s } });
    model.setReferences({ { 12, u"Same"_s }, { 14, u"Same"_s }, { 15, u"Same"_s } });
    model.setStatus(1, EntryStatus::Error);
    model.setStatus(3, EntryStatus::TooLong);
    model.setStatus(4, EntryStatus::Modified);
}

QStringList shown(const EditorRowFilter &filter)
{
    QStringList attributes;
    for (int row = 0; row < filter.rowCount(); ++row)
        attributes.append(filter.index(row, 0).data().toString());
    return attributes;
}

} // namespace

class tst_EditorRowFilter : public QObject
{
    Q_OBJECT

private slots:
    void kinds_data();
    void kinds();
    void aCommitDoesNotHideItsRow();
    void sortingUnderAFilter();
    void undoRestoresValueAndStatus();
    void blankAfterTheSelection_data();
    void blankAfterTheSelection();
    void suggestion();
};

void tst_EditorRowFilter::kinds_data()
{
    QTest::addColumn<EditorRowFilter::Kind>("kind");
    QTest::addColumn<QStringList>("rows");

    using F = EditorRowFilter;
    QTest::newRow("all") << F::AllRows
                         << QStringList { u"a0"_s, u"a1"_s, u"a2"_s, u"a3"_s, u"a4"_s, u"a5"_s };
    QTest::newRow("blank") << F::BlankValues << QStringList { u"a0"_s, u"a5"_s };
    QTest::newRow("error") << F::Errors << QStringList { u"a1"_s };
    QTest::newRow("too long") << F::TooLong << QStringList { u"a3"_s };
    QTest::newRow("any status") << F::AnyStatus << QStringList { u"a1"_s, u"a3"_s, u"a4"_s };
    QTest::newRow("same as reference") << F::SameAsReference << QStringList { u"a2"_s };
}

void tst_EditorRowFilter::kinds()
{
    QFETCH(EditorRowFilter::Kind, kind);
    QFETCH(QStringList, rows);

    EditorRowModel model;
    EditorRowFilter filter(&model);
    QAbstractItemModelTester tester(&filter,
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    fill(model);
    filter.setKind(kind);
    QCOMPARE(shown(filter), rows);
    for (int row = 0; row < model.rowCount(); ++row)
        QCOMPARE(filter.shows(row), rows.contains(model.row(row).attribute));
}

// A row fixed under a filter stays in sight until the filter is chosen again.
void tst_EditorRowFilter::aCommitDoesNotHideItsRow()
{
    EditorRowModel model;
    EditorRowFilter filter(&model);
    fill(model);
    filter.setKind(EditorRowFilter::Errors);
    QCOMPARE(model.commitValue(1, u"fixed"_s, {}, FixedTextMeasurer()), EntryStatus::Modified);
    QCOMPARE(shown(filter), QStringList { u"a1"_s });
    filter.setKind(EditorRowFilter::Errors);
    QCOMPARE(shown(filter), QStringList());
}

// The filter keeps the model's order: a sort through the list sorts the model.
void tst_EditorRowFilter::sortingUnderAFilter()
{
    EditorRowModel model;
    EditorRowFilter filter(&model);
    fill(model);
    filter.setKind(EditorRowFilter::AnyStatus);
    filter.sort(EditorRowModel::AttributeColumn, Qt::DescendingOrder);
    QCOMPARE(shown(filter), (QStringList { u"a4"_s, u"a3"_s, u"a1"_s }));
    QCOMPARE(model.row(0).attribute, u"a5"_s);
}

void tst_EditorRowFilter::undoRestoresValueAndStatus()
{
    EditorRowModel model;
    fill(model);
    QUndoStack history;
    QList<int> shownRows;
    const auto commit = [&](int row, const QString &value, EntryStatus status) {
        const RowState before { model.row(row).value, model.row(row).status };
        model.setRowState(row, value, status);
        history.push(new CommitCommand(model, model.row(row).ordinal, before, { value, status },
                                       [&](int r) { shownRows.append(r); }));
    };
    commit(1, u"y"_s, EntryStatus::Modified);
    commit(1, u"z"_s, EntryStatus::TooLong);
    QVERIFY(shownRows.isEmpty()); // pushing is the commit itself

    model.sort(EditorRowModel::AttributeColumn, Qt::DescendingOrder); // a1 moves to row 4
    history.undo();
    QCOMPARE(model.row(4).value, u"y"_s);
    QCOMPARE(model.row(4).status, EntryStatus::Modified);
    history.undo();
    QCOMPARE(model.row(4).value, u"x"_s);
    QCOMPARE(model.row(4).status, EntryStatus::Error);
    history.redo();
    QCOMPARE(model.row(4).value, u"y"_s);
    QCOMPARE(shownRows, (QList<int> { 4, 4, 4 }));
}

void tst_EditorRowFilter::blankAfterTheSelection_data()
{
    QTest::addColumn<int>("after");
    QTest::addColumn<int>("found");
    QTest::addColumn<bool>("wrapped");

    QTest::newRow("none selected") << -1 << 0 << false;
    QTest::newRow("after the first") << 0 << 5 << false;
    QTest::newRow("after the last blank") << 5 << 0 << true;
}

void tst_EditorRowFilter::blankAfterTheSelection()
{
    QFETCH(int, after);
    QFETCH(int, found);
    QFETCH(bool, wrapped);

    EditorRowModel model;
    fill(model);
    const EditorSearch::BlankFound blank = EditorSearch::findBlankAfter(model, after);
    QCOMPARE(blank.row, found);
    QCOMPARE(blank.wrapped, wrapped);
    // Rows the list hides are passed over.
    const auto onlyLast = [](int row) { return row == 5; };
    QCOMPARE(EditorSearch::findBlankAfter(model, -1, onlyLast).row, 5);
    QCOMPARE(EditorSearch::findBlankAfter(model, -1, [](int) { return false; }).row, -1);
}

void tst_EditorRowFilter::suggestion()
{
    EditorRowModel model;
    fill(model);
    // a2 says "Same" and a4 "Gleich": one each, the first to get there wins.
    QCOMPARE(EditorSearch::suggestedValue(model, 5), u"Same"_s);
    model.setRowState(2, u"Gleich"_s, EntryStatus::Modified);
    QCOMPARE(EditorSearch::suggestedValue(model, 5), u"Gleich"_s);
    QCOMPARE(EditorSearch::suggestedValue(model, 4), std::nullopt); // not blank
    QCOMPARE(EditorSearch::suggestedValue(model, 0), std::nullopt); // no reference
}

QTEST_GUILESS_MAIN(tst_EditorRowFilter)
#include "tst_editorrowfilter.moc"
