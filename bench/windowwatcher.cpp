#include "windowwatcher.h"

#include <QDeadlineTimer>

#include <xcb/damage.h>

#include <poll.h>

#include <cstdlib>
#include <memory>

namespace {

template <typename Reply> using ReplyPointer = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply> ReplyPointer<Reply> own(Reply *reply)
{
    return ReplyPointer<Reply>(reply, &std::free);
}

} // namespace

WindowWatcher::WindowWatcher(const QByteArray &displayName)
{
    m_connection = xcb_connect(displayName.constData(), nullptr);
    if (xcb_connection_has_error(m_connection))
        return;
    m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;

    const xcb_query_extension_reply_t *damage
        = xcb_get_extension_data(m_connection, &xcb_damage_id);
    if (!damage || !damage->present)
        return;
    // The server speaks damage only to a client that asked for its version.
    own(xcb_damage_query_version_reply(m_connection,
        xcb_damage_query_version(m_connection, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
        nullptr));

    const char pidName[] = "_NET_WM_PID";
    const auto atom = own(xcb_intern_atom_reply(
        m_connection, xcb_intern_atom(m_connection, false, sizeof pidName - 1, pidName), nullptr));
    if (!atom)
        return;
    m_pidAtom = atom->atom;

    // Creating and mapping a top-level window is reported on the root.
    const quint32 events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &events);
    xcb_flush(m_connection);
    m_damageNotify = damage->first_event + XCB_DAMAGE_NOTIFY;
}

WindowWatcher::~WindowWatcher()
{
    xcb_disconnect(m_connection);
}

bool WindowWatcher::waitUntilShown(qint64 pid, int timeoutMs)
{
    if (!isConnected())
        return false;
    m_mapped.clear();
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired() && !xcb_connection_has_error(m_connection)) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection)) {
            const bool shown = handle(event, pid);
            std::free(event);
            if (shown)
                return true;
        }
        pollfd socket {xcb_get_file_descriptor(m_connection), POLLIN, 0};
        poll(&socket, 1, int(qMax<qint64>(1, deadline.remainingTime())));
    }
    return false;
}

bool WindowWatcher::handle(const xcb_generic_event_t *event, qint64 pid)
{
    const quint8 type = event->response_type & 0x7f;
    if (type == XCB_CREATE_NOTIFY) {
        // Each new window is watched for drawing before it can be mapped, so
        // that no drawing can slip by. Input-only windows cannot be watched
        // and answer with an error, which is ignored.
        const auto *created = reinterpret_cast<const xcb_create_notify_event_t *>(event);
        xcb_damage_create(m_connection, xcb_generate_id(m_connection), created->window,
            XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
        xcb_flush(m_connection);
    } else if (type == XCB_MAP_NOTIFY) {
        const auto *mapped = reinterpret_cast<const xcb_map_notify_event_t *>(event);
        if (windowPid(mapped->window) == pid)
            m_mapped.insert(mapped->window);
    } else if (type == m_damageNotify) {
        const auto *damaged = reinterpret_cast<const xcb_damage_notify_event_t *>(event);
        return m_mapped.contains(damaged->drawable);
    }
    return false;
}

qint64 WindowWatcher::windowPid(xcb_window_t window)
{
    const auto reply = own(xcb_get_property_reply(m_connection,
        xcb_get_property(m_connection, false, window, m_pidAtom, XCB_ATOM_CARDINAL, 0, 1),
        nullptr));
    if (!reply || xcb_get_property_value_length(reply.get()) != 4)
        return -1;
    return *static_cast<const quint32 *>(xcb_get_property_value(reply.get()));
}
