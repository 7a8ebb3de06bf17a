#pragma once

#include <QObject>

// Source of "the set of attached devices may have changed" notifications.
class DeviceMonitor : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

signals:
    void deviceChanged();
};
