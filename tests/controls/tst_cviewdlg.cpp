#include "controls/CViewDlg.h"
#include "controls/DialogTemplate.h"
#include "controls/StaticTextBox.h"
#include "controls/ViewControls.h"
#include "editor/ClientFonts.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_CViewDlg : public QObject
{
    Q_OBJECT

private slots:
    void boxes_data();
    void boxes();
    void ampersandsAsTheClientDrawsThem_data();
    void ampersandsAsTheClientDrawsThem();
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

    for (const auto &[id, text] : { std::pair { int(ViewControl::SampleBox), sample },
                                    std::pair { int(ViewControl::ValueBox), value } }) {
        QCOMPARE(control<StaticTextBox>(&dialog, id)->text(), text);
    }

    QTest::mouseClick(control<QPushButton>(&dialog, ViewControl::Ok), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void tst_CViewDlg::ampersandsAsTheClientDrawsThem_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown"); // what is drawn, with no mnemonic
    QTest::addColumn<bool>("underline");

    QTest::newRow("doubled") << u"Tom && Jerry"_s << u"Tom & Jerry"_s << false;
    QTest::newRow("mnemonic") << u"&Save"_s << u"Save"_s << true;
    QTest::newRow("plain") << u"Save"_s << u"Save"_s << false;
}

namespace {

// The rectangle of the pixels in which an image differs from its background.
QRect ink(const QImage &image, const QImage &background)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != background.pixel(x, y))
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

} // namespace

// The box draws the text the way the client does, with the ampersands taken
// as mnemonic marks: the ink of "&&" is that of one "&", and a mnemonic is
// underlined.
void tst_CViewDlg::ampersandsAsTheClientDrawsThem()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QFETCH(bool, underline);

    StaticTextBox box;
    box.resize(300, 60);
    const QImage empty = box.grab().toImage();
    box.setText(text);
    const QRect drawn = ink(box.grab().toImage(), empty);

    QImage expected = empty;
    QPainter painter(&expected);
    painter.setFont(box.font());
    painter.setPen(box.palette().color(box.foregroundRole()));
    painter.drawText(box.contentsRect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, shown);
    painter.end();
    const QRect plain = ink(expected, empty);

    QVERIFY(!plain.isEmpty());
    QVERIFY(qAbs(drawn.left() - plain.left()) <= 1);
    QVERIFY(qAbs(drawn.right() - plain.right()) <= 1);
    QCOMPARE(drawn.top(), plain.top());
    QCOMPARE(drawn.bottom() > plain.bottom(), underline);
}

void tst_CViewDlg::look()
{
    const CViewDlg dialog;
    QCOMPARE(dialog.windowTitle(), u"View the text display result"_s);

    const QLabel *explanation = control<QLabel>(&dialog, ViewControl::Explanation);
    QCOMPARE(explanation->text(),
             u"If the length of the text in the second box exceeds the "
             "first box, the text will not be fully displayed. "_s);
    QCOMPARE(explanation->palette().color(QPalette::WindowText), QColor(190, 0, 0));
    QCOMPARE(explanation->font().family(), ClientFace::Explanation);
    QVERIFY(QFontMetrics(explanation->font()).height() <= 18);
    QVERIFY(QFontMetrics(explanation->font()).height() >= 15);

    const auto *sampleBox = control<StaticTextBox>(&dialog, ViewControl::SampleBox);
    const auto *valueBox = control<StaticTextBox>(&dialog, ViewControl::ValueBox);
    QCOMPARE(sampleBox->font().family(), ClientFace::Display);
    QCOMPARE(sampleBox->font().pixelSize(), 20);
    QCOMPARE(valueBox->font(), sampleBox->font());
}

QTEST_MAIN(tst_CViewDlg)
#include "tst_cviewdlg.moc"
