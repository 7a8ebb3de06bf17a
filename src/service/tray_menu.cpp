#include "service/tray_menu.h"

#include "ctl/ctl_command.h"
#include "service/autostart_entry.h"
#include "service/keyboard_service.h"
#include "settings/profile_number.h"

#include <QDebug>
#include <QDir>

namespace {

QVariantMap separator() {
    return {{QStringLiteral("type"), QStringLiteral("separator")}};
}

QVariantMap label(const QString& text, bool enabled = true) {
    return {{QStringLiteral("label"), text}, {QStringLiteral("enabled"), enabled}};
}

QVariantMap toggle(const QString& text, const QString& kind, bool on, bool enabled = true) {
    QVariantMap entry = label(text, enabled);
    entry.insert(QStringLiteral("toggle-type"), kind);
    entry.insert(QStringLiteral("toggle-state"), on ? 1 : 0);
    return entry;
}

} // namespace

TrayMenu::TrayMenu(KeyboardService& service, TrayTexts texts, Actions actions, QObject* parent)
    : QObject(parent), service(service), texts(std::move(texts)), actions(std::move(actions)) {
    connect(&service, &KeyboardService::stateChanged, this, &TrayMenu::changed);
}

std::optional<DBusMenuLayoutItem> TrayMenu::layout(int id, int depth) const {
    const std::optional<QVariantMap> shown = properties(id);
    if (!shown)
        return std::nullopt;
    DBusMenuLayoutItem item{id, *shown, {}};
    if (id == Root && depth != 0) {
        for (int entry = FirstProfile; entry <= Quit; ++entry)
            item.children.append({entry, entryProperties(entry), {}});
    }
    return item;
}

std::optional<QVariantMap> TrayMenu::properties(int id) const {
    if (id < Root || id > Quit)
        return std::nullopt;
    return entryProperties(id);
}

QVariantMap TrayMenu::entryProperties(int id) const {
    const KeyboardState& state = service.state();
    if (id >= FirstProfile && id <= LastProfile) {
        const int index = id - FirstProfile;
        // P01 … P06, as the window's profile menu shows them.
        return toggle(
            QStringLiteral("P%1").arg(ProfileNumber::fromIndex(index), 2, 10, QLatin1Char('0')),
            QStringLiteral("radio"), state.connected && state.profile == index, state.connected);
    }
    switch (id) {
    case Root:
        return {{QStringLiteral("children-display"), QStringLiteral("submenu")}};
    case Connection:
        return label(state.connected ? texts.connected.arg(state.firmware) : texts.disconnected,
                     false);
    case OpenWindow:
        return label(texts.open);
    case StartAtLogin:
        return toggle(texts.startAtLogin, QStringLiteral("checkmark"), AutostartEntry::isEnabled());
    case Quit:
        return label(texts.quit);
    default:
        return separator();
    }
}

bool TrayMenu::activate(int id) {
    if (id >= FirstProfile && id <= LastProfile) {
        switchProfile(id - FirstProfile);
        return true;
    }
    switch (id) {
    case OpenWindow:
        actions.openWindow();
        return true;
    case StartAtLogin:
        if (!(AutostartEntry::isEnabled() ? AutostartEntry::disable()
                                          : AutostartEntry::enable(actions.autostartCommand)))
            qWarning().noquote() << "korvane-service: cannot change" << AutostartEntry::path();
        emit changed();
        return true;
    case Quit:
        actions.quit();
        return true;
    default:
        return properties(id).has_value();
    }
}

void TrayMenu::switchProfile(int index) {
    service.run(profileCommand(), {{QString::number(ProfileNumber::fromIndex(index))}, {}},
                QDir::rootPath(), [](const CtlResult& result) {
                    if (!result.isOk())
                        qWarning().noquote() << "korvane-service:" << result.error;
                });
}
