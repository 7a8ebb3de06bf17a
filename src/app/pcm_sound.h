#pragma once

#include <QAudioFormat>
#include <QByteArray>

#include <memory>

class Mp3Decoder;
class QString;

// A sound file as PCM samples, decoded once: a wave file is read whole when it is opened, an MP3
// track is decoded a piece ahead of playback, and what was decoded is kept for the next time.
class PcmSound {
public:
    // Null for a file that is missing or cannot be decoded.
    static std::unique_ptr<PcmSound> open(const QString& path);
    ~PcmSound();

    QAudioFormat format() const { return audioFormat; }
    qint64 durationMs() const;
    // Copies up to `maxBytes` samples from `position` into `data`, decoding as needed; 0 at the
    // end.
    qint64 read(qint64 position, char* data, qint64 maxBytes);

private:
    PcmSound(QAudioFormat format, QByteArray samples, std::unique_ptr<Mp3Decoder> decoder);

    QAudioFormat audioFormat;
    QByteArray samples;
    // Set while part of the track is still to be decoded.
    std::unique_ptr<Mp3Decoder> decoder;
    qint64 totalBytes;
};
