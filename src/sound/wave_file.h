#pragma once

#include "sound/pcm_format.h"

#include <QByteArray>

#include <optional>

class QString;

// The samples of an uncompressed PCM wave file (8-bit unsigned or 16-bit signed).
struct WaveFile {
    PcmFormat format;
    QByteArray samples;

    // Null for a file that is missing, unreadable or not such a wave file.
    static std::optional<WaveFile> read(const QString& path);
    static bool isWave(const QByteArray& head);
};
