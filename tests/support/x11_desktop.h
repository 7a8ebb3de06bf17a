// An X11 desktop for the focus suites: openbox as the window manager and top-level windows of
// given WM_CLASS names. The windows are drawn by the suite itself over its own X connection, so
// nothing depends on a terminal's pty or fonts; openbox manages them as any program's windows.
#pragma once

#include <QDebug>
#include <QHash>
#include <QProcess>
#include <QTest>

#include <cstdlib>

#include <xcb/xcb.h>

class X11Desktop {
public:
    X11Desktop() = default;
    X11Desktop(const X11Desktop&) = delete;
    X11Desktop& operator=(const X11Desktop&) = delete;

    ~X11Desktop() {
        if (connection)
            xcb_disconnect(connection);
        manager.terminate();
        manager.waitForFinished();
    }

    // Starts the window manager and opens one window per class; returns what went wrong, or
    // nothing once openbox manages every window.
    QString start(const QStringList& classes) {
        manager.start(QStringLiteral("openbox"), {});
        if (!manager.waitForStarted())
            return QStringLiteral("openbox cannot be started here (is the openbox package "
                                  "installed?)");
        connection = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(connection))
            return QStringLiteral("no X server to open windows on");
        root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
        for (const QString& name : classes)
            windows.insert(name, open(name));
        for (const QString& name : classes) {
            if (!QTest::qWaitFor([&] { return managed(windows.value(name)); }, 30000))
                return QStringLiteral("openbox did not take the window of class ") + name;
        }
        return {};
    }

    // Activates the windows of these classes in turn through the window manager, in one
    // xdotool run, so that a burst is as quick as alt-tab makes it; true once the last of them is
    // the active window. The window manager may drop a request under load, so the last one is
    // asked for again, and said so, before giving up.
    bool activate(const QStringList& classes) const {
        QStringList wanted = classes;
        for (int attempt = 0; attempt < 3; ++attempt) {
            QStringList arguments;
            for (const QString& name : wanted)
                arguments << QStringLiteral("windowactivate") << QStringLiteral("--sync")
                          << QString::number(windows.value(name));
            QProcess xdotool;
            xdotool.start(QStringLiteral("xdotool"), arguments);
            xdotool.waitForFinished(10000);
            const xcb_window_t last = windows.value(classes.last());
            if (QTest::qWaitFor([&] { return activeWindow() == last; }, 3000))
                return true;
            qWarning().noquote() << "openbox did not activate" << classes.last()
                                 << "- asking again";
            wanted = {classes.last()};
        }
        return false;
    }

private:
    xcb_window_t open(const QString& name) {
        const xcb_window_t window = xcb_generate_id(connection);
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
        const uint32_t background = screen->white_pixel;
        xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, root, 40, 40, 320, 200, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, XCB_CW_BACK_PIXEL,
                          &background);
        // WM_CLASS: the instance name, then the class name, each ended by a zero.
        const QByteArray wmClass = name.toLower().toLatin1() + '\0' + name.toLatin1() + '\0';
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_CLASS,
                            XCB_ATOM_STRING, 8, uint32_t(wmClass.size()), wmClass.constData());
        const QByteArray title = name.toLatin1();
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NAME,
                            XCB_ATOM_STRING, 8, uint32_t(title.size()), title.constData());
        // The window takes the keyboard focus when the window manager gives it.
        // WM_HINTS: flags (InputHint), input, then seven unused fields.
        const uint32_t hints[9] = {1, 1};
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_HINTS,
                            XCB_ATOM_WM_HINTS, 32, 9, hints);
        xcb_map_window(connection, window);
        xcb_flush(connection);
        return window;
    }

    xcb_window_t activeWindow() const {
        xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 1, 18, "_NET_ACTIVE_WINDOW"), nullptr);
        if (!atom)
            return 0;
        xcb_get_property_reply_t* property = xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, root, atom->atom, XCB_ATOM_WINDOW, 0, 1),
            nullptr);
        free(atom);
        xcb_window_t active = 0;
        if (property && xcb_get_property_value_length(property) == sizeof(xcb_window_t))
            active = *static_cast<const xcb_window_t*>(xcb_get_property_value(property));
        free(property);
        return active;
    }

    // Shown and framed: openbox reparents each window it manages into a frame of its own.
    bool managed(xcb_window_t window) const {
        xcb_get_window_attributes_reply_t* attributes = xcb_get_window_attributes_reply(
            connection, xcb_get_window_attributes(connection, window), nullptr);
        const bool viewable = attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
        free(attributes);
        xcb_query_tree_reply_t* tree =
            xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr);
        const bool framed = tree && tree->parent != root;
        free(tree);
        return viewable && framed;
    }

    QProcess manager;
    xcb_connection_t* connection = nullptr;
    xcb_window_t root = 0;
    QHash<QString, xcb_window_t> windows;
};
