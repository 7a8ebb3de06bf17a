#pragma once

#include "platform/hid_backend.h"

#include <QList>

#include <atomic>
#include <memory>

class VirtualKeyboard;

// A backend whose devices are virtual keyboards: every call goes to the keyboard that owns the
// path. Several keyboards may be attached at once.
class VirtualHidBackend : public HidBackend {
public:
    explicit VirtualHidBackend(std::shared_ptr<VirtualKeyboard> keyboard = nullptr);

    // Call before the backend is in use.
    void attach(std::shared_ptr<VirtualKeyboard> keyboard);
    // Every open fails for lack of permission while `refused`, as when no udev rule gives the
    // user access; enumeration still lists the keyboards.
    void refuseAccess(bool refused);

    QList<HidInterfaceInfo> enumerate(unsigned short vendorId, unsigned short productId) override;
    HidHandle* open(const QByteArray& path, HidOpenError& error) override;
    int setNonblocking(HidHandle* handle, int nonblock) override;
    int sendFeatureReport(HidHandle* handle, const unsigned char* data, size_t length) override;
    int getFeatureReport(HidHandle* handle, unsigned char* data, size_t length) override;
    int write(HidHandle* handle, const unsigned char* data, size_t length) override;
    int read(HidHandle* handle, unsigned char* data, size_t length) override;
    int readTimeout(HidHandle* handle, unsigned char* data, size_t length,
                    int milliseconds) override;
    void close(HidHandle* handle) override;

private:
    QList<std::shared_ptr<VirtualKeyboard>> keyboards;
    std::atomic<bool> accessRefused{false};
};
