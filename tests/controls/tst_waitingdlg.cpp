#include "controls/CWaitingDlg.h"
#include "controls/WaitingMessages.h"

#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QWindow>

using namespace Qt::StringLiterals;

class tst_WaitingDlg : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void disablesOwnerAndMainWindowWhileWaiting();
    void destroyingWhileWaitingRestoresTheOwner();
    void keysDoNotCloseIt();
    void pictureAndTextLine();
    void onTheScreenBeforeTheWorkStarts();
    void registeredMessages();
};

namespace {

// A main window with an owner window above it, as the editor stands above the
// main window.
struct Windows
{
    QWidget main;
    QWidget owner { &main, Qt::Window };

    Windows()
    {
        main.show();
        owner.show();
    }
};

// Counts the "close waiting dialog" messages that reach a window.
class MessageCounter : public QWidget
{
public:
    int count = 0;

protected:
    bool event(QEvent *event) override
    {
        if (event->type() == CWaitingDlg::messageType(CWaitingDlg::CloseWaitingDlgMessage))
            ++count;
        return QWidget::event(event);
    }
};

} // namespace

void tst_WaitingDlg::initTestCase()
{
    CWaitingDlg::registerMessages();
}

void tst_WaitingDlg::disablesOwnerAndMainWindowWhileWaiting()
{
    Windows windows;
    {
        WaitingPanel panel(&windows.owner, u"Loading data, please wait ..."_s);
        QVERIFY(panel.dialog()->isVisible());
        QVERIFY(!windows.owner.isEnabled());
        QVERIFY(!windows.main.isEnabled());
        QVERIFY(panel.dialog()->isEnabled());

        panel.suspend();
        QVERIFY(windows.owner.isEnabled());
        QVERIFY(windows.main.isEnabled());
        panel.resume();
        QVERIFY(!windows.owner.isEnabled());
    }
    QVERIFY(windows.owner.isEnabled());
    QVERIFY(windows.main.isEnabled());
}

void tst_WaitingDlg::destroyingWhileWaitingRestoresTheOwner()
{
    Windows windows;
    windows.main.setEnabled(false); // disabled before: stays disabled
    auto *dialog = new CWaitingDlg(&windows.owner);
    dialog->show();
    dialog->SetWaitEnded(false);
    QVERIFY(!windows.owner.isEnabled());
    delete dialog;
    QVERIFY(windows.owner.isEnabledTo(&windows.main));
    QVERIFY(!windows.main.isEnabled());

    // Leaving a state that was never entered does no harm.
    CWaitingDlg idle(&windows.owner);
    QVERIFY(idle.SetWaitEnded(true));
    QVERIFY(windows.owner.isEnabledTo(&windows.main));
}

void tst_WaitingDlg::keysDoNotCloseIt()
{
    Windows windows;
    WaitingPanel panel(&windows.owner, u"Saving data, please wait ..."_s);
    CWaitingDlg *dialog = panel.dialog();
    QTest::keyClick(dialog, Qt::Key_Return);
    QTest::keyClick(dialog, Qt::Key_Escape);
    QTest::keyClick(dialog, Qt::Key_F4, Qt::AltModifier);
    QVERIFY(!dialog->close());
    QVERIFY(dialog->isVisible());
    QVERIFY(dialog->isWaiting());
}

void tst_WaitingDlg::pictureAndTextLine()
{
    Windows windows;
    WaitingPanel panel(&windows.owner, u"Checking data..."_s);
    CWaitingDlg *dialog = panel.dialog();
    QCOMPARE(dialog->size(), QSize(459, 171));
    QCOMPARE(dialog->messageText(), u"Checking data..."_s);
    const auto *line = dialog->findChild<QLabel *>(u"messageLine"_s);
    QVERIFY(line);
    QCOMPARE(line->geometry(), QRect(0, 68, 459, 34));

    const QImage image = dialog->grab().toImage();
    QCOMPARE(image.pixelColor(200, 20), QColor(255, 255, 255));
    QCOMPARE(image.pixelColor(200, 0).rgb(), QColor(95, 95, 99).rgb());
    QCOMPARE(image.pixelColor(0, 0).alpha(), 0);
}

// The work runs right after the panel is made, with no event processed: the
// screen must already show the panel and its text.
void tst_WaitingDlg::onTheScreenBeforeTheWorkStarts()
{
    Windows windows;
    QVERIFY(QTest::qWaitForWindowExposed(&windows.owner));
    const WaitingPanel panel(&windows.owner, u"Loading data, please wait ..."_s);
    CWaitingDlg *dialog = panel.dialog();
    QVERIFY(dialog->windowHandle()->isExposed());

    // Read back from the window system, not from the panel's own buffer.
    const QImage shown = dialog->screen()->grabWindow(dialog->winId()).toImage();
    QCOMPARE(shown.size(), dialog->size());
    QCOMPARE(shown.pixelColor(200, 20).rgb(), QColor(255, 255, 255).rgb());
    int textPixels = 0; // dark pixels of the text line
    for (int x = 0; x < shown.width(); ++x) {
        for (int y = 68; y < 102; ++y)
            textPixels += qGray(shown.pixel(x, y)) < 128;
    }
    QVERIFY(textPixels > 100);
}

void tst_WaitingDlg::registeredMessages()
{
    MessageCounter owner;
    owner.show();
    CWaitingDlg dialog(&owner);
    dialog.setWaitText(u"From a message"_s);

    const QEvent::Type setText = CWaitingDlg::messageType(CWaitingDlg::SetWaitTextMessage);
    QVERIFY(setText != QEvent::None);
    WaitingMessages::ShowCommandEvent show(setText, WaitingMessages::Show);
    QCoreApplication::sendEvent(&dialog, &show);
    QVERIFY(dialog.isVisible());
    QVERIFY(dialog.isWaiting());
    QCOMPARE(dialog.messageText(), u"From a message"_s);

    WaitingMessages::ShowCommandEvent hide(setText, WaitingMessages::Hide);
    QCoreApplication::sendEvent(&dialog, &hide);
    QVERIFY(!dialog.isVisible());
    QVERIFY(!dialog.isWaiting());

    // Nothing increments the count: one message makes it -1 and changes nothing else.
    QEvent single(CWaitingDlg::messageType(CWaitingDlg::WaitSingleObjectMessage));
    QCoreApplication::sendEvent(&dialog, &single);
    QCOMPARE(dialog.pendingCount(), -1);
    QVERIFY(owner.isEnabled());

    dialog.OnCommand(CWaitingDlg::CloseCommandId);
    dialog.OnCommand(1);
    QCOMPARE(owner.count, 1);
}

QTEST_MAIN(tst_WaitingDlg)
#include "tst_waitingdlg.moc"
