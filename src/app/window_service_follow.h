#pragma once

#include "service/keyboard_service_client.h"

#include <QObject>

class myQQuickView;

// The window beside the background service: a profile switched from a script or the tray shows
// in the profile menu and the pages at once, by the same path as a click on P01 … P06 (without
// sending the switch again), and a change to the shown profile's file is read as the profile
// menu's reload reads it.
class WindowServiceFollow : public QObject {
    Q_OBJECT

public:
    explicit WindowServiceFollow(myQQuickView& view, QObject* parent = nullptr);

private:
    void showProfile(int profile);
    void reloadProfile(int profile);
    QObject* profileMenu() const;

    myQQuickView& view;
    KeyboardServiceClient client;
};
