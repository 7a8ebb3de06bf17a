#pragma once

#include "device/link_timing.h"
#include "platform/hid_backend.h"

#include <QByteArray>
#include <QHash>
#include <QMutex>
#include <QString>

#include <algorithm>
#include <atomic>

// A backend that counts what the device link does through it: the opens of each interface and
// the acknowledgements that its reads delivered. What the link does follows from these, whatever
// the machine's load.
template <typename Backend> class CountingBackend : public Backend {
public:
    using Backend::Backend;

    HidHandle* open(const QByteArray& path, HidOpenError& error) override {
        {
            const QMutexLocker lock(&mutex);
            ++opens[path];
        }
        return Backend::open(path, error);
    }
    int readTimeout(HidHandle* handle, unsigned char* data, size_t length,
                    int milliseconds) override {
        const int delivered = Backend::readTimeout(handle, data, length, milliseconds);
        if (delivered == int(ackReport.size()) &&
            std::equal(ackReport.begin(), ackReport.end(), data))
            ++acks;
        return delivered;
    }

    int opensOf(const QString& path) {
        const QMutexLocker lock(&mutex);
        return opens.value(path.toLocal8Bit());
    }
    int acknowledgementsRead() const { return acks.load(); }

private:
    QMutex mutex;
    QHash<QByteArray, int> opens;
    std::atomic<int> acks{0};
};
