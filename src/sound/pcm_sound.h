#pragma once

#include "sound/pcm_format.h"

#include <QByteArray>

#include <memory>

class Mp3Decoder;
class QString;

// A sound file as PCM samples, read from its beginning to its end, as often as it is played: a
// wave file is read whole when it is opened; an MP3 track is decoded a piece at a time as it is
// played, since a long track kept decoded would cost megabytes and decoding costs little.
class PcmSound {
public:
    // Null for a file that is missing or cannot be decoded.
    static std::unique_ptr<PcmSound> open(const QString& path);
    ~PcmSound();

    PcmFormat format() const { return pcmFormat; }
    qint64 durationMs() const;
    // Back to the beginning.
    void rewind();
    // Copies the next samples, up to `maxBytes` (a whole number of frames), into `data`; 0 at the
    // end.
    qint64 read(char* data, qint64 maxBytes);

private:
    PcmSound(PcmFormat format, QByteArray samples, std::unique_ptr<Mp3Decoder> decoder);

    PcmFormat pcmFormat;
    QByteArray samples;
    // Set for a track decoded as it is played.
    std::unique_ptr<Mp3Decoder> decoder;
    qint64 totalBytes;
    qint64 position = 0;
};
