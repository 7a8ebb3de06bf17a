#include "focus/x11_focus_watcher.h"

#include <QSocketNotifier>

#include <cstdlib>
#include <xcb/xcb.h>

namespace {

std::uint32_t internAtom(xcb_connection_t* connection, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, uint16_t(qstrlen(name)), name), nullptr);
    const std::uint32_t atom = reply ? reply->atom : std::uint32_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

// WM_CLASS holds two strings, each ended by a zero: the instance name and the class name.
QString classFromWmClass(const char* value, int length) {
    const QByteArray both(value, length);
    const QList<QByteArray> parts = both.split('\0');
    if (parts.size() >= 2 && !parts[1].isEmpty())
        return QString::fromLocal8Bit(parts[1]);
    return parts.isEmpty() ? QString() : QString::fromLocal8Bit(parts[0]);
}

} // namespace

X11FocusWatcher::X11FocusWatcher(const QString& display, QObject* parent)
    : FocusWatcher(parent), displayName(display.toLocal8Bit()) {}

void X11FocusWatcher::start() {
    if (connection)
        return;
    connection = xcb_connect(displayName.isEmpty() ? nullptr : displayName.constData(), nullptr);
    if (xcb_connection_has_error(connection)) {
        trouble = QStringLiteral("no X server to watch");
        return;
    }
    root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    activeAtom = internAtom(connection, "_NET_ACTIVE_WINDOW");
    const std::uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &events);
    xcb_flush(connection);
    notifier =
        new QSocketNotifier(xcb_get_file_descriptor(connection), QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &X11FocusWatcher::readEvents);
    reportActiveWindow();
    readEvents();
}

X11FocusWatcher::~X11FocusWatcher() {
    delete notifier;
    if (connection)
        xcb_disconnect(connection);
}

// A report waits for replies, and an event that arrives meanwhile is queued by xcb without waking
// the notifier again: read until a pass finds the active window unchanged.
void X11FocusWatcher::readEvents() {
    while (takeEvents())
        reportActiveWindow();
    if (xcb_connection_has_error(connection)) {
        notifier->setEnabled(false);
        trouble = QStringLiteral("the X server went away");
    }
}

// True when one of the events taken says that the active window changed.
bool X11FocusWatcher::takeEvents() {
    bool activeChanged = false;
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
        if ((event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY) {
            const auto* property = reinterpret_cast<xcb_property_notify_event_t*>(event);
            activeChanged |= property->window == root && property->atom == activeAtom;
        }
        std::free(event);
    }
    return activeChanged && !xcb_connection_has_error(connection);
}

void X11FocusWatcher::reportActiveWindow() {
    const std::uint32_t window = activeWindow();
    if (window == XCB_WINDOW_NONE)
        return;
    const QString appId = windowClass(window);
    if (!appId.isEmpty())
        emit applicationFocused(appId);
}

std::uint32_t X11FocusWatcher::activeWindow() const {
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, root, activeAtom, XCB_ATOM_WINDOW, 0, 1),
        nullptr);
    std::uint32_t window = std::uint32_t(XCB_WINDOW_NONE);
    if (reply && reply->type == XCB_ATOM_WINDOW && reply->format == 32 &&
        xcb_get_property_value_length(reply) >= 4)
        window = *static_cast<std::uint32_t*>(xcb_get_property_value(reply));
    std::free(reply);
    return window;
}

QString X11FocusWatcher::windowClass(std::uint32_t window) const {
    constexpr std::uint32_t longestClassWords = 256;
    xcb_get_property_reply_t* reply =
        xcb_get_property_reply(connection,
                               xcb_get_property(connection, 0, window, XCB_ATOM_WM_CLASS,
                                                XCB_ATOM_STRING, 0, longestClassWords),
                               nullptr);
    QString appId;
    if (reply && reply->format == 8)
        appId = classFromWmClass(static_cast<const char*>(xcb_get_property_value(reply)),
                                 xcb_get_property_value_length(reply));
    std::free(reply);
    return appId;
}
