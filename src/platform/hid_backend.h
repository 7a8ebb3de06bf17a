#pragma once

#include <QByteArray>
#include <QList>

#include <cstddef>

// An open HID interface. Each backend hands out its own objects behind this opaque type.
struct HidHandle;

// One HID interface of an attached device, as an enumeration lists it.
struct HidInterfaceInfo {
    QByteArray path;
    unsigned short usagePage = 0;
    unsigned short usage = 0;
    int interfaceNumber = -1;
};

// Why an open failed. A refused permission is told to the user: the keyboard is there, but its
// udev rule has not given this user access.
enum class HidOpenError { None, PermissionDenied, Other };

// The narrow door through which the device link reaches HID devices. It has hidapi's shape:
// results below zero are failures, reads return the number of bytes delivered (0 on time-out).
// Implementations are called from several threads at once, though never on the same handle.
class HidBackend {
public:
    virtual ~HidBackend() = default;

    virtual QList<HidInterfaceInfo> enumerate(unsigned short vendorId,
                                              unsigned short productId) = 0;
    // Null on failure, with the reason in `error`.
    virtual HidHandle* open(const QByteArray& path, HidOpenError& error) = 0;
    virtual int setNonblocking(HidHandle* handle, int nonblock) = 0;
    virtual int sendFeatureReport(HidHandle* handle, const unsigned char* data, size_t length) = 0;
    virtual int getFeatureReport(HidHandle* handle, unsigned char* data, size_t length) = 0;
    virtual int write(HidHandle* handle, const unsigned char* data, size_t length) = 0;
    virtual int read(HidHandle* handle, unsigned char* data, size_t length) = 0;
    virtual int readTimeout(HidHandle* handle, unsigned char* data, size_t length,
                            int milliseconds) = 0;
    virtual void close(HidHandle* handle) = 0;
};
