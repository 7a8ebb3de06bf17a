#include "device/device_access.h"

#include "device/hid_thread.h"

bool DeviceAccess::refusedNewly(Hid_Thread& hid) {
    if (!hid.isConnected || hid.probeAccess() != HidOpenError::PermissionDenied) {
        toldFor.clear();
        return false;
    }
    hid.isConnected = false;
    const QString path = hid.commandPath();
    if (path == toldFor)
        return false;
    toldFor = path;
    return true;
}
