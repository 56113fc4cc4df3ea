#include "FixedTextMeasurer.h"
#include "editor/EditorRowModel.h"

#include <QAbstractItemModelTester>
#include <QItemSelectionModel>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Rows a0..a4 with ordinals 10..14; every model is watched by the tester.
std::unique_ptr<EditorRowModel> sampleModel()
{
    auto model = std::make_unique<EditorRowModel>();
    new QAbstractItemModelTester(
        model.get(), QAbstractItemModelTester::FailureReportingMode::QtTest, model.get());
    model->setEntries({ { 10, u"a0"_s, u"beta"_s },
                        { 11, u"a1"_s, u"Zebra"_s },
                        { 12, u"a2"_s, u"apple"_s },
                        { 13, u"a3"_s, u"beta"_s },
                        { 14, u"a4"_s, u"Apple"_s } });
    model->setStatus(1, EntryStatus::Error);
    model->setStatus(3, EntryStatus::Modified);
    model->setStatus(4, EntryStatus::TooLong);
    return model;
}

QStringList column(const EditorRowModel &model, int column)
{
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts.append(model.index(row, column).data().toString());
    return texts;
}

const LengthLimits Limits { { u"IDS_OK"_s, u"Cancel"_s } };

} // namespace

class tst_EditorRowModel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void populates();
    void itemStatus_data();
    void itemStatus();
    void referenceLoad_data();
    void referenceLoad();
    void referenceLoadSignalsOncePerColumn();
    void commit_data();
    void commit();
    void sort_data();
    void sort();
    void sortKeepsSelectionAndOrdinals();
};

void tst_EditorRowModel::initTestCase()
{
    // A real collation, in which case and letter order disagree with code units.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void tst_EditorRowModel::populates()
{
    const auto model = sampleModel();
    QCOMPARE(column(*model, EditorRowModel::ValueColumn),
             (QStringList { u"beta"_s, u"Zebra"_s, u"apple"_s, u"beta"_s, u"Apple"_s }));
    QCOMPARE(model->rowOfOrdinal(13), 3);
    QCOMPARE(model->rowOfOrdinal(99), -1);
    QCOMPARE(model->index(3, EditorRowModel::ReferenceColumn).data(EditorRowModel::OrdinalRole),
             QVariant::fromValue(EntryOrdinal(13)));
    QCOMPARE(model->headerData(EditorRowModel::StatusColumn, Qt::Horizontal), u"Status"_s);

    model->setEntries(
        entryRows({ { FirstWebOrdinal, u"web"_s }, { 2, u"IDS_B"_s }, { 1, u"IDS_A"_s } }, {}));
    QCOMPARE(column(*model, EditorRowModel::AttributeColumn),
             (QStringList { u"IDS_A"_s, u"IDS_B"_s, u"web"_s }));
    QCOMPARE(column(*model, EditorRowModel::ValueColumn), QStringList(3));
    QCOMPARE(model->rowOfOrdinal(FirstWebOrdinal), 2);
}

void tst_EditorRowModel::itemStatus_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<EntryStatus>("status");

    QTest::newRow("modified") << u"MODIFIED"_s << EntryStatus::Modified;
    QTest::newRow("error") << u"ERROR"_s << EntryStatus::Error;
    QTest::newRow("too long") << u"TOO LONG"_s << EntryStatus::TooLong;
    QTest::newRow("empty") << QString() << EntryStatus::None;
    QTest::newRow("other case") << u"modified"_s << EntryStatus::None;
    QTest::newRow("trailing blank") << u"MODIFIED "_s << EntryStatus::None;
}

// The status is read from its text exactly; the model shows it through its
// roles on every column.
void tst_EditorRowModel::itemStatus()
{
    QFETCH(QString, text);
    QFETCH(EntryStatus, status);

    QCOMPARE(statusFromText(text), status);
    const auto model = sampleModel();
    model->setStatus(0, status);
    QCOMPARE(model->GetItemStatus(0), status);
    QCOMPARE(model->index(0, 0).data(EditorRowModel::StatusRole).toInt(), int(status));
    QCOMPARE(model->index(0, EditorRowModel::StatusColumn).data().toString(), statusText(status));
    QCOMPARE(model->index(0, 1).data(Qt::BackgroundRole).value<QColor>(), statusBackground(status));
}

void tst_EditorRowModel::referenceLoad_data()
{
    QTest::addColumn<EntryStatus>("before");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("reference");
    QTest::addColumn<EntryStatus>("after");

    using S = EntryStatus;
    QTest::newRow("passes") << S::None << u"Ok %d"_s << u"OK %d"_s << S::None;
    QTest::newRow("symbols differ") << S::None << u"Ok"_s << u"OK %d"_s << S::Error;
    QTest::newRow("too long") << S::None << u"Okay then"_s << u"OK"_s << S::TooLong;
    QTest::newRow("error kept") << S::Error << u"Ok"_s << u"OK"_s << S::Error;
    QTest::newRow("modified kept") << S::Modified << u"Ok"_s << u"OK"_s << S::Modified;
    QTest::newRow("modified, fails") << S::Modified << u"Ok"_s << u"%d"_s << S::Error;
    QTest::newRow("error, now too long") << S::Error << u"Okay then"_s << u"OK"_s << S::TooLong;
}

