#include "DialogKeyFilter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

DialogKeyFilter::DialogKeyFilter(QWidget *dialog, Handler handler)
    : QObject(dialog)
    , m_dialog(dialog)
    , m_handler(std::move(handler))
{
}

void DialogKeyFilter::install(QWidget *dialog, Handler handler)
{
    qApp->installEventFilter(new DialogKeyFilter(dialog, std::move(handler)));
}

bool DialogKeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    // Only the dialog's own window: the windows it opens (message boxes, other
    // dialogs, file dialogs, the drop-down list of a combo box) keep their keys.
    auto *target = static_cast<QWidget *>(watched);
    if (target->window() != m_dialog)
        return false;
    return m_handler(static_cast<QKeyEvent *>(event), target);
}
