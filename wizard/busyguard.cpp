#include "busyguard.h"

#include <QCoreApplication>
#include <QEvent>

BusyGuard::BusyGuard()
{
    QCoreApplication::instance()->installEventFilter(this);
}

BusyGuard::~BusyGuard()
{
    QCoreApplication::processEvents();
}

bool BusyGuard::eventFilter(QObject *, QEvent *event)
{
    // Shortcuts come from key presses, but reach their targets as events of
    // their own.
    return event->isInputEvent() || event->type() == QEvent::Shortcut
        || event->type() == QEvent::ShortcutOverride;
}
