#include "sound/pulse_output.h"

#include "sound/pulse_connection.h"

#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>
#include <pulse/timeval.h>

#include <algorithm>

namespace {

// Half a second of samples in the server, asked for a quarter of a second at a time.
constexpr qint64 bufferedMs = 500;
constexpr qint64 requestMs = 250;
// From the last samples handed over until they have surely been played: what the server holds
// and the sound card's own buffer, with room to spare.
constexpr pa_usec_t playOutUs = 3 * PA_USEC_PER_SEC;

void signalStateChange(pa_stream*, void* loop) {
    pa_threaded_mainloop_signal(static_cast<pa_threaded_mainloop*>(loop), 0);
}

pa_sample_spec sampleSpec(const PcmFormat& format) {
    pa_sample_spec spec;
    spec.format = format.sampleFormat == PcmFormat::UInt8 ? PA_SAMPLE_U8 : PA_SAMPLE_S16LE;
    spec.rate = uint32_t(format.sampleRate);
    spec.channels = uint8_t(format.channelCount);
    return spec;
}

pa_buffer_attr bufferAttributes(const PcmFormat& format) {
    pa_buffer_attr attributes;
    attributes.maxlength = uint32_t(-1);
    attributes.tlength = uint32_t(format.bytesForMs(bufferedMs));
    // Playback starts with the first samples, however few the sound has.
    attributes.prebuf = 0;
    attributes.minreq = uint32_t(format.bytesForMs(requestMs));
    attributes.fragsize = uint32_t(-1);
    return attributes;
}

} // namespace

PulseOutput::PulseOutput() = default;

PulseOutput::~PulseOutput() {
    stop();
}

bool PulseOutput::start(const PcmFormat& format, Source next) {
    stop();
    if (!connection)
        connection = PulseConnection::shared();
    const pa_sample_spec spec = sampleSpec(format);
    if (!connection || !pa_sample_spec_valid(&spec))
        return false;
    connection->lock();
    source = std::move(next);
    bytesPerFrame = format.bytesPerFrame();
    stream = pa_stream_new(connection->context(), "sound", &spec, nullptr);
    if (stream) {
        pa_stream_set_state_callback(stream, signalStateChange, connection->loop());
        pa_stream_set_write_callback(stream, writeRequested, this);
        const pa_buffer_attr attributes = bufferAttributes(format);
        // The buffer sets how often the stream asks for more, not the latency: a new stream is
        // mixed in at once.
        if (pa_stream_connect_playback(stream, nullptr, &attributes, PA_STREAM_NOFLAGS, nullptr,
                                       nullptr) < 0)
            release();
    }
    // A stream is only let go once the server has made it.
    while (stream && pa_stream_get_state(stream) == PA_STREAM_CREATING)
        pa_threaded_mainloop_wait(connection->loop());
    if (stream && pa_stream_get_state(stream) != PA_STREAM_READY)
        release();
    const bool started = stream != nullptr;
    connection->unlock();
    return started;
}

void PulseOutput::stop() {
    if (!connection)
        return;
    connection->lock();
    release();
    connection->unlock();
}

// With the connection's lock held.
void PulseOutput::release() {
    // A freed timer calls back no more.
    if (releaseTimer) {
        api()->time_free(releaseTimer);
        releaseTimer = nullptr;
    }
    if (stream) {
        pa_stream_set_state_callback(stream, nullptr, nullptr);
        pa_stream_set_write_callback(stream, nullptr, nullptr);
        if (pa_stream_get_state(stream) == PA_STREAM_READY)
            pa_stream_disconnect(stream);
        pa_stream_unref(stream);
        stream = nullptr;
    }
    source = nullptr;
}

pa_mainloop_api* PulseOutput::api() const {
    return pa_threaded_mainloop_get_api(connection->loop());
}

void PulseOutput::writeRequested(pa_stream* stream, size_t bytes, void* userdata) {
    auto* output = static_cast<PulseOutput*>(userdata);
    // Filled to the last byte asked for, so that a source that runs dry is noticed now.
    while (bytes > 0 && output->source) {
        void* buffer = nullptr;
        size_t room = bytes;
        if (pa_stream_begin_write(stream, &buffer, &room) < 0 || !buffer)
            return;
        const qint64 wholeFrames = qint64(room) - qint64(room) % output->bytesPerFrame;
        const qint64 count =
            wholeFrames > 0 ? output->source(static_cast<char*>(buffer), wholeFrames) : 0;
        if (count <= 0) {
            pa_stream_cancel_write(stream);
            output->playOut();
            return;
        }
        pa_stream_write(stream, buffer, size_t(count), nullptr, 0, PA_SEEK_RELATIVE);
        bytes -= std::min(bytes, size_t(count));
    }
}

// With the connection's lock held: the source has run dry. The stream is let go once the sound
// card has surely played out what the server holds, since a stream let go earlier takes its last
// samples with it.
void PulseOutput::playOut() {
    source = nullptr;
    pa_stream_set_write_callback(stream, nullptr, nullptr);
    timeval due;
    pa_timeval_add(pa_gettimeofday(&due), playOutUs);
    releaseTimer = api()->time_new(api(), &due, releaseDue, this);
}

void PulseOutput::releaseDue(pa_mainloop_api*, pa_time_event*, const timeval*, void* userdata) {
    static_cast<PulseOutput*>(userdata)->release();
}
