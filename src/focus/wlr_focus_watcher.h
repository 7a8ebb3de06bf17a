#pragma once

#include "focus/focus_watcher.h"

#include <QHash>

class QSocketNotifier;
struct wl_display;
struct wl_registry;
struct zwlr_foreign_toplevel_manager_v1;
struct zwlr_foreign_toplevel_handle_v1;

// The wlroots way (sway, Hyprland, river, ...): the compositor lists its toplevel windows through
// the foreign-toplevel protocol, each with its app id and whether it is the activated one. The
// watcher is a Wayland client of its own, without a window; the compositor's events wake it.
class WlrFocusWatcher : public FocusWatcher {
    Q_OBJECT

public:
    // `display` empty: the session's WAYLAND_DISPLAY.
    explicit WlrFocusWatcher(const QString& display = {}, QObject* parent = nullptr);
    ~WlrFocusWatcher() override;

    void start() override;
    QString backendName() const override { return QStringLiteral("wlroots"); }
    QString problem() const override { return trouble; }

    // What the compositor told of one toplevel; the pending values take effect at its "done".
    struct Toplevel {
        QString appId;
        bool activated = false;
        QString pendingAppId;
        bool pendingActivated = false;
    };

    // Called from the protocol's listeners.
    void bindManager(wl_registry* registry, uint32_t name, uint32_t version);
    void addToplevel(zwlr_foreign_toplevel_handle_v1* handle);
    void commitToplevel(zwlr_foreign_toplevel_handle_v1* handle);
    void removeToplevel(zwlr_foreign_toplevel_handle_v1* handle);
    Toplevel* toplevel(zwlr_foreign_toplevel_handle_v1* handle);

private:
    void readEvents();
    void disconnectDisplay(const QString& reason);

    QByteArray displayName;
    wl_display* display = nullptr;
    wl_registry* registry = nullptr;
    zwlr_foreign_toplevel_manager_v1* manager = nullptr;
    QHash<zwlr_foreign_toplevel_handle_v1*, Toplevel> toplevels;
    QSocketNotifier* notifier = nullptr;
    QString trouble;
};
