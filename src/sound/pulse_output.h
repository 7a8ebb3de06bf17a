#pragma once

#include "sound/pcm_format.h"

#include <functional>
#include <memory>

class PulseConnection;
struct pa_mainloop_api;
struct pa_stream;
struct pa_time_event;
struct timeval;

// Plays the samples a source hands over on the default output of the sound server, as one
// playback stream at a time. The stream asks for a long piece at a time, so a playing sound
// wakes the process a few times a second only; once the source has run dry and what it gave
// has been played, the stream is let go, so a finished sound costs nothing.
class PulseOutput {
public:
    // Called on the sound server's thread for the next samples, up to `maxBytes`, which is always
    // a whole number of frames; 0 at the end.
    using Source = std::function<qint64(char* data, qint64 maxBytes)>;

    PulseOutput();
    ~PulseOutput();
    PulseOutput(const PulseOutput&) = delete;
    PulseOutput& operator=(const PulseOutput&) = delete;

    // Stops what was playing and plays `source` from now on. False without a sound server or
    // for a format it refuses; nothing then plays. After stop() or the destructor, the source is
    // not called any more.
    bool start(const PcmFormat& format, Source source);
    void stop();

private:
    static void writeRequested(pa_stream* stream, size_t bytes, void* output);
    static void releaseDue(pa_mainloop_api* api, pa_time_event* event, const timeval* time,
                           void* output);
    void playOut();
    void release();
    pa_mainloop_api* api() const;

    std::shared_ptr<PulseConnection> connection;
    pa_stream* stream = nullptr;
    pa_time_event* releaseTimer = nullptr;
    Source source;
    int bytesPerFrame = 0;
};
