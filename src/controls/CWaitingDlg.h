#pragma once

#include <QDialog>
#include <QEvent>
#include <QPixmap>
#include <QPointer>

#include <atomic>

class QLabel;

// The please-wait panel put in front of a window while long work runs on the
// user-interface thread. While it waits, its owner and the windows above the
// owner take no input, as under a modal dialog, although no event loop runs;
// the owner repaints it explicitly before each step. Enter, Escape and the
// window system's close request do not close it.
class CWaitingDlg : public QDialog
{
    Q_OBJECT

public:
    // Names of the three registered messages.
    static const char *const SetWaitTextMessage;
    static const char *const WaitSingleObjectMessage;
    static const char *const CloseWaitingDlgMessage;
    static constexpr int CloseCommandId = 1000;

    // Registers the message types; called once at program start.
    static void registerMessages();
    static QEvent::Type messageType(const char *name);

    explicit CWaitingDlg(QWidget *owner);
    ~CWaitingDlg() override;

    // false enters the waiting state, true leaves it; leaving when not
    // waiting does no harm.
    bool SetWaitEnded(bool ended);
    bool isWaiting() const { return !m_waitEnded; }

    void setMessageText(const QString &text);
    QString messageText() const;

    // Paints the panel on the screen at once. A window system maps and
    // exposes a window some time after it is shown, and a repaint before
    // that draws nothing: events other than user input are processed until
    // the panel is exposed, for at most a second.
    void paintNow();

    // Text used by the "set wait text" message.
    void setWaitText(const QString &text) { m_waitText = text; }
    int pendingCount() const { return m_pendingCount.load(); }

    // A command sent to the panel; command 1000 is passed on to the owner as
    // the "close waiting dialog" message.
    void OnCommand(int id);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void centreOverOwner();
    void waitUntilExposed();

    QLabel *m_messageLine = nullptr;
    QPixmap m_picture;
    QString m_waitText;
    std::atomic<int> m_pendingCount = 0;
    bool m_waitEnded = true;
    QList<QPointer<QWidget>> m_disabledWindows;
    bool m_wasActive = false;
};

// The panel as every long operation uses it: shown with its text and painted
// before the work starts, its waiting state left and the panel gone when the
// operation's scope ends.
class WaitingPanel
{
public:
    WaitingPanel(QWidget *owner, const QString &text);
    ~WaitingPanel();

    WaitingPanel(const WaitingPanel &) = delete;
    WaitingPanel &operator=(const WaitingPanel &) = delete;

    void setText(const QString &text);
    // Around a message box: the panel steps aside and comes back.
    void suspend();
    void resume();

    CWaitingDlg *dialog() const { return m_dialog; }

private:
    CWaitingDlg *m_dialog;
};
