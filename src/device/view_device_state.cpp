// The controller's report of the device state to the scene.
#include "app/myqquickview.h"
#include "device/hid_thread.h"

#include <QDebug>

void myQQuickView::syncIsFwState() {
    if (!hidThread)
        return;
    qDebug() << "state:" << hidThread->isConnected;
    const QString version = ui_80H_GetFWVersion();
    invokeOnRoot("syncIsFwState", {QVariant(hidThread->isConnected), QVariant(version)});
}
