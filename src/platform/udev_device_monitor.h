#pragma once

#include "platform/device_monitor.h"

struct udev;
struct udev_monitor;
class QSocketNotifier;

// Watches the kernel's hidraw and usb device events through libudev. Where no udev daemon runs
// the monitor simply stays silent.
class UdevDeviceMonitor : public DeviceMonitor {
    Q_OBJECT

public:
    explicit UdevDeviceMonitor(QObject* parent = nullptr);
    ~UdevDeviceMonitor() override;

private:
    void drain();

    struct udev* context = nullptr;
    struct udev_monitor* monitor = nullptr;
    QSocketNotifier* notifier = nullptr;
};
