#include "platform/udev_device_monitor.h"

#include <QSocketNotifier>

#include <libudev.h>

UdevDeviceMonitor::UdevDeviceMonitor(QObject* parent) : DeviceMonitor(parent) {
    context = udev_new();
    if (!context)
        return;
    monitor = udev_monitor_new_from_netlink(context, "udev");
    if (!monitor)
        return;
    udev_monitor_filter_add_match_subsystem_devtype(monitor, "hidraw", nullptr);
    udev_monitor_filter_add_match_subsystem_devtype(monitor, "usb", nullptr);
    if (udev_monitor_enable_receiving(monitor) < 0)
        return;
    notifier = new QSocketNotifier(udev_monitor_get_fd(monitor), QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &UdevDeviceMonitor::drain);
}

UdevDeviceMonitor::~UdevDeviceMonitor() {
    delete notifier;
    if (monitor)
        udev_monitor_unref(monitor);
    if (context)
        udev_unref(context);
}

void UdevDeviceMonitor::drain() {
    // The socket is non-blocking: take every queued event, one notification each.
    while (udev_device* device = udev_monitor_receive_device(monitor)) {
        udev_device_unref(device);
        emit deviceChanged();
    }
}
