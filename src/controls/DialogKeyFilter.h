#pragma once

#include <QObject>

#include <functional>

class QKeyEvent;
class QWidget;

// Lets a dialog see every key press meant for its own window (the dialog or
// any control in it) before the control acts on it. Windows the dialog opens
// are not watched. The handler returns true to consume the key.
class DialogKeyFilter : public QObject
{
    Q_OBJECT

public:
    using Handler = std::function<bool(QKeyEvent *event, QWidget *target)>;

    // Watches the application's key presses for dialog's window; owned by
    // dialog.
    static void install(QWidget *dialog, Handler handler);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    DialogKeyFilter(QWidget *dialog, Handler handler);

    QWidget *m_dialog;
    Handler m_handler;
};
