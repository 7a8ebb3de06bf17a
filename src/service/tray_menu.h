#pragma once

#include "service/dbus_menu_types.h"
#include "service/tray_texts.h"

#include <QObject>
#include <QStringList>

#include <functional>
#include <optional>

class KeyboardService;

// The tray icon's menu: the six profiles (the current one marked), the connection, "Open Korvane
// Keyboard", "Start at login" and Quit. It knows what each entry shows and does; the dbusmenu
// adaptor puts it on the bus.
class TrayMenu : public QObject {
    Q_OBJECT

public:
    enum Entry {
        Root = 0,
        FirstProfile = 1,
        LastProfile = 6,
        ProfileSeparator,
        Connection,
        ConnectionSeparator,
        OpenWindow,
        StartAtLogin,
        QuitSeparator,
        Quit,
    };
    struct Actions {
        std::function<void()> openWindow;
        std::function<void()> quit;
        // The service's command line, for the autostart entry.
        QStringList autostartCommand;
    };

    TrayMenu(KeyboardService& service, TrayTexts texts, Actions actions, QObject* parent = nullptr);

    // The root with its entries; `depth` 0 gives the entry alone, -1 everything.
    std::optional<DBusMenuLayoutItem> layout(int id, int depth) const;
    std::optional<QVariantMap> properties(int id) const;
    // Does what a click on the entry does; false for an id that is no entry.
    bool activate(int id);

signals:
    // What the entries show has changed.
    void changed();

private:
    QVariantMap entryProperties(int id) const;
    void switchProfile(int index);

    KeyboardService& service;
    TrayTexts texts;
    Actions actions;
};
