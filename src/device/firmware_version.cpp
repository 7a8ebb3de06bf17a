#include "device/firmware_version.h"

QString firmwareVersionText(uchar major, uchar minor) {
    return QStringLiteral("%1.%2")
        .arg(major, 2, 16, QLatin1Char(' '))
        .arg(minor, 2, 16, QLatin1Char('0'))
        .toUpper();
}
