#pragma once

#include <QApplication>
#include <QDeadlineTimer>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>

// Runs action on the modal dialog of type T once it is up, looking for it
// for up to half a minute (a loaded machine under the sanitizers is slow).
template<typename T>
void whenModal(QObject *context, std::function<void(T *)> action,
               QDeadlineTimer deadline = QDeadlineTimer(30000))
{
    QTimer::singleShot(5, context, [=] {
        if (auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget()))
            action(dialog);
        else if (!deadline.hasExpired())
            whenModal<T>(context, action, deadline);
    });
}

// How long a window that a key should have closed may stay open before a
// test closes it and fails: a lost key must not hang the test.
inline constexpr int LostKeyMilliseconds = 10000;

// Presses a key the way the user does: it goes to the window that has the
// keyboard focus, once that is window. False when window never got it.
inline bool pressKeyOn(QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    window->activateWindow(); // a real window manager does this on showing it
    if (!QTest::qWaitFor(
            [window] { return QGuiApplication::focusWindow() == window->windowHandle(); }))
        return false;
    QTest::keyClick(QGuiApplication::focusWindow(), key, modifiers);
    return true;
}
