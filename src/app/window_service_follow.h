#pragma once

#include "service/keyboard_service_client.h"

#include <QObject>

class myQQuickView;

// The window beside the background service: a profile switched from a script or the tray shows
// in the profile menu and the pages at once, by the same path as a click on P01 … P06 (without
// sending the switch again), and a change to the shown profile's file is read as the profile
// menu's reload reads it. The window's own profile switches go through the service while it
// holds this window's keyboard (`virtualKeyboard`: the demo's), so that the service, its tray and
// its callers know the profile, and only one program talks to the keyboard.
class WindowServiceFollow : public QObject {
    Q_OBJECT

public:
    WindowServiceFollow(myQQuickView& view, bool virtualKeyboard, QObject* parent = nullptr);

private:
    bool handOverProfileSwitch(int profile);
    void showProfile(int profile);
    void reloadProfile(int profile);
    QObject* profileMenu() const;

    myQQuickView& view;
    const bool virtualKeyboard;
    KeyboardServiceClient client;
};
