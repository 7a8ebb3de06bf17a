// The controller's report of the device state to the scene.
#include "controller/device_access_notice.h"
#include "controller/myqquickview.h"
#include "device/hid_thread.h"

#include <QDebug>

void myQQuickView::syncIsFwState() {
    if (!hidThread)
        return;
    qDebug() << "state:" << hidThread->isConnected;
    // A failed open clears the link's path, so the found one is taken first.
    const QString found = hidThread->isConnected ? hidThread->commandPath() : QString();
    const QString version = ui_80H_GetFWVersion();
    // The firmware read is the scan's open of the command interface: its outcome says whether
    // this user may open it.
    if (deviceAccess.refusedNewly(*hidThread, found))
        deviceAccessNotice->tell();
    invokeOnRoot("syncIsFwState", {QVariant(hidThread->isConnected), QVariant(version)});
}
