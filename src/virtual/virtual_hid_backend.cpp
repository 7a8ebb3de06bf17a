#include "virtual/virtual_hid_backend.h"

#include "virtual/virtual_keyboard.h"

namespace {

struct VirtualHandle {
    std::shared_ptr<VirtualKeyboard> keyboard;
    VirtualKeyboard::Connection connection;
    bool nonblocking = false;
};

VirtualHandle* virtualHandle(HidHandle* handle) {
    return reinterpret_cast<VirtualHandle*>(handle);
}

} // namespace

VirtualHidBackend::VirtualHidBackend(std::shared_ptr<VirtualKeyboard> keyboard) {
    if (keyboard)
        attach(std::move(keyboard));
}

void VirtualHidBackend::attach(std::shared_ptr<VirtualKeyboard> keyboard) {
    keyboards.append(std::move(keyboard));
}

// Like hidapi, 0 for either id matches every device.
QList<HidInterfaceInfo> VirtualHidBackend::enumerate(unsigned short vendorId,
                                                     unsigned short productId) {
    QList<HidInterfaceInfo> result;
    for (const auto& keyboard : keyboards) {
        const auto& identity = keyboard->identity();
        if ((vendorId == 0 || vendorId == identity.vendorId) &&
            (productId == 0 || productId == identity.productId))
            result.append(keyboard->listInterfaces());
    }
    return result;
}

void VirtualHidBackend::refuseAccess(bool refused) {
    accessRefused.store(refused);
}

HidHandle* VirtualHidBackend::open(const QByteArray& path, HidOpenError& error) {
    if (accessRefused.load()) {
        error = HidOpenError::PermissionDenied;
        return nullptr;
    }
    for (const auto& keyboard : keyboards) {
        if (const auto connection = keyboard->connect(path)) {
            error = HidOpenError::None;
            return reinterpret_cast<HidHandle*>(new VirtualHandle{keyboard, *connection});
        }
    }
    error = HidOpenError::Other;
    return nullptr;
}

int VirtualHidBackend::setNonblocking(HidHandle* handle, int nonblock) {
    virtualHandle(handle)->nonblocking = nonblock != 0;
    return 0;
}

int VirtualHidBackend::sendFeatureReport(HidHandle* handle, const unsigned char* data,
                                         size_t length) {
    const VirtualHandle* h = virtualHandle(handle);
    return h->keyboard->takeFeatureReport(h->connection, data, length);
}

int VirtualHidBackend::getFeatureReport(HidHandle* handle, unsigned char* data, size_t length) {
    const VirtualHandle* h = virtualHandle(handle);
    return h->keyboard->giveFeatureReport(h->connection, data, length);
}

int VirtualHidBackend::write(HidHandle* handle, const unsigned char* data, size_t length) {
    const VirtualHandle* h = virtualHandle(handle);
    return h->keyboard->takeOutputReport(h->connection, data, length);
}

int VirtualHidBackend::read(HidHandle* handle, unsigned char* data, size_t length) {
    return readTimeout(handle, data, length, virtualHandle(handle)->nonblocking ? 0 : -1);
}

int VirtualHidBackend::readTimeout(HidHandle* handle, unsigned char* data, size_t length,
                                   int milliseconds) {
    const VirtualHandle* h = virtualHandle(handle);
    return h->keyboard->giveInputReport(h->connection, data, length, milliseconds);
}

void VirtualHidBackend::close(HidHandle* handle) {
    delete virtualHandle(handle);
}
