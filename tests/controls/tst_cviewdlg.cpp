#include "controls/CViewDlg.h"
#include "controls/DialogTemplate.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_CViewDlg : public QObject
{
    Q_OBJECT

private slots:
    void boxes_data();
    void boxes();
    void look();
};

void tst_CViewDlg::boxes_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<QString>("value");

    QTest::newRow("both") << u"Download finished"_s << u"Téléchargement terminé"_s;
    QTest::newRow("no sample") << QString() << u"Fertig"_s;
    QTest::newRow("line break") << u"Sample"_s << u"first line\nsecond line"_s;
    QTest::newRow("markup and ampersand") << u"A & B"_s << u"<b>%s</b> && more"_s;
}

void tst_CViewDlg::boxes()
{
    QFETCH(QString, sample);
    QFETCH(QString, value);
    CViewDlg dialog;
    dialog.attributeText = u"IDS_DOWNLOAD_DONE"_s;
    dialog.sampleText = sample;
    dialog.valueText = value;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    for (const auto &[id, text] : {std::pair{1049, sample}, std::pair{1050, value}}) {
        const QLabel *box = control<QLabel>(&dialog, id);
        QCOMPARE(box->text(), text);
        QCOMPARE(box->textFormat(), Qt::PlainText);
    }

    QTest::mouseClick(control<QPushButton>(&dialog, 1), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void tst_CViewDlg::look()
{
    const CViewDlg dialog;
    QCOMPARE(dialog.windowTitle(), u"View the text display result"_s);

    const QLabel *explanation = control<QLabel>(&dialog, 1044);
    QCOMPARE(explanation->text(), u"If the length of the text in the second box exceeds the "
                                  "first box, the text will not be fully displayed. "_s);
    QCOMPARE(explanation->palette().color(QPalette::WindowText), QColor(190, 0, 0));
    QCOMPARE(explanation->font().family(), u"Arial"_s);
    QVERIFY(QFontMetrics(explanation->font()).height() <= 18);
    QVERIFY(QFontMetrics(explanation->font()).height() >= 15);

    const QLabel *sampleBox = control<QLabel>(&dialog, 1049);
    const QLabel *valueBox = control<QLabel>(&dialog, 1050);
    QCOMPARE(sampleBox->font().family(), u"Droid Sans Fallback"_s);
    QCOMPARE(sampleBox->font().pixelSize(), 20);
    QCOMPARE(valueBox->font(), sampleBox->font());
    QVERIFY(valueBox->wordWrap());
}

QTEST_MAIN(tst_CViewDlg)
#include "tst_cviewdlg.moc"
