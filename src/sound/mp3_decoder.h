#pragma once

#include "sound/pcm_format.h"

class QString;

struct mpg123_handle_struct;

// An MP3 file decoded piece by piece to 16-bit PCM with libmpg123.
class Mp3Decoder {
public:
    // Check isOpen(): false for a file that is missing, unreadable or not MPEG audio.
    explicit Mp3Decoder(const QString& path);
    ~Mp3Decoder();
    Mp3Decoder(const Mp3Decoder&) = delete;
    Mp3Decoder& operator=(const Mp3Decoder&) = delete;

    bool isOpen() const { return handle != nullptr; }
    PcmFormat format() const { return pcmFormat; }
    // The length in bytes of the whole decoded track, found from the frame headers.
    qint64 totalBytes() const { return total; }
    // Decodes the next samples into `data`, up to `maxBytes` (a whole number of frames); 0 once
    // the track has ended (or cannot be read on).
    qint64 read(char* data, qint64 maxBytes);
    // Back to the beginning of the track.
    void rewind();

private:
    mpg123_handle_struct* handle = nullptr;
    PcmFormat pcmFormat;
    qint64 total = 0;
};
