#pragma once

#include <memory>

struct pa_context;
struct pa_threaded_mainloop;

// One connection to the PulseAudio sound server (PipeWire serves the same protocol), shared by
// every sound of the process, with the thread of its own on which the server's requests are
// handled. Objects of the connection are used with its lock held.
class PulseConnection {
public:
    // The process's connection, made on first use; null without a sound server. A server that
    // accepts the connection but never answers holds up the caller: call it from a thread that
    // may wait.
    static std::shared_ptr<PulseConnection> shared();
    ~PulseConnection();
    PulseConnection(const PulseConnection&) = delete;
    PulseConnection& operator=(const PulseConnection&) = delete;

    pa_context* context() const { return pulseContext; }
    pa_threaded_mainloop* loop() const { return mainloop; }
    void lock();
    void unlock();

private:
    PulseConnection() = default;
    bool connect();

    pa_threaded_mainloop* mainloop = nullptr;
    pa_context* pulseContext = nullptr;
};
