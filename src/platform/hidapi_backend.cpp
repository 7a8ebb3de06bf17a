#include "platform/hidapi_backend.h"

#include <hidapi.h>

#include <cerrno>
#include <mutex>

#include <unistd.h>

namespace {

// hidapi keeps process-wide state (its initialisation and a global error text that opening,
// enumerating and initialising free and rewrite), so no two threads may be inside those calls
// at once. Calls on an open handle touch only that handle and need no lock, which keeps a
// listener's half-second read from holding up a transfer.
std::mutex& globalStateLock() {
    static std::mutex lock;
    return lock;
}

hid_device* device(HidHandle* handle) {
    return reinterpret_cast<hid_device*>(handle);
}

} // namespace

HidapiBackend::HidapiBackend() {
    // hidapi initialises itself on first use too; doing it here keeps that off the worker threads.
    const std::lock_guard guard(globalStateLock());
    hid_init();
}

// hid_exit is left out on purpose: another backend object of the process may still be in use.
HidapiBackend::~HidapiBackend() = default;

QList<HidInterfaceInfo> HidapiBackend::enumerate(unsigned short vendorId,
                                                 unsigned short productId) {
    QList<HidInterfaceInfo> result;
    const std::lock_guard guard(globalStateLock());
    hid_device_info* list = hid_enumerate(vendorId, productId);
    for (const hid_device_info* entry = list; entry; entry = entry->next)
        result.append(
            {QByteArray(entry->path), entry->usage_page, entry->usage, entry->interface_number});
    hid_free_enumeration(list);
    return result;
}

HidHandle* HidapiBackend::open(const QByteArray& path, HidOpenError& error) {
    hid_device* handle = nullptr;
    {
        const std::lock_guard guard(globalStateLock());
        handle = hid_open_path(path.constData());
    }
    if (handle)
        error = HidOpenError::None;
    // hidapi keeps no error code of its own; the node tells whether this user may open it.
    else if (::access(path.constData(), R_OK | W_OK) != 0 && errno == EACCES)
        error = HidOpenError::PermissionDenied;
    else
        error = HidOpenError::Other;
    return reinterpret_cast<HidHandle*>(handle);
}

int HidapiBackend::setNonblocking(HidHandle* handle, int nonblock) {
    return hid_set_nonblocking(device(handle), nonblock);
}

int HidapiBackend::sendFeatureReport(HidHandle* handle, const unsigned char* data, size_t length) {
    return hid_send_feature_report(device(handle), data, length);
}

int HidapiBackend::getFeatureReport(HidHandle* handle, unsigned char* data, size_t length) {
    return hid_get_feature_report(device(handle), data, length);
}

int HidapiBackend::write(HidHandle* handle, const unsigned char* data, size_t length) {
    return hid_write(device(handle), data, length);
}

int HidapiBackend::read(HidHandle* handle, unsigned char* data, size_t length) {
    return hid_read(device(handle), data, length);
}

int HidapiBackend::readTimeout(HidHandle* handle, unsigned char* data, size_t length,
                               int milliseconds) {
    return hid_read_timeout(device(handle), data, length, milliseconds);
}

void HidapiBackend::close(HidHandle* handle) {
    const std::lock_guard guard(globalStateLock());
    hid_close(device(handle));
}
