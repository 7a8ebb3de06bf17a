#pragma once

#include <QDBusAbstractAdaptor>

#include <memory>

class DeviceMonitor;
class VirtualHidBackend;
class VirtualKeyboard;

// org.korvane.Keyboard1.Demo, only with --demo: the virtual keyboard's plug and its faults, for
// trying how the service and its callers cope. Plugging in and out is seen by the device watch as
// a real keyboard's coming and going is.
class DemoAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.korvane.Keyboard1.Demo")

public:
    DemoAdaptor(std::shared_ptr<VirtualKeyboard> keyboard,
                std::shared_ptr<VirtualHidBackend> backend, DeviceMonitor& monitor,
                QObject* object);

public slots:
    void Unplug();
    void Plug();
    // Every open fails for lack of permission, as without the udev rule.
    void RefuseAccess(bool refused);
    // Every feature report fails, as with a keyboard that does not take commands.
    void FailReports(bool failing);
    // The keyboard takes this long to accept each report, as a slow or busy one does.
    void SlowReports(uint milliseconds);

private:
    std::shared_ptr<VirtualKeyboard> keyboard;
    std::shared_ptr<VirtualHidBackend> backend;
    DeviceMonitor& monitor;
};
