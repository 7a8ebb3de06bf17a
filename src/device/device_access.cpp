#include "device/device_access.h"

#include "device/hid_thread.h"

bool DeviceAccess::refusedNewly(Hid_Thread& hid, const QString& foundPath) {
    if (foundPath.isEmpty() || !hid.isCommandAccessRefused()) {
        toldFor.clear();
        return false;
    }
    hid.isConnected = false;
    if (foundPath == toldFor)
        return false;
    toldFor = foundPath;
    return true;
}
