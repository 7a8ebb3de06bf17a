#pragma once

#include "platform/device_monitor.h"

#include <QObject>
#include <QTimer>

#include <memory>

// Turns a burst of device-change notifications into one scan, 2048 ms after the last one, as the
// window and the background service do. It only waits for notifications: nothing is polled.
class DeviceWatch : public QObject {
    Q_OBJECT

public:
    explicit DeviceWatch(std::unique_ptr<DeviceMonitor> monitor, QObject* parent = nullptr);

    // Replaces the source of notifications (the demo's plugging, tests); none: it waits for one.
    void setMonitor(std::unique_ptr<DeviceMonitor> monitor);
    DeviceMonitor& monitor() const { return *source; }
    const QTimer& settleTimer() const { return timer; }

signals:
    void scanWanted();

private:
    std::unique_ptr<DeviceMonitor> source;
    QTimer timer;
};
