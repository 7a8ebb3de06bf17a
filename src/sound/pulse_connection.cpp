#include "sound/pulse_connection.h"

#include <QCoreApplication>
#include <QMutex>

#include <pulse/context.h>
#include <pulse/thread-mainloop.h>

namespace {

void signalStateChange(pa_context*, void* loop) {
    pa_threaded_mainloop_signal(static_cast<pa_threaded_mainloop*>(loop), 0);
}

bool isSettled(pa_context_state_t state) {
    return state == PA_CONTEXT_READY || !PA_CONTEXT_IS_GOOD(state);
}

} // namespace

std::shared_ptr<PulseConnection> PulseConnection::shared() {
    static QMutex mutex;
    static std::weak_ptr<PulseConnection> current;
    QMutexLocker locker(&mutex);
    if (std::shared_ptr<PulseConnection> connection = current.lock())
        return connection;
    std::shared_ptr<PulseConnection> connection(new PulseConnection);
    if (!connection->connect())
        return nullptr;
    current = connection;
    return connection;
}

bool PulseConnection::connect() {
    mainloop = pa_threaded_mainloop_new();
    if (!mainloop)
        return false;
    const QByteArray name = QCoreApplication::applicationName().toUtf8();
    pulseContext = pa_context_new(pa_threaded_mainloop_get_api(mainloop),
                                  name.isEmpty() ? "korvane" : name.constData());
    if (!pulseContext)
        return false;
    pa_context_set_state_callback(pulseContext, signalStateChange, mainloop);
    // A desktop without a sound server stays silent rather than having one started for it.
    if (pa_context_connect(pulseContext, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0 ||
        pa_threaded_mainloop_start(mainloop) < 0)
        return false;
    lock();
    while (!isSettled(pa_context_get_state(pulseContext)))
        pa_threaded_mainloop_wait(mainloop);
    const bool ready = pa_context_get_state(pulseContext) == PA_CONTEXT_READY;
    unlock();
    return ready;
}

PulseConnection::~PulseConnection() {
    if (mainloop)
        pa_threaded_mainloop_stop(mainloop);
    if (pulseContext) {
        pa_context_disconnect(pulseContext);
        pa_context_unref(pulseContext);
    }
    if (mainloop)
        pa_threaded_mainloop_free(mainloop);
}

void PulseConnection::lock() {
    pa_threaded_mainloop_lock(mainloop);
}

void PulseConnection::unlock() {
    pa_threaded_mainloop_unlock(mainloop);
}
