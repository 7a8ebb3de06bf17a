#pragma once

#include "device/dev_info.h"

#include <QList>
#include <QString>

class Hid_Thread;

// An entry of the device table whose device is attached with both of its interfaces.
struct DevFound {
    int index = 0;
    int type = 0;
    QString path;
    QString path2;
};

// Looks for the devices of `table` and records the interface paths of the lowest-numbered one
// found in `hid`. The result lists the attached entries from the highest number down.
QList<DevFound> findDevices(Hid_Thread* hid, QList<DevInfo>& table);
