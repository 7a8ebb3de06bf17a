#include "app/pcm_sound.h"

#include "app/mp3_decoder.h"
#include "app/wave_file.h"

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
    const QAudioFormat format = decoder->format();
    return std::unique_ptr<PcmSound>(new PcmSound(format, QByteArray(), std::move(decoder)));
}

PcmSound::PcmSound(QAudioFormat format, QByteArray samples, std::unique_ptr<Mp3Decoder> decoder)
    : audioFormat(format), samples(std::move(samples)), decoder(std::move(decoder)),
      totalBytes(this->decoder ? this->decoder->totalBytes() : this->samples.size()) {
    if (this->decoder)
        this->samples.reserve(totalBytes);
}

PcmSound::~PcmSound() = default;

qint64 PcmSound::durationMs() const {
    return audioFormat.durationForBytes(qint32(totalBytes)) / 1000;
}

qint64 PcmSound::read(qint64 position, char* data, qint64 maxBytes) {
    while (decoder && samples.size() < position + maxBytes) {
        if (!decoder->decodeMore(samples)) {
            // The whole track is here now; the decoder has done its work.
            decoder.reset();
            totalBytes = samples.size();
        }
    }
    const qint64 count = qBound<qint64>(0, samples.size() - position, maxBytes);
    if (count > 0)
        std::memcpy(data, samples.constData() + position, size_t(count));
    return count;
}
