#include "service/demo_adaptor.h"

#include "platform/device_monitor.h"
#include "virtual/virtual_hid_backend.h"
#include "virtual/virtual_keyboard.h"

DemoAdaptor::DemoAdaptor(std::shared_ptr<VirtualKeyboard> keyboard,
                         std::shared_ptr<VirtualHidBackend> backend, DeviceMonitor& monitor,
                         QObject* object)
    : QDBusAbstractAdaptor(object), keyboard(std::move(keyboard)), backend(std::move(backend)),
      monitor(monitor) {}

void DemoAdaptor::Unplug() {
    keyboard->unplug();
    emit monitor.deviceChanged();
}

void DemoAdaptor::Plug() {
    keyboard->plug();
    emit monitor.deviceChanged();
}

void DemoAdaptor::RefuseAccess(bool refused) {
    backend->refuseAccess(refused);
}

void DemoAdaptor::FailReports(bool failing) {
    VirtualKeyboardFaults faults = keyboard->faults();
    faults.failFeatureReports = failing;
    keyboard->setFaults(faults);
}

void DemoAdaptor::SlowReports(uint milliseconds) {
    VirtualKeyboardFaults faults = keyboard->faults();
    faults.reportDelayMs = int(qMin(milliseconds, 60000u));
    keyboard->setFaults(faults);
}
