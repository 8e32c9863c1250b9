#ifndef KVB_WINDOWWATCHER_H
#define KVB_WINDOWWATCHER_H

#include <QByteArray>
#include <QSet>

#include <xcb/xcb.h>

// Watches an X display, from outside the program, for the moment a
// process's window is shown: mapped, and drawn into by the process. The
// drawing is seen through the X damage extension, so nothing in the
// watched program has to cooperate.
class WindowWatcher
{
public:
    explicit WindowWatcher(const QByteArray &displayName);
    ~WindowWatcher();
    WindowWatcher(const WindowWatcher &) = delete;
    WindowWatcher &operator=(const WindowWatcher &) = delete;

    // Whether the display could be opened and has the damage extension.
    bool isConnected() const { return m_damageNotify != 0; }

    // Waits until a top-level window of process pid has been mapped and
    // drawn into; false when that does not happen within timeoutMs.
    bool waitUntilShown(qint64 pid, int timeoutMs);

private:
    // Handles one event; true once the window of pid is shown.
    bool handle(const xcb_generic_event_t *event, qint64 pid);
    qint64 windowPid(xcb_window_t window);

    xcb_connection_t *m_connection = nullptr;
    xcb_window_t m_root = 0;
    xcb_atom_t m_pidAtom = 0;
    quint8 m_damageNotify = 0; // the event code of damage reports
    QSet<xcb_window_t> m_mapped; // mapped top-level windows of the process
};

#endif
