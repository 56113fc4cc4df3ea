#pragma once

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>

// Runs action on the modal dialog of type T once it is up.
template<typename T>
void whenModal(QObject *context, std::function<void(T *)> action, int attempts = 400)
{
    QTimer::singleShot(5, context, [=] {
        if (auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget()))
            action(dialog);
        else if (attempts > 0)
            whenModal<T>(context, action, attempts - 1);
    });
}

// Presses a key the way the user does: it goes to the window that has the
// keyboard focus, once that is window. False when window never got it.
inline bool pressKeyOn(QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    window->activateWindow(); // a real window manager does this on showing it
    if (!QTest::qWaitFor([window] { return QGuiApplication::focusWindow() == window->windowHandle(); }))
        return false;
    QTest::keyClick(QGuiApplication::focusWindow(), key, modifiers);
    return true;
}
