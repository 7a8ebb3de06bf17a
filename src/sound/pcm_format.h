#pragma once

#include <QtGlobal>

// How a sound's samples are laid out: interleaved frames of 8-bit unsigned or 16-bit signed
// little-endian samples.
struct PcmFormat {
    enum SampleFormat { UInt8, Int16 };

    int sampleRate = 0;
    int channelCount = 0;
    SampleFormat sampleFormat = Int16;

    int bytesPerFrame() const { return channelCount * (sampleFormat == UInt8 ? 1 : 2); }
    qint64 bytesForMs(qint64 ms) const { return ms * sampleRate / 1000 * bytesPerFrame(); }
    qint64 msForBytes(qint64 bytes) const {
        const qint64 frameRate = qint64(sampleRate) * bytesPerFrame();
        return frameRate > 0 ? bytes * 1000 / frameRate : 0;
    }
    bool operator==(const PcmFormat&) const = default;
};
