#include "sound/sound_player.h"

#include "sound/pcm_sound.h"
#include "sound/pulse_output.h"

SoundPlayer::SoundPlayer(QObject* parent)
    : QObject(parent), output(std::make_unique<PulseOutput>()) {
    endTimer.setSingleShot(true);
    endTimer.setTimerType(Qt::PreciseTimer);
    connect(&endTimer, &QTimer::timeout, this, &SoundPlayer::finished);
}

SoundPlayer::~SoundPlayer() {
    stopOutput();
}

void SoundPlayer::play(const QUrl& source) {
    clear();
    currentSource = source;
    load(source.toLocalFile());
    if (!sound)
        return;
    endTimer.start(int(sound->durationMs()));
    startOutput();
}

void SoundPlayer::clear() {
    endTimer.stop();
    stopOutput();
    currentSource.clear();
}

void SoundPlayer::load(const QString& path) {
    // Each file is opened once; a file that could not be read is tried again next time.
    if (sound && path == loadedPath)
        return;
    sound = PcmSound::open(path);
    loadedPath = path;
}

void SoundPlayer::startOutput() {
    sound->rewind();
    PcmSound* playing = sound.get();
    output->start(playing->format(),
                  [playing](char* data, qint64 maxBytes) { return playing->read(data, maxBytes); });
}

void SoundPlayer::stopOutput() {
    output->stop();
}
