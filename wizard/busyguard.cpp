#include "busyguard.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

BusyGuard::BusyGuard(QWidget *busy)
    : m_window(busy->window())
{
    QCoreApplication::instance()->installEventFilter(this);
}

BusyGuard::~BusyGuard()
{
    QCoreApplication::processEvents();
}

bool BusyGuard::eventFilter(QObject *watched, QEvent *event)
{
    // Shortcuts come from key presses, text composed by an input method
    // from key presses too, and a drop from the mouse; each reaches its
    // target as an event of its own.
    switch (event->type()) {
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::InputMethod:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        break;
    default:
        if (!event->isInputEvent())
            return false;
    }
    if (!m_window)
        return false;
    // Input reaches the window system's window first, then its widgets.
    if (const auto *widget = qobject_cast<const QWidget *>(watched))
        return widget->window() == m_window;
    if (const auto *window = qobject_cast<const QWindow *>(watched))
        return window == m_window->windowHandle();
    return false;
}
