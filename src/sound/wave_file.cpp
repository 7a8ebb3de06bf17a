#include "sound/wave_file.h"

#include <QFile>
#include <QtEndian>

namespace {

constexpr qint64 headerBytes = 12;
constexpr qint64 chunkHeaderBytes = 8;
constexpr qint64 formatBytes = 16;
constexpr quint16 pcmTag = 1;

quint16 le16(const char* bytes) {
    return qFromLittleEndian<quint16>(bytes);
}

quint32 le32(const char* bytes) {
    return qFromLittleEndian<quint32>(bytes);
}

std::optional<PcmFormat> pcmFormat(const QByteArray& chunk) {
    if (chunk.size() < formatBytes || le16(chunk.constData()) != pcmTag)
        return std::nullopt;
    const int channels = le16(chunk.constData() + 2);
    const int rate = int(le32(chunk.constData() + 4));
    const int bits = le16(chunk.constData() + 14);
    if (channels < 1 || channels > 2 || rate <= 0 || (bits != 8 && bits != 16))
        return std::nullopt;
    return PcmFormat{rate, channels, bits == 8 ? PcmFormat::UInt8 : PcmFormat::Int16};
}

} // namespace

bool WaveFile::isWave(const QByteArray& head) {
    return head.size() >= headerBytes && head.startsWith("RIFF") && head.mid(8, 4) == "WAVE";
}

std::optional<WaveFile> WaveFile::read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !isWave(file.read(headerBytes)))
        return std::nullopt;
    std::optional<PcmFormat> format;
    // Chunks in any order; the samples are the data chunk after the format chunk.
    while (!file.atEnd()) {
        const QByteArray header = file.read(chunkHeaderBytes);
        if (header.size() < chunkHeaderBytes)
            break;
        const qint64 size = le32(header.constData() + 4);
        if (header.startsWith("fmt ")) {
            format = pcmFormat(file.read(size));
        } else if (header.startsWith("data") && format) {
            QByteArray samples = file.read(qMin(size, file.size() - file.pos()));
            samples.truncate(samples.size() - samples.size() % format->bytesPerFrame());
            return WaveFile{*format, samples};
        } else if (!file.seek(file.pos() + size + size % 2)) {
            break;
        }
    }
    return std::nullopt;
}
