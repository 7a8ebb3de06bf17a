#pragma once

#include <QList>
#include <QString>

// One entry of the device table: a supported device and the usage pairs of its two interfaces.
struct DevInfo {
    int type = -1;
    quint16 vid = 0;
    quint16 pid = 0;
    quint16 usagePage = 0;
    quint16 usage = 0;
    quint16 usagePage2 = 0;
    quint16 usage2 = 0;
    QString lib;
    QString modelName;
};

// The device table shipped inside the program.
inline const QString deviceTableFile = QStringLiteral(":/DevInfo.ini");

// Reads the entries of a device table in table order; a missing file gives none.
QList<DevInfo> readDeviceTable(const QString& fileName);
