#include "device/dev_found.h"

#include "device/hid_thread.h"

QList<DevFound> findDevices(Hid_Thread* hid, QList<DevInfo>& table) {
    hid->isConnected = false;
    QList<DevFound> found;
    for (qsizetype n = table.size() - 1; n >= 0; --n) {
        const DevInfo& entry = table[n];
        // Fresh candidates for every entry, so that one device's interface never pairs with
        // another device's.
        QString path;
        QString path2;
        const QList<HidInterfaceInfo> interfaces =
            hid->hidBackend().enumerate(entry.vid, entry.pid);
        for (const HidInterfaceInfo& interface : interfaces) {
            if (interface.usagePage == entry.usagePage && interface.usage == entry.usage)
                path = QString::fromLocal8Bit(interface.path);
            if (interface.usagePage == entry.usagePage2 && interface.usage == entry.usage2)
                path2 = QString::fromLocal8Bit(interface.path);
            if (!path.isEmpty() && !path2.isEmpty()) {
                found.append({int(n), entry.type, path, path2});
                hid->setDevicePaths(path, path2);
                hid->isConnected = true;
                break;
            }
        }
    }
    return found;
}
