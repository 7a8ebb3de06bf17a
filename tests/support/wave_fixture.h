#pragma once

#include <QByteArray>
#include <QDataStream>
#include <QFile>
#include <QIODevice>
#include <QString>

// The bytes of a PCM wave file: header, an optional extra chunk before the samples, and the
// samples as given. `formatTag` 1 is PCM.
inline QByteArray waveBytes(quint32 rate, quint16 channels, quint16 bits, const QByteArray& samples,
                            bool extraChunk = false, quint16 formatTag = 1) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    const quint16 frameBytes = channels * bits / 8;
    const QByteArray extra = extraChunk ? QByteArray("LIST\x03\0\0\0abc\0", 12) : QByteArray();
    out.writeRawData("RIFF", 4);
    out << quint32(36 + extra.size() + samples.size());
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << formatTag << channels << rate << rate * frameBytes << frameBytes << bits;
    out.writeRawData(extra.constData(), int(extra.size()));
    out.writeRawData("data", 4);
    out << quint32(samples.size());
    out.writeRawData(samples.constData(), int(samples.size()));
    return bytes;
}

// A silent 16-bit mono wave file of the given length at 8000 Hz.
inline bool writeSilentWave(const QString& path, int milliseconds) {
    QFile file(path);
    const int samples = 8000 * milliseconds / 1000;
    return file.open(QIODevice::WriteOnly) &&
           file.write(waveBytes(8000, 1, 16, QByteArray(samples * 2, '\0'))) > 0;
}