void tst_EditorRowModel::referenceLoad()
{
    QFETCH(EntryStatus, before);
    QFETCH(QString, value);
    QFETCH(QString, reference);
    QFETCH(EntryStatus, after);

    EditorRowModel model;
    model.setEntries({ { 5, u"IDS_OK"_s, value } });
    model.setStatus(0, before);
    model.applyReference({ { 5, reference } }, Limits, FixedTextMeasurer());
    QCOMPARE(model.row(0).reference, reference);
    QCOMPARE(model.row(0).status, after);
}

void tst_EditorRowModel::referenceLoadSignalsOncePerColumn()
{
    const auto model = sampleModel();
    model->setReferences({ { 10, u"old"_s }, { 12, u"old"_s } });
    QSignalSpy changed(model.get(), &QAbstractItemModel::dataChanged);
    model->applyReference({ { 11, u"%d"_s }, { 13, u"%s"_s }, { 99, u"no row"_s } }, Limits,
                          FixedTextMeasurer());

    QCOMPARE(column(*model, EditorRowModel::ReferenceColumn),
             (QStringList { QString(), u"%d"_s, QString(), u"%s"_s, QString() }));
    QCOMPARE(column(*model, EditorRowModel::StatusColumn),
             (QStringList { QString(), u"ERROR"_s, QString(), u"ERROR"_s, u"TOO LONG"_s }));
    QCOMPARE(changed.size(), 2);
    // The statuses change the rows' colours: the whole rows from the first
    // to the last marked.
    QCOMPARE(changed.at(1).at(0).toModelIndex(), model->index(1, 0));
    QCOMPARE(changed.at(1).at(1).toModelIndex(), model->index(3, EditorRowModel::ColumnCount - 1));
}

void tst_EditorRowModel::commit_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<EntryStatus>("status");

    QTest::newRow("passes") << u"Ok %d"_s << EntryStatus::Modified;
    QTest::newRow("too long") << u"Okay then %d"_s << EntryStatus::TooLong;
    QTest::newRow("both fail") << u"Okay then"_s << EntryStatus::Error;
}

void tst_EditorRowModel::commit()
{
    QFETCH(QString, value);
    QFETCH(EntryStatus, status);

    EditorRowModel model;
    model.setEntries({ { 5, u"IDS_OK"_s, u"old"_s } });
    model.setReferences({ { 5, u"OK %d"_s } });
    QCOMPARE(model.commitValue(0, value, Limits, FixedTextMeasurer()), status);
    QCOMPARE(model.row(0).value, value);
    QCOMPARE(model.GetItemStatus(0), status);
}

void tst_EditorRowModel::sort_data()
{
    QTest::addColumn<int>("sortColumn");
    QTest::addColumn<Qt::SortOrder>("order");
    QTest::addColumn<QStringList>("attributes");

    const int value = EditorRowModel::ValueColumn;
    const int status = EditorRowModel::StatusColumn;
    // The two "beta" rows (a0, a3) and the two empty statuses (a0, a2) tie.
    QTest::newRow("value ascending") << value << Qt::AscendingOrder
                                     << QStringList { u"a2"_s, u"a4"_s, u"a0"_s, u"a3"_s, u"a1"_s };
    QTest::newRow("value descending")
        << value << Qt::DescendingOrder
        << QStringList { u"a1"_s, u"a0"_s, u"a3"_s, u"a4"_s, u"a2"_s };
    QTest::newRow("status ascending")
        << status << Qt::AscendingOrder
        << QStringList { u"a0"_s, u"a2"_s, u"a1"_s, u"a3"_s, u"a4"_s };
    QTest::newRow("status descending")
        << status << Qt::DescendingOrder
        << QStringList { u"a4"_s, u"a3"_s, u"a1"_s, u"a0"_s, u"a2"_s };
}

void tst_EditorRowModel::sort()
{
    QFETCH(int, sortColumn);
    QFETCH(Qt::SortOrder, order);
    QFETCH(QStringList, attributes);

    const auto model = sampleModel();
    model->sort(sortColumn, order);
    QCOMPARE(column(*model, EditorRowModel::AttributeColumn), attributes);

    const QStringList texts = column(*model, sortColumn);
    const int sign = order == Qt::AscendingOrder ? 1 : -1;
    for (int i = 1; i < texts.size(); ++i)
        QVERIFY(sign * QString::localeAwareCompare(texts[i - 1], texts[i]) <= 0);
}

void tst_EditorRowModel::sortKeepsSelectionAndOrdinals()
{
    const auto model = sampleModel();
    QItemSelectionModel selection(model.get());
    selection.select(model->index(1, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);

    model->sort(EditorRowModel::ValueColumn, Qt::AscendingOrder);
    QCOMPARE(model->rowOfOrdinal(11), 4);
    QCOMPARE(selection.selectedRows(), QModelIndexList { model->index(4, 0) });
    model->sort(EditorRowModel::ValueColumn, Qt::DescendingOrder);
    QCOMPARE(model->rowOfOrdinal(11), 0);
    QCOMPARE(selection.selectedRows(), QModelIndexList { model->index(0, 0) });
}

QTEST_GUILESS_MAIN(tst_EditorRowModel)
#include "tst_editorrowmodel.moc"
