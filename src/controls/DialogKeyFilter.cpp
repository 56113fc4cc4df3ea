#include "DialogKeyFilter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

DialogKeyFilter::DialogKeyFilter(QWidget *dialog, Handler handler)
    : QObject(dialog)
    , m_dialog(dialog)
    , m_handler(std::move(handler))
{}

void DialogKeyFilter::install(QWidget *dialog, Handler handler)
{
    qApp->installEventFilter(new DialogKeyFilter(dialog, std::move(handler)));
}

bool DialogKeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    auto *target = static_cast<QWidget *>(watched);
    // The popup of a combo box is a window of its own that belongs to the dialog.
    QWidget *window = target->window();
    while (window && window != m_dialog && window->parentWidget())
        window = window->parentWidget()->window();
    if (window != m_dialog)
        return false;
    return m_handler(static_cast<QKeyEvent *>(event), target);
}
