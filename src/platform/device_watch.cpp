#include "platform/device_watch.h"

namespace {

// The keyboard's interfaces appear one after the other; the scan waits until they are all there.
constexpr int settleMs = 2048;

} // namespace

DeviceWatch::DeviceWatch(std::unique_ptr<DeviceMonitor> monitor, QObject* parent)
    : QObject(parent) {
    timer.setInterval(settleMs);
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    connect(&timer, &QTimer::timeout, this, &DeviceWatch::scanWanted);
    setMonitor(std::move(monitor));
}

void DeviceWatch::setMonitor(std::unique_ptr<DeviceMonitor> monitor) {
    source = std::move(monitor);
    if (!source)
        return;
    connect(source.get(), &DeviceMonitor::deviceChanged, &timer, qOverload<>(&QTimer::start));
}
