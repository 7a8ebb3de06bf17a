#pragma once

#include "platform/hid_backend.h"

// Production backend: every call goes unchanged to hidapi's hidraw implementation. The calls that
// touch hidapi's process-wide state (initialisation, enumeration, open, close) are serialised, so
// the backend may be used from several threads at once.
class HidapiBackend : public HidBackend {
public:
    HidapiBackend();
    ~HidapiBackend() override;

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
};
