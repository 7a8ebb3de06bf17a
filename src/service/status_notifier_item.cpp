#include "service/status_notifier_item.h"

#include "service/keyboard_service.h"

StatusNotifierItem::StatusNotifierItem(KeyboardService& service, TrayTexts texts, QString menuPath,
                                       std::function<void()> openWindow, QObject* object)
    : QDBusAbstractAdaptor(object), service(service), texts(std::move(texts)),
      menuPath(std::move(menuPath)), openWindow(std::move(openWindow)) {
    connect(&service, &KeyboardService::stateChanged, this, &StatusNotifierItem::NewToolTip);
}

StatusNotifierToolTip StatusNotifierItem::toolTip() const {
    const KeyboardState& state = service.state();
    return {iconName(),
            {},
            texts.title,
            state.connected ? texts.connected.arg(state.firmware) : texts.disconnected};
}

void StatusNotifierItem::Activate(int, int) {
    openWindow();
}

void StatusNotifierItem::SecondaryActivate(int, int) {
    openWindow();
}

// Hosts show the menu from the Menu property themselves.
void StatusNotifierItem::ContextMenu(int, int) {}

void StatusNotifierItem::Scroll(int, const QString&) {}
