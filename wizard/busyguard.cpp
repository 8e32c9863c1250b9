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
    // Shortcuts come from key presses, but reach their targets as events of
    // their own.
    const bool input = event->isInputEvent() || event->type() == QEvent::Shortcut
        || event->type() == QEvent::ShortcutOverride;
    if (!input || !m_window)
        return false;
    // Input reaches the window system's window first, then its widgets.
    if (const auto *widget = qobject_cast<const QWidget *>(watched))
        return widget->window() == m_window;
    if (const auto *window = qobject_cast<const QWindow *>(watched))
        return window == m_window->windowHandle();
    return false;
}
