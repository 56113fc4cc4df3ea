#include "CWaitingDlg.h"

#include "WaitingMessages.h"
#include "editor/ClientFonts.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>

const char *const CWaitingDlg::SetWaitTextMessage = "CWaitingDlg::SET_WAIT_TEXT";
const char *const CWaitingDlg::WaitSingleObjectMessage = "CWaitingDlg::WAIT_SINGLE_OBJECT";
const char *const CWaitingDlg::CloseWaitingDlgMessage = "CWaitingDlg::UINT_CLOSE_WAITING_DLG";

namespace {

constexpr int MessageLineHeight = 34;
constexpr int ExposureWaitMilliseconds = 1000;

// Ends a local event loop once its window is exposed.
class ExposureWatcher : public QObject
{
public:
    ExposureWatcher(QWindow *window, QEventLoop *loop)
        : m_window(window)
        , m_loop(loop)
    {
        m_window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && event->type() == QEvent::Expose && m_window->isExposed())
            m_loop->quit();
        return false;
    }

private:
    QWindow *m_window;
    QEventLoop *m_loop;
};

} // namespace

void CWaitingDlg::registerMessages()
{
    for (const char *name : { SetWaitTextMessage, WaitSingleObjectMessage, CloseWaitingDlgMessage })
        WaitingMessages::registerType(name);
}

QEvent::Type CWaitingDlg::messageType(const char *name)
{
    return WaitingMessages::type(name);
}

CWaitingDlg::CWaitingDlg(QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setModal(false);

    m_messageLine = new QLabel(QStringLiteral("Please wait."), this);
    m_messageLine->setObjectName(QStringLiteral("messageLine"));
    m_messageLine->setAlignment(Qt::AlignCenter);
    m_messageLine->setFont(clientFont(ClientFace::Dialog, 12));

    m_picture = QPixmap(QStringLiteral(":/res/picture-142.png"));
    setFixedSize(m_picture.size());
    m_messageLine->setGeometry(0, (height() - MessageLineHeight) / 2, width(), MessageLineHeight);
}

CWaitingDlg::~CWaitingDlg()
{
    // The owner is never left disabled.
    SetWaitEnded(true);
}

bool CWaitingDlg::SetWaitEnded(bool ended)
{
    if (ended == m_waitEnded)
        return true;
    m_waitEnded = ended;
    if (!ended) {
        for (QWidget *window = parentWidget() ? parentWidget()->window() : nullptr; window;
             window = window->parentWidget() ? window->parentWidget()->window() : nullptr) {
            if (window->isEnabled()) {
                window->setEnabled(false);
                m_disabledWindows.append(window);
            }
        }
        setEnabled(true);
        return true;
    }
    m_wasActive = isActiveWindow();
    for (const QPointer<QWidget> &window : std::as_const(m_disabledWindows)) {
        if (window)
            window->setEnabled(true);
    }
    if (m_wasActive && !m_disabledWindows.isEmpty() && m_disabledWindows.first())
        m_disabledWindows.first()->activateWindow();
    m_disabledWindows.clear();
    return true;
}

void CWaitingDlg::setMessageText(const QString &text)
{
    m_messageLine->setText(text);
}

QString CWaitingDlg::messageText() const
{
    return m_messageLine->text();
}

void CWaitingDlg::paintNow()
{
    waitUntilExposed();
    repaint();
}

void CWaitingDlg::waitUntilExposed()
{
    QWindow *window = windowHandle();
    if (!isVisible() || !window || window->isExposed())
        return;
    QEventLoop loop;
    const ExposureWatcher watcher(window, &loop);
    QTimer::singleShot(ExposureWaitMilliseconds, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void CWaitingDlg::OnCommand(int id)
{
    if (id == CloseCommandId && parentWidget()) {
        QEvent message(messageType(CloseWaitingDlgMessage));
        QCoreApplication::sendEvent(parentWidget(), &message);
    }
}

bool CWaitingDlg::event(QEvent *event)
{
    if (event->type() == messageType(SetWaitTextMessage)) {
        const int showCommand = static_cast<WaitingMessages::ShowCommandEvent *>(event)->command;
        if (showCommand == WaitingMessages::Show) {
            show();
            setMessageText(m_waitText);
            paintNow();
            SetWaitEnded(false);
        } else if (showCommand == WaitingMessages::Hide) {
            setMessageText(m_waitText);
            SetWaitEnded(true);
            hide();
        }
        return true;
    }
    if (event->type() == messageType(WaitSingleObjectMessage)) {
        if (--m_pendingCount == 0) {
            SetWaitEnded(true);
            hide();
        }
        return true;
    }
    return QDialog::event(event);
}

void CWaitingDlg::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawPixmap(0, 0, m_picture);
}

void CWaitingDlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    centreOverOwner();
}

void CWaitingDlg::centreOverOwner()
{
    const QWidget *owner = parentWidget() ? parentWidget()->window() : nullptr;
    QRect area;
    if (owner && owner->isVisible() && !owner->isMinimized())
        area = owner->frameGeometry();
    else if (const QScreen *screen = this->screen())
        area = screen->availableGeometry();
    move(area.center() - rect().center());
}

void CWaitingDlg::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_F4:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void CWaitingDlg::closeEvent(QCloseEvent *event)
{
    event->ignore();
}

WaitingPanel::WaitingPanel(QWidget *owner, const QString &text)
    : m_dialog(new CWaitingDlg(owner))
{
    m_dialog->show();
    m_dialog->SetWaitEnded(false);
    setText(text);
}

WaitingPanel::~WaitingPanel()
{
    m_dialog->SetWaitEnded(true);
    m_dialog->hide();
    delete m_dialog;
}

void WaitingPanel::setText(const QString &text)
{
    m_dialog->setMessageText(text);
    m_dialog->paintNow();
}

void WaitingPanel::suspend()
{
    m_dialog->SetWaitEnded(true);
    m_dialog->hide();
}

void WaitingPanel::resume()
{
    m_dialog->show();
    m_dialog->SetWaitEnded(false);
    m_dialog->paintNow();
}
