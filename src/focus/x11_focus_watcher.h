#pragma once

#include "focus/focus_watcher.h"

#include <cstdint>

class QSocketNotifier;
struct xcb_connection_t;

// The X11 way: the window manager names the active window in the root window's
// _NET_ACTIVE_WINDOW; a change of that property arrives as an event, and the window's WM_CLASS
// names its application. Nothing is polled.
class X11FocusWatcher : public FocusWatcher {
    Q_OBJECT

public:
    // `display` empty: the session's DISPLAY.
    explicit X11FocusWatcher(const QString& display = {}, QObject* parent = nullptr);
    ~X11FocusWatcher() override;

    void start() override;
    QString backendName() const override { return QStringLiteral("X11"); }
    QString problem() const override { return trouble; }

private:
    void readEvents();
    bool takeEvents();
    void reportActiveWindow();
    std::uint32_t activeWindow() const;
    QString windowClass(std::uint32_t window) const;

    xcb_connection_t* connection = nullptr;
    std::uint32_t root = 0;
    std::uint32_t activeAtom = 0;
    QSocketNotifier* notifier = nullptr;
    QByteArray displayName;
    QString trouble;
};
