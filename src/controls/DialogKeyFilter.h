#pragma once

#include <QObject>

#include <functional>

class QKeyEvent;
class QWidget;

// Lets a dialog see every key press meant for it or any of its children
// before the child acts on it. The handler returns true to consume the key.
class DialogKeyFilter : public QObject
{
    Q_OBJECT

public:
    using Handler = std::function<bool(QKeyEvent *event, QWidget *target)>;

    // Watches the application's key presses for windows belonging to dialog;
    // owned by dialog.
    static void install(QWidget *dialog, Handler handler);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    DialogKeyFilter(QWidget *dialog, Handler handler);

    QWidget *m_dialog;
    Handler m_handler;
};
