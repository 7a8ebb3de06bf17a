#pragma once

#include <QAudioFormat>

class QByteArray;
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
    QAudioFormat format() const { return audioFormat; }
    // The length in bytes of the whole decoded track, found from the frame headers.
    qint64 totalBytes() const { return total; }
    // Appends the next piece of the track; false once the track has ended (or cannot be read on).
    bool decodeMore(QByteArray& samples);

private:
    mpg123_handle_struct* handle = nullptr;
    QAudioFormat audioFormat;
    qint64 total = 0;
};
