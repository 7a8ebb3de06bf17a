#include "keys/xinput_key_listener.h"

#include <QSocketNotifier>

#include <xcb/xcb.h>
#include <xcb/xinput.h>

#include <cstdlib>

namespace {

// X key codes are the Linux input codes moved up by 8.
constexpr int xKeycodeOffset = 8;

struct RawKeyMask {
    xcb_input_event_mask_t head;
    uint32_t bits;
};

} // namespace

XInputKeyListener::XInputKeyListener(QObject* parent) : KeyListener(parent) {}

XInputKeyListener::~XInputKeyListener() {
    close();
}

bool XInputKeyListener::start() {
    close();
    connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection) || !selectRawKeyEvents()) {
        close();
        return false;
    }
    notifier =
        new QSocketNotifier(xcb_get_file_descriptor(connection), QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &XInputKeyListener::drain);
    return true;
}

bool XInputKeyListener::selectRawKeyEvents() {
    const xcb_query_extension_reply_t* extension =
        xcb_get_extension_data(connection, &xcb_input_id);
    if (!extension || !extension->present)
        return false;
    inputOpcode = extension->major_opcode;
    // Raw events reach the root window regardless of grabs from version 2.1 on.
    xcb_input_xi_query_version_reply_t* version = xcb_input_xi_query_version_reply(
        connection, xcb_input_xi_query_version(connection, 2, 2), nullptr);
    const bool recent = version && (version->major_version > 2 ||
                                    (version->major_version == 2 && version->minor_version >= 1));
    std::free(version);
    if (!recent)
        return false;
    xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    RawKeyMask mask = {{XCB_INPUT_DEVICE_ALL_MASTER, 1},
                       XCB_INPUT_XI_EVENT_MASK_RAW_KEY_PRESS |
                           XCB_INPUT_XI_EVENT_MASK_RAW_KEY_RELEASE};
    xcb_generic_error_t* error = xcb_request_check(
        connection, xcb_input_xi_select_events_checked(connection, root, 1, &mask.head));
    std::free(error);
    return error == nullptr;
}

void XInputKeyListener::drain() {
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
        const auto* generic = reinterpret_cast<const xcb_ge_generic_event_t*>(event);
        if ((event->response_type & 0x7F) == XCB_GE_GENERIC && generic->extension == inputOpcode &&
            (generic->event_type == XCB_INPUT_RAW_KEY_PRESS ||
             generic->event_type == XCB_INPUT_RAW_KEY_RELEASE)) {
            const auto* raw = reinterpret_cast<const xcb_input_raw_key_press_event_t*>(event);
            emit keyEvent(int(raw->detail) - xKeycodeOffset,
                          generic->event_type == XCB_INPUT_RAW_KEY_PRESS);
        }
        std::free(event);
    }
    if (xcb_connection_has_error(connection))
        close();
}

void XInputKeyListener::close() {
    // The notifier may be the one whose signal is being handled.
    if (notifier) {
        notifier->setEnabled(false);
        notifier->deleteLater();
    }
    notifier = nullptr;
    if (connection)
        xcb_disconnect(connection);
    connection = nullptr;
}
