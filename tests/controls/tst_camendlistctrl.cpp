#include "controls/CAmendListCtrl.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_CAmendListCtrl : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void rowLook_data();
    void rowLook();
    void headerClicks_data();
    void headerClicks();
    void clickScrollsSidewaysOnlyToHiddenCells_data();
    void clickScrollsSidewaysOnlyToHiddenCells();

private:
    void addRow(const QString &attribute, EntryStatus status);
    QStringList attributes() const;

    QStandardItemModel *m_model = nullptr;
    CAmendListCtrl *m_list = nullptr;
};

namespace {

constexpr QRgb Base = 0xFFFFFFFF;
constexpr QRgb Text = 0xFF000000;
constexpr QRgb HighlightedText = 0xFF008000;

} // namespace

void tst_CAmendListCtrl::init()
{
    m_model = new QStandardItemModel(0, 4);
    m_list = new CAmendListCtrl;
    m_list->setModel(m_model);
    m_list->setStatusColumn(3);
    QPalette palette = m_list->palette();
    palette.setColor(QPalette::Base, Base);
    palette.setColor(QPalette::Text, Text);
    palette.setColor(QPalette::HighlightedText, HighlightedText);
    m_list->setPalette(palette);
    // Glyphs without anti-aliasing have pixels of exactly the text colour.
    QFont font = m_list->font();
    font.setStyleStrategy(QFont::NoAntialias);
    font.setPixelSize(16);
    m_list->setFont(font);
    m_list->resize(500, 200);
}

void tst_CAmendListCtrl::cleanup()
{
    delete m_list;
    delete m_model;
}

// A row as the editor's model gives it: the status as text, role and colours.
void tst_CAmendListCtrl::addRow(const QString &attribute, EntryStatus status)
{
    const QList<QStandardItem *> row { new QStandardItem(attribute), new QStandardItem(u"HHHH"_s),
                                       new QStandardItem(), new QStandardItem(statusText(status)) };
    for (QStandardItem *item : row) {
        item->setData(int(status), EntryStatusRole);
        if (statusBackground(status).isValid())
            item->setData(statusBackground(status), Qt::BackgroundRole);
        if (statusForeground(status).isValid())
            item->setData(statusForeground(status), Qt::ForegroundRole);
    }
    m_model->appendRow(row);
}

QStringList tst_CAmendListCtrl::attributes() const
{
    QStringList column;
    for (int row = 0; row < m_model->rowCount(); ++row)
        column << m_model->item(row, 0)->text();
    return column;
}

void tst_CAmendListCtrl::rowLook_data()
{
    QTest::addColumn<EntryStatus>("status");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<int>("code");
    QTest::addColumn<QRgb>("background");
    QTest::addColumn<QRgb>("text");

    using S = EntryStatus;
    QTest::newRow("no status") << S::None << false << 0 << Base << Text;
    QTest::newRow("modified") << S::Modified << false << 1 << 0xFFFFFF5Du << Text;
    QTest::newRow("error") << S::Error << false << 2 << 0xFFFF0000u << 0xFFFFFFFFu;
    QTest::newRow("too long") << S::TooLong << false << 3 << 0xFFFF0000u << 0xFFFFFFFFu;
    QTest::newRow("selected error") << S::Error << true << 2 << 0xFF3399FFu << HighlightedText;
    QTest::newRow("selected plain") << S::None << true << 0 << 0xFF3399FFu << HighlightedText;
}

void tst_CAmendListCtrl::rowLook()
{
    QFETCH(EntryStatus, status);
    QFETCH(bool, selected);
    QFETCH(int, code);
    QFETCH(QRgb, background);
    QFETCH(QRgb, text);
    addRow(u"first"_s, EntryStatus::None);
    addRow(u"second"_s, status);
    if (selected)
        m_list->selectRow(1);
    QCOMPARE(m_list->GetItemStatus(1), code);

    m_list->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_list));
    const QImage image = m_list->viewport()->grab().toImage();
    const QRect cell = m_list->visualRect(m_model->index(1, 1));
    QCOMPARE(image.pixel(cell.left() + 1, cell.center().y()), background);
    QCOMPARE(image.pixel(cell.right() - 1, cell.center().y()), background);
    bool textDrawn = false;
    for (int x = cell.left(); x < cell.left() + 60; ++x) {
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            textDrawn = textDrawn || image.pixel(x, y) == text;
    }
    QVERIFY(textDrawn);
}

void tst_CAmendListCtrl::headerClicks_data()
{
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("ascending");
    QTest::addColumn<QStringList>("order");

    const QStringList byStatus { u"beta"_s, u"delta"_s, u"gamma"_s, u"alpha"_s };
    const QStringList byStatusReversed { u"alpha"_s, u"gamma"_s, u"delta"_s, u"beta"_s };
    const QStringList byAttribute { u"alpha"_s, u"beta"_s, u"delta"_s, u"gamma"_s };
    QTest::newRow("first click") << QList<int> { 3 } << 3 << true << byStatus;
    QTest::newRow("second click") << QList<int> { 3, 3 } << 3 << false << byStatusReversed;
    QTest::newRow("third click") << QList<int> { 3, 3, 3 } << 3 << true << byStatus;
    QTest::newRow("other after ascending") << QList<int> { 3, 0 } << 0 << true << byAttribute;
    QTest::newRow("other after descending") << QList<int> { 3, 3, 0 } << 0 << true << byAttribute;
}

void tst_CAmendListCtrl::headerClicks()
{
    addRow(u"beta"_s, EntryStatus::None);
    addRow(u"alpha"_s, EntryStatus::TooLong);
    addRow(u"gamma"_s, EntryStatus::Modified);
    addRow(u"delta"_s, EntryStatus::Error);
    m_list->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_list));

    QHeaderView *header = m_list->horizontalHeader();
    QFETCH(QList<int>, clicks);
    QFETCH(int, column);
    QFETCH(bool, ascending);
    QFETCH(QStringList, order);
    for (const int clicked : clicks) {
        const QPoint centre(header->sectionViewportPosition(clicked)
                                + header->sectionSize(clicked) / 2,
                            header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, centre);
    }
    QCOMPARE(m_list->sortColumn(), column);
    QCOMPARE(m_list->sortAscending(), ascending);
    QCOMPARE(attributes(), order);
}

void tst_CAmendListCtrl::clickScrollsSidewaysOnlyToHiddenCells_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("scrolled");

    // Four columns of 300 pixels in a list 500 wide.
    QTest::newRow("column in sight") << 0 << false;
    QTest::newRow("column partly in sight") << 1 << false;
    QTest::newRow("column out of sight") << 3 << true;
}

void tst_CAmendListCtrl::clickScrollsSidewaysOnlyToHiddenCells()
{
    QFETCH(int, column);
    QFETCH(bool, scrolled);
    for (int row = 0; row < 200; ++row)
        addRow(u"row %1"_s.arg(row), EntryStatus::None);
    for (int c = 0; c < 4; ++c)
        m_list->setColumnWidth(c, 300);
    m_list->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_list));

    const QModelIndex cell = m_model->index(150, column);
    m_list->setCurrentIndex(cell);
    QCOMPARE(m_list->horizontalScrollBar()->value() > 0, scrolled);
    QVERIFY(m_list->viewport()->rect().intersects(m_list->visualRect(cell)));
}

QTEST_MAIN(tst_CAmendListCtrl)
#include "tst_camendlistctrl.moc"
