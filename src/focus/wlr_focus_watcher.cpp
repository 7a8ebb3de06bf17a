#include "focus/wlr_focus_watcher.h"

#include "wlr-foreign-toplevel-management-unstable-v1-client-protocol.h"

#include <QSocketNotifier>

#include <cstring>
#include <wayland-client.h>

namespace {

constexpr uint32_t newestManagerVersion = 3;

WlrFocusWatcher* watcherOf(void* data) {
    return static_cast<WlrFocusWatcher*>(data);
}

void registryGlobal(void* data, wl_registry* registry, uint32_t name, const char* interface,
                    uint32_t version) {
    if (std::strcmp(interface, zwlr_foreign_toplevel_manager_v1_interface.name) == 0)
        watcherOf(data)->bindManager(registry, name, version);
}

void registryGlobalRemove(void*, wl_registry*, uint32_t) {}

const wl_registry_listener registryListener{registryGlobal, registryGlobalRemove};

void handleTitle(void*, zwlr_foreign_toplevel_handle_v1*, const char*) {}

void handleAppId(void* data, zwlr_foreign_toplevel_handle_v1* handle, const char* appId) {
    if (auto* toplevel = watcherOf(data)->toplevel(handle))
        toplevel->pendingAppId = QString::fromUtf8(appId);
}

void handleOutput(void*, zwlr_foreign_toplevel_handle_v1*, wl_output*) {}

void handleState(void* data, zwlr_foreign_toplevel_handle_v1* handle, wl_array* states) {
    auto* toplevel = watcherOf(data)->toplevel(handle);
    if (!toplevel)
        return;
    toplevel->pendingActivated = false;
    const auto* state = static_cast<const uint32_t*>(states->data);
    for (size_t i = 0; i < states->size / sizeof(uint32_t); ++i)
        toplevel->pendingActivated |= state[i] == ZWLR_FOREIGN_TOPLEVEL_HANDLE_V1_STATE_ACTIVATED;
}

void handleDone(void* data, zwlr_foreign_toplevel_handle_v1* handle) {
    watcherOf(data)->commitToplevel(handle);
}

void handleClosed(void* data, zwlr_foreign_toplevel_handle_v1* handle) {
    watcherOf(data)->removeToplevel(handle);
}

void handleParent(void*, zwlr_foreign_toplevel_handle_v1*, zwlr_foreign_toplevel_handle_v1*) {}

const zwlr_foreign_toplevel_handle_v1_listener toplevelListener{
    handleTitle, handleAppId, handleOutput, handleOutput,
    handleState, handleDone,  handleClosed, handleParent};

void managerToplevel(void* data, zwlr_foreign_toplevel_manager_v1*,
                     zwlr_foreign_toplevel_handle_v1* handle) {
    watcherOf(data)->addToplevel(handle);
}

void managerFinished(void*, zwlr_foreign_toplevel_manager_v1*) {}

const zwlr_foreign_toplevel_manager_v1_listener managerListener{managerToplevel, managerFinished};

} // namespace

WlrFocusWatcher::WlrFocusWatcher(const QString& name, QObject* parent)
    : FocusWatcher(parent), displayName(name.toLocal8Bit()) {}

WlrFocusWatcher::~WlrFocusWatcher() {
    disconnectDisplay({});
}

void WlrFocusWatcher::start() {
    if (display)
        return;
    display = wl_display_connect(displayName.isEmpty() ? nullptr : displayName.constData());
    if (!display) {
        trouble = QStringLiteral("no Wayland compositor to watch");
        return;
    }
    registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &registryListener, this);
    // The first round trip lists the globals, the second the toplevels that are already open.
    wl_display_roundtrip(display);
    if (!manager) {
        disconnectDisplay(QStringLiteral("the compositor does not list its windows to other "
                                         "programs (wlroots compositors such as sway do)"));
        return;
    }
    wl_display_roundtrip(display);
    notifier = new QSocketNotifier(wl_display_get_fd(display), QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &WlrFocusWatcher::readEvents);
}

void WlrFocusWatcher::bindManager(wl_registry* from, uint32_t name, uint32_t version) {
    if (manager)
        return;
    manager = static_cast<zwlr_foreign_toplevel_manager_v1*>(
        wl_registry_bind(from, name, &zwlr_foreign_toplevel_manager_v1_interface,
                         qMin(version, newestManagerVersion)));
    zwlr_foreign_toplevel_manager_v1_add_listener(manager, &managerListener, this);
}

void WlrFocusWatcher::addToplevel(zwlr_foreign_toplevel_handle_v1* handle) {
    toplevels.insert(handle, {});
    zwlr_foreign_toplevel_handle_v1_add_listener(handle, &toplevelListener, this);
}

WlrFocusWatcher::Toplevel* WlrFocusWatcher::toplevel(zwlr_foreign_toplevel_handle_v1* handle) {
    const auto found = toplevels.find(handle);
    return found == toplevels.end() ? nullptr : &found.value();
}

void WlrFocusWatcher::commitToplevel(zwlr_foreign_toplevel_handle_v1* handle) {
    Toplevel* window = toplevel(handle);
    if (!window)
        return;
    const bool gotFocus = window->pendingActivated && !window->activated;
    const bool renamed = window->pendingActivated && window->pendingAppId != window->appId;
    window->appId = window->pendingAppId;
    window->activated = window->pendingActivated;
    if ((gotFocus || renamed) && !window->appId.isEmpty())
        emit applicationFocused(window->appId);
}

void WlrFocusWatcher::removeToplevel(zwlr_foreign_toplevel_handle_v1* handle) {
    toplevels.remove(handle);
    zwlr_foreign_toplevel_handle_v1_destroy(handle);
}

void WlrFocusWatcher::readEvents() {
    while (wl_display_prepare_read(display) != 0)
        wl_display_dispatch_pending(display);
    wl_display_flush(display);
    if (wl_display_read_events(display) != 0 || wl_display_dispatch_pending(display) < 0) {
        disconnectDisplay(QStringLiteral("the Wayland compositor went away"));
        return;
    }
    wl_display_flush(display);
}

void WlrFocusWatcher::disconnectDisplay(const QString& reason) {
    if (!reason.isEmpty())
        trouble = reason;
    delete notifier;
    notifier = nullptr;
    for (auto it = toplevels.begin(); it != toplevels.end(); ++it)
        zwlr_foreign_toplevel_handle_v1_destroy(it.key());
    toplevels.clear();
    if (manager)
        zwlr_foreign_toplevel_manager_v1_destroy(manager);
    manager = nullptr;
    if (registry)
        wl_registry_destroy(registry);
    registry = nullptr;
    if (display)
        wl_display_disconnect(display);
    display = nullptr;
}
