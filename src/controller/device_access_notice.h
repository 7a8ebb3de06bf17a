#pragma once

#include "settings/localised_notice.h"

// Tells the user that the keyboard is plugged in but may not be opened, with the command that
// fixes it. A notice asked for before the scene runs waits for it, so that it comes in the
// language the scene settled on at start-up.
class DeviceAccessNotice : public LocalisedNotice {
    Q_OBJECT

public:
    explicit DeviceAccessNotice(Show show, QObject* parent = nullptr);

    void tell();
    void sceneRunning();

private:
    void showLater();

    bool isSceneRunning = false;
    bool pending = false;
};
