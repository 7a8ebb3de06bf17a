#include "keys/evdev_key_listener.h"

#include <QSocketNotifier>

#include <cerrno>
#include <fcntl.h>
#include <libudev.h>
#include <linux/input.h>
#include <unistd.h>

namespace {

// The ids of an input device as the kernel gives them: "bus/vendor/product/version" in hex.
QPair<quint16, quint16> productIds(udev_device* inputDevice) {
    const QStringList parts =
        QString::fromLatin1(udev_device_get_property_value(inputDevice, "PRODUCT")).split('/');
    if (parts.size() < 3)
        return {0, 0};
    return {parts[1].toUShort(nullptr, 16), parts[2].toUShort(nullptr, 16)};
}

} // namespace

EvdevKeyListener::EvdevKeyListener(DeviceIds deviceIds, QObject* parent)
    : KeyListener(parent), ids(std::move(deviceIds)) {}

EvdevKeyListener::~EvdevKeyListener() {
    stop();
}

bool EvdevKeyListener::start() {
    stop();
    context = udev_new();
    if (!context)
        return false;
    // Listening starts before the look-up, so a keyboard plugged in meanwhile is not missed.
    monitor = udev_monitor_new_from_netlink(context, "udev");
    if (!monitor ||
        udev_monitor_filter_add_match_subsystem_devtype(monitor, "input", nullptr) < 0 ||
        udev_monitor_enable_receiving(monitor) < 0) {
        stop();
        return false;
    }
    monitorNotifier =
        new QSocketNotifier(udev_monitor_get_fd(monitor), QSocketNotifier::Read, this);
    connect(monitorNotifier, &QSocketNotifier::activated, this, &EvdevKeyListener::takeUdevEvents);

    bool allOpened = true;
    udev_enumerate* enumerate = udev_enumerate_new(context);
    udev_enumerate_add_match_subsystem(enumerate, "input");
    udev_enumerate_add_match_sysname(enumerate, "event*");
    udev_enumerate_scan_devices(enumerate);
    udev_list_entry* entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumerate)) {
        udev_device* device =
            udev_device_new_from_syspath(context, udev_list_entry_get_name(entry));
        if (device && isWanted(device))
            allOpened =
                openNode(QString::fromLocal8Bit(udev_device_get_devnode(device))) && allOpened;
        if (device)
            udev_device_unref(device);
    }
    udev_enumerate_unref(enumerate);
    return allOpened;
}

bool EvdevKeyListener::isWanted(udev_device* device) const {
    const char* sysname = udev_device_get_sysname(device);
    if (!sysname || qstrncmp(sysname, "event", 5) != 0 || !udev_device_get_devnode(device))
        return false;
    udev_device* inputDevice =
        udev_device_get_parent_with_subsystem_devtype(device, "input", nullptr);
    return inputDevice && ids.contains(productIds(inputDevice));
}

bool EvdevKeyListener::openNode(const QString& devnode) {
    if (nodes.contains(devnode))
        return true;
    const int fd = ::open(devnode.toLocal8Bit().constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this, devnode] { readNode(devnode); });
    nodes.insert(devnode, notifier);
    return true;
}

void EvdevKeyListener::closeNode(const QString& devnode) {
    QSocketNotifier* notifier = nodes.take(devnode);
    if (!notifier)
        return;
    // The notifier may be the one whose signal is being handled.
    notifier->setEnabled(false);
    notifier->deleteLater();
    ::close(int(notifier->socket()));
}

void EvdevKeyListener::readNode(const QString& devnode) {
    QSocketNotifier* notifier = nodes.value(devnode);
    if (!notifier)
        return;
    input_event events[64];
    for (;;) {
        const ssize_t n = ::read(int(notifier->socket()), events, sizeof events);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno == EAGAIN)
            return;
        if (n <= 0) {
            // The keyboard went away (ENODEV) or the node ended.
            closeNode(devnode);
            return;
        }
        for (size_t i = 0; i < size_t(n) / sizeof(input_event); ++i) {
            // Value 0 is a release, 1 a press, 2 a repeat of a held key.
            if (events[i].type == EV_KEY && events[i].value >= 0 && events[i].value <= 2)
                emit keyEvent(events[i].code, events[i].value != 0);
        }
    }
}

void EvdevKeyListener::takeUdevEvents() {
    while (udev_device* device = udev_monitor_receive_device(monitor)) {
        const char* action = udev_device_get_action(device);
        const char* devnode = udev_device_get_devnode(device);
        if (action && devnode) {
            if (qstrcmp(action, "remove") == 0)
                closeNode(QString::fromLocal8Bit(devnode));
            else if (qstrcmp(action, "add") == 0 && isWanted(device))
                openNode(QString::fromLocal8Bit(devnode));
        }
        udev_device_unref(device);
    }
}

void EvdevKeyListener::stop() {
    for (const QString& devnode : nodes.keys())
        closeNode(devnode);
    delete monitorNotifier;
    monitorNotifier = nullptr;
    if (monitor)
        udev_monitor_unref(monitor);
    monitor = nullptr;
    if (context)
        udev_unref(context);
    context = nullptr;
}
