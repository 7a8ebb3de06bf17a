#pragma once

#include "service/keyboard_service_client.h"

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QObject>

#include <functional>

class myQQuickView;

// The window beside the background service: a profile switched from a script or the tray shows
// in the profile menu and the pages at once, by the same path as a click on P01 … P06 (without
// sending the switch again), and a change to the shown profile's file is read as the profile
// menu's reload reads it. The window's own profile switches go through the service while it
// holds this window's keyboard (`virtualKeyboard`: the demo's), so that the service, its tray and
// its callers know the profile, and only one program talks to the keyboard.
//
// The window never waits for the service: a switch is handed over without blocking, and the
// window's later device commands wait behind it. A service that has not taken it within
// `handoverBoundMs` is passed by: the window says so once and makes the switch itself (the
// service will not begin it afterwards), and works with the keyboard directly until the service
// answers again or another one starts. When the service leaves the bus, the window reads the
// keyboard's profile, which the service may have switched before it went.
class WindowServiceFollow : public QObject {
    Q_OBJECT

public:
    static constexpr int handoverBoundMs = 3000;

    WindowServiceFollow(myQQuickView& view, bool virtualKeyboard, QObject* parent = nullptr);

    // Whether the window works without the service because it did not answer.
    bool isPassingBy() const { return passingBy; }

signals:
    void passingByChanged();

private:
    using Done = std::function<void(bool handedOver)>;

    void handOverProfileSwitch(int profile, Done done);
    void takeAnswer(const QDBusMessage& reply, Done& done);
    void passBy();
    void followAgain();
    void askWhetherBack();
    void ownerChanged(const QString& name, const QString& oldOwner, const QString& newOwner);
    void followKeyboard();
    void showProfile(int profile);
    void reloadProfile(int profile);
    QObject* profileMenu() const;

    myQQuickView& view;
    const bool virtualKeyboard;
    QDBusConnection bus;
    KeyboardServiceClient client;
    QDBusServiceWatcher watcher;
    bool passingBy = false;
    // A ping to a passed-by service is under way.
    bool asking = false;
};
