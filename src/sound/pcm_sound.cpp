#include "sound/pcm_sound.h"

#include "sound/mp3_decoder.h"
#include "sound/wave_file.h"

#include <QFile>

#include <cstring>

namespace {

constexpr qint64 sniffBytes = 12;

bool startsAsWave(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && WaveFile::isWave(file.read(sniffBytes));
}

} // namespace

std::unique_ptr<PcmSound> PcmSound::open(const QString& path) {
    // The content decides, not the name.
    if (startsAsWave(path)) {
        std::optional<WaveFile> wave = WaveFile::read(path);
        if (!wave)
            return nullptr;
        return std::unique_ptr<PcmSound>(new PcmSound(wave->format, wave->samples, nullptr));
    }
    auto decoder = std::make_unique<Mp3Decoder>(path);
    if (!decoder->isOpen())
        return nullptr;
    const PcmFormat format = decoder->format();
    return std::unique_ptr<PcmSound>(new PcmSound(format, QByteArray(), std::move(decoder)));
}

PcmSound::PcmSound(PcmFormat format, QByteArray samples, std::unique_ptr<Mp3Decoder> decoder)
    : pcmFormat(format), samples(std::move(samples)), decoder(std::move(decoder)),
      totalBytes(this->decoder ? this->decoder->totalBytes() : this->samples.size()) {}

PcmSound::~PcmSound() = default;

qint64 PcmSound::durationMs() const {
    return pcmFormat.msForBytes(totalBytes);
}

void PcmSound::rewind() {
    position = 0;
    if (decoder)
        decoder->rewind();
}

qint64 PcmSound::read(char* data, qint64 maxBytes) {
    if (decoder)
        return decoder->read(data, maxBytes);
    const qint64 count = qBound<qint64>(0, samples.size() - position, maxBytes);
    if (count > 0)
        std::memcpy(data, samples.constData() + position, size_t(count));
    position += count;
    return count;
}
